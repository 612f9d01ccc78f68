#pragma once
#include <string>
#include <string_view>

#include "core/image.h"

namespace wrk7 {

// The 15-byte VFO band record (bytes 0..14 of the memory record's layout),
// written as 30 hex digits; a read returns 32 bytes of which 15..31 are
// ignored. The reply text is read as DecodeChannel reads it.

// Fills fields 0..8 of band; true when the band holds data. "FFFFFFFF" returns
// false and writes nothing; frequency 0 wipes fields 0..10.
bool DecodeVfoBand(CloneImage& image, std::string_view reply, int band);
std::string EncodeVfoBand(const CloneImage& image, int band);  // 30 hex digits

// The defaults of image.model (its model row): all 14 bands for
// WR-K7J and WR-K70E, bands 0..7 for the others (bands 8..13 are left as
// they are).
void SetVfoDefaults(CloneImage& image);

}  // namespace wrk7
