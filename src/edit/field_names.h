#pragma once
#include <array>
#include <string_view>

#include "core/image.h"

namespace wrk7 {

// A slot field as a line names it (a difference, a refused paste): the grid's
// heading, but the secret code under its own name (the grid heads it "Skip")
// and the skip flag as "Skip".
inline constexpr std::array<std::string_view, kFieldCount> kSlotFieldNames{
    "Frequency", "Mode", "Step", "Option", "Secret", "Carrier", "Tone", "Shift", "ShiftFreq.", "Note", "Name", "Skip"};

}  // namespace wrk7
