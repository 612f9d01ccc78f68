// Find (frequency, range, text) and Go to (row labels, loose bank-slot forms,
// slot numbers) over the memory channel space.
#include <gtest/gtest.h>

#include "edit/channel_find.h"
#include "edit/row_lookup.h"

namespace wrk7 {
namespace {

CloneImage WithChannels() {
    CloneImage image;
    auto put = [&](int slot, double mhz, const char* name, const char* note) {
        image.memory.slot[slot].Set(kFreq, mhz);
        image.memory.slot[slot].SetText(kName, name);
        image.memory.slot[slot].SetText(kNote, note);
        image.memory.enabled[slot] = true;
    };
    put(3, 145.5, "TOWER", "");
    put(10, 120.0, "APP", "Airport Tokyo");
    put(11, 145.500001, "", "");
    put(1105, 130.0, "", "東京 Tokyo");
    return image;
}

TEST(ChannelFind, QueriesReadAsFrequencyRangeOrText) {
    EXPECT_EQ(ParseFindQuery("  ").kind, FindQuery::Kind::kNone);
    const FindQuery exact = ParseFindQuery(" 145.5 ");
    EXPECT_EQ(exact.kind, FindQuery::Kind::kFrequency);
    EXPECT_EQ(exact.low, 145.5);
    const FindQuery range = ParseFindQuery("137-118");
    EXPECT_EQ(range.kind, FindQuery::Kind::kRange);
    EXPECT_EQ(range.low, 118);
    EXPECT_EQ(range.high, 137);
    const FindQuery text = ParseFindQuery("ToKyo");
    EXPECT_EQ(text.kind, FindQuery::Kind::kText);
    EXPECT_EQ(text.text, "tokyo");
    EXPECT_EQ(ParseFindQuery("118-abc").kind, FindQuery::Kind::kText);
}

TEST(ChannelFind, FindsForwardAndBackwardRoundTheEnd) {
    const CloneImage image = WithChannels();
    const FindQuery airband = ParseFindQuery("118-137");
    EXPECT_EQ(FindSlot(image, airband, -1, true), 10);
    EXPECT_EQ(FindSlot(image, airband, 10, true), 1105);
    EXPECT_EQ(FindSlot(image, airband, 1105, true), 10);  // round the end
    EXPECT_EQ(FindSlot(image, airband, 10, false), 1105);
    EXPECT_EQ(FindSlot(image, airband, 500, false), 10);

    // Exact to the hertz: 145.500001 is another frequency.
    EXPECT_EQ(FindSlot(image, ParseFindQuery("145.5"), 3, true), 3);
    EXPECT_EQ(FindSlot(image, ParseFindQuery("145.500001"), 0, true), 11);
    // Text in the name or the note, any case; Japanese notes are searched too.
    EXPECT_EQ(FindSlot(image, ParseFindQuery("tow"), 0, true), 3);
    EXPECT_EQ(FindSlot(image, ParseFindQuery("TOKYO"), 10, true), 1105);
    EXPECT_EQ(FindSlot(image, ParseFindQuery("東京"), 0, true), 1105);
    EXPECT_EQ(FindSlot(image, ParseFindQuery("nowhere"), 0, true), std::nullopt);
    EXPECT_EQ(FindSlot(image, ParseFindQuery("0-1300"), 0, true), 3);  // empty slots never match
}

TEST(RowLookup, LabelsLooseFormsAndSlotNumbers) {
    CloneImage image;
    EXPECT_EQ(SlotForRowText(image, "07-012"), 712);
    EXPECT_EQ(SlotForRowText(image, " 7-12 "), 712);
    EXPECT_EQ(SlotForRowText(image, "0a"), 1000);
    EXPECT_EQ(SlotForRowText(image, "49B"), 1099);
    EXPECT_EQ(SlotForRowText(image, "S5"), 1105);
    EXPECT_EQ(SlotForRowText(image, "pr10"), 1210);
    EXPECT_EQ(SlotForRowText(image, "1299"), 1299);
    EXPECT_EQ(SlotForRowText(image, "0"), 0);
    for (const char* nothing : {"", "1300", "10-000", "S100", "Pr", "12345", "x-1"})
        EXPECT_EQ(SlotForRowText(image, nothing), std::nullopt) << nothing;

    // The labels follow the bank table: bank 1 empty, bank 2 starts at 500.
    image.banks.counts.fill(0);
    image.banks.counts[0] = image.banks.counts[2] = 500;
    EXPECT_EQ(SlotForRowText(image, "02-000"), 500);
    EXPECT_EQ(SlotForRowText(image, "1-0"), std::nullopt);
}

}  // namespace
}  // namespace wrk7
