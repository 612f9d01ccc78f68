#include <gtest/gtest.h>

#include <functional>

#include "edit/channel_paste.h"
#include "edit/disabled_slots.h"
#include "edit/memory_ops.h"
#include "edit/transfer_merge.h"

namespace wrk7 {
namespace {

// Slot 5 holds a channel and its note; slot 6 is enabled and holds one too.
CloneImage TwoChannels() {
    CloneImage image;
    for (int slot : {5, 6}) {
        image.memory.slot[slot].Set(kFreq, 145.0 + slot);
        image.memory.slot[slot].SetText(kNote, "note");
        image.memory.enabled[slot] = true;
    }
    return image;
}

TEST(DisabledSlots, WipeTakesEverythingOfADisabledSlotOnly) {
    CloneImage image = TwoChannels();
    image.memory.enabled[5] = false;
    EXPECT_TRUE(WipeIfDisabled(image, 5));
    EXPECT_FALSE(WipeIfDisabled(image, 5)) << "nothing left to wipe";
    EXPECT_FALSE(WipeIfDisabled(image, 6));
    EXPECT_FALSE(WipeIfDisabled(image, kSlotCount));
    EXPECT_EQ(image.memory.slot[5], SlotFields{});
    EXPECT_EQ(image.memory.slot[6], TwoChannels().memory.slot[6]);
}

// Every operation that turns slot 5's flag off leaves nothing in it, and
// slot 6 as it was.
TEST(DisabledSlots, OperationsThatDisableLeaveNothingBehind) {
    struct Case {
        const char* what;
        std::function<void(CloneImage&)> run;
    };
    const Case cases[] = {
        {"disable a row", [](CloneImage& image) { DisableRow(image, 6); }},
        {"disable rows", [](CloneImage& image) { DisableRows(image, {6}); }},
        {"paste a disabled row",
         [](CloneImage& image) {
             PasteRecord disabled;
             disabled.fields = image.memory.slot[5];
             disabled.enabled = false;
             ApplyMemoryPaste(image, PlanMemoryPaste(image, 5, {disabled}));
         }},
        {"a read that stopped after the flags",
         [](CloneImage& image) {
             CloneImage worked = image;
             worked.memory.enabled[5] = false;  // the flags arrived, the records did not
             TakeTransferredAreas(image, worked, TransferPart::kMemory, TransferDirection::kRead);
         }},
        {"wipe all", [](CloneImage& image) {
             image.memory.enabled[5] = false;
             WipeDisabledSlots(image);
         }},
    };
    for (const Case& c : cases) {
        CloneImage image = TwoChannels();
        c.run(image);
        EXPECT_FALSE(image.memory.enabled[5]) << c.what;
        EXPECT_EQ(image.memory.slot[5], SlotFields{}) << c.what;
        EXPECT_EQ(image.memory.slot[6], TwoChannels().memory.slot[6]) << c.what;
    }
}

}  // namespace
}  // namespace wrk7
