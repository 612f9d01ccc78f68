#pragma once
#include "core/image.h"

namespace wrk7 {

// A slot that is not enabled holds nothing: its fields go with its flag.
// Writing the memory sends every slot that has a frequency, and the CSV
// export and the clone file carry every slot's fields, so the document
// applies this after every change it takes (an edit, a replacement, a read);
// a clone file and the receiver's memory get it as they are read. Showing
// the image never changes it.
void WipeDisabledSlots(CloneImage& image);

}  // namespace wrk7
