#pragma once
#include <cstddef>

namespace wrk7 {

// Why a row of a channel list is left out, for the summary ("31 are left
// out: digital"). Both mappings (the lists without slots and CHIRP's) say it.
enum class LeftOutKind {
    kDigital,      // P25, DMR, NXDN, D-Star, YSF, ... with no analog part
    kTrunked,      // a trunked system's channel (TRS, trunked P25)
    kSideband,     // USB, LSB, CW, DSB
    kOtherMode,    // RAW, Raw I/Q, Demod Off, ATV: known, but no mode of the receiver
    kUnknownMode,  // a mode no list is known to write
    kFrequency,    // outside the model's ranges, or no number
    kUnreadable,   // the row could not be read (shifted columns)
    kLocation,     // placed at its own Location, which names no memory channel
};
inline constexpr std::size_t kLeftOutKinds = 8;

}  // namespace wrk7
