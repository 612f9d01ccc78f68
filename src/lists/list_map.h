#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/image.h"
#include "core/message.h"
#include "lists/channel_list.h"
#include "lists/left_out.h"

namespace wrk7 {

// What a row of a channel list becomes on the receiver: the choices a
// listener would make, from one table of modes and one of tones.


struct ListMapping {
    enum class Outcome {
        kNoChannel,  // no frequency at all: nothing to import, nothing to say
        kLeftOut,    // kind and reason say why
        kImported,   // channel holds the fields; notes name what was lost
    };
    Outcome outcome = Outcome::kNoChannel;
    int line = 0;  // the row's line in the file
    // CHIRP's rows: the Location as written and the slot it names (-1 for
    // none); nullopt and -1 for the other lists.
    std::optional<std::string> location;
    int ownSlot = -1;
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
// different stay different. atOwnLocations: a CHIRP list is to be placed at
// its rows' Locations, so a row whose Location names no memory channel is
// left out, and one a later row replaces at its Location takes no name from
// the others.
std::vector<ListMapping> MapChannelList(const ChannelList& list, const CloneImage& image, bool atOwnLocations = false);

// One name of a kind: "digital", "trunked", "sideband", "other modes",
// "unknown mode", "out of range", "unreadable", "no channel at the Location".
Message LeftOutWord(LeftOutKind kind);

}  // namespace wrk7
