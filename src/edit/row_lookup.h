#pragma once
#include <optional>
#include <string_view>

#include "core/image.h"

namespace wrk7 {

// Go to: the slot a user means by a row label as the memory grid shows it
// ("07-012", "0A", "S5", "Pr10", any case), by a bank and slot written
// loosely ("7-12"), or by a slot number ("1105"). nullopt when the text names
// no row of the current bank layout.
std::optional<int> SlotForRowText(const CloneImage& image, std::string_view text);

// The same, for a place to put channels: a memory channel (0..999) only, so
// "0A" or "1105" name none.
std::optional<int> MemoryChannelForRowText(const CloneImage& image, std::string_view text);

}  // namespace wrk7
