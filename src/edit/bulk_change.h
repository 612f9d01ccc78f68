#pragma once
#include <bitset>
#include <string>
#include <vector>

#include "core/image.h"
#include "edit/channel_paste.h"
#include "edit/memory_ops.h"

namespace wrk7 {

// Giving many memory channels the same values at once: the fields chosen
// change on every used slot, the others stay as each slot has them. The
// frequency is never among them: it is what tells one channel from another.
struct ChannelChange {
    SlotFields values;                // what the chosen fields become
    std::bitset<kFieldCount> fields;  // which fields are chosen

    ChannelChange& Set(int field, double value);          // coded fields and the skip mark
    ChannelChange& SetText(int field, std::string text);  // the note and the name
};

struct ChannelChangeResult {
    std::vector<RefusedRow> refused;  // row: its place among the used slots
    int rows = 0;                     // used slots offered
};

// Each used slot among the chosen ones (0-based; empty and invalid ones are passed
// over) takes the change when the channel editor would store the result
// there: a value the editor offers on the model (an option or a code list
// the model lacks is none) and MemoryEntryRefusal's rules, the frequency the
// slot already holds included, so a search-pass entry whose frequency
// another entry holds stays as it is. A slot that cannot take the change
// keeps every value and is listed in refused.
ChannelChangeResult ChangeChannels(CloneImage& image, const std::vector<int>& chosen, const ChannelChange& change);

// Why the editor offers none of the chosen values on the model; "" when it
// offers them all.
std::optional<Message> OfferRefusal(int model, const ChannelChange& change);

// Why the value chosen for field cannot be given to any channel, by the rule
// the channel editor has for that field: a coded value the model offers
// (OfferRefusal), the offset limit, a name or a note that fits
// (FieldRefusal). "" when it can, or when field is not chosen. Change
// Channels checks each entry so before it closes, so that what it accepts
// is refused only by a row of its own (its frequency, a search-pass entry
// another one holds, a name or note it keeps from a file).
std::optional<Message> ChangeFieldRefusal(int model, const ChannelChange& change, int field);

}  // namespace wrk7
