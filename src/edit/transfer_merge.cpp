#include "edit/transfer_merge.h"


namespace wrk7 {

namespace {

// The slots or bands as a read brought them, but with the computer's own
// notes (the receiver has none): a note stays where the read left the
// frequency as it was and goes where the read changed it, since it spoke of
// another channel.
template <std::size_t N>
void TakeKeepingNotes(std::array<SlotFields, N>& to, const std::array<SlotFields, N>& from) {
    for (std::size_t i = 0; i < N; ++i) {
        std::string note = to[i].Text(kFreq) == from[i].Text(kFreq) ? to[i].Text(kNote) : std::string();
        to[i] = from[i];
        to[i].SetText(kNote, std::move(note));
    }
}

// The stores one area fills: its blocks always, the decoded values on a read.
void TakeArea(Area area, bool read, const CloneImage& from, CloneImage& to) {
    switch (area) {
        case Area::kSettings0:
            to.settings.block0 = from.settings.block0;
            break;
        case Area::kSettings1:
            to.settings.block1 = from.settings.block1;
            // Decoded from both blocks, which every transfer covers together.
            if (read) to.settings.values = from.settings.values;
            break;
        case Area::kScanGroups:
            to.groups.block = from.groups.block;
            if (read) to.groups.members = from.groups.members;
            break;
        case Area::kBankTable:
            to.banks.counts = from.banks.counts;
            to.banks.blocks = from.banks.blocks;
            break;
        case Area::kChannelFlags:
            to.flags.blocks = from.flags.blocks;
            to.memory.enabled = from.memory.enabled;
            break;
        case Area::kVfoRecords:
            if (read) TakeKeepingNotes(to.vfo.bands, from.vfo.bands);
            break;
        case Area::kChannelRecords:
            if (!read) break;
            TakeKeepingNotes(to.memory.slot, from.memory.slot);
            to.memory.enabled = from.memory.enabled;
            break;
        case Area::kZeroFill:
            break;
    }
}

}  // namespace

void DropNotes(CloneImage& image) {
    for (SlotFields& slot : image.memory.slot) slot.SetText(kNote, {});
    for (SlotFields& band : image.vfo.bands) band.SetText(kNote, {});
}

void TakeReadAreas(CloneImage& image, const CloneImage& worked, TransferPart part) {
    for (const MemoryArea& area : kMemoryMap)
        if (area.readBy.Covers(part)) TakeArea(area.area, true, worked, image);
}

}  // namespace wrk7
