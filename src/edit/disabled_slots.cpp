#include "edit/disabled_slots.h"

namespace wrk7 {

void WipeDisabledSlots(CloneImage& image) {
    for (int slot = 0; slot < kSlotCount; ++slot)
        if (!image.memory.enabled[slot]) image.ClearSlot(slot);
}

}  // namespace wrk7
