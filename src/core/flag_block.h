#pragma once
#include "core/image.h"

namespace wrk7 {

// The enable map in transfer form: one bit per slot, slot 0 the most
// significant bit of the first byte; 325 hex digits cut into five chunks of 64
// and a last chunk of 5.
[[nodiscard]] std::array<std::string, 6> EncodeFlagBlock(const CloneImage& image);  // memory.enabled -> blocks
void DecodeFlagBlock(CloneImage& image);  // flags.blocks -> memory.enabled; bad digits read as 0

}  // namespace wrk7
