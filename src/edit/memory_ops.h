#pragma once
#include <optional>
#include <vector>

#include "core/image.h"

namespace wrk7 {

// The memory list's operations. Each works on the image, wipes the disabled
// slots (WipeDisabledSlots, disabled_slots.h) and reports the slots whose
// contents may have changed, so a view repaints only those. Confirmations are
// the caller's; none of these touch the bank table.
struct SlotRange {
    int first = 0;  // first slot, inclusive
    int last = -1;  // last slot, inclusive; last < first: nothing changed
    bool Empty() const { return last < first; }
    bool operator==(const SlotRange&) const = default;
};

// Insert and Delete move channels only within the first 200 slots.
inline constexpr int kEditWindowRows = 200;

// "row" is the 1-based grid row (slot row - 1).
SlotRange ClearAllSlots(CloneImage& image);
SlotRange ClearRow(CloneImage& image, int row);
SlotRange DeleteRow(CloneImage& image, int row);   // row > 200: nothing, not marked
SlotRange InsertRow(CloneImage& image, int row);   // row > 200: nothing moves, still marked
// The used channel that Insert on row pushes out of the first 200 slots,
// where it is lost (slot 199, also when Insert on row 200 only clears it);
// nothing when that slot is empty or the row lies outside the window.
std::optional<int> SlotLostByInsert(const CloneImage& image, int row);
SlotRange EnableRow(CloneImage& image, int row);   // empty slot: flag off, no refresh
SlotRange DisableRow(CloneImage& image, int row);  // wipes the slot
SlotRange EnableAllSlots(CloneImage& image);       // every slot that has a frequency
SlotRange DisableAllSlots(CloneImage& image);      // wipes every slot

// Clear, Enable and Disable on several rows at once (a selection in the
// grid): each row as the one-row operation treats it, the image refreshed
// once. Rows outside 1..1300 are passed over; no valid row changes nothing.
SlotRange ClearRows(CloneImage& image, const std::vector<int>& rows);
SlotRange EnableRows(CloneImage& image, const std::vector<int>& rows);
SlotRange DisableRows(CloneImage& image, const std::vector<int>& rows);

}  // namespace wrk7
