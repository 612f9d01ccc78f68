#pragma once
#include "core/image.h"
#include "core/memory_map.h"

namespace wrk7 {

// A transfer runs on a copy of the image (worked); when it ends, only the
// stores of the areas it covered are taken back into the image being edited:
// after a read, the blocks and what was decoded from them; after a write, the
// blocks as the encoders rebuilt them (the values being edited stay).
// Modified is set when worked has it. When the slots' flags came back, the
// disabled slots are wiped (WipeDisabledSlots), even after a read that
// stopped before its own end did so.
void TakeTransferredAreas(CloneImage& image, const CloneImage& worked, TransferPart part, TransferDirection direction);

}  // namespace wrk7
