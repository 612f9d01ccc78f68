#include "edit/new_image.h"

#include "codecs/settings_codec.h"
#include "codecs/vfo_codec.h"
#include "edit/bank.h"

namespace wrk7 {

void NewCloneImage(CloneImage& image) {
    image.SettingsBlock0 = DefaultSettingsBlock0(image.RegionIndex);
    image.SettingsBlock1 = DefaultSettingsBlock1(image.RegionIndex);
    DecodeSettings(image);
    SetVfoDefaults(image);
    for (int s = 0; s < kSlotCount; ++s) image.ClearSlot(s);
    for (int b = 0; b < kBanks; ++b) image.BankCount[b] = b < 10 ? 100 : 0;
    UpdateBankTotal(image);
    for (auto& group : image.GroupMember) group.fill(false);
    image.Modified = false;
}

}  // namespace wrk7
