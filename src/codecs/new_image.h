#pragma once
#include "core/image.h"

namespace wrk7 {

// The data part of the New command, for image.model: the model's default
// settings blocks (decoded into the settings value), its VFO defaults, all
// 1300 slots empty and disabled, banks 0..9 of 100 and the rest empty, no
// scan groups, Modified cleared. The save question comes first and is the
// caller's. Under WR-K70T and WR-K70K bands 8..13 keep what they held, as the
// VFO defaults leave them.
void NewCloneImage(CloneImage& image);

}  // namespace wrk7
