// The bank table, the scan groups, the count boxes, the bank total that
// guards the pages; Find (frequency, range, text) and Go to (row labels,
// loose bank-slot forms, slot numbers) over the memory channel space.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "edit/bank.h"
#include "edit/channel_find.h"
#include "edit/page_rules.h"
#include "edit/row_lookup.h"

namespace wrk7 {
namespace {

TEST(BankTable, DefaultTableEncodesAndLabelsAndGoToFindsEachLabelLooseFormAndSlotNumber) {
    CloneImage image;
    const auto blocks = EncodeBankTable(image);
    EXPECT_EQ(blocks[0] + "|" + blocks[3], "6400640064006400640064006400640064006400" + std::string(24, '0') + "|000000006400640064001400");
    const auto labels = BuildRowLabels(image);
    for (const auto& [slot, label] : {std::pair{0, "00-000"}, {999, "09-099"}, {1000, "0A"}, {1001, "0B"}, {1007, "3B"},
                                      {1099, "49B"}, {1100, "S0"}, {1199, "S99"}, {1200, "Pr0"}, {1299, "Pr99"}})
        EXPECT_EQ(labels[slot], label) << slot;
    // Go to takes the labels, looser forms of them and slot numbers; how the
    // labels follow the bank table is with the bank table's mapping.
    for (const auto& [typed, slot] : {std::pair{"07-012", 712}, {" 7-12 ", 712}, {"0a", 1000}, {"49B", 1099},
                                      {"S5", 1105}, {"pr10", 1210}, {"1299", 1299}, {"0", 0}})
        EXPECT_EQ(SlotForRowText(image, typed), slot) << typed;
    for (const char* nothing : {"", "1300", "10-000", "S100", "Pr", "12345", "x-1"})
        EXPECT_EQ(SlotForRowText(image, nothing), std::nullopt) << nothing;
    // A place for imported channels: the memory channels only.
    for (const auto& [typed, slot] : {std::pair<const char*, std::optional<int>>{"07-012", 712}, {"999", 999},
                                      {"1000", std::nullopt}, {"0A", std::nullopt}, {"S5", std::nullopt}})
        EXPECT_EQ(MemoryChannelForRowText(image, typed), slot) << typed;
}

// An image whose banks hold only the counts given, as bank and count.
CloneImage WithBanks(const std::vector<std::pair<int, int>>& counts) {
    CloneImage image;
    image.banks.counts.fill(0);
    for (const auto& [bank, count] : counts) image.banks.counts[bank] = count;
    return image;
}

// The counts the encoded blocks carry.
std::array<int, kBanks + 1> EncodedCounts(const CloneImage& image) {
    CloneImage back;
    back.banks.blocks = EncodeBankTable(image);
    DecodeBankTable(back);
    return back.banks.counts;
}

TEST(BankTable, EncodeClampsAtFirstExcessAndRoundTrips) {
    // The first bank past 1000 keeps what is left (401: one over), the banks after it none.
    const struct { std::vector<std::pair<int, int>> counts; int first, left; } cases[] = {
        {{{0, 400}, {1, 400}, {2, 400}, {7, 50}}, 2, 200}, {{{0, 599}, {1, 402}, {7, 50}}, 1, 401}};
    for (const auto& c : cases) {
        const auto counts = EncodedCounts(WithBanks(c.counts));
        EXPECT_EQ(std::pair(counts[c.first], counts[7]), std::pair(c.left, 0)) << c.first;
    }
    const CloneImage fits = WithBanks({{0, 700}, {48, 300}});
    EXPECT_EQ(EncodeBankTable(fits)[3].substr(0, 8), "2C010000");
    EXPECT_EQ(EncodedCounts(fits), fits.banks.counts);
}

TEST(BankTable, DecodeRepairsBadDigitsAndKeepsLargeCounts) {
    CloneImage image;
    image.banks.blocks = {"D007zz00", "", "", "6400"};  // 2000, bad digits, short blocks
    DecodeBankTable(image);
    EXPECT_EQ(std::tuple(image.banks.counts[0], image.banks.counts[1] + image.banks.counts[5] + image.banks.counts[49],
                         image.banks.counts[48]), std::tuple(2000, 0, 100));
    EXPECT_EQ(BuildRowLabels(image)[999], "00-999");  // what the encoder makes of 2000: EncodeClamps
}

TEST(BankTable, LabelsAndMappingSkipEmptyBanksAndShortfall) {
    CloneImage image = WithBanks({{0, 500}, {2, 500}});
    auto labels = BuildRowLabels(image);
    EXPECT_EQ(labels[499] + labels[500], "00-49902-000");
    EXPECT_EQ(ChannelToBank(image, 500), (BankPosition{2, 0}));
    EXPECT_EQ(BankToChannel(image, 2, 499), 999);
    EXPECT_FALSE(BankToChannel(image, 1, 0) || BankToChannel(image, 2, 500) || ChannelToBank(image, 1000));
    // Go to follows the same table: bank 1 has no rows to go to.
    EXPECT_EQ(std::pair(SlotForRowText(image, "02-000"), SlotForRowText(image, "1-0")),
              std::pair(std::optional(500), std::optional<int>()));

    image.banks.counts[2] = 0;
    image.banks.counts[3] = 12;
    labels = BuildRowLabels(image);
    EXPECT_EQ(labels[511] + labels[512], "03-011---512");
    EXPECT_EQ(ChannelToBank(image, 512), std::nullopt);
    EXPECT_EQ(UpdateBankTotal(image), 512);
    EXPECT_EQ(image.banks.counts[50], 488);
    EXPECT_EQ(BankTotalWarning(image).value_or(Message{}).English(), "The bank table adds up to 512; the receiver takes only 1000.");
    image.banks.counts[3] = 500;
    EXPECT_EQ(BankTotalWarning(image), std::nullopt);
}

TEST(GroupBlock, EncodeLayoutAndDecodeIgnoresOuterRecords) {
    CloneImage image;
    image.groups.members[1][0] = true;
    image.groups.members[10][49] = true;
    image.groups.block = EncodeGroupBlock(image);
    ASSERT_EQ(image.groups.block.size(), 176u);
    EXPECT_EQ(image.groups.block.substr(0, 18), std::string(16, '0') + "80");
    EXPECT_EQ(image.groups.block.substr(160), "0000000000004400");  // bank 49 and bit 53

    CloneImage back;
    back.groups.block = std::string(16, 'F') + image.groups.block.substr(16) + std::string(16, 'F');
    DecodeGroupBlock(back);
    EXPECT_EQ(back.groups.members, image.groups.members);

    back.groups.block = "00000000000000FFFFFFFFFFFFFFFFFF";  // start-up text: short
    DecodeGroupBlock(back);
    for (int g = 1; g < kGroups; ++g)
        for (int b = 0; b < kBanks; ++b) EXPECT_EQ(back.groups.members[g][b], g == 1) << g << " " << b;
}

TEST(CountEntry, AcceptsRefusesOrRestores) {
    CloneImage image = WithBanks({{0, 100}, {1, 100}, {2, 100}, {3, 100}, {4, 100}, {5, 100}});
    std::array<std::string, kBanks> boxes;
    for (int b = 0; b < kBanks; ++b) boxes[b] = image.BankText(b);
    auto enter = [&](int bank, std::string text) {
        boxes[bank] = std::move(text);
        const CountEntryResult r = ApplyCountEntry(image, bank, boxes);
        boxes[bank] = r.boxText;
        return r;
    };
    auto r = enter(10, "0050");
    EXPECT_EQ(std::tuple(r.outcome, r.boxText, r.clearLink, image.banks.counts[50]),
              std::tuple(CountEntryOutcome::kAccepted, "50", false, 350));
    r = enter(0, "");
    EXPECT_EQ(std::pair(r.boxText, r.clearLink), std::pair(std::string("0"), true));

    r = enter(1, "551");  // the others hold 450
    EXPECT_EQ(std::pair(r.outcome, r.boxText), std::pair(CountEntryOutcome::kRefused, std::string("100")));
    EXPECT_EQ(English(r.message), (std::vector<std::string>{"The total of the number of channels exceeds 1000.",
                                                            "Please set for the total of the channel to become 1000 or less."}));
    for (const std::string& text : std::vector<std::string>{"1001", "-5", std::string(400, '9')}) {
        r = enter(3, text);
        EXPECT_EQ(std::pair(r.outcome, r.boxText), std::pair(CountEntryOutcome::kRestored, std::string("100"))) << text;
    }
    EXPECT_EQ(image.banks.counts[1] + image.banks.counts[3], 200);
}

TEST(CountMove, RaisingABankTakesTheExcessFromTheLastBanksWithChannelsOrTheOneNamed) {
    CloneImage image;  // banks 0..9 of 100
    using Taken = std::vector<std::pair<int, int>>;
    const struct { int bank, wanted; std::optional<int> from; std::optional<Taken> taken; } cases[] = {
        {3, 150, {}, Taken{{9, 50}}},
        {9, 150, {}, Taken{{8, 50}}},                         // never from itself
        {0, 250, {}, Taken{{9, 100}, {8, 50}}},                // the last first, on to the one before
        {3, 150, 5, Taken{{5, 50}}},
        {3, 250, 5, std::nullopt},                              // bank 5 holds too few
        {3, 80, {}, Taken{}},                                   // lowering takes nothing
        {3, 150, 3, std::nullopt}, {3, 1001, {}, std::nullopt}, {50, 10, {}, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto move = MoveCounts(image.banks, c.bank, c.wanted, c.from);
        ASSERT_EQ(move.has_value(), c.taken.has_value()) << c.bank << " " << c.wanted;
        if (!move) continue;
        EXPECT_EQ(move->takenFrom, *c.taken) << c.bank << " " << c.wanted;
        int total = 0, others = 0;
        for (int b = 0; b < kBanks; ++b) total += move->counts[b], others += b == c.bank ? 0 : image.banks.counts[b];
        EXPECT_EQ(move->counts[c.bank], c.wanted);
        EXPECT_EQ(total, std::min(1000, others + c.wanted)) << "only the excess moves";
    }
}

TEST(PageRules, BankTotalGuardsEveryTab) {
    CloneImage image;
    image.banks.counts[9] = 90;  // total 990
    for (Page page : {Page::kSettings1, Page::kSettings2, Page::kMemory, Page::kBank}) {
        const PageSwitch s = SwitchPage(image, page, false);
        EXPECT_TRUE(s.page == Page::kBank && s.showTotalError && !s.rebuildMemoryGrid) << static_cast<int>(page);
    }
    EXPECT_FALSE(SwitchPage(image, Page::kBank, true).showTotalError);  // the switch's own re-selection

    image.banks.counts[9] = 100;
    const PageSwitch memory = SwitchPage(image, Page::kMemory, false);
    // Which pages offer Modify: CommandsTest (tests/app/commands).
    EXPECT_TRUE(memory.page == Page::kMemory && memory.modifyEnabled && memory.rebuildMemoryGrid && !memory.showTotalError);
}

TEST(ChannelFind, QueriesReadAsFrequencyRangeOrTextAndFindForwardAndBackwardRoundTheEnd) {
    using K = FindQuery::Kind;
    const std::string digits(400, '9');  // beyond a double: as near as one comes
    const std::tuple<std::string, K, double, double, std::string> cases[] = {
        {"  ", K::kNone, 0, 0, ""},          {" 145.5 ", K::kFrequency, 145.5, 145.5, ""},
        {"137-118", K::kRange, 118, 137, ""}, {"ToKyo", K::kText, 0, 0, "tokyo"}, {"118-abc", K::kText, 0, 0, "118-abc"},
        {"0-9999999999999", K::kRange, 0, 9999999999999, ""}, {"0-" + digits, K::kRange, 0, HUGE_VAL, ""},
        {"-" + digits + "-0." + digits, K::kRange, -HUGE_VAL, 1, ""}, {"0." + std::string(400, '0') + "1", K::kFrequency, 0, 0, ""},
        {digits + "x", K::kText, 0, 0, digits + "x"}};
    for (const auto& [typed, kind, low, high, text] : cases) {
        const FindQuery q = ParseFindQuery(typed);
        EXPECT_EQ(std::tuple(q.kind, q.low, q.high, q.text), std::tuple(kind, low, high, text)) << typed;
    }
    CloneImage image;
    for (const auto& [slot, mhz, name, note] : {std::tuple{3, 145.5, "TOWER", ""}, {10, 120.0, "APP", "Airport Tokyo"},
                                                {11, 145.500001, "", ""}, {1105, 130.0, "", "東京 Tokyo"}}) {
        image.memory.slot[slot].Set(kFreq, mhz);
        image.memory.slot[slot].SetText(kName, name);
        image.memory.slot[slot].SetText(kNote, note);
        image.memory.enabled[slot] = true;
    }

    // From 1105 forward and from 10 backward go round the end. Exact to the
    // hertz: 145.500001 is another frequency. Text in the name or the note,
    // any case; Japanese notes are searched too. Empty slots never match; the
    // last range takes every channel, past a hertz count.
    const std::tuple<const char*, int, bool, std::optional<int>> finds[] = {
        {"118-137", -1, true, 10}, {"118-137", 10, true, 1105}, {"118-137", 1105, true, 10}, {"118-137", 10, false, 1105},
        {"118-137", 500, false, 10}, {"145.5", 3, true, 3}, {"145.500001", 0, true, 11}, {"tow", 0, true, 3},
        {"TOKYO", 10, true, 1105}, {"東京", 0, true, 1105}, {"nowhere", 0, true, std::nullopt}, {"0-1300", 0, true, 3},
        {"0-9999999999999", 1105, true, 3}};
    for (const auto& [typed, from, forward, found] : finds)
        EXPECT_EQ(FindSlot(image, ParseFindQuery(typed), from, forward), found) << typed << " " << from << " " << forward;
}

}  // namespace
}  // namespace wrk7
