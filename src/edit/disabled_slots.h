#pragma once
#include "core/image.h"

namespace wrk7 {

// A slot that is not enabled holds nothing: its fields go with its flag.
// Writing the memory sends every slot that has a frequency, and the CSV
// export and the clone file carry every slot's fields, so the operations
// that turn flags off or bring in a whole image apply this before anything
// can see the image; showing the image never changes it.

// Wipes slot if its flag is off; true when it held anything.
bool WipeIfDisabled(CloneImage& image, int slot);
// The same for every slot.
void WipeDisabledSlots(CloneImage& image);

}  // namespace wrk7
