#pragma once
#include <optional>
#include <vector>

#include "core/image.h"

namespace wrk7 {

// The memory list's operations. Confirmations are the caller's; none of these
// touch the bank table. A slot they turn off keeps its fields here: the
// document empties every disabled slot after each change (disabled_slots.h).
struct SlotRange {
    int first = 0;  // first slot, inclusive
    int last = -1;  // last slot, inclusive; last < first: nothing changed
    bool Empty() const { return last < first; }
    bool operator==(const SlotRange&) const = default;
};

// Insert and Delete move channels only within the first 200 slots.
inline constexpr int kEditWindowRows = 200;

// "row" is the 1-based grid row (slot row - 1).
void ClearAllSlots(CloneImage& image);
void ClearRow(CloneImage& image, int row);
void DeleteRow(CloneImage& image, int row);  // row > 200: nothing
void InsertRow(CloneImage& image, int row);  // row > 200: nothing
// The used channel that Insert on row pushes out of the first 200 slots,
// where it is lost (slot 199, also when Insert on row 200 only clears it);
// nothing when that slot is empty or the row lies outside the window.
std::optional<int> SlotLostByInsert(const CloneImage& image, int row);
void EnableRow(CloneImage& image, int row);   // empty slot: flag off
void DisableRow(CloneImage& image, int row);
void EnableAllSlots(CloneImage& image);       // every slot that has a frequency
void DisableAllSlots(CloneImage& image);

// Clear, Enable and Disable on several rows at once (a selection in the
// grid): each row as the one-row operation treats it. Rows outside 1..1300
// are passed over.
void ClearRows(CloneImage& image, const std::vector<int>& rows);
void EnableRows(CloneImage& image, const std::vector<int>& rows);
void DisableRows(CloneImage& image, const std::vector<int>& rows);

}  // namespace wrk7
