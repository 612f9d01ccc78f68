#include <gtest/gtest.h>

#include <string>

#include "codecs/settings_codec.h"
#include "core/hex.h"

namespace wrk7 {
namespace {

std::string WithByte(std::string block, int byte, int value) {
    return block.replace(2 * static_cast<std::size_t>(byte), 2, ByteHex(value));
}

TEST(SettingsCodec, DefaultsDecodeAndEncodeBackPerModel) {
    // The encoder writes the fixed bytes, so every model's block 1 comes back alike.
    const std::string block1Encoded = "0006000102020001000000000000000014000000000000";
    for (int model = 0; model < 4; ++model) {
        CloneImage image;
        image.RegionIndex = model;
        image.SettingsBlock0 = DefaultSettingsBlock0(model);
        image.SettingsBlock1 = DefaultSettingsBlock1(model);
        ASSERT_EQ(image.SettingsBlock0.size(), 64u);
        ASSERT_EQ(image.SettingsBlock1.size(), 64u);
        const std::string block0 = image.SettingsBlock0;
        DecodeSettings(image);
        EXPECT_EQ(image.SettingsBlock0, block0) << model;  // nothing to repair
        EXPECT_EQ(image.Settings.chkCharge, model == 0);
        EXPECT_EQ(image.Settings.cbbWildKey, model == 0 ? 0 : 1);
        EXPECT_EQ(image.Settings.cbbChargeTime, 11);
        EXPECT_EQ(image.Settings.Slider1, 20);
        EXPECT_EQ(image.Settings.Slider2, 3);
        EXPECT_EQ(image.Settings.optVscanSpeed, 2);
        EncodeSettings(image);
        EXPECT_EQ(image.SettingsBlock0, block0) << model;
        EXPECT_EQ(image.SettingsBlock1, block1Encoded) << model;
    }
    EXPECT_EQ(DefaultSettingsBlock1(0).substr(48, 2) + DefaultSettingsBlock1(1).substr(48, 2), "FF00");
    EXPECT_EQ(DefaultSettingsBlock1(3).substr(2, 2), "04");
}

TEST(SettingsCodec, AllZeroBlock0) {
    CloneImage image;
    image.SettingsBlock0 = "A5" + std::string(62, '0');
    image.SettingsBlock1 = DefaultSettingsBlock1(0);
    image.Settings.chkATT = image.Settings.chkBS = image.Settings.chkBell = true;
    image.Settings.opbBug = 3;
    DecodeSettings(image);
    const SetModeSettings& s = image.Settings;
    EXPECT_FALSE(s.chkATT || s.chkBS || s.chkBell || s.chkCharge);
    EXPECT_TRUE(s.chkBarAM && s.chkBarSW && s.chkBeep);
    EXPECT_EQ(s.optAntenna + s.optLamp + s.opbBug + s.opbAPO + s.optSkip, 0);
    // Lists whose offset makes byte 0 fall before the first entry are clamped.
    EXPECT_EQ(s.cbbChargeTime + s.cbbSetMode + s.cbbWildKey + s.cbbScan + s.cbbRemocon[3], 0);
    EXPECT_EQ(s.Slider1 + s.Slider2, 0);
    EXPECT_EQ(image.SettingsBlock0, "A5" + std::string(62, '0'));
}

TEST(SettingsCodec, IndexRepairsWrittenBackIntoOwnBlock) {
    struct Case {
        int block, byte, value, repaired;
        int SetModeSettings::*member;
    };
    for (const Case& c : {Case{0, 5, 7, 1, &SetModeSettings::optLamp}, Case{0, 17, 5, 0, &SetModeSettings::opbBug},
                          Case{1, 4, 9, 2, &SetModeSettings::optVscanSpeed},
                          Case{1, 3, 4, 1, &SetModeSettings::optRecRate},
                          Case{1, 19, 3, 0, &SetModeSettings::opbOpMode}}) {
        CloneImage image;
        image.SettingsBlock0 = DefaultSettingsBlock0(1);
        image.SettingsBlock1 = DefaultSettingsBlock1(1);
        std::string& target = c.block == 0 ? image.SettingsBlock0 : image.SettingsBlock1;
        target = WithByte(target, c.byte, c.value);
        const std::string other = c.block == 0 ? image.SettingsBlock1 : image.SettingsBlock0;
        DecodeSettings(image);
        EXPECT_EQ(image.Settings.*c.member, c.repaired) << c.byte;
        const std::string defaults = c.block == 0 ? DefaultSettingsBlock0(1) : DefaultSettingsBlock1(1);
        EXPECT_EQ(target, WithByte(defaults, c.byte, c.repaired)) << c.byte;
        EXPECT_EQ(c.block == 0 ? image.SettingsBlock1 : image.SettingsBlock0, other);
    }
}

TEST(SettingsCodec, UnspecifiedBytesClampedAndOtherControlsKept) {
    CloneImage image;
    std::string block0 = DefaultSettingsBlock0(0);
    block0 = WithByte(block0, 1, 0x07);   // check
    block0 = WithByte(block0, 3, 0x05);   // inverted check
    block0 = WithByte(block0, 6, 0x40);   // list of 26
    block0 = WithByte(block0, 29, 0x50);  // volume above 30
    block0 = WithByte(block0, 31, 0x0A);  // squelch above 9
    image.SettingsBlock0 = block0;
    image.SettingsBlock1 = DefaultSettingsBlock1(0).substr(0, 46);
    image.Settings.chkWP = true;
    image.Settings.opbBurst = 2;
    DecodeSettings(image);
    EXPECT_TRUE(image.Settings.chkATT);
    EXPECT_FALSE(image.Settings.chkBarAM);
    EXPECT_EQ(image.Settings.cbbScan, 25);
    EXPECT_EQ(image.Settings.Slider1, 30);
    EXPECT_EQ(image.Settings.Slider2, 9);
    EXPECT_TRUE(image.Settings.chkWP);
    EXPECT_EQ(image.Settings.opbBurst, 2);
    EncodeSettings(image);
    EXPECT_EQ(image.SettingsBlock0.substr(58, 6), "1E1E09");
    EXPECT_EQ(image.SettingsBlock1.substr(32, 2), "1E");
}

TEST(SettingsCodec, MarkerRuleAndMalformedBlocks) {
    for (std::string bad : {std::string("a5") + std::string(62, '0'), std::string(64, '0'), std::string()}) {
        CloneImage image;
        image.RegionIndex = 2;
        image.SettingsBlock0 = bad;
        image.SettingsBlock1 = "junk";
        DecodeSettings(image);
        EXPECT_EQ(image.SettingsBlock0, DefaultSettingsBlock0(2));
        EXPECT_EQ(image.SettingsBlock1, DefaultSettingsBlock1(2));
    }
    // A short block keeps its length; missing bytes read as out of range.
    CloneImage image;
    image.SettingsBlock0 = "A50001";
    image.SettingsBlock1 = "";
    DecodeSettings(image);
    EXPECT_EQ(image.SettingsBlock0, "A50001");
    EXPECT_EQ(image.SettingsBlock1, "");
    EXPECT_EQ(image.Settings.optAntenna, 1);
    EXPECT_EQ(image.Settings.optLamp, 1);
    EXPECT_EQ(image.Settings.optMscanSpeed, 2);
}

TEST(SettingsCodec, EncodeKeepsTwoDigitsForUnselectedControls) {
    CloneImage image;
    image.Settings.cbbRemocon = {-1, -1, 25, 3};
    image.Settings.optLamp = -1;
    image.Settings.opbOpMode = 2;
    EncodeSettings(image);
    ASSERT_EQ(image.SettingsBlock0.size(), 64u);
    ASSERT_EQ(image.SettingsBlock1.size(), 46u);
    EXPECT_EQ(image.SettingsBlock0.substr(48, 8), "00001303");
    EXPECT_EQ(image.SettingsBlock0.substr(10, 2), "01");
    EXPECT_EQ(image.SettingsBlock1.substr(0, 2) + image.SettingsBlock1.substr(38, 2), "0202");
    CloneImage decoded;
    decoded.SettingsBlock0 = image.SettingsBlock0;
    decoded.SettingsBlock1 = image.SettingsBlock1;
    DecodeSettings(decoded);
    EncodeSettings(decoded);
    EXPECT_EQ(decoded.SettingsBlock0 + decoded.SettingsBlock1, image.SettingsBlock0 + image.SettingsBlock1);
}

}  // namespace
}  // namespace wrk7
