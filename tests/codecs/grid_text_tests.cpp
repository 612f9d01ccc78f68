#include <gtest/gtest.h>

#include "codecs/grid_text.h"
#include "codecs/vfo_codec.h"
#include "edit/disabled_slots.h"

namespace wrk7 {
namespace {

// Option Scr, secret 7, carrier 2 (500Hz), skipped.
SlotFields Channel(int option) {
    SlotFields s;
    s.Set(kFreq, 145);
    s.Set(kOption, option);
    s.Set(kSecret, 7);
    s.Set(kCarrier, 2);
    s.Set(kSkip, 1);
    s.SetText(kName, "NAME  ");
    return s;
}

TEST(MemoryGrid, ModelRules) {
    struct Case {
        int model, option;
        const char* optionCol;
        const char* carrierCol;
    };
    for (const Case& c : {Case{0, 4, "OFF", "500Hz"}, Case{0, 1, "Train", "500Hz"}, Case{1, 4, "Scr", "7"},
                          Case{1, 1, "OFF", "7"}, Case{2, 4, "OFF", "-"}, Case{3, 1, "OFF", "-"},
                          Case{3, 2, "Tone", "-"}}) {
        CloneImage image;
        image.RegionIndex = c.model;
        image.Mem[9] = Channel(c.option);
        const GridRow row = MemoryGridRow(image, 9);
        EXPECT_EQ(row[kOption], c.optionCol) << c.model << " " << c.option;
        EXPECT_EQ(row[kCarrier], c.carrierCol) << c.model;
        EXPECT_EQ(row[kSecret], "*");
        EXPECT_EQ(row[kFreq] + row[kName], "145.000000NAME  ");
        EXPECT_EQ(image.Mem[9].Value(kOption), c.option);
    }
    CloneImage image;
    image.Mem[0] = Channel(0);
    image.Mem[0].Set(kSkip, 0);
    EXPECT_EQ(MemoryGridRow(image, 0)[kSecret], "");
}

TEST(MemoryGrid, RefreshWipesDisabledSlots) {
    CloneImage image;
    image.Mem[0] = image.Mem[1] = Channel(2);
    image.Mem[1].SetText(kNote, "gone");
    image.ChannelEnable[0] = true;
    WipeDisabledSlots(image);
    EXPECT_EQ(image.Mem[0], Channel(2));
    EXPECT_EQ(image.Mem[1], SlotFields{});
    EXPECT_EQ(MemoryGridRow(image, 1), GridRow{});
}

TEST(VfoGrid, ModelRules) {
    CloneImage image;
    SetVfoDefaults(image);
    image.Vfo[2].Set(kOption, 4);
    image.Vfo[3].Set(kOption, 1);
    EXPECT_EQ(VfoGridRow(image, 2)[kOption], "OFF");
    EXPECT_EQ(VfoGridRow(image, 3)[kOption], "Train");
    EXPECT_EQ(VfoGridRow(image, 0)[kSecret] + VfoGridRow(image, 0)[kCarrier], "11JR");

    image.RegionIndex = 1;
    EXPECT_EQ(VfoGridRow(image, 2)[kOption], "Scr");
    EXPECT_EQ(VfoGridRow(image, 3)[kOption], "OFF");
    EXPECT_EQ(VfoGridRow(image, 0)[kSecret] + VfoGridRow(image, 0)[kCarrier], "1111");

    image.RegionIndex = 2;
    const GridRow row = VfoGridRow(image, 2);
    EXPECT_EQ(row[kOption] + row[kSecret] + row[kCarrier], "OFF--");
    EXPECT_EQ(row[kFreq], image.Vfo[2].Text(kFreq));
    for (int band = 8; band < kBandCount; ++band) {
        GridRow dashes;
        dashes.fill("-");
        EXPECT_EQ(VfoGridRow(image, band), dashes) << band;
    }
}

}  // namespace
}  // namespace wrk7
