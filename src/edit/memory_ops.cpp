#include "edit/memory_ops.h"

#include <algorithm>

#include "edit/disabled_slots.h"

namespace wrk7 {

namespace {

void Widen(SlotRange& range, int first, int last) {
    if (range.Empty()) {
        range = {first, last};
        return;
    }
    range.first = std::min(range.first, first);
    range.last = std::max(range.last, last);
}

// A disabled slot holds nothing (disabled_slots.h). Slots already blank are
// left out of the range so a view repaints only real changes.
void Refresh(CloneImage& image, SlotRange& changed) {
    for (int s = 0; s < kSlotCount; ++s)
        if (WipeIfDisabled(image, s)) Widen(changed, s, s);
}

bool IsValidRow(int row) { return row >= 1 && row <= kSlotCount; }

void CopySlot(CloneImage& image, int from, int to) {
    image.memory.slot[to] = image.memory.slot[from];
    image.memory.enabled[to] = image.memory.enabled[from];
}

constexpr SlotRange kAllSlots{0, kSlotCount - 1};

}  // namespace

SlotRange ClearAllSlots(CloneImage& image) {
    for (int s = 0; s < kSlotCount; ++s) image.ClearSlot(s);
    image.MarkModified();
    return kAllSlots;
}

SlotRange ClearRow(CloneImage& image, int row) {
    if (!IsValidRow(row)) return {};
    SlotRange changed{row - 1, row - 1};
    image.ClearSlot(row - 1);
    image.MarkModified();
    Refresh(image, changed);
    return changed;
}

SlotRange DeleteRow(CloneImage& image, int row) {
    if (!IsValidRow(row) || row > kEditWindowRows) return {};
    image.MarkModified();
    for (int i = row - 1; i <= kEditWindowRows - 2; ++i) CopySlot(image, i + 1, i);
    image.ClearSlot(kEditWindowRows - 1);
    SlotRange changed{row - 1, kEditWindowRows - 1};
    Refresh(image, changed);
    return changed;
}

SlotRange InsertRow(CloneImage& image, int row) {
    if (!IsValidRow(row)) return {};
    image.MarkModified();
    if (row > kEditWindowRows) return {};
    for (int i = kEditWindowRows - 1; i >= row; --i) CopySlot(image, i - 1, i);
    image.ClearSlot(row - 1);
    SlotRange changed{row - 1, kEditWindowRows - 1};
    Refresh(image, changed);
    return changed;
}

std::optional<int> SlotLostByInsert(const CloneImage& image, int row) {
    constexpr int kLast = kEditWindowRows - 1;
    if (row < 1 || row > kEditWindowRows || image.memory.slot[kLast].IsEmpty()) return std::nullopt;
    return kLast;
}

SlotRange EnableRow(CloneImage& image, int row) {
    if (!IsValidRow(row)) return {};
    const int slot = row - 1;
    image.MarkModified();
    if (image.memory.slot[slot].IsEmpty()) {
        // No refresh here: the slot keeps whatever partial fields it has.
        image.memory.enabled[slot] = false;
        return {slot, slot};
    }
    image.memory.enabled[slot] = true;
    SlotRange changed{slot, slot};
    Refresh(image, changed);
    return changed;
}

SlotRange DisableRow(CloneImage& image, int row) {
    if (!IsValidRow(row)) return {};
    image.memory.enabled[row - 1] = false;
    image.MarkModified();
    SlotRange changed{row - 1, row - 1};
    Refresh(image, changed);
    return changed;
}

SlotRange EnableAllSlots(CloneImage& image) {
    for (int s = 0; s < kSlotCount; ++s) image.memory.enabled[s] = !image.memory.slot[s].IsEmpty();
    image.MarkModified();
    SlotRange changed = kAllSlots;
    Refresh(image, changed);
    return changed;
}

SlotRange DisableAllSlots(CloneImage& image) {
    image.memory.enabled.fill(false);
    image.MarkModified();
    SlotRange changed = kAllSlots;
    Refresh(image, changed);
    return changed;
}

namespace {

// Runs one row's change on every valid row; the refresh follows when any row
// asked for one.
template <typename RowChange>
SlotRange ForRows(CloneImage& image, const std::vector<int>& rows, RowChange change) {
    SlotRange changed;
    bool refresh = false;
    for (int row : rows) {
        if (!IsValidRow(row)) continue;
        refresh = change(row - 1) || refresh;
        Widen(changed, row - 1, row - 1);
    }
    if (changed.Empty()) return changed;
    image.MarkModified();
    if (refresh) Refresh(image, changed);
    return changed;
}

}  // namespace

SlotRange ClearRows(CloneImage& image, const std::vector<int>& rows) {
    return ForRows(image, rows, [&image](int slot) {
        image.ClearSlot(slot);
        return true;
    });
}

SlotRange EnableRows(CloneImage& image, const std::vector<int>& rows) {
    return ForRows(image, rows, [&image](int slot) {
        // An empty slot only loses its flag; it keeps any partial fields.
        image.memory.enabled[slot] = !image.memory.slot[slot].IsEmpty();
        return image.memory.enabled[slot];
    });
}

SlotRange DisableRows(CloneImage& image, const std::vector<int>& rows) {
    return ForRows(image, rows, [&image](int slot) {
        image.memory.enabled[slot] = false;
        return true;
    });
}

}  // namespace wrk7
