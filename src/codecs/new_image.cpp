#include "codecs/new_image.h"

#include "codecs/settings_codec.h"
#include "codecs/vfo_codec.h"

namespace wrk7 {

void NewCloneImage(CloneImage& image) {
    image.settings.block0 = DefaultSettingsBlock0(image.model);
    image.settings.block1 = DefaultSettingsBlock1(image.model);
    DecodeSettings(image);
    SetVfoDefaults(image);
    for (int s = 0; s < kSlotCount; ++s) image.ClearSlot(s);
    image.ResetBankTable();
    for (auto& group : image.groups.members) group.fill(false);
}

}  // namespace wrk7
