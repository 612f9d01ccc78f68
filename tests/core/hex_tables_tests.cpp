#include <gtest/gtest.h>

#include <string>

#include "core/flag_block.h"
#include "core/hex.h"
#include "core/image.h"
#include "core/tables.h"

namespace wrk7 {
namespace {

TEST(HexDigits, BitsBothWaysAndBadInput) {
    const std::string digits = "0123456789ABCDEF";
    for (int v = 0; v < 16; ++v) {
        std::string expected;
        for (int bit = 3; bit >= 0; --bit) expected += (v >> bit) & 1 ? '1' : '0';
        const std::string d(1, digits[v]);
        EXPECT_EQ(HexDigitToBits(d), expected) << d;
        EXPECT_EQ(BitsToHexDigit(expected), d);
    }
    for (std::string_view bad : {"a", "", "G", "AB", " "}) EXPECT_EQ(HexDigitToBits(bad), "0000") << bad;
    for (std::string_view bad : {"012", "", "00000", "0201", "abcd"}) EXPECT_EQ(BitsToHexDigit(bad), "") << bad;
    EXPECT_EQ(ByteHex(0) + ByteHex(10) + ByteHex(165) + ByteHex(255), "000AA5FF");
}

TEST(HexFrequency, LittleEndianConversions) {
    struct Case {
        double mhz;
        const char* hex;
    };
    for (const Case& c : {Case{145, "4086A408"}, Case{0.532504, "18200800"}, Case{0, "00000000"},
                          Case{1299.995, "78597C4D"}, Case{0.1, "A0860100"}}) {
        EXPECT_EQ(HzToLittleEndianHex(c.mhz), c.hex) << c.mhz;
        EXPECT_EQ(LittleEndianHexToMHz(c.hex), c.mhz) << c.hex;
    }
    // Rounds to the nearest hertz: 145.1 is 145.0999... in binary.
    EXPECT_EQ(HzToLittleEndianHex(145.1), "E00CA608");
    EXPECT_EQ(HzToLittleEndianHex(145.0999996), "E00CA608");
    EXPECT_EQ(HzToLittleEndianHex(-5), "00000000");
    EXPECT_EQ(LittleEndianHexToMHz("ZZ"), 0);
}

TEST(HexFrequency, DisplayFormats) {
    EXPECT_EQ(FormatFrequency(0.1), "0.100000");
    EXPECT_EQ(FormatFrequency(1295), "1295.000000");
    EXPECT_EQ(FormatFrequency(145.1), "145.100000");
    EXPECT_EQ(FormatOffset(16.5), "16.500000");
    // Values between whole hertz take the rounding route.
    EXPECT_EQ(FormatFrequency(145.1234564), "145.123456");
    EXPECT_EQ(FormatFrequency(145.1234566), "145.123457");
    EXPECT_EQ(FormatFrequency(-1.5), "-1.500000");
    EXPECT_EQ(FormatFrequency(0.0000004), "0.000000");
    EXPECT_EQ(FormatFrequency(1299.995), "1299.995000");
}

TEST(ReferenceTables, ListsAndBandPlans) {
    EXPECT_EQ(StepName[18], "");
    EXPECT_EQ(StepName[19], "");
    EXPECT_EQ(ToneName[8], "88.5Hz");
    EXPECT_EQ(ToneName[38], "250.3Hz");
    EXPECT_EQ(ScanTimeName()[25], "25 SEC");
    EXPECT_EQ(ChargeTimeName()[23], "24 hrs.");
    EXPECT_EQ(SetModeTimeName()[1] + "|" + SetModeTimeName()[6], " 5 SEC|10 SEC");
    EXPECT_EQ(BandEdge(0, 7, 1), 221.995);
    EXPECT_EQ(BandEdge(1, 7, 1), 229.995);
    EXPECT_EQ(BandEdge(0, 8, 0), 222.0);
    EXPECT_EQ(BandEdge(1, 8, 0), 230.0);
    for (int band = 8; band < kBandCount; ++band) {
        EXPECT_EQ(BandEdge(3, band, 0), 0);
        EXPECT_EQ(BandEdge(3, band, 1), 0);
    }
    EXPECT_EQ(BandEdge(2, 9, 1), 894.995);
}

TEST(FieldTexts, DerivedFromEveryCodedField) {
    struct Case {
        int field;
        double value;
        const char* text;
    };
    for (const Case& c : {Case{kFreq, 0.1, "0.100000"}, Case{kMode, 2, "WFM"}, Case{kStep, 18, ""},
                          Case{kStep, 17, "9KHz"}, Case{kOption, 4, "Scr"}, Case{kOption, 5, "None"},
                          Case{kOption, 255, "None"}, Case{kSecret, 11, "11"}, Case{kCarrier, 0, "300Hz"},
                          Case{kCarrier, 27, "3000Hz"}, Case{kCarrier, 28, "JR"}, Case{kTone, 38, "250.3Hz"},
                          Case{kShift, 1, "+Shift"}, Case{kShift, 2, "-Shift"}, Case{kShift, 3, "OFF"},
                          Case{kShift, 0, "OFF"}, Case{kOffset, 0.6, "0.600000"}}) {
        EXPECT_EQ(FieldText(c.field, c.value), c.text) << c.field << " " << c.value;
        SlotFields slot;
        slot.Set(c.field, c.value);
        EXPECT_EQ(slot.Text(c.field), c.text);
        EXPECT_EQ(slot.Value(c.field), c.value);
    }
}

TEST(FlagBlockCodec, ChunksAndEdgeSlots) {
    CloneImage image;
    image.memory.enabled[0] = true;
    EncodeFlagBlock(image);
    EXPECT_EQ(image.flags.blocks[0], "8" + std::string(63, '0'));
    EXPECT_EQ(image.flags.blocks[5], "00000");
    for (int c = 1; c < 5; ++c) EXPECT_EQ(image.flags.blocks[c], std::string(64, '0'));

    image.memory.enabled.fill(false);
    for (int s = 1296; s < kSlotCount; ++s) image.memory.enabled[s] = true;
    EncodeFlagBlock(image);
    EXPECT_EQ(image.flags.blocks[5], "0000F");
    EXPECT_EQ(image.flags.blocks[0], std::string(64, '0'));
}

TEST(FlagBlockCodec, DecodeRoundTripShortAndBadChunks) {
    CloneImage image;
    for (int s = 0; s < kSlotCount; s += 3) image.memory.enabled[s] = true;
    const auto pattern = image.memory.enabled;
    EncodeFlagBlock(image);
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
    EXPECT_FALSE(image.memory.enabled[0] || image.memory.enabled[3]);
    EXPECT_TRUE(image.memory.enabled[4]);
}

}  // namespace
}  // namespace wrk7
