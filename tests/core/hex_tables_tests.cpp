// Hex digits and frequencies, the fixed tables, the model table, the field
// texts, the channel flag block and the set-mode catalogue.
#include <gtest/gtest.h>

#include <bitset>
#include <set>
#include <string>
#include <tuple>

#include "core/flag_block.h"
#include "core/hex.h"
#include "core/image.h"
#include "core/models.h"
#include "core/set_mode_catalogue.h"
#include "core/tables.h"

namespace wrk7 {
namespace {

TEST(HexDigits, BitsBothWaysAndBadInput) {
    for (unsigned v = 0; v < 16; ++v) {
        const std::string d(1, "0123456789ABCDEF"[v]), bits = std::bitset<4>(v).to_string();
        EXPECT_EQ(HexDigitToBits(d) + "|" + BitsToHexDigit(bits), bits + "|" + d);
    }
    for (std::string_view bad : {"a", "", "G", "AB", " "}) EXPECT_EQ(HexDigitToBits(bad), "0000") << bad;
    for (std::string_view bad : {"012", "", "00000", "0201", "abcd"}) EXPECT_EQ(BitsToHexDigit(bad), "") << bad;
    EXPECT_EQ(ByteHex(0) + ByteHex(10) + ByteHex(165) + ByteHex(255), "000AA5FF");
}

TEST(HexFrequency, LittleEndianConversions) {
    struct Case { double mhz; const char* hex; };
    for (const Case& c : {Case{145, "4086A408"}, Case{0.532504, "18200800"}, Case{0, "00000000"},
                          Case{1299.995, "78597C4D"}, Case{0.1, "A0860100"}}) {
        EXPECT_EQ(HzToLittleEndianHex(c.mhz), c.hex) << c.mhz;
        EXPECT_EQ(LittleEndianHexToMHz(c.hex), c.mhz) << c.hex;
    }
    // Rounds to the nearest hertz: 145.1 is 145.0999... in binary.
    EXPECT_EQ(HzToLittleEndianHex(145.1) + HzToLittleEndianHex(145.0999996), "E00CA608E00CA608");
    EXPECT_EQ(HzToLittleEndianHex(-5), "00000000");
    EXPECT_EQ(LittleEndianHexToMHz("ZZ"), 0);
}

TEST(HexFrequency, DisplayFormats) {
    // Values between whole hertz take the rounding route.
    for (const auto& [mhz, text] : {std::pair{0.1, "0.100000"}, {1295.0, "1295.000000"}, {145.1, "145.100000"},
                                    {145.1234564, "145.123456"}, {145.1234566, "145.123457"}, {-1.5, "-1.500000"},
                                    {0.0000004, "0.000000"}, {1299.995, "1299.995000"}})
        EXPECT_EQ(FormatFrequency(mhz), text) << mhz;
    EXPECT_EQ(FormatOffset(16.5), "16.500000");
    // Far past any frequency: written out in full, never a raw buffer.
    for (const double huge : {1e57, -1.7e308}) {
        const std::string text = FormatFrequency(huge);
        EXPECT_EQ(std::stod(text), huge);
        EXPECT_EQ(text.substr(text.size() - 7), ".000000");
    }
}

// The lists that count, and the band plans' edges (the lists of names are
// read through FieldTexts below and the set-mode catalogue).
TEST(ReferenceTables, CountedListsAndBandPlans) {
    EXPECT_EQ(ScanTimeName()[25] + "|" + SetModeTimeName()[1] + "|" + SetModeTimeName()[6], "25 SEC| 5 SEC|10 SEC");
    for (const auto& [model, band, low, high] :
         {std::tuple{0, 7, 170.0, 221.995}, {1, 7, 170.0, 229.995}, {0, 8, 222.0, 335.995}, {1, 8, 230.0, 335.995},
          {2, 9, 869.0, 894.995}, {3, 8, 0.0, 0.0}, {3, 9, 0.0, 0.0}, {3, 13, 0.0, 0.0}})
        EXPECT_EQ(std::pair(BandEdge(model, band, 0), BandEdge(model, band, 1)), std::pair(low, high))
            << model << " " << band;
}

// What a new row must get right: defaults inside the bands it opens, and the
// command the receiver answers to.
TEST(ModelTable, EveryRowIsConsistent) {
    for (int r = 0; r < kModelCount; ++r) {
        const ModelInfo& m = Model(r);
        EXPECT_EQ(m.identification, "KV~" + std::string(m.name));
        ASSERT_EQ(static_cast<int>(m.vfoDefaults.size()), m.vfoBands) << m.name;
        for (int b = 0; b < m.vfoBands; ++b) {
            const Band& band = BandPlan(r, b);
            const double f = ParseDecimal(m.vfoDefaults[static_cast<std::size_t>(b)].freq);
            // The one default outside its band is the WR-K70E's band 12 (806 MHz,
            // the WR-K7J's value; the band starts at 870), kept as New has always
            // written it.
            const bool known = r == 1 && b == 12;
            EXPECT_EQ(f >= band.low && f <= band.high && !InCellularGap(m, f), !known) << m.name << " band " << b;
            EXPECT_FALSE(band.label.empty()) << m.name << " band " << b;
        }
    }
    // Unknown numbers fall back.
    EXPECT_TRUE(FindModel(4) == nullptr && FindModel(-1) == nullptr && &Model(4) == &Model(3) && &Model(-1) == &Model(3));
    EXPECT_TRUE(&NearestModel(-1) == &Model(0) && &NearestModel(7) == &Model(3));  // the band plans' lookup
}

TEST(FieldTexts, DerivedFromEveryCodedField) {
    struct Case { int field; double value; const char* text; };
    for (const auto& c : {Case{kFreq, 0.1, "0.100000"}, Case{kMode, 2, "WFM"}, Case{kStep, 18, ""},
                          Case{kStep, 17, "9KHz"}, Case{kOption, 4, "Scr"}, Case{kOption, 5, "None"},
                          Case{kOption, 255, "None"}, Case{kOption, 8, "OFF+Skip"}, Case{kOption, 10, "Tone+Skip"},
                          Case{kOption, 12, "Scr+Skip"}, Case{kOption, 13, "None"}, Case{kOption, 7, "None"},
                          Case{kSecret, 11, "11"}, Case{kCarrier, 0, "300Hz"},
                          Case{kCarrier, 27, "3000Hz"}, Case{kCarrier, 28, "JR"}, Case{kTone, 38, "250.3Hz"},
                          Case{kShift, 1, "+Shift"}, Case{kShift, 2, "-Shift"}, Case{kShift, 3, "OFF"},
                          Case{kShift, 0, "OFF"}, Case{kOffset, 0.6, "0.600000"}}) {
        SlotFields slot;  // Set keeps the value and FieldText's text of it
        slot.Set(c.field, c.value);
        EXPECT_EQ(slot.Text(c.field), c.text) << c.field << " " << c.value;
        EXPECT_EQ(slot.Value(c.field), c.value);
    }
}

TEST(FlagBlockCodec, EdgeSlotsRoundTripAndShortOrBadChunks) {
    using Blocks = std::array<std::string, 6>;
    const std::string zeros(64, '0');
    CloneImage image;
    image.memory.enabled[0] = true;
    EXPECT_EQ(EncodeFlagBlock(image), (Blocks{"8" + zeros.substr(1), zeros, zeros, zeros, zeros, "00000"}));
    image.memory.enabled.fill(false);
    for (int s = 1296; s < kSlotCount; ++s) image.memory.enabled[s] = true;
    EXPECT_EQ(EncodeFlagBlock(image), (Blocks{zeros, zeros, zeros, zeros, zeros, "0000F"}));

    image.memory.enabled.fill(false);
    for (int s = 0; s < kSlotCount; s += 3) image.memory.enabled[s] = true;
    const auto pattern = image.memory.enabled;
    image.flags.blocks = EncodeFlagBlock(image);
    image.memory.enabled.fill(false);
    DecodeFlagBlock(image);
    EXPECT_EQ(image.memory.enabled, pattern);

    image.memory.enabled.fill(true);
    for (auto& chunk : image.flags.blocks) chunk = std::string(64, 'F');
    image.flags.blocks[5] = "";
    DecodeFlagBlock(image);
    for (int s = 0; s < kSlotCount; ++s) EXPECT_EQ(image.memory.enabled[s], s < 1280) << s;

    image.flags.blocks[0] = "a" + std::string(63, 'F');  // lower case reads as zero bits
    DecodeFlagBlock(image);
    EXPECT_TRUE(!image.memory.enabled[0] && !image.memory.enabled[3] && image.memory.enabled[4]);
}

using S = SetModeSettings;

// A setting reads and writes its own member and no other, and no two
// settings share a member or a caption.
TEST(SetModeCatalogue, EachSettingOwnsItsMember) {
    const S defaults;
    std::set<std::string_view> captions;
    for (const SetModeSetting& setting : SetModeCatalogue()) {
        EXPECT_TRUE(captions.insert(setting.caption).second) << setting.caption;
        EXPECT_EQ(setting.texts.empty(), setting.kind == SettingKind::kCheck || setting.kind == SettingKind::kSlider)
            << setting.caption;
        S changed;
        const int value = setting.Get(defaults) == 1 ? 0 : 1;
        setting.Set(changed, value);
        EXPECT_EQ(setting.Get(changed), value) << setting.caption;
        for (const SetModeSetting& other : SetModeCatalogue()) {
            if (&other == &setting) continue;
            EXPECT_EQ(other.Get(changed), other.Get(defaults)) << setting.caption << " wrote " << other.caption;
        }
    }
    EXPECT_EQ(RemoteKeySetting(3).caption, "Remote Controller D");
}

TEST(SetModeCatalogue, ValuesAndModels) {
    // No text: nullptr. The WR-K70 models lack the WR-K7J's bug and recording frames.
    struct Case { const SetModeSetting& setting; int count, value; const char* text; bool onK70; };
    for (const Case& c : {Case{SettingOf(&S::optLamp), 4, 3, "ALL OFF", true},
                          Case{SettingOf(&S::optLamp), 4, 4, nullptr, true},
                          Case{SettingOf(&S::opbBug), 5, 0, "1", false},
                          Case{SettingOf(&S::optRecRate), 4, -1, nullptr, false},
                          Case{SettingOf(&S::cbbChargeTime), 24, 23, "24 hrs.", true},
                          Case{SettingOf(&S::afVolume), 31, 30, nullptr, true},
                          Case{SettingOf(&S::chkBeep), 2, 1, nullptr, true}}) {
        EXPECT_EQ(c.setting.Count(), c.count) << c.setting.caption;
        EXPECT_EQ(c.setting.Text(c.value), c.text ? std::optional<std::string_view>(c.text) : std::nullopt)
            << c.setting.caption << " " << c.value;
        for (int model = 0; model < kModelCount; ++model)
            EXPECT_EQ(ModelHasSetting(Model(model), c.setting), model == 0 || c.onK70) << c.setting.caption << " " << model;
    }
}

}  // namespace
}  // namespace wrk7
