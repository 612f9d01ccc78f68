#pragma once
#include "core/image.h"

namespace wrk7 {

// What the channel editor hands back on OK: the row it edited and the
// fields it holds now. Storing it is one step of the document's history.
struct ChannelEntry {
    enum class Target { kVfo = 0, kMemory = 1 };
    Target target = Target::kMemory;
    int row = 0;  // 1..1300 for memory, 1..14 for a VFO band
    SlotFields fields;
    bool enabled = false;  // memory only: the slot's enable flag

    bool operator==(const ChannelEntry&) const = default;
};

// The enable flag a memory row takes from the editor: the Enable box is
// never shown, so nobody can mean to store a channel disabled, and a
// disabled slot would hold nothing.
bool EntryEnabled(bool enableBoxTicked, const SlotFields& fields);

// Puts the entry in its slot (with its enable flag) or its band; a row out
// of range changes nothing.
void StoreChannelEntry(CloneImage& image, const ChannelEntry& entry);

}  // namespace wrk7
