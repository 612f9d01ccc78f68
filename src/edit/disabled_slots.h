#pragma once
#include "core/image.h"

namespace wrk7 {

// A slot that is not enabled holds nothing: its fields go with its flag.
// Writing the memory sends every slot that has a frequency, and the CSV
// export and the clone file carry every slot's fields, so it runs once
// wherever an image comes in: a clone file, a CSV file and the receiver's
// memory as they are read, the document after each edit of its own. Showing
// the image never changes it.
void WipeDisabledSlots(CloneImage& image);

}  // namespace wrk7
