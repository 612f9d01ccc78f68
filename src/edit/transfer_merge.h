#pragma once
#include "core/image.h"
#include "core/memory_map.h"

namespace wrk7 {

// Notes live on the computer only: the receiver neither keeps nor sends
// one. A read therefore starts from a copy of the image without any, so what
// it brings (and a backup saved from it) holds none.
void DropNotes(CloneImage& image);

// A transfer runs on a copy of the image (worked); when it ends, only the
// stores of the areas it covered are taken back into the image being edited:
// after a read, the blocks and what was decoded from them; after a write, the
// blocks as the encoders rebuilt them (the values being edited stay).
// The slots and VFO bands a read takes keep the image's note only where
// their frequency after the read is the one before (what the receiver sent
// in worked has none). When the slots'
// flags came back, the disabled slots are wiped (WipeDisabledSlots), even
// after a read that stopped before its own end did so.
void TakeTransferredAreas(CloneImage& image, const CloneImage& worked, TransferPart part, TransferDirection direction);

}  // namespace wrk7
