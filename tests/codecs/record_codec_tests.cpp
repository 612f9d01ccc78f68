#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "codecs/channel_codec.h"
#include "codecs/grid_text.h"
#include "codecs/vfo_codec.h"
#include "core/hex.h"

namespace wrk7 {
namespace {

// 145 MHz FM, step 6, offset 0.6 MHz +Shift, option Tone, tone 8, secret 11,
// carrier 28, skipped, name "AB".
std::vector<int> SampleRecord() {
    std::vector<int> r(32, 0);
    const int head[] = {0x40, 0x86, 0xA4, 0x08, 0, 6, 0xC0, 0x27, 0x09, 0x00, 1, 2, 8, 11, 28};
    std::copy(std::begin(head), std::end(head), r.begin());
    r[17] = 1;
    r[26] = 'A';
    r[27] = 'B';
    return r;
}

std::string Reply(const std::vector<int>& bytes) {
    std::string hex;
    for (int b : bytes) hex += ByteHex(b);
    return "\r\n" + hex + "\r\n";
}

std::string Hex(const std::vector<int>& bytes, std::size_t count) {
    std::string hex;
    for (std::size_t i = 0; i < count; ++i) hex += ByteHex(bytes[i]);
    return hex;
}

TEST(ChannelCodec, DecodesFieldsAndEncodesBack) {
    CloneImage image;
    image.Mem[5].SetText(kNote, "keep");
    ASSERT_TRUE(DecodeChannel(image, Reply(SampleRecord()), 5));
    const SlotFields& s = image.Mem[5];
    EXPECT_EQ(s.Value(kFreq), 145);
    EXPECT_EQ(s.Text(kFreq), "145.000000");
    EXPECT_EQ(s.Text(kStep) + s.Text(kOption) + s.Text(kCarrier) + s.Text(kTone) + s.Text(kShift),
              "20KHzToneJR88.5Hz+Shift");
    EXPECT_EQ(s.Text(kOffset), "0.600000");
    EXPECT_EQ(s.Text(kName), "AB    ");
    EXPECT_EQ(s.Value(kSkip), 1);
    EXPECT_EQ(s.Text(kNote), "keep");
    EXPECT_FALSE(image.ChannelEnable[5]);
    // The decoded name carries trailing spaces, which are written as spaces.
    EXPECT_EQ(EncodeChannel(image, 5), Hex(SampleRecord(), 28) + "20202020");
}

TEST(ChannelCodec, RepairsOutOfRangeBytes) {
    struct Case {
        int byte, value, field;
        double stored;
        const char* text;
    };
    for (const Case& c : {Case{4, 3, kMode, 0, "FM"}, Case{5, 0x13, kStep, 0, "5KHz"},
                          Case{5, 0x12, kStep, 18, ""}, Case{13, 29, kSecret, 11, "11"},
                          Case{14, 29, kCarrier, 0, "300Hz"}, Case{12, 39, kTone, 0, "67.0Hz"},
                          Case{17, 2, kSkip, 0, ""}, Case{11, 5, kOption, 5, "None"},
                          Case{10, 7, kShift, 7, "OFF"}}) {
        auto record = SampleRecord();
        record[c.byte] = c.value;
        CloneImage image;
        ASSERT_TRUE(DecodeChannel(image, Reply(record), 0));
        EXPECT_EQ(image.Mem[0].Value(c.field), c.stored) << c.byte;
        EXPECT_EQ(image.Mem[0].Text(c.field), c.text) << c.byte;
    }
    CloneImage image;
    auto record = SampleRecord();
    record[11] = 5;
    DecodeChannel(image, Reply(record), 0);
    EXPECT_EQ(EncodeChannel(image, 0).substr(22, 2), "05");
}

TEST(ChannelCodec, EmptyAndUnreadableRecords) {
    CloneImage image;
    ASSERT_TRUE(DecodeChannel(image, Reply(SampleRecord()), 1));
    const SlotFields before = image.Mem[1];
    auto record = SampleRecord();
    for (int i = 0; i < 4; ++i) record[i] = 0xFF;
    EXPECT_FALSE(DecodeChannel(image, Reply(record), 1));
    EXPECT_EQ(image.Mem[1], before);
    // A reply cut off or garbled in the frequency must not wipe the slot.
    for (std::string bad : {std::string("\r\n4086"), std::string("\r\n40z6A408") + std::string(48, '0'),
                            std::string()}) {
        EXPECT_FALSE(DecodeChannel(image, bad, 1));
        EXPECT_EQ(image.Mem[1], before);
    }
    for (int i = 0; i < 4; ++i) record[i] = 0;
    image.Mem[1].SetText(kNote, "note");
    EXPECT_FALSE(DecodeChannel(image, Reply(record), 1));
    EXPECT_EQ(image.Mem[1], SlotFields{});
    EXPECT_EQ(EncodeChannel(image, 1).substr(0, 8), "00000000");
    EXPECT_FALSE(DecodeChannel(image, Reply(SampleRecord()), kSlotCount));
}

TEST(ChannelCodec, FrequencyRoundsToNearestHertz) {
    CloneImage image;
    image.Mem[0].Set(kFreq, 145.1);
    EXPECT_EQ(EncodeChannel(image, 0).substr(0, 8), HzToLittleEndianHex(145.1));
    EXPECT_EQ(LittleEndianHexToMHz(EncodeChannel(image, 0).substr(0, 8)), 145.1);
}

TEST(ChannelCodec, NameCodec) {
    EXPECT_EQ(EncodeName("ABC"), "414243000000");
    EXPECT_EQ(DecodeName("414243000000"), "ABC   ");
    EXPECT_EQ(EncodeName("ABCDEFGH"), "414243444546");
    EXPECT_EQ(EncodeName("A\tB\xC3"), "412042200000");
    EXPECT_EQ(DecodeName("7F41zz"), " A    ");
    EXPECT_EQ(EncodeName(""), "000000000000");
}

TEST(ChannelCodec, OptionWrittenPerModel) {
    // rows: model; columns: option 0..5 as written
    const int expected[4][6] = {{0, 1, 2, 3, 0, 5}, {0, 0, 2, 3, 4, 5}, {0, 0, 2, 3, 0, 5}, {0, 0, 2, 3, 0, 5}};
    CloneImage image;
    image.Mem[0].Set(kFreq, 145);
    for (int model = 0; model < 4; ++model) {
        image.RegionIndex = model;
        for (int option = 0; option < 6; ++option) {
            EXPECT_EQ(WrittenOptionCode(model, option), expected[model][option]) << model << option;
            image.Mem[0].Set(kOption, option);
            EXPECT_EQ(EncodeChannel(image, 0).substr(22, 2), ByteHex(expected[model][option]));
            EXPECT_EQ(image.Mem[0].Value(kOption), option);
        }
    }
}

TEST(VfoCodec, DecodeIgnoresTailAndEmptiesZeroBand) {
    CloneImage image;
    image.Vfo[3].SetText(kNote, "band note");
    ASSERT_TRUE(DecodeVfoBand(image, Reply(SampleRecord()), 3));
    EXPECT_EQ(image.Vfo[3].Value(kSkip), 0);
    EXPECT_EQ(image.Vfo[3].Text(kName), "");
    EXPECT_EQ(image.Vfo[3].Text(kNote), "band note");
    EXPECT_EQ(image.Vfo[3].Text(kCarrier), "JR");
    EXPECT_EQ(EncodeVfoBand(image, 3), Hex(SampleRecord(), 15));

    auto record = SampleRecord();
    for (int i = 0; i < 4; ++i) record[i] = 0;
    EXPECT_FALSE(DecodeVfoBand(image, Reply(record), 3));
    for (int f = 0; f < kVfoFieldCount; ++f) EXPECT_EQ(image.Vfo[3].Text(f), "") << f;
    EXPECT_EQ(image.Vfo[3], SlotFields{});
}

TEST(VfoCodec, DefaultsPerModel) {
    CloneImage image;
    SetVfoDefaults(image);
    EXPECT_EQ(image.Vfo[4].Text(kFreq) + image.Vfo[4].Text(kMode) + image.Vfo[4].Text(kStep),
              "76.000000WFM100KHz");
    EXPECT_EQ(image.Vfo[13].Text(kFreq) + image.Vfo[13].Text(kOffset), "1295.00000020.000000");
    EXPECT_EQ(image.Vfo[6].Text(kStep), "20KHz");
    EXPECT_EQ(image.Vfo[0].Text(kSecret) + image.Vfo[0].Text(kCarrier) + image.Vfo[0].Text(kTone), "11JR88.5Hz");
    image.RegionIndex = 1;
    SetVfoDefaults(image);
    EXPECT_EQ(image.Vfo[4].Text(kFreq), "87.600000");
    EXPECT_EQ(image.Vfo[6].Text(kStep), "12.5KHz");
    image.RegionIndex = 2;
    SetVfoDefaults(image);
    EXPECT_EQ(EncodeVfoBand(image, 4), "4086A4080003C0270900000008081C");
    EXPECT_EQ(image.Vfo[7].Text(kFreq) + image.Vfo[7].Text(kSecret), "960.0000008");
    EXPECT_EQ(image.Vfo[13].Text(kFreq), "1295.000000");  // bands 8..13 left as they were
}

}  // namespace
}  // namespace wrk7
