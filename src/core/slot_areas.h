#pragma once
#include <array>
#include <string>
#include <string_view>

#include "core/image.h"

namespace wrk7 {

// The parts of the slot space, in slot order. Everything that names a slot
// by its part (grid row labels, the listing's sections, the channel editor's
// heading, the CSV file's AREA and CHANNEL fields, the paste's stop) reads
// this table, so a slot is called the same everywhere.
enum class SlotAreaId { kChannels, kProgramScan, kSearchPass, kPriority };

struct SlotArea {
    SlotAreaId id;
    int first;                   // its first slot
    int count;                   // its slots
    std::string_view title;      // the listing's section, the editor's heading; channels go by their bank
    std::string_view csvName;    // the CSV file's AREA field
    std::string_view rowPrefix;  // before the entry in a grid row label ("S5")
    std::string_view entryName;  // one of its slots, as messages call it
    bool pairs;                  // entries go in pairs A/B ("3B": pair 3, second edge)

    constexpr int End() const { return first + count; }
    constexpr bool Holds(int slot) const { return slot >= first && slot < End(); }
};

inline constexpr std::array<SlotArea, 4> kSlotAreas{{
    {SlotAreaId::kChannels, 0, kChannelCount, "", "MEMORY", "", "memory channel", false},
    {SlotAreaId::kProgramScan, kFirstScanEdgeSlot, kFirstSearchPassSlot - kFirstScanEdgeSlot, "Program Scan",
     "PROGRAM SCAN", "", "program-scan edge", true},
    {SlotAreaId::kSearchPass, kFirstSearchPassSlot, kFirstPrioritySlot - kFirstSearchPassSlot, "Search Pass",
     "SEARCH PASS", "S", "Search Pass entry", false},
    {SlotAreaId::kPriority, kFirstPrioritySlot, kSlotCount - kFirstPrioritySlot, "Priority", "PRIORITY", "Pr",
     "priority entry", false},
}};

constexpr const SlotArea& AreaById(SlotAreaId id) { return kSlotAreas[static_cast<std::size_t>(id)]; }

// The area slot lies in. A slot below the space counts as the first area's,
// one above it as the last's, so a caller that runs past either end still
// has an area to stop at.
constexpr const SlotArea& SlotAreaOf(int slot) {
    for (const SlotArea& area : kSlotAreas)
        if (slot < area.End()) return area;
    return kSlotAreas.back();
}

// The entry of slot within its area: "0".."99", or "0A".."49B" where the
// entries go in pairs.
std::string EntryLabel(int slot);
// Grid row label of a slot from kFirstScanEdgeSlot up: "0A", "S0", "Pr0".
std::string UpperRowLabel(int slot);

// Pair and edge of a paired area's entry: entry 7 is pair 3, edge B.
constexpr int PairOf(int entry) { return entry / 2; }
constexpr char EdgeOf(int entry) { return entry % 2 == 0 ? 'A' : 'B'; }

// The slot a number names in area: its entry (0..count-1) or the slot
// itself (first..End()-1); -1 for any other number.
constexpr int AreaSlot(const SlotArea& area, long long number) {
    if (number >= 0 && number < area.count) return area.first + static_cast<int>(number);
    if (number >= area.first && number < area.End()) return static_cast<int>(number);
    return -1;
}
// The slot of a paired area's pair and edge ('A' or 'B'); -1 when there is none.
constexpr int PairSlot(const SlotArea& area, long long pair, char edge) {
    if (!area.pairs || pair < 0 || pair >= area.count / 2 || (edge != 'A' && edge != 'B')) return -1;
    return area.first + 2 * static_cast<int>(pair) + (edge == 'B' ? 1 : 0);
}

}  // namespace wrk7
