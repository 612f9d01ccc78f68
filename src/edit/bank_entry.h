#pragma once
#include <array>
#include <string>
#include <string_view>

#include "edit/bank.h"

namespace wrk7 {

// The bank page's boxes, as the image takes them.

// Whether bank is linked after a click left its Link box ticked or not: a
// bank whose count box reads no channels has nothing to link.
bool LinkAfterClick(std::string_view countBoxText, bool ticked);

// Leaving bank's count box: ApplyCountEntry, and a bank left without
// channels loses its link too.
CountEntryResult LeaveCountBox(CloneImage& image, int bank, const std::array<std::string, kBanks>& boxTexts);

}  // namespace wrk7
