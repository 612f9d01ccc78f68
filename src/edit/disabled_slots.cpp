#include "edit/disabled_slots.h"

namespace wrk7 {

bool WipeIfDisabled(CloneImage& image, int slot) {
    if (!IsValidSlot(slot) || image.memory.enabled[slot] || image.memory.slot[slot] == SlotFields{}) return false;
    image.ClearSlot(slot);
    return true;
}

void WipeDisabledSlots(CloneImage& image) {
    for (int slot = 0; slot < kSlotCount; ++slot) WipeIfDisabled(image, slot);
}

}  // namespace wrk7
