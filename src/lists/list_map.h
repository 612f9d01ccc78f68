#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/image.h"
#include "core/message.h"
#include "lists/channel_list.h"

namespace wrk7 {

// What a row of a channel list becomes on the receiver: the choices a
// listener would make, from one table of modes and one of tones.

// Why a row is left out, for the summary ("31 are left out: digital").
enum class LeftOutKind {
    kDigital,      // P25, DMR, NXDN, D-Star, YSF, ... with no analog part
    kTrunked,      // a trunked system's channel (TRS, trunked P25)
    kSideband,     // USB, LSB, CW, DSB
    kOtherMode,    // RAW, Raw I/Q, Demod Off, ATV: known, but no mode of the receiver
    kUnknownMode,  // a mode no list is known to write
    kFrequency,    // outside the model's ranges, or no number
    kUnreadable,   // the row could not be read (shifted columns)
};
inline constexpr std::size_t kLeftOutKinds = 7;

struct ListMapping {
    enum class Outcome {
        kNoChannel,  // no frequency at all: nothing to import, nothing to say
        kLeftOut,    // kind and reason say why
        kImported,   // channel holds the fields; notes name what was lost
    };
    Outcome outcome = Outcome::kNoChannel;
    int line = 0;  // the row's line in the file
    LeftOutKind kind = LeftOutKind::kUnreadable;
    std::optional<Message> reason;  // kLeftOut: why
    SlotFields channel;             // kImported: a memory channel
    // kImported: each thing taken other than written (a tone not in the
    // receiver's list, a DCS code or NAC as carrier squelch, a name or note
    // shortened), as report lines.
    std::vector<Message> notes;
};

// Every row of list for image's model, in order. The names of the rows that
// become channels are fitted together (FitListNames), so names that were
// different stay different.
std::vector<ListMapping> MapChannelList(const ChannelList& list, const CloneImage& image);

// One name of a kind: "digital", "trunked", "sideband", "other modes",
// "unknown mode", "out of range", "unreadable".
Message LeftOutWord(LeftOutKind kind);

}  // namespace wrk7
