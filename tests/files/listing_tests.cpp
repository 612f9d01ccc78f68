// An image as lines of text: the listing and the differences of two images.
#include <gtest/gtest.h>

#include <algorithm>

#include "edit/image_diff.h"
#include "files/listing.h"
#include "files/rich_image.h"

namespace wrk7 {
namespace {

using namespace wrk7::testing;

std::vector<std::string> DiffTexts(const std::vector<DiffLine>& lines) {
    std::vector<std::string> out;
    for (const DiffLine& l : lines) out.push_back(DiffLineText(l));
    return out;
}

bool Has(const ListingLines& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}
std::size_t IndexOf(const ListingLines& lines, const std::string& line) {
    return static_cast<std::size_t>(std::find(lines.begin(), lines.end(), line) - lines.begin());
}

TEST(Listing, MemorySectionsFollowTheBanks) {
    CloneImage image = RichImage(0);
    const ListingLines lines = PrintMemorySection(image);
    // The headings: the banks that hold channels (Bank1's count is 0), then the upper areas.
    ListingLines headings;
    std::ranges::copy_if(lines, std::back_inserter(headings), [](const std::string& l) { return !l.empty() && l.find('\t') == std::string::npos; });
    EXPECT_EQ(headings, (ListingLines{"Memory Bank", "Bank0", "Bank2", "Bank49", "Program Scan", "Search Pass", "Priority"}));
    const std::size_t bank2 = IndexOf(lines, "Bank2");
    EXPECT_EQ(lines[bank2 + 1],
              "Ch\tFrequency\tMode\t   Step\tOption\tSkip\tCarrier\t Tone\tShift\tShiftFreq.\tNote\tName");
    EXPECT_EQ(lines[bank2 + 2].substr(0, 17), "  0\t145.037500\tFM");
    const std::size_t scan = IndexOf(lines, "Program Scan");
    EXPECT_EQ(lines[scan + 2].substr(0, 3), "0A\t");
    EXPECT_EQ(lines[scan + 3].substr(0, 3), "3B\t");

    image.model = 1;
    const ListingLines k70e = PrintMemorySection(image);
    EXPECT_TRUE(Has(k70e, "Ch\tFrequency\tMode\t   Step\tOption\tSecret\tSkip\t Tone\tShift\tShiftFreq.\tNote\tName"));

    image.memory.enabled.fill(false);
    EXPECT_EQ(PrintMemorySection(image), (ListingLines{"", "Memory Bank", "", "= No Entries ="}));
}

TEST(Listing, EverySkippedChannelIsMarked) {
    const std::tuple<double, double, bool> cases[] = {  // option, skip, marked
        {0, 0, false}, {1, 0, false}, {4, 0, false},  // OFF, Train, the last plain option
        {0, 1, true},  {1, 1, true},                  // the skip field alone
        {8, 0, true},  {9, 0, true},  {12, 0, true},  // OFF+Skip, Train+Skip, the last skip option
        {13, 0, false}, {24, 0, true},                // past the skip options; the bit read modulo 16
    };
    for (const auto& [option, skip, marked] : cases) {
        CloneImage image;
        image.memory.slot[0].Set(kFreq, 145.0);
        image.memory.slot[0].Set(kOption, option);
        image.memory.slot[0].Set(kSkip, skip);
        image.memory.enabled[0] = true;
        const ListingLines lines = PrintMemorySection(image);
        const auto row = std::find_if(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("  0\t", 0) == 0; });
        ASSERT_NE(row, lines.end());
        EXPECT_EQ(row->find("\t*\t") != std::string::npos, marked) << "option " << option << " skip " << skip;
    }
}

TEST(Listing, SettingsVfoAndDocument) {
    CloneImage image = RichImage(1);
    const ListingLines settings = PrintSettingsSection(image);
    EXPECT_EQ(settings[2], "Model = WR-K70E");
    EXPECT_TRUE(Has(settings, "Volume = 7"));
    EXPECT_TRUE(Has(settings, "Bell = On"));
    const auto starting = [](const ListingLines& ls, std::string_view s) { return std::ranges::any_of(ls, [s](const std::string& l) { return l.starts_with(s); }); };
    EXPECT_FALSE(starting(settings, "Bug Sensitive"));  // not on this model
    EXPECT_EQ(settings.back(), "");
    image.settings.values.optLamp = -1;
    EXPECT_FALSE(starting(PrintSettingsSection(image), "Lamp"));  // no choice made: no line

    const ListingLines vfo = PrintVfoSection(image);
    ASSERT_EQ(vfo.size(), 4u + 14);
    EXPECT_EQ(vfo[3], "Band\tFrequency\tMode\t   Step\tOption\tSecret\t  -  \t Tone\tShift\tShiftFreq.\tNote\tName");
    EXPECT_EQ(std::count(vfo[6].begin(), vfo[6].end(), '\t'), 10);
    EXPECT_EQ(vfo[6].substr(vfo[6].size() - 21), "band note, with comma");
    EXPECT_EQ(RightAligned("5KHz", 7) + "|" + RightAligned("東京", 3) + "|" + RightAligned("1234.500000", 9),
              "   5KHz| 東京|1234.500000");

    // The document's heading lines are checked on the command line's listing (tests/cli).
    EXPECT_TRUE(PrintListing(image, {false, false, false}).empty());
}

// What differs, place by place; what does not count makes no line.
TEST(ImageDiff, EveryKindOfPlace) {
    CloneImage a = RichImage();
    a.vfo.bands[3].Set(kMode, 0);
    a.settings.values.cbbRemocon[1] = -1;
    a.memory.enabled[1201] = true;  // listed without a frequency
    a.memory.slot[1].SetText(kName, "CH1001");
    CloneImage b = a;
    b.memory.slot[1].SetText(kName, "CH1001  ");  // names compare without trailing blanks
    b.memory.slot[5].Set(kFreq, 146);           // not enabled: no channel either side
    EXPECT_TRUE(DiffImages(a, b).empty());
    b.memory.enabled[7] = true;
    b.memory.slot[1201].SetText(kNote, "north");
    b.memory.slot[0].Set(kFreq, 145.5);
    b.memory.slot[0].Set(kShift, 240);  // a byte as received: "OFF" too
    b.memory.slot[0].Set(kSkip, 1);
    b.memory.slot[0].SetText(kNote, "changed");
    b.memory.enabled[1] = false;
    b.memory.slot[1005].Set(kFreq, 150);
    b.memory.slot[1005].Set(kMode, 0);
    b.memory.enabled[1005] = true;
    b.vfo.bands[3].Set(kMode, 1);
    b.banks.counts[0] = 200;
    b.groups.members[1][3] = true;
    b.groups.members[10][49] = false;
    b.settings.values.optAntenna = 1;
    b.settings.values.cbbRemocon[1] = 4;
    const auto lines = DiffImages(a, b);
    EXPECT_EQ(DiffTexts(lines), (std::vector<std::string>{
                                "Memory 00-000\tFrequency\t145.000000\t145.500000",
                                "Memory 00-000\tShift\tOFF (0)\tOFF (240)",
                                "Memory 00-000\tNote\tTower, north side\tchanged",
                                "Memory 00-000\tSkip\toff\ton",
                                "Memory 00-001\tChannel\t145.012500 AM\tempty",
                                "Memory 00-007\tEnable\toff\ton",
                                "Memory 2B\tChannel\tempty\t150.000000 FM",
                                "Memory Pr1\tNote\t\tnorth",
                                "VFO 3\tMode\tFM\tAM",
                                "Bank 0\tCount\t300\t200",
                                "Group 1\tBanks\t0\t0,3",
                                "Group 10\tBanks\t49\tnone",
                                "Settings\tAntenna\tSMA\tEAR",
                                "Settings\tRemote Controller B\tnone\tTONE",
                            }));
    EXPECT_EQ(std::tuple(lines[0].slot, lines[5].slot, lines[8].slot), std::tuple(0, 7, -1));
}

}  // namespace
}  // namespace wrk7
