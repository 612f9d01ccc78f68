#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/image.h"
#include "core/message.h"
#include "files/channel_list.h"

namespace wrk7 {

// What a row of a channel list becomes on the receiver: the choices a
// listener would make, from one table of modes and one of tones.

// Why a row is left out, for the summary ("31 are left out: digital").
enum class LeftOutKind {
    kDigital,     // P25, DMR, NXDN, TRS, D-Star, Digital, ...
    kSideband,    // USB, LSB, CW, DSB, RAW, Demod Off: no mode of the receiver
    kFrequency,   // outside the model's ranges, or no number
    kUnreadable,  // the row could not be read (shifted columns)
};

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

// Every row of list for image's model, in order. Names are fitted to the
// display so that names that were different stay different ("KDR444 1" ...
// "KDR444 8" become "KDR441" ... "KDR448").
std::vector<ListMapping> MapChannelList(const ChannelList& list, const CloneImage& image);

// One name of a kind: "digital", "sideband", "frequency", "unreadable".
Message LeftOutWord(LeftOutKind kind);

// The names of a list fitted to kNameLength characters, upper-cased, so that
// two written names that differ give two stored names that differ; written
// names that are the same stay the same.
std::vector<std::string> FitDistinctNames(const std::vector<std::string>& written);

}  // namespace wrk7
