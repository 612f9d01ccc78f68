#include <gtest/gtest.h>

#include "core/slot_areas.h"

namespace wrk7 {
namespace {

// Every slot belongs to exactly one area, and no slot is left out.
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

TEST(SlotAreas, LabelsAtTheEdges) {
    struct Case {
        int slot;
        const char* entry;
        const char* row;  // grid row label from the first program-scan edge up
    };
    for (const Case& c : {Case{0, "0", nullptr}, Case{999, "999", nullptr}, Case{1000, "0A", "0A"},
                          Case{1001, "0B", "0B"}, Case{1007, "3B", "3B"}, Case{1099, "49B", "49B"},
                          Case{1100, "0", "S0"}, Case{1199, "99", "S99"}, Case{1200, "0", "Pr0"},
                          Case{1299, "99", "Pr99"}}) {
        EXPECT_EQ(EntryLabel(c.slot), c.entry) << c.slot;
        if (c.row) {
            EXPECT_EQ(UpperRowLabel(c.slot), c.row) << c.slot;
        }
    }
}

TEST(SlotAreas, NumbersAndPairsNameSlots) {
    const SlotArea& scan = AreaById(SlotAreaId::kProgramScan);
    const SlotArea& priority = AreaById(SlotAreaId::kPriority);
    struct Case {
        const SlotArea& area;
        long long number;
        int slot;
    };
    for (const Case& c : {Case{scan, 0, 1000}, Case{scan, 99, 1099}, Case{scan, 100, -1}, Case{scan, 1000, 1000},
                          Case{scan, 1099, 1099}, Case{scan, 1100, -1}, Case{scan, -1, -1},
                          Case{priority, 1299, 1299}, Case{priority, 1300, -1}})
        EXPECT_EQ(AreaSlot(c.area, c.number), c.slot) << c.area.csvName << " " << c.number;
    EXPECT_EQ(PairSlot(scan, 3, 'B'), 1007);
    EXPECT_EQ(PairSlot(scan, 49, 'B'), 1099);
    EXPECT_EQ(PairSlot(scan, 50, 'A'), -1);
    EXPECT_EQ(PairSlot(scan, 0, 'C'), -1);
    EXPECT_EQ(PairSlot(priority, 0, 'A'), -1) << "only the program-scan edges pair up";
}

}  // namespace
}  // namespace wrk7
