#include <gtest/gtest.h>

#include "edit/channel_rules.h"

namespace wrk7 {
namespace {

using Kind = Verdict::Kind;

const std::vector<std::string> kCellularLines{"It is a frequency of the cellular phone.",
                                              "It is not possible to set it."};

// One frequency entry: model, slot or band, the value typed, and what the
// box shows afterwards.
struct FrequencyCase {
    int model, where;
    double mhz;
    Kind kind;
    const char* text;
};

template <std::size_t N, typename Check>
void ExpectVerdicts(CloneImage& image, const FrequencyCase (&cases)[N], Check check) {
    for (const FrequencyCase& c : cases) {
        image.model = c.model;
        const Verdict v = check(image, c.where, c.mhz);
        EXPECT_EQ(v.kind, c.kind) << c.model << " " << c.where << " " << c.mhz;
        EXPECT_EQ(v.text, c.text) << c.model << " " << c.where << " " << c.mhz;
        if (c.kind == Kind::kRefused) {
            EXPECT_EQ(v.title, "Frequency of the cellular phone");
            EXPECT_EQ(v.lines, kCellularLines);
        }
    }
}

void PutChannel(CloneImage& image, int slot, double mhz) {
    image.memory.slot[slot].Set(kFreq, mhz);
    image.memory.enabled[slot] = true;
}

TEST(ChannelRules, MemoryFrequencyRangeAndCellularBand) {
    CloneImage image;
    PutChannel(image, 4, 433.5);
    const FrequencyCase cases[] = {
        {0, 4, 145.5, Kind::kAccepted, "145.500000"}, {0, 4, 0.1, Kind::kAccepted, "0.100000"},
        {0, 4, 1299.995, Kind::kAccepted, "1299.995000"}, {0, 4, 1300, Kind::kRestored, "433.500000"},
        {0, 5, 0.05, Kind::kRestored, "145.000000"},  // an empty slot falls back to the default
        {2, 4, 824.0, Kind::kRefused, "433.500000"},  {2, 5, 894.995, Kind::kRefused, "145.000000"},
        {2, 4, 850.0, Kind::kAccepted, "850.000000"}, {1, 4, 835.0, Kind::kAccepted, "835.000000"},
        {3, 4, 835.0, Kind::kAccepted, "835.000000"}, {9, 4, 835.0, Kind::kAccepted, "835.000000"},
    };
    ExpectVerdicts(image, cases, CheckMemoryFrequency);
}

TEST(ChannelRules, SearchPassRefusesAFrequencyAnotherEnabledEntryHolds) {
    CloneImage image;
    PutChannel(image, kFirstSearchPassSlot, 145.5);
    PutChannel(image, kFirstSearchPassSlot + 2, 146.0);
    image.memory.enabled[kFirstSearchPassSlot + 2] = false;
    PutChannel(image, 10, 147.0);  // a memory channel is no search-pass entry

    const Verdict dup = CheckMemoryFrequency(image, kFirstSearchPassSlot + 1, 145.5000004);  // same hertz
    EXPECT_EQ(dup.kind, Kind::kRefused);
    EXPECT_EQ(dup.title, "ERROR");
    EXPECT_EQ(dup.lines,
              std::vector<std::string>{"The same frequency as other channels cannot be set in Search Pass bank."});
    EXPECT_EQ(dup.text, "145.000000");
    EXPECT_TRUE(CheckMemoryFrequency(image, kFirstSearchPassSlot + 1, 146.0).Accepted());
    EXPECT_TRUE(CheckMemoryFrequency(image, kFirstSearchPassSlot + 1, 147.0).Accepted());
    EXPECT_TRUE(CheckMemoryFrequency(image, kFirstSearchPassSlot, 145.5).Accepted());  // its own value
    EXPECT_TRUE(CheckMemoryFrequency(image, kFirstPrioritySlot, 145.5).Accepted());
}

TEST(ChannelRules, VfoFrequencyStaysInsideTheBand) {
    CloneImage image;
    image.vfo.bands[6].Set(kFreq, 145);
    image.vfo.bands[7].Set(kFreq, 300);  // outside band 7, as a file may leave it
    image.vfo.bands[6].Set(kOffset, 0);
    const FrequencyCase cases[] = {
        {0, 6, 150.5, Kind::kAccepted, "150.500000"}, {0, 6, 169.995, Kind::kAccepted, "169.995000"},
        {0, 6, 170, Kind::kRestored, "145.000000"},   {0, 7, 100, Kind::kRestored, "170.000000"},
        {0, 8, 100, Kind::kRestored, "222.000000"},   {1, 7, 225, Kind::kAccepted, "225.000000"},
        {2, 6, 870, Kind::kRefused, "400.000000"},    {2, 6, 960, Kind::kRestored, "400.000000"},
        {3, 6, 870, Kind::kAccepted, "870.000000"},
    };
    ExpectVerdicts(image, cases, CheckVfoFrequency);
    image.model = 2;
    image.vfo.bands[6].Set(kFreq, 835);  // a stored frequency in the cellular band is not restored either
    EXPECT_EQ(CheckVfoFrequency(image, 6, 960).text, "400.000000");
}

TEST(ChannelRules, OffsetBelow100AndNotNegative) {
    SlotFields stored;
    stored.Set(kOffset, 5);
    EXPECT_EQ(CheckOffset(stored, 99.5).text, "99.500000");
    EXPECT_EQ(CheckOffset(stored, 0).kind, Kind::kAccepted);
    const Verdict high = CheckOffset(stored, 100);
    EXPECT_EQ(high.kind, Kind::kRestored);
    EXPECT_EQ(high.text, "5.000000");
    EXPECT_EQ(CheckOffset(stored, -1).text, "5.000000");
    stored.Set(kOffset, 250);  // from a file: restored to 0 instead
    EXPECT_EQ(CheckOffset(stored, 100).text, "0.000000");
}

TEST(ChannelRules, VfoStepsPerBandAndModel) {
    auto enabled = [](const StepOffer& o) {
        std::vector<int> on;
        for (int i = 0; i < kStepChoices; ++i)
            if (o.enabled[static_cast<std::size_t>(i)]) on.push_back(i);
        return on;
    };
    const std::vector<int> only1KHz{16}, only9KHz{17};
    const struct {
        int model, band;
        double stored;
        bool single;
        int selected;
    } cases[] = {
        {0, 0, 3, true, 16},  {3, 0, 3, true, 16},   {0, 1, 3, true, 17},  {1, 1, 3, true, 17},
        {9, 1, 3, true, 17},  {2, 1, 16, false, 3},  {3, 1, 7, false, 7},  {0, 5, 17, false, 4},
        {2, 5, 16, false, 4}, {0, 5, 9.5, false, -1},
    };
    for (const auto& c : cases) {
        const StepOffer o = VfoStepOffer(c.model, c.band, c.stored);
        EXPECT_EQ(o.selected, c.selected) << c.model << " " << c.band << " " << c.stored;
        if (c.single) {
            EXPECT_EQ(enabled(o), c.band == 0 ? only1KHz : only9KHz) << c.model << " " << c.band;
        } else {
            EXPECT_EQ(enabled(o).size(), 16u) << c.model << " " << c.band;
            EXPECT_FALSE(o.enabled[16] || o.enabled[17]);
        }
    }
}

TEST(ChannelRules, EmptyRowDefaults) {
    const SlotFields d = EmptyRowDefaults();
    std::string texts;
    for (int f : {kFreq, kMode, kStep, kOption, kSecret, kCarrier, kTone, kShift, kOffset, kNote, kName})
        texts += d.Text(f) + "|";
    EXPECT_EQ(texts, "145.000000|FM|20KHz|OFF|11|JR|88.5Hz|OFF|0.600000|||");
    EXPECT_EQ(d.Value(kSkip), 0);
}

}  // namespace
}  // namespace wrk7
