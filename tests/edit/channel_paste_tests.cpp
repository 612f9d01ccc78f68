// Pasting rows: which slots or bands they land on, what the editor's rules
// refuse or repair, and the one summary of refused rows.
#include <gtest/gtest.h>

#include "edit/bank.h"
#include "edit/channel_paste.h"
#include "edit/channel_rules.h"

namespace wrk7 {
namespace {

PasteRecord Channel(double mhz, const char* name = "", const char* note = "") {
    PasteRecord r;
    r.fields = EmptyRowDefaults();
    r.fields.Set(kFreq, mhz);
    r.fields.SetText(kName, name);
    r.fields.SetText(kNote, note);
    return r;
}

std::vector<std::string> Labels(const CloneImage& image) {
    const auto labels = BuildRowLabels(image);
    return {labels.begin(), labels.end()};
}

TEST(ChannelPaste, RowsLandOnConsecutiveSlotsAndCountUsedOnes) {
    CloneImage image;
    image.memory.slot[11].Set(kFreq, 150);
    image.memory.enabled[11] = true;
    PasteRecord empty;
    empty.enabled = false;
    const std::vector<PasteRecord> rows{Channel(145, "A"), Channel(146, "B"), empty};
    image.memory.slot[12].Set(kFreq, 160);
    image.memory.enabled[12] = true;

    const PastePlan plan = PlanMemoryPaste(image, 10, rows);
    EXPECT_TRUE(plan.refused.empty());
    EXPECT_EQ(plan.overwrites, 2);  // slot 11, and slot 12 that the empty row empties
    EXPECT_EQ(ApplyMemoryPaste(image, plan), (SlotRange{10, 12}));
    EXPECT_TRUE(image.modified);
    EXPECT_EQ(image.memory.slot[10].Text(kFreq), "145.000000");
    EXPECT_EQ(image.memory.slot[11].Text(kName), "B");
    EXPECT_TRUE(image.memory.enabled[10] && image.memory.enabled[11]);
    EXPECT_EQ(image.memory.slot[12], SlotFields{});
    EXPECT_FALSE(image.memory.enabled[12]);
}

TEST(ChannelPaste, EditorRulesRefuseRowsWithOneSummary) {
    CloneImage image;
    image.model = 2;  // WR-K70T: cellular ranges, no Train, no Secret
    PasteRecord offset = Channel(150);
    offset.fields.Set(kOffset, 100);
    PasteRecord train = Channel(151);
    train.fields.Set(kOption, 1);
    PasteRecord unreadable;
    unreadable.unreadable = "The Mode \"SSB\" cannot be read.";
    const std::vector<PasteRecord> rows{Channel(1300),     Channel(835),       offset, Channel(152, "TOOLONG"),
                                        Channel(153, "", std::string(31, 'n').c_str()), train, unreadable};

    const PastePlan plan = PlanMemoryPaste(image, 0, rows);
    ASSERT_EQ(plan.refused.size(), 6u);
    ASSERT_EQ(plan.writes.size(), 1u);
    EXPECT_EQ(plan.writes[0].target, 5);
    EXPECT_EQ(plan.writes[0].record.fields.Value(kOption), 0);  // Train repaired to None

    const auto summary = RefusalSummary(plan, Labels(image));
    const std::vector<std::string> expected{
        "6 of 7 rows were not pasted:",
        "Row 1 (00-000): The frequency must lie between 0.100000 and 1299.995000 MHz.",
        "Row 2 (00-001): It is a frequency of the cellular phone. It is not possible to set it.",
        "Row 3 (00-002): The offset frequency must be below 100 MHz.",
        "Row 4 (00-003): A name holds at most 6 printable ASCII characters.",
        "Row 5 (00-004): A note holds at most 30 characters.",
        "Row 7 (00-006): The Mode \"SSB\" cannot be read.",
    };
    EXPECT_EQ(summary, expected);
    EXPECT_TRUE(RefusalSummary(PlanMemoryPaste(image, 0, {Channel(145)}), Labels(image)).empty());
}

TEST(ChannelPaste, SearchPassDuplicatesCountTheRowsAsPasted) {
    CloneImage image;
    const int s0 = kFirstSearchPassSlot;
    image.memory.slot[s0 + 1].Set(kFreq, 120);  // S1 holds 120 now, but the paste replaces it
    image.memory.enabled[s0 + 1] = true;
    image.memory.slot[s0 + 5].Set(kFreq, 125);
    image.memory.enabled[s0 + 5] = true;

    const PastePlan plan = PlanMemoryPaste(image, s0, {Channel(120), Channel(121), Channel(121), Channel(125)});
    ASSERT_EQ(plan.refused.size(), 2u);
    EXPECT_EQ(plan.refused[0].row, 2);  // the second 121
    EXPECT_EQ(plan.refused[1].row, 3);  // S5 holds 125
    EXPECT_EQ(plan.refused[0].reason, "The same frequency as other channels cannot be set in Search Pass bank.");

    // Rows past the last slot are refused, the rest pasted.
    const PastePlan atEnd = PlanMemoryPaste(image, kSlotCount - 1, {Channel(145), Channel(146)});
    EXPECT_EQ(atEnd.writes.size(), 1u);
    ASSERT_EQ(atEnd.refused.size(), 1u);
    EXPECT_EQ(RefusalSummary(atEnd, Labels(image))[1], "Row 2: There is no row after the last one.");
    // Nor do channels spill over into the program-scan edges.
    const PastePlan pastLast = PlanMemoryPaste(image, kChannelCount - 1, {Channel(145), Channel(146)});
    ASSERT_EQ(pastLast.writes.size(), 1u);
    EXPECT_EQ(pastLast.writes[0].target, kChannelCount - 1);
    ASSERT_EQ(pastLast.refused.size(), 1u);
    EXPECT_EQ(pastLast.refused[0].reason, "The paste stops at the last memory channel.");
}

TEST(ChannelPaste, VfoBandsTakeTheValuesTheyCanHold) {
    CloneImage image;  // WR-K7J: 14 bands; band 10 is 430-469.995 MHz, band 11 470-769.995
    for (int b : {10, 11}) {
        image.vfo.bands[b] = EmptyRowDefaults();  // 20KHz, option None
        image.vfo.bands[b].Set(kFreq, b == 10 ? 433 : 475.75);
    }
    PasteRecord uhf = Channel(433.5, "NAME", "uhf");
    uhf.fields.Set(kStep, 16);   // 1KHz: band 0 only
    uhf.fields.Set(kOption, 4);  // Secret: not on the WR-K7J
    uhf.fields.Set(kTone, 20);
    uhf.fields.Set(kSkip, 1);

    const PastePlan plan = PlanVfoPaste(image, 10, {uhf, uhf});
    EXPECT_TRUE(plan.refused.empty());
    ApplyVfoPaste(image, plan);
    EXPECT_TRUE(image.modified);
    const SlotFields& band10 = image.vfo.bands[10];
    EXPECT_EQ(band10.Text(kFreq), "433.500000");
    EXPECT_EQ(band10.Text(kStep), "20KHz");  // the band's own step stays
    EXPECT_EQ(band10.Text(kOption), "OFF");
    EXPECT_EQ(band10.Text(kTone), "131.8Hz");
    EXPECT_EQ(band10.Text(kNote), "uhf");
    EXPECT_EQ(band10.Text(kName), "");
    EXPECT_EQ(band10.Value(kSkip), 0);
    // 433.5 MHz lies outside band 11, which keeps its frequency and takes the rest.
    EXPECT_EQ(image.vfo.bands[11].Text(kFreq), "475.750000");
    EXPECT_EQ(image.vfo.bands[11].Text(kTone), "131.8Hz");
    EXPECT_EQ(image.vfo.bands[11].Text(kOffset), "0.600000");

    image.model = 2;  // eight bands
    const PastePlan k70t = PlanVfoPaste(image, 7, {Channel(960), Channel(970)});
    ASSERT_EQ(k70t.refused.size(), 1u);
    EXPECT_EQ(k70t.refused[0].reason, "The WR-K70T has no band 8.");
    PasteRecord empty;
    EXPECT_EQ(PlanVfoPaste(image, 3, {empty}).refused.size(), 1u);
}

}  // namespace
}  // namespace wrk7
