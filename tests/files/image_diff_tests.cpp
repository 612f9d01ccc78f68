#include <gtest/gtest.h>

#include "files/image_diff.h"
#include "files/rich_image.h"

namespace wrk7 {
namespace {

std::vector<std::string> Texts(const std::vector<DiffLine>& lines) {
    std::vector<std::string> out;
    for (const DiffLine& l : lines) out.push_back(DiffLineText(l));
    return out;
}

TEST(ImageDiff, SameImagesHaveNoLines) {
    const CloneImage a = testing::RichImage();
    CloneImage b = a;
    b.Mem[0].SetText(kName, "CH1000");  // names compare without trailing blanks
    b.Mem[5].Set(kFreq, 146);           // not enabled: no channel either side
    b.Modified = true;
    EXPECT_TRUE(DiffImages(a, b).empty());
}

TEST(ImageDiff, EveryKindOfPlace) {
    CloneImage a = testing::RichImage();
    a.Vfo[3].Set(kMode, 0);
    a.Settings.cbbRemocon[1] = -1;
    CloneImage b = a;
    b.Mem[0].Set(kFreq, 145.5);
    b.Mem[0].Set(kSkip, 1);
    b.Mem[0].SetText(kNote, "changed");
    b.ChannelEnable[1] = false;
    b.Mem[1005].Set(kFreq, 150);
    b.Mem[1005].Set(kMode, 0);
    b.ChannelEnable[1005] = true;
    b.Vfo[3].Set(kMode, 1);
    b.BankCount[0] = 200;
    b.GroupMember[1][3] = true;
    b.GroupMember[10][49] = false;
    b.Settings.optAntenna = 1;
    b.Settings.cbbRemocon[1] = 4;
    const auto lines = DiffImages(a, b);
    EXPECT_EQ(Texts(lines), (std::vector<std::string>{
                                "Memory 00-000\tFrequency\t145.000000\t145.500000",
                                "Memory 00-000\tNote\tTower, north side\tchanged",
                                "Memory 00-000\tSkip\toff\ton",
                                "Memory 00-001\tChannel\t145.012500 AM\tempty",
                                "Memory 2B\tChannel\tempty\t150.000000 FM",
                                "VFO 3\tMode\tFM\tAM",
                                "Bank 0\tCount\t300\t200",
                                "Group 1\tBanks\t0\t0,3",
                                "Group 10\tBanks\t49\tnone",
                                "Settings\tAntenna\tSMA\tEAR",
                                "Settings\tRemote Controller B\tnone\tTONE",
                            }));
    EXPECT_EQ(lines[0].slot, 0);
    EXPECT_EQ(lines[4].slot, 1005);
    EXPECT_EQ(lines[5].slot, -1);
}

}  // namespace
}  // namespace wrk7
