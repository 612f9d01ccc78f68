#include "codecs/new_image.h"

#include "codecs/settings_codec.h"
#include "codecs/vfo_codec.h"

namespace wrk7 {

void NewCloneImage(CloneImage& image) {
    image.SettingsBlock0 = DefaultSettingsBlock0(image.RegionIndex);
    image.SettingsBlock1 = DefaultSettingsBlock1(image.RegionIndex);
    DecodeSettings(image);
    SetVfoDefaults(image);
    for (int s = 0; s < kSlotCount; ++s) image.ClearSlot(s);
    image.ResetBankTable();
    for (auto& group : image.GroupMember) group.fill(false);
    image.Modified = false;
}

}  // namespace wrk7
