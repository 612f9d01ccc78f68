// The channel and VFO records and the settings blocks as the receiver holds
// them, and the records as the grids show them.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "codecs/channel_codec.h"
#include "codecs/grid_text.h"
#include "codecs/settings_codec.h"
#include "codecs/vfo_codec.h"
#include "core/hex.h"
#include "core/slot_texts.h"

namespace wrk7 {
namespace {

// 145 MHz FM, step 6, offset 0.6 MHz +Shift, option Tone, tone 8, secret 11,
// carrier 28, skipped, name "AB"; or with each frequency byte set to frequencyBytes.
std::vector<int> SampleRecord(std::optional<int> frequencyBytes = {}) {
    std::vector<int> record{0x40, 0x86, 0xA4, 0x08, 0, 6, 0xC0, 0x27, 0x09, 0x00, 1, 2, 8, 11, 28, 0,
                            0,    1,    0,    0,    0, 0, 0,    0,    0,    0,    'A', 'B', 0, 0, 0, 0};
    if (frequencyBytes) std::fill_n(record.begin(), 4, *frequencyBytes);
    return record;
}

std::string Hex(const std::vector<int>& bytes, std::size_t count = 32) {
    std::string hex;
    for (std::size_t i = 0; i < count; ++i) hex += ByteHex(bytes[i]);
    return hex;
}

std::string Reply(const std::vector<int>& bytes) { return "\r\n" + Hex(bytes) + "\r\n"; }

TEST(RecordCodecs, ChannelAndVfoRecordsDecodeAndEncodeBack) {
    CloneImage image;
    image.memory.slot[5].SetText(kNote, "keep");
    ASSERT_TRUE(DecodeChannel(image, Reply(SampleRecord()), 5));
    const SlotFields& s = image.memory.slot[5];
    EXPECT_EQ(testing::Texts(s, {kFreq, kStep, kOption, kCarrier, kTone, kShift, kOffset, kName, kNote}),
              "145.000000|20KHz|Tone|JR|88.5Hz|+Shift|0.600000|AB    |keep");
    EXPECT_TRUE(s.Value(kSkip) == 1 && !image.memory.enabled[5]);
    // The decoded name carries trailing spaces, which are written as spaces.
    EXPECT_EQ(EncodeChannel(image, 5), Hex(SampleRecord(), 28) + "20202020");
    // A VFO band leaves the tail (the name, the skip) aside; one of frequency 0 is emptied.
    image.vfo.bands[3].SetText(kNote, "band note");
    ASSERT_TRUE(DecodeVfoBand(image, Reply(SampleRecord()), 3));
    EXPECT_EQ(image.vfo.bands[3].Value(kSkip), 0);
    EXPECT_EQ(testing::Texts(image.vfo.bands[3], {kName, kNote, kCarrier}), "|band note|JR");
    EXPECT_EQ(EncodeVfoBand(image, 3), Hex(SampleRecord(), 15));

    EXPECT_FALSE(DecodeVfoBand(image, Reply(SampleRecord(0)), 3));
    EXPECT_EQ(image.vfo.bands[3], SlotFields{});  // every value and text cleared
}

TEST(ChannelCodec, RepairsOutOfRangeBytes) {
    struct Case { int byte, value, field; double stored; const char* text; };
    for (const Case& c : {Case{4, 3, kMode, 0, "FM"}, Case{5, 0x13, kStep, 0, "5KHz"},
                          Case{5, 0x12, kStep, 18, ""}, Case{13, 29, kSecret, 11, "11"},
                          Case{14, 29, kCarrier, 0, "300Hz"}, Case{12, 39, kTone, 0, "67.0Hz"},
                          Case{17, 2, kSkip, 0, ""}, Case{11, 5, kOption, 5, "None"},
                          Case{10, 7, kShift, 7, "OFF"}}) {
        auto record = SampleRecord();
        record[c.byte] = c.value;
        CloneImage image;
        ASSERT_TRUE(DecodeChannel(image, Reply(record), 0));
        const SlotFields& s = image.memory.slot[0];
        EXPECT_EQ(std::pair(s.Value(c.field), s.Text(c.field)), std::pair(c.stored, std::string(c.text))) << c.byte;
    }
    // How a kept code such as option 5 is written back: tests/edit, ChannelOptions.
}

TEST(ChannelCodec, EmptyAndUnreadableRecords) {
    CloneImage image;
    ASSERT_TRUE(DecodeChannel(image, Reply(SampleRecord()), 1));
    const SlotFields before = image.memory.slot[1];
    // An erased record, or a reply cut off or garbled in the frequency, must not wipe the slot.
    for (const std::string& bad : {Reply(SampleRecord(0xFF)), std::string("\r\n4086"), "\r\n40z6A408" + std::string(48, '0'), std::string()}) {
        EXPECT_FALSE(DecodeChannel(image, bad, 1));
        EXPECT_EQ(image.memory.slot[1], before);
    }
    image.memory.slot[1].SetText(kNote, "note");
    EXPECT_FALSE(DecodeChannel(image, Reply(SampleRecord(0)), 1));
    EXPECT_EQ(image.memory.slot[1], SlotFields{});
    EXPECT_EQ(EncodeChannel(image, 1).substr(0, 8), "00000000");
    EXPECT_FALSE(DecodeChannel(image, Reply(SampleRecord()), kSlotCount));
}

TEST(ChannelCodec, NameCodec) {
    for (const auto& [name, hex] : {std::pair{"ABC", "414243000000"}, {"ABCDEFGH", "414243444546"},
                                    {"A\tB\xC3", "412042200000"}, {"", "000000000000"}})
        EXPECT_EQ(EncodeName(name), hex) << name;
    EXPECT_EQ(DecodeName("414243000000") + "|" + DecodeName("7F41zz"), "ABC   | A    ");
}

TEST(VfoCodec, DefaultsPerModel) {
    // In order on one image: bands 8..13, which the WR-K70T lacks, stay as the model before set them.
    const struct { int model, band; std::vector<int> fields; const char* texts; } cases[] = {
        {0, 4, {kFreq, kMode, kStep}, "76.000000|WFM|100KHz"}, {0, 13, {kFreq, kOffset}, "1295.000000|20.000000"},
        {0, 6, {kStep}, "20KHz"},           {0, 0, {kSecret, kCarrier, kTone}, "11|JR|88.5Hz"},
        {1, 4, {kFreq}, "87.600000"},       {1, 6, {kStep}, "12.5KHz"},
        {2, 7, {kFreq, kSecret}, "960.000000|8"}, {2, 13, {kFreq}, "1295.000000"}};
    CloneImage image;
    for (const auto& c : cases) {
        image.model = c.model;
        SetVfoDefaults(image);
        EXPECT_EQ(testing::Texts(image.vfo.bands[c.band], c.fields), c.texts) << c.model << " " << c.band;
    }
    EXPECT_EQ(EncodeVfoBand(image, 4), "4086A4080003C0270900000008081C");
}

// The option column per model: tests/edit, ChannelOptions.
TEST(MemoryGrid, ModelRules) {
    for (const auto& [model, carrierCol] : {std::pair{0, "500Hz"}, {1, "7"}, {2, "-"}, {3, "-"}}) {
        CloneImage image;
        image.model = model;
        // Option Scr, secret 7, carrier 2 (500Hz), skipped.
        for (const auto& [field, value] : {std::pair{kFreq, 145}, {kOption, 4}, {kSecret, 7}, {kCarrier, 2}, {kSkip, 1}})
            image.memory.slot[9].Set(field, value);
        image.memory.slot[9].SetText(kName, "NAME  ");
        const GridRow row = MemoryGridRow(image, 9);
        EXPECT_EQ(row[kSecret] + row[kFreq] + row[kName] + "|" + row[kCarrier], "*145.000000NAME  |" + std::string(carrierCol)) << model;
        image.memory.slot[9].Set(kSkip, 0);
        EXPECT_EQ(MemoryGridRow(image, 9)[kSecret], "") << model;
    }
}

TEST(VfoGrid, ModelRules) {
    CloneImage image;
    SetVfoDefaults(image);
    image.vfo.bands[2].Set(kOption, 4);
    image.vfo.bands[3].Set(kOption, 1);
    for (const auto& [model, shown] : {std::pair{0, "OFF|Train|11JR"}, {1, "Scr|OFF|1111"}}) {
        image.model = model;
        const GridRow band0 = VfoGridRow(image, 0);
        EXPECT_EQ(VfoGridRow(image, 2)[kOption] + "|" + VfoGridRow(image, 3)[kOption] + "|" + band0[kSecret] +
                      band0[kCarrier], shown);
    }
    image.model = 2;
    const GridRow row = VfoGridRow(image, 2);
    EXPECT_EQ(row[kOption] + row[kSecret] + row[kCarrier] + "|" + row[kFreq], "OFF--|" + image.vfo.bands[2].Text(kFreq));
    GridRow dashes;
    dashes.fill("-");
    for (int band = 8; band < kBandCount; ++band) EXPECT_EQ(VfoGridRow(image, band), dashes) << band;
}

std::string WithByte(std::string block, int byte, int value) {
    return block.replace(2 * static_cast<std::size_t>(byte), 2, ByteHex(value));
}

// The two blocks put into the image (of model) and decoded.
CloneImage Decode(std::string block0, std::string block1, int model = 0, CloneImage image = {}) {
    image.model = model;
    image.settings.block0 = std::move(block0);
    image.settings.block1 = std::move(block1);
    DecodeSettings(image);
    return image;
}

TEST(SettingsCodec, DefaultsDecodeAndEncodeBackPerModel) {
    // The encoder writes the fixed bytes, so every model's block 1 comes back alike.
    const std::string block1Encoded = "0006000102020001000000000000000014000000000000";
    for (int model = 0; model < 4; ++model) {
        const std::string block0 = DefaultSettingsBlock0(model), block1 = DefaultSettingsBlock1(model);
        ASSERT_EQ(std::pair(block0.size(), block1.size()), (std::pair<std::size_t, std::size_t>(64, 64)));
        const CloneImage image = Decode(block0, block1, model);
        EXPECT_EQ(image.settings.block0, block0) << model;  // nothing to repair
        const SetModeSettings& v = image.settings.values;
        EXPECT_EQ(std::tuple(v.chkCharge, v.cbbWildKey, v.cbbChargeTime, v.afVolume, v.squelchLevel, v.optVscanSpeed),
                  std::tuple(model == 0, model == 0 ? 0 : 1, 11, 20, 3, 2));
        EXPECT_EQ(EncodeSettings(image), (std::array{block0, block1Encoded})) << model;
        // Every group of buttons shows a choice, those without a byte of their own too.
        for (const SetModeSetting& s : SetModeCatalogue())
            EXPECT_TRUE(s.kind != SettingKind::kOptions || !ModelHasSetting(Model(model), s) || s.Text(s.Get(v)))
                << s.caption << " " << model;
    }
    EXPECT_EQ(DefaultSettingsBlock1(0).substr(48, 2) + DefaultSettingsBlock1(1).substr(48, 2), "FF00");
    EXPECT_EQ(DefaultSettingsBlock1(3).substr(2, 2), "04");
}

TEST(SettingsCodec, AllZeroBlock0) {
    CloneImage image;
    image.settings.values.chkATT = image.settings.values.chkBS = image.settings.values.chkBell = true;
    image.settings.values.opbBug = 3;
    image = Decode("A5" + std::string(62, '0'), DefaultSettingsBlock1(0), 0, image);
    const SetModeSettings& s = image.settings.values;
    EXPECT_FALSE(s.chkATT || s.chkBS || s.chkBell || s.chkCharge);
    EXPECT_TRUE(s.chkBarAM && s.chkBarSW && s.chkBeep);
    EXPECT_EQ(s.optAntenna + s.optLamp + s.opbBug + s.opbAPO + s.optSkip, 0);
    // Lists whose offset makes byte 0 fall before the first entry are clamped.
    EXPECT_EQ(s.cbbChargeTime + s.cbbSetMode + s.cbbWildKey + s.cbbScan + s.cbbRemocon[3], 0);
    EXPECT_EQ(s.afVolume + s.squelchLevel, 0);
    EXPECT_EQ(image.settings.block0, "A5" + std::string(62, '0'));
}

TEST(SettingsCodec, IndexRepairsWrittenBackIntoOwnBlock) {
    struct Case { int block, byte, value, repaired; int SetModeSettings::*member; };
    for (const Case& c : {Case{0, 5, 7, 1, &SetModeSettings::optLamp}, Case{0, 17, 5, 0, &SetModeSettings::opbBug},
                          Case{1, 4, 9, 2, &SetModeSettings::optVscanSpeed},
                          Case{1, 3, 4, 1, &SetModeSettings::optRecRate},
                          Case{1, 19, 3, 0, &SetModeSettings::opbOpMode}}) {
        std::string blocks[] = {DefaultSettingsBlock0(1), DefaultSettingsBlock1(1)}, repaired[] = {blocks[0], blocks[1]};
        blocks[c.block] = WithByte(blocks[c.block], c.byte, c.value);
        repaired[c.block] = WithByte(repaired[c.block], c.byte, c.repaired);  // the other block untouched
        const CloneImage image = Decode(blocks[0], blocks[1]);
        EXPECT_EQ(image.settings.values.*c.member, c.repaired) << c.byte;
        EXPECT_EQ(image.settings.block0 + "|" + image.settings.block1, repaired[0] + "|" + repaired[1]) << c.byte;
    }
}

TEST(SettingsCodec, UnspecifiedBytesClampedAndOtherControlsKept) {
    CloneImage image;
    std::string block0 = DefaultSettingsBlock0(0);
    // A check, an inverted check, a list of 26, the volume above 30, the squelch above 9.
    for (const auto& [byte, value] : {std::pair{1, 0x07}, {3, 0x05}, {6, 0x40}, {29, 0x50}, {31, 0x0A}})
        block0 = WithByte(block0, byte, value);
    image.settings.values.chkWP = true;
    image.settings.values.opbBurst = 2;
    image = Decode(block0, DefaultSettingsBlock1(0).substr(0, 46), 0, image);
    const SetModeSettings& v = image.settings.values;
    EXPECT_EQ(std::tuple(v.chkATT, v.chkBarAM, v.cbbScan, v.afVolume, v.squelchLevel, v.chkWP, v.opbBurst),
              std::tuple(true, false, 25, 30, 9, true, 2));
    const auto blocks = EncodeSettings(image);
    EXPECT_EQ(blocks[0].substr(58, 6), "1E1E09");
    EXPECT_EQ(blocks[1].substr(32, 2), "1E");
}

TEST(SettingsCodec, MarkerRuleAndMalformedBlocks) {
    for (std::string bad : {std::string("a5") + std::string(62, '0'), std::string(64, '0'), std::string()}) {
        const CloneImage image = Decode(bad, "junk", 2);
        EXPECT_EQ(image.settings.block0 + "|" + image.settings.block1,
                  DefaultSettingsBlock0(2) + "|" + DefaultSettingsBlock1(2));
    }
    // A short block keeps its length; missing bytes read as out of range.
    const CloneImage image = Decode("A50001", "");
    EXPECT_EQ(image.settings.block0 + "|" + image.settings.block1, "A50001|");
    const SetModeSettings& v = image.settings.values;
    EXPECT_EQ(std::tuple(v.optAntenna, v.optLamp, v.optMscanSpeed), std::tuple(1, 1, 2));
}

TEST(SettingsCodec, EncodeKeepsTwoDigitsForUnselectedControls) {
    CloneImage image;
    image.settings.values.cbbRemocon = {-1, -1, 25, 3};
    image.settings.values.optLamp = -1;
    image.settings.values.opbOpMode = 2;
    const auto blocks = EncodeSettings(image);
    ASSERT_EQ(std::pair(blocks[0].size(), blocks[1].size()), (std::pair<std::size_t, std::size_t>(64, 46)));
    EXPECT_EQ(blocks[0].substr(48, 8) + "|" + blocks[0].substr(10, 2) + "|" + blocks[1].substr(0, 2) +
                  blocks[1].substr(38, 2), "00001303|01|0202");
    EXPECT_EQ(EncodeSettings(Decode(blocks[0], blocks[1])), blocks);
}

}  // namespace
}  // namespace wrk7
