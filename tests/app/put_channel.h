#pragma once
#include "core/image.h"

namespace wrk7 {

// A used, enabled FM channel at mhz in slot, as the app tests plant them.
inline void PutChannel(CloneImage& image, int slot, double mhz, const char* name = "") {
    image.memory.slot[slot].Set(kFreq, mhz);
    image.memory.slot[slot].Set(kMode, 1);
    image.memory.slot[slot].Set(kStep, 0);
    image.memory.slot[slot].SetText(kName, name);
    image.memory.enabled[slot] = true;
}

}  // namespace wrk7
