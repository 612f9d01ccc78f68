#pragma once
#include "core/image.h"
#include "core/memory_map.h"

namespace wrk7 {

// Notes live on the computer only: the receiver neither keeps nor sends
// one. A read therefore starts from a copy of the image without any, so what
// it brings (and a backup saved from it) holds none.
void DropNotes(CloneImage& image);

// A read runs on a copy of the image (worked); when it ends, only the stores
// of the areas it covered are taken back into the image being edited: the
// blocks and what was decoded from them. A write takes nothing back: it
// sends what the encoders make of a const image.
// The slots and VFO bands a read takes keep the image's note only where
// their frequency after the read is the one before (what the receiver sent
// in worked has none). The read leaves worked with its disabled slots wiped
// (RunRead), so the flags and the records it brings hold nothing disabled.
void TakeReadAreas(CloneImage& image, const CloneImage& worked, TransferPart part);

}  // namespace wrk7
