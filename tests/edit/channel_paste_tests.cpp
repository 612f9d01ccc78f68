// What a channel can hold (names, notes, each model's options), the channel
// editor's rules (frequencies, offsets, steps, defaults), and pasting rows:
// which slots or bands they land on, what those rules refuse or repair, and
// the one summary of refused rows.
#include <gtest/gtest.h>

#include <tuple>

#include "codecs/channel_codec.h"
#include "codecs/grid_text.h"
#include "core/channel_limits.h"
#include "core/channel_options.h"
#include "core/hex.h"
#include "core/slot_texts.h"
#include "edit/bank.h"
#include "edit/channel_paste.h"
#include "core/tables.h"
#include "edit/channel_rules.h"

namespace wrk7 {
namespace {

using testing::EnglishOf;
using testing::Texts;

PasteRecord Channel(double mhz, const char* name = "", const char* note = "") {
    PasteRecord r;
    r.fields = EmptyRowDefaults();
    r.fields.Set(kFreq, mhz);
    r.fields.SetText(kName, name);
    r.fields.SetText(kNote, note);
    return r;
}

void PutChannel(CloneImage& image, int slot, double mhz) {
    image.memory.slot[slot].Set(kFreq, mhz);
    image.memory.enabled[slot] = true;
}

std::vector<std::string> Labels(const CloneImage& image) {
    const auto labels = BuildRowLabels(image);
    return {labels.begin(), labels.end()};
}

TEST(ChannelPaste, RowsLandOnConsecutiveSlotsAndCountUsedOnes) {
    CloneImage image;
    PutChannel(image, 11, 150);
    PutChannel(image, 12, 160);
    const std::vector<PasteRecord> rows{Channel(145, "A"), Channel(146, "B"), {.fields = {}, .enabled = false, .unreadable = {}}};

    const PastePlan plan = PlanMemoryPaste(image, 10, rows);
    EXPECT_TRUE(plan.refused.empty());
    EXPECT_EQ(plan.overwrites, 2);  // slot 11, and slot 12 that the empty row empties
    EXPECT_EQ(ApplyMemoryPaste(image, plan), (SlotRange{10, 12}));
    EXPECT_EQ(image.memory.slot[10].Text(kFreq) + "|" + image.memory.slot[11].Text(kName), "145.000000|B");
    EXPECT_EQ(image.memory.slot[12], SlotFields{});
    const auto& on = image.memory.enabled;
    EXPECT_EQ(std::tuple(on[10], on[11], on[12]), std::tuple(true, true, false));
}

TEST(ChannelPaste, EditorRulesRefuseRowsWithOneSummary) {
    CloneImage image;
    image.model = 2;  // WR-K70T: cellular ranges, no Train, no Secret
    PasteRecord train = Channel(151);
    train.fields.Set(kOption, 1);
    const PasteRecord unreadable{.fields = {}, .enabled = true, .unreadable = Say(MessageId::kCellCannotBeRead, "Mode", "SSB")};
    // The name stands for the offset, name and note rules, which BulkChange tests field by field.
    const std::vector<PasteRecord> rows{Channel(1300), Channel(835), Channel(152, "TOOLONG"), train, unreadable};

    const PastePlan plan = PlanMemoryPaste(image, 0, rows);
    ASSERT_EQ(plan.writes.size(), 1u);
    // The row pasted, its Train repaired to None; the refused rows are the summary's.
    EXPECT_EQ(std::pair(plan.writes[0].target, plan.writes[0].record.fields.Value(kOption)), std::pair(3, 0.0));

    EXPECT_EQ(English(RefusalSummary(plan, Labels(image))), (std::vector<std::string>{
        "4 of 5 rows were not pasted:",
        "Row 1 (00-000): The frequency must lie between 0.100000 and 1299.995000 MHz.",
        "Row 2 (00-001): It is a frequency of the cellular phone. It is not possible to set it.",
        "Row 3 (00-002): A name holds at most 6 printable ASCII characters.",
        "Row 5 (00-004): The Mode \"SSB\" cannot be read.",
    }));
    EXPECT_TRUE(RefusalSummary(PlanMemoryPaste(image, 0, {Channel(145)}), Labels(image)).empty());
}

TEST(ChannelPaste, SearchPassDuplicatesCountTheRowsAsPasted) {
    CloneImage image;
    const int s0 = kFirstSearchPassSlot;
    PutChannel(image, s0 + 1, 120);  // S1 holds 120 now, but the paste replaces it
    PutChannel(image, s0 + 5, 125);

    const PastePlan plan = PlanMemoryPaste(image, s0, {Channel(120), Channel(121), Channel(121), Channel(125)});
    ASSERT_EQ(plan.refused.size(), 2u);
    EXPECT_EQ(std::pair(plan.refused[0].row, plan.refused[1].row), std::pair(2, 3));  // the second 121; S5 holds 125
    EXPECT_EQ(EnglishOf(plan.refused[0].reason), "The same frequency as other channels cannot be set in Search Pass bank.");

    // Rows past the last slot are refused, the rest pasted; nor do channels spill over into the
    // program-scan edges. A row past the end has no label.
    for (const auto& [start, line] : {std::pair{kSlotCount - 1, "Row 2: There is no row after the last one."},
                                      {kChannelCount - 1, "Row 2 (0A): The paste stops at the last memory channel."}}) {
        const PastePlan stopped = PlanMemoryPaste(image, start, {Channel(145), Channel(146)});
        ASSERT_TRUE(stopped.writes.size() == 1u && stopped.refused.size() == 1u) << start;
        EXPECT_EQ(stopped.writes[0].target, start);
        EXPECT_EQ(EnglishOf(RefusalSummary(stopped, Labels(image))[1]), line);
    }
}

TEST(ChannelPaste, VfoBandsTakeTheValuesTheyCanHold) {
    CloneImage image;  // WR-K7J: 14 bands; band 10 is 430-469.995 MHz, band 11 470-769.995
    for (int b : {10, 11}) (image.vfo.bands[b] = EmptyRowDefaults()).Set(kFreq, b == 10 ? 433 : 475.75);  // 20KHz, option None
    PasteRecord uhf = Channel(433.5, "NAME", "uhf");
    // A 1KHz step (band 0 only), Secret (not on the WR-K7J), a tone, skipped.
    for (const auto& [field, value] : {std::pair{kStep, 16}, {kOption, 4}, {kTone, 20}, {kSkip, 1}}) uhf.fields.Set(field, value);

    const PastePlan plan = PlanVfoPaste(image, 10, {uhf, uhf});
    EXPECT_TRUE(plan.refused.empty());
    ApplyVfoPaste(image, plan);
    // The band's own step stays; a band has no name and is never skipped.
    EXPECT_EQ(Texts(image.vfo.bands[10], {kFreq, kStep, kOption, kTone, kNote, kName}), "433.500000|20KHz|OFF|131.8Hz|uhf|");
    EXPECT_EQ(image.vfo.bands[10].Value(kSkip), 0);
    // 433.5 MHz lies outside band 11, which keeps its frequency and takes the rest.
    EXPECT_EQ(Texts(image.vfo.bands[11], {kFreq, kTone, kOffset}), "475.750000|131.8Hz|0.600000");

    image.model = 2;  // eight bands
    const PastePlan k70t = PlanVfoPaste(image, 7, {Channel(960), Channel(970)});
    ASSERT_EQ(k70t.refused.size(), 1u);
    EXPECT_EQ(EnglishOf(k70t.refused[0].reason), "The WR-K70T has no band 8.");
    EXPECT_EQ(PlanVfoPaste(image, 3, {PasteRecord{}}).refused.size(), 1u);
}

using Kind = Verdict::Kind;
using Check = Verdict (*)(const CloneImage&, int, double);

// A frequency typed into a memory slot's or a VFO band's box: what the box
// shows afterwards, and the message only a refusal has.
TEST(ChannelRules, FrequencyInsideTheRangeOrBandOutsideTheCellularGapAndOnceInSearchPass) {
    CloneImage image;
    PutChannel(image, 4, 433.5);
    image.vfo.bands[6].Set(kFreq, 145);
    image.vfo.bands[7].Set(kFreq, 300);  // outside band 7, as a file may leave it
    image.vfo.bands[6].Set(kOffset, 0);
    const Check memory = CheckMemoryFrequency, vfo = CheckVfoFrequency;
    const struct { Check check; int model, where; double mhz; Kind kind; const char* text; } cases[] = {
        {memory, 0, 4, 145.5, Kind::kAccepted, "145.500000"},     {memory, 0, 4, 0.1, Kind::kAccepted, "0.100000"},
        {memory, 0, 4, 1299.995, Kind::kAccepted, "1299.995000"}, {memory, 0, 4, 1300, Kind::kRestored, "433.500000"},
        {memory, 0, 5, 0.05, Kind::kRestored, "145.000000"},  // an empty slot falls back to the default
        {memory, 2, 4, 824.0, Kind::kRefused, "433.500000"},      {memory, 2, 5, 894.995, Kind::kRefused, "145.000000"},
        {memory, 2, 4, 850.0, Kind::kAccepted, "850.000000"},     {memory, 1, 4, 835.0, Kind::kAccepted, "835.000000"},
        {memory, 3, 4, 835.0, Kind::kAccepted, "835.000000"},     {memory, 9, 4, 835.0, Kind::kAccepted, "835.000000"},
        {vfo, 0, 6, 150.5, Kind::kAccepted, "150.500000"},        {vfo, 0, 6, 169.995, Kind::kAccepted, "169.995000"},
        {vfo, 0, 6, 170, Kind::kRestored, "145.000000"},          {vfo, 0, 7, 100, Kind::kRestored, "170.000000"},
        {vfo, 0, 8, 100, Kind::kRestored, "222.000000"},          {vfo, 1, 7, 225, Kind::kAccepted, "225.000000"},
        {vfo, 2, 6, 870, Kind::kRefused, "400.000000"},           {vfo, 2, 6, 960, Kind::kRestored, "400.000000"},
        {vfo, 3, 6, 870, Kind::kAccepted, "870.000000"},
    };
    const std::vector<std::string> cellular{"It is a frequency of the cellular phone.", "It is not possible to set it."};
    for (const auto& c : cases) {
        image.model = c.model;
        const Verdict v = c.check(image, c.where, c.mhz);
        const bool refused = c.kind == Kind::kRefused;
        EXPECT_EQ(std::tuple(v.kind, v.text, EnglishOf(v.title), English(v.lines)),
                  std::tuple(c.kind, c.text, refused ? "Frequency of the cellular phone" : "", refused ? cellular : std::vector<std::string>{}))
            << (c.check == vfo ? "band " : "slot ") << c.where << ", model " << c.model << ": " << c.mhz;
    }
    image.model = 2;
    image.vfo.bands[6].Set(kFreq, 835);  // a stored frequency in the cellular band is not restored either
    EXPECT_EQ(CheckVfoFrequency(image, 6, 960).text, "400.000000");
    // Search pass: no frequency another enabled entry holds.
    PutChannel(image, kFirstSearchPassSlot, 145.5);
    PutChannel(image, kFirstSearchPassSlot + 2, 146.0);
    image.memory.enabled[kFirstSearchPassSlot + 2] = false;
    PutChannel(image, 10, 147.0);  // a memory channel is no search-pass entry

    const Verdict dup = CheckMemoryFrequency(image, kFirstSearchPassSlot + 1, 145.5000004);  // same hertz
    EXPECT_EQ(std::tuple(dup.kind, EnglishOf(dup.title), English(dup.lines), dup.text),
              std::tuple(Kind::kRefused, "ERROR", std::vector<std::string>{"The same frequency as other channels cannot be set in Search Pass bank."},
                         "145.000000"));
    // A disabled entry's, a memory channel's, the entry's own value; a priority entry is no search-pass entry.
    for (const auto& [slot, mhz] : {std::pair{kFirstSearchPassSlot + 1, 146.0}, {kFirstSearchPassSlot + 1, 147.0},
                                    {kFirstSearchPassSlot, 145.5}, {kFirstPrioritySlot, 145.5}})
        EXPECT_TRUE(CheckMemoryFrequency(image, slot, mhz).Accepted()) << slot << " " << mhz;
}

TEST(ChannelRules, OffsetBelow100AndNotNegative) {
    // An offset of 250 MHz can come from a file: a refusal restores 0 instead.
    for (const auto& [kept, typed, kind, text] :
         {std::tuple{5.0, 99.5, Kind::kAccepted, "99.500000"}, {5.0, 0.0, Kind::kAccepted, "0.000000"},
          {5.0, 100.0, Kind::kRestored, "5.000000"}, {5.0, -1.0, Kind::kRestored, "5.000000"},
          {250.0, 100.0, Kind::kRestored, "0.000000"}}) {
        SlotFields stored;
        stored.Set(kOffset, kept);
        const Verdict v = CheckOffset(stored, typed);
        EXPECT_EQ(std::pair(v.kind, v.text), std::pair(kind, std::string(text))) << kept << " " << typed;
    }
}

TEST(ChannelRules, VfoStepsPerBandAndModel) {
    // Bands 0 and 1 may tune in one step only (1KHz, 9KHz); the others in any step but those two.
    const std::string only1KHz = "000000000000000010", only9KHz = "000000000000000001", most = "111111111111111100";
    const struct { int model, band; double stored; bool single; int selected; } cases[] = {
        {0, 0, 3, true, 16},  {3, 0, 3, true, 16},   {0, 1, 3, true, 17},  {1, 1, 3, true, 17},
        {9, 1, 3, true, 17},  {2, 1, 16, false, 3},  {3, 1, 7, false, 7},  {0, 5, 17, false, 4},
        {2, 5, 16, false, 4}, {0, 5, 9.5, false, -1},
    };
    for (const auto& c : cases) {
        const StepOffer o = VfoStepOffer(c.model, c.band, c.stored);
        std::string enabled;  // one digit a step choice
        for (bool on : o.enabled) enabled += on ? '1' : '0';
        EXPECT_EQ(o.selected, c.selected) << c.model << " " << c.band << " " << c.stored;
        EXPECT_EQ(enabled, !c.single ? most : c.band == 0 ? only1KHz : only9KHz) << c.model << " " << c.band;
    }
}

TEST(ChannelRules, EmptyRowDefaults) {
    const SlotFields d = EmptyRowDefaults();
    EXPECT_EQ(Texts(d, {kFreq, kMode, kStep, kOption, kSecret, kCarrier, kTone, kShift, kOffset, kNote, kName}),
              "145.000000|FM|20KHz|OFF|11|JR|88.5Hz|OFF|0.600000||");
    EXPECT_EQ(d.Value(kSkip), 0);
}

TEST(ChannelLimits, NamesAndNotes) {
    std::string thirtyUmlauts;  // two bytes, one character each
    for (int i = 0; i < 30; ++i) thirtyUmlauts += "\xC3\xA4";
    const std::tuple<std::string, bool, bool> cases[] = {
        {"", true, true},     {"ABC~ 1", true, true},  {"ABCDEFG", false, true},       {"TAB\t", false, true},
        {"\xC3\xA4", false, true}, {"\x7F", false, true}, {thirtyUmlauts, false, true},
        {std::string(31, 'x'), false, false}, {thirtyUmlauts + "x", false, false}};
    for (const auto& [text, name, note] : cases)
        EXPECT_EQ(std::pair(NameFits(text), NoteFits(text)), std::pair(name, note)) << text;
}

// Which model has which option, and that the record written to the receiver,
// the grid, the channel editor and a VFO band's choice all follow it: an
// option a model lacks is OFF in each.
TEST(ChannelOptions, EveryUseFollowsTheModel) {
    const bool offered[kModelCount][kChannelOptionCount] = {
        {true, true, true, true, false},   // WR-K7J: Train, no Secret
        {true, false, true, true, true},   // WR-K70E: Secret, no Train
        {true, false, true, true, false},  // WR-K70T
        {true, false, true, true, false},  // WR-K70K
    };
    for (int model = 0; model < kModelCount; ++model) {
        CloneImage image;
        image.model = model;
        image.memory.slot[0].Set(kFreq, 145);
        for (int code = 0; code < kChannelOptionCount; ++code) {
            const bool offers = offered[model][code];
            image.memory.slot[0].Set(kOption, code);
            EXPECT_EQ(std::tuple(OffersOption(Model(model), *OptionOfCode(code)), OfferedOptions(model)[static_cast<std::size_t>(code)],
                                 VfoOptionChoice(model, code), EncodeChannel(image, 0).substr(22, 2), MemoryGridRow(image, 0)[kOption]),
                      std::tuple(offers, offers, offers ? code : 0, ByteHex(offers ? code : 0), offers ? OptionName[code] : "OFF"))
                << model << " " << code;
        }
    }
    // A skip-marked code is no option of its own: written as it is.
    EXPECT_EQ(OptionOfCode(kOptionSkipBit + 4), std::nullopt);
    EXPECT_EQ(WrittenOptionCode(0, kOptionSkipBit + 4), kOptionSkipBit + 4);
    EXPECT_EQ(VfoOptionChoice(0, 5), -1) << "no option code";
}

}  // namespace
}  // namespace wrk7

namespace wrk7 {
namespace {

TEST(OffStepRaster, AFrequencyOffItsStepsRasterGetsTheRasterEitherSide) {
    using Off = std::optional<std::pair<long long, long long>>;
    const std::tuple<double, int, Off> cases[] = {
        {446.00625, StepCode("20KHz"), std::pair(446000000LL, 446020000LL)},
        {446.00625, StepCode("6.25KHz"), std::nullopt},
        {118.008333, StepCode("8.33KHz"), std::nullopt},  // a third of 25 kHz, to the hertz
        {118.016667, StepCode("8.33KHz"), std::nullopt},
        {118.0083, StepCode("8.33KHz"), std::pair(118000000LL, 118008333LL)},
        {145.0, StepCode("9KHz"), std::pair(144999000LL, 145008000LL)},
        {145.0, StepCode("20KHz"), std::nullopt},
        {145.0, 18, std::nullopt},  // no step
    };
    for (const auto& [mhz, step, off] : cases) {
        const auto got = OffStepRaster(mhz, step);
        EXPECT_EQ(got ? Off(std::pair(got->belowHz, got->aboveHz)) : Off(), off) << mhz << " " << step;
    }
}

}  // namespace
}  // namespace wrk7
