#pragma once
#include <array>
#include <string>

#include "core/image.h"
#include "core/set_mode_catalogue.h"

namespace wrk7 {

// The two set-mode blocks: block 0 at receiver address 00000 (64 hex digits)
// and block 1 at 00020 (46 hex digits as written).

std::string DefaultSettingsBlock0(int model);
std::string DefaultSettingsBlock1(int model);

// image.settings.block0/1 -> image.settings.values. Bytes out of range are repaired
// in the settings value and written back into the blocks; the pages never see
// an invalid value.
void DecodeSettings(CloneImage& image);

// image.settings.values -> settings blocks 0 and 1 (64 and 46 digits), as
// every write sends them and every save stores them.
[[nodiscard]] std::array<std::string, 2> EncodeSettings(const CloneImage& image);

// Whether a byte of either block carries the setting; the others (Lo Volume,
// TX Extension, Tone Burst ...) live only while the program runs.
bool SettingsBlocksCarry(const SetModeSetting& setting);

}  // namespace wrk7
