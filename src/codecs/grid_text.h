#pragma once
#include <array>
#include <string>

#include "core/image.h"

namespace wrk7 {

// What the memory and VFO grids show in columns 1..11 (fields 0..10), after the
// per-model display rules. The rules change only the display; the stores keep
// their values.
using GridRow = std::array<std::string, 11>;

// What the memory grid shows for each slot.
GridRow MemoryGridRow(const CloneImage& image, int slot);

// VFO grid rows 1..14; under WR-K70T and WR-K70K bands 8..13 show "-" in
// every column.
GridRow VfoGridRow(const CloneImage& image, int band);

inline constexpr std::array<std::string_view, 11> GridColumnHeading{
    "Frequency", "Mode", "Step", "Option", "Skip", "Carrier",
    "Tone", "Shift", "ShiftFreq.", "Note", "Name"};

// The columns of a GridRow the VFO grid shows: a band has no skip mark and no
// name, so their columns stay hidden there.
inline constexpr std::array<int, 9> kVfoGridColumns{kFreq, kMode, kStep, kOption, kCarrier,
                                                    kTone, kShift, kOffset, kNote};

}  // namespace wrk7
