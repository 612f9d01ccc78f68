#include "edit/transfer_merge.h"

#include "edit/disabled_slots.h"

namespace wrk7 {

namespace {

// The stores one area fills: its blocks always, the decoded values on a read.
// True when the slots' flags came with them.
bool TakeArea(Area area, bool read, const CloneImage& from, CloneImage& to) {
    switch (area) {
        case Area::kSettings0:
            to.SettingsBlock0 = from.SettingsBlock0;
            break;
        case Area::kSettings1:
            to.SettingsBlock1 = from.SettingsBlock1;
            // Decoded from both blocks, which every transfer covers together.
            if (read) to.Settings = from.Settings;
            break;
        case Area::kScanGroups:
            to.GroupBlock = from.GroupBlock;
            if (read) to.GroupMember = from.GroupMember;
            break;
        case Area::kBankTable:
            to.BankCount = from.BankCount;
            to.BankBlock = from.BankBlock;
            break;
        case Area::kChannelFlags:
            to.FlagBlock = from.FlagBlock;
            to.ChannelEnable = from.ChannelEnable;
            return true;
        case Area::kVfoRecords:
            if (read) to.Vfo = from.Vfo;
            break;
        case Area::kChannelRecords:
            if (!read) break;
            to.Mem = from.Mem;
            to.ChannelEnable = from.ChannelEnable;
            return true;
        case Area::kZeroFill:
            break;
    }
    return false;
}

}  // namespace

void TakeTransferredAreas(CloneImage& image, const CloneImage& worked, TransferPart part, TransferDirection direction) {
    const bool write = direction == TransferDirection::kWrite;
    bool flagsTaken = false;
    for (const MemoryArea& area : kMemoryMap) {
        const PartSet& covered = write ? area.writtenBy : area.readBy;
        if (covered.Covers(part)) flagsTaken = TakeArea(area.area, !write, worked, image) || flagsTaken;
    }
    if (flagsTaken) WipeDisabledSlots(image);
    if (worked.Modified) image.Modified = true;
}

}  // namespace wrk7
