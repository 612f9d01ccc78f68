#pragma once
#include "core/image.h"
#include "emulator/receiver.h"

namespace wrk7::emu {

// The receiver's memory holding image: settings blocks, VFO bands, enable
// map, bank table, scan groups and all 1300 channel records, each through
// the same encoders a write uses. Notes are not part of the receiver.
void StoreImage(Memory& memory, const CloneImage& image);
// What a full read of memory gives, for saving it as a clone file; notes
// are taken from notesFrom (the image it was seeded with).
CloneImage ImageFromMemory(const Memory& memory, int model, const CloneImage* notesFrom = nullptr);

// A realistic image to start with: channels with names and notes over
// several banks of a non-default layout, program-scan edges, search-pass and
// priority entries, VFO bands, non-default set-mode options and scan groups.
CloneImage DemoImage(int model);

}  // namespace wrk7::emu
