#include <gtest/gtest.h>

#include "edit/page_rules.h"

namespace wrk7 {
namespace {

TEST(PageRules, BankTotalGuardsEveryTab) {
    CloneImage image;
    image.banks.counts[9] = 90;  // total 990
    for (int tab : {1, 2, 3, 4}) {
        const PageSwitch s = SwitchPage(image, tab, false);
        EXPECT_EQ(s.page, Page::kBank) << tab;
        EXPECT_TRUE(s.showTotalError) << tab;
        EXPECT_FALSE(s.rebuildMemoryGrid);
    }
    EXPECT_FALSE(SwitchPage(image, 4, true).showTotalError);  // the switch's own re-selection

    image.banks.counts[9] = 100;
    const PageSwitch memory = SwitchPage(image, 3, false);
    EXPECT_EQ(memory.page, Page::kMemory);
    EXPECT_TRUE(memory.modifyEnabled && memory.rebuildMemoryGrid && !memory.showTotalError);
    EXPECT_TRUE(SwitchPage(image, 1, false).modifyEnabled);
    EXPECT_FALSE(SwitchPage(image, 2, false).modifyEnabled);
    EXPECT_FALSE(SwitchPage(image, 4, false).modifyEnabled);
    EXPECT_EQ(SwitchPage(image, 7, false).page, Page::kBank);
}

TEST(PageRules, ModelClickMarksAndResetsOnlyOnChange) {
    CloneImage image;
    EXPECT_FALSE(BeginModelSwitch(image, 0));
    EXPECT_TRUE(image.modified);
    EXPECT_TRUE(BeginModelSwitch(image, 1));
    EXPECT_EQ(CarrierColumnHeading(1), "Scr");
}

}  // namespace
}  // namespace wrk7
