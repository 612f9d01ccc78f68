#include "edit/memory_ops.h"

namespace wrk7 {

namespace {

bool IsValidRow(int row) { return row >= 1 && row <= kSlotCount; }

void CopySlot(CloneImage& image, int from, int to) {
    image.memory.slot[to] = image.memory.slot[from];
    image.memory.enabled[to] = image.memory.enabled[from];
}

// An empty slot only loses its flag; it keeps any partial fields.
void EnableSlot(CloneImage& image, int slot) { image.memory.enabled[slot] = !image.memory.slot[slot].IsEmpty(); }

}  // namespace

void ClearAllSlots(CloneImage& image) {
    for (int s = 0; s < kSlotCount; ++s) image.ClearSlot(s);
}

void ClearRow(CloneImage& image, int row) {
    if (IsValidRow(row)) image.ClearSlot(row - 1);
}

void DeleteRow(CloneImage& image, int row) {
    if (!IsValidRow(row) || row > kEditWindowRows) return;
    for (int i = row - 1; i <= kEditWindowRows - 2; ++i) CopySlot(image, i + 1, i);
    image.ClearSlot(kEditWindowRows - 1);
}

void InsertRow(CloneImage& image, int row) {
    if (!IsValidRow(row) || row > kEditWindowRows) return;
    for (int i = kEditWindowRows - 1; i >= row; --i) CopySlot(image, i - 1, i);
    image.ClearSlot(row - 1);
}

std::optional<int> SlotLostByInsert(const CloneImage& image, int row) {
    constexpr int kLast = kEditWindowRows - 1;
    if (row < 1 || row > kEditWindowRows || image.memory.slot[kLast].IsEmpty()) return std::nullopt;
    return kLast;
}

void EnableRow(CloneImage& image, int row) {
    if (IsValidRow(row)) EnableSlot(image, row - 1);
}

void DisableRow(CloneImage& image, int row) {
    if (IsValidRow(row)) image.memory.enabled[row - 1] = false;
}

void EnableAllSlots(CloneImage& image) {
    for (int s = 0; s < kSlotCount; ++s) EnableSlot(image, s);
}

void DisableAllSlots(CloneImage& image) { image.memory.enabled.fill(false); }

void ClearRows(CloneImage& image, const std::vector<int>& rows) {
    for (int row : rows) ClearRow(image, row);
}

void EnableRows(CloneImage& image, const std::vector<int>& rows) {
    for (int row : rows) EnableRow(image, row);
}

void DisableRows(CloneImage& image, const std::vector<int>& rows) {
    for (int row : rows) DisableRow(image, row);
}

}  // namespace wrk7
