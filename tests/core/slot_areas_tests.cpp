#include <gtest/gtest.h>

#include "core/slot_areas.h"

namespace wrk7 {
namespace {

// Every slot belongs to exactly one area, and no slot is left out. The labels
// and numbers that name the slots are tested where they are read and written:
// the grid's row labels (tests/edit, BankTable) and the CSV file (tests/files).
TEST(SlotAreas, TileTheSlotSpace) {
    int next = 0;
    for (const SlotArea& area : kSlotAreas) {
        EXPECT_EQ(area.first, next) << area.csvName;
        EXPECT_EQ(&AreaById(area.id), &area);
        EXPECT_EQ(&SlotAreaOf(area.first), &area);
        EXPECT_EQ(&SlotAreaOf(area.End() - 1), &area);
        next = area.End();
    }
    EXPECT_EQ(next, kSlotCount);
    EXPECT_EQ(SlotAreaOf(-1).id, SlotAreaId::kChannels);
    EXPECT_EQ(SlotAreaOf(kSlotCount).id, SlotAreaId::kPriority);
}

}  // namespace
}  // namespace wrk7
