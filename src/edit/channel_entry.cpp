#include "edit/channel_entry.h"

namespace wrk7 {

bool EntryEnabled(bool enableBoxTicked, const SlotFields& fields) { return enableBoxTicked || !fields.IsEmpty(); }

void StoreChannelEntry(CloneImage& image, const ChannelEntry& entry) {
    const int index = entry.row - 1;
    if (entry.target == ChannelEntry::Target::kMemory) {
        if (index < 0 || index >= kSlotCount) return;
        image.memory.slot[index] = entry.fields;
        image.memory.enabled[index] = entry.enabled;
    } else {
        if (index < 0 || index >= kBandCount) return;
        image.vfo.bands[index] = entry.fields;
    }
}

}  // namespace wrk7
