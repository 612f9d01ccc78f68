// The row operations of the memory page, what every operation that disables
// a slot leaves in it, and the edit of a change that Undo and Redo replay.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "edit/bank.h"
#include "edit/channel_paste.h"
#include "edit/disabled_slots.h"
#include "edit/image_edit.h"
#include "edit/memory_ops.h"
#include "edit/transfer_merge.h"

namespace wrk7 {
namespace {

// Every slot holds a distinct enabled channel, frequency 100 + slot.
CloneImage FilledImage() {
    CloneImage image;
    for (int s = 0; s < kSlotCount; ++s) image.memory.slot[s].Set(kFreq, 100 + s);
    image.memory.enabled.fill(true);
    return image;
}

bool IsBlank(const CloneImage& image, int slot) {
    return image.memory.slot[slot] == SlotFields{} && !image.memory.enabled[slot];
}

using RowOp = SlotRange (*)(CloneImage&, int);
using RowsOp = SlotRange (*)(CloneImage&, const std::vector<int>&);

TEST(MemoryOps, DeleteAndInsertMoveOnlyWithinEditWindow) {
    const CloneImage before = FilledImage();
    // Slots first..last take the slot `by` further on; the blank one is what opens up.
    const struct { RowOp op; int row; SlotRange changed; int blank, first, last, by; } cases[] = {
        {DeleteRow, 1, {0, 199}, 199, 0, 198, 1}, {InsertRow, 1, {0, 199}, 0, 1, 199, -1},
        {InsertRow, 200, {199, 199}, 199, 0, 198, 0}};
    for (const auto& c : cases) {
        CloneImage image = before;
        EXPECT_EQ(c.op(image, c.row), c.changed) << c.row;
        EXPECT_TRUE(image.modified && IsBlank(image, c.blank)) << c.row;
        for (int s = c.first; s <= c.last; ++s) ASSERT_EQ(image.memory.slot[s], before.memory.slot[s + c.by]) << s;
        for (int s = 200; s < kSlotCount; ++s) ASSERT_EQ(image.memory.slot[s], before.memory.slot[s]) << s;
    }
    CloneImage image = before;
    EXPECT_TRUE(DeleteRow(image, 201).Empty());
    EXPECT_EQ(image, before);  // not even marked
    EXPECT_TRUE(InsertRow(image, 250).Empty());
    EXPECT_TRUE(image.modified);
    image.modified = false;
    EXPECT_EQ(image, before);

    // What Insert loses is what the table above shows InsertRow dropping from slot 199.
    CloneImage last199Empty = before;
    last199Empty.ClearSlot(199);
    const struct { const CloneImage* image; int row; std::optional<int> lost; } lost[] = {
        {&before, 1, 199}, {&before, 200, 199}, {&before, 201, std::nullopt}, {&before, 0, std::nullopt},
        {&last199Empty, 1, std::nullopt}, {&last199Empty, 200, std::nullopt}};
    for (const auto& c : lost) EXPECT_EQ(SlotLostByInsert(*c.image, c.row), c.lost) << c.row;
}

// No valid row, alone or among several: nothing changes, nothing is marked.
TEST(MemoryOps, InvalidRowsChangeNothing) {
    const CloneImage before = FilledImage();
    for (int row : {0, -1, -100000, 1301, 99999}) {
        CloneImage image = before;
        for (RowOp one : {ClearRow, DeleteRow, InsertRow, EnableRow, DisableRow}) EXPECT_TRUE(one(image, row).Empty());
        for (RowsOp several : {ClearRows, EnableRows, DisableRows})
            EXPECT_TRUE(several(image, {row, 1301}).Empty() && several(image, {}).Empty());
        EXPECT_EQ(image, before) << row;
    }
}

TEST(MemoryOps, EnableDisableAndRefreshWipe) {
    CloneImage image = FilledImage();
    image.memory.enabled[700] = false;  // stale: refresh has not run yet
    EXPECT_EQ(ClearRow(image, 5), (SlotRange{4, 700}));
    EXPECT_TRUE(IsBlank(image, 4) && IsBlank(image, 700));

    EXPECT_EQ(DisableRow(image, 1300), (SlotRange{1299, 1299}));
    EnableRow(image, 1300);  // the data is gone for good
    EXPECT_TRUE(IsBlank(image, 1299));

    // An empty slot is not enabled and nothing is refreshed.
    image.memory.enabled[800] = false;
    image.memory.slot[4].SetText(kNote, "kept");
    image.memory.enabled[4] = true;
    EnableRow(image, 5);
    EXPECT_FALSE(image.memory.enabled[4]);
    EXPECT_TRUE(image.memory.slot[4].Text(kNote) == "kept" && image.memory.slot[800].Value(kFreq) == 900);
}

TEST(MemoryOps, WholeListOperationsCoverAllSections) {
    CloneImage image;
    for (int s : {0, 999, 1000, 1150, 1299}) image.memory.slot[s].Set(kFreq, 145);
    image.banks.counts[20] = 100;
    const auto banks = image.banks.counts;
    EXPECT_EQ(EnableAllSlots(image), (SlotRange{0, 1299}));
    for (int s = 0; s < kSlotCount; ++s)
        ASSERT_EQ(image.memory.enabled[s], s == 0 || s == 999 || s == 1000 || s == 1150 || s == 1299) << s;

    CloneImage copy = image;
    DisableAllSlots(copy);
    EXPECT_EQ(copy.memory.slot, CloneImage{}.memory.slot);
    image.modified = false;
    ClearAllSlots(image);
    EXPECT_TRUE(image.modified);
    EXPECT_EQ(image.memory.slot, CloneImage{}.memory.slot);
    EXPECT_EQ(image.memory.enabled, CloneImage{}.memory.enabled);
    EXPECT_EQ(image.banks.counts, banks);
}

TEST(MemoryOps, SeveralRowsActAsEachRowAlone) {
    const CloneImage before = FilledImage();
    const std::vector<int> rows{2, 5, 1300};
    const std::pair<RowsOp, RowOp> ops[] = {{ClearRows, ClearRow}, {EnableRows, EnableRow}, {DisableRows, DisableRow}};
    for (const auto& [several, one] : ops) {
        CloneImage together = before;
        CloneImage alone = before;
        together.memory.enabled[700] = alone.memory.enabled[700] = false;  // stale: the refresh wipes it
        EXPECT_EQ(several(together, {1301, 0, 2, 5, 1300}), (SlotRange{1, 1299}));
        for (int row : rows) one(alone, row);
        EXPECT_EQ(together, alone);
        EXPECT_TRUE(together.modified);
    }
}

// Channels in every area, a bank table that is not the default, a link, a
// group, settings and transfer blocks.
CloneImage WorkedImage() {
    CloneImage image;
    for (int s : {0, 1, 2, 150, 999, 1000, 1150, 1299}) {
        image.memory.slot[s].Set(kFreq, 145 + s * 0.0125);
        image.memory.slot[s].Set(kTone, s % 39);
        image.memory.slot[s].SetText(kNote, "note " + std::to_string(s));
        image.memory.enabled[s] = true;
    }
    image.vfo.bands[3].Set(kFreq, 51);
    image.banks.counts[0] = image.banks.counts[10] = 50;
    image.banks.links[0] = true;
    image.groups.members[2][5] = true;
    image.settings.values.Slider1 = 12;
    image.settings.block0 = std::string(64, 'A');
    image.flags.blocks[0] = std::string(64, 'F');
    image.modified = false;
    return image;
}

// Every operation that turns slot 1's flag off leaves nothing in it, and
// slot 2 as it was; a wipe takes nothing from an enabled slot. DisableRow and
// DisableRows are tested with the row operations above.
TEST(DisabledSlots, OperationsThatDisableLeaveNothingBehind) {
    struct Case { const char* what; std::function<void(CloneImage&)> run; };
    const Case cases[] = {
        {"wipe one",
         [](CloneImage& image) {
             image.memory.enabled[1] = false;
             EXPECT_TRUE(WipeIfDisabled(image, 1));
             EXPECT_FALSE(WipeIfDisabled(image, 1) || WipeIfDisabled(image, 2) || WipeIfDisabled(image, kSlotCount));
         }},
        {"paste a disabled row",
         [](CloneImage& image) {
             PasteRecord disabled;
             disabled.fields = image.memory.slot[1];
             disabled.enabled = false;
             ApplyMemoryPaste(image, PlanMemoryPaste(image, 1, {disabled}));
         }},
        {"a read that stopped after the flags",
         [](CloneImage& image) {
             CloneImage worked = image;
             worked.memory.enabled[1] = false;  // the flags arrived, the records did not
             TakeTransferredAreas(image, worked, TransferPart::kMemory, TransferDirection::kRead);
         }},
        {"wipe all", [](CloneImage& image) { image.memory.enabled[1] = false; WipeDisabledSlots(image); }},
    };
    for (const Case& c : cases) {
        CloneImage image = WorkedImage();
        c.run(image);
        EXPECT_FALSE(image.memory.enabled[1]) << c.what;
        EXPECT_EQ(image.memory.slot[1], SlotFields{}) << c.what;
        EXPECT_EQ(image.memory.slot[2], WorkedImage().memory.slot[2]) << c.what;
    }
}

// The edit of one change, and the image it leaves.
struct Step { const char* what; std::function<void(CloneImage&)> change; };

TEST(ImageEdit, UndoAndRedoGiveBackEachKindOfChangeExactly) {
    const Step steps[] = {
        {"clear rows", [](CloneImage& i) { ClearRows(i, {1, 3, 1300}); }},
        {"delete", [](CloneImage& i) { DeleteRow(i, 1); }},
        {"insert", [](CloneImage& i) { InsertRow(i, 2); }},
        {"disable all", [](CloneImage& i) { DisableAllSlots(i); }},
        {"one field's text", [](CloneImage& i) { i.memory.slot[150].SetText(kName, "AIR"); }},
        {"vfo", [](CloneImage& i) { i.vfo.bands[3].Set(kStep, 4); }},
        {"bank count and its link", [](CloneImage& i) { i.banks.counts[0] = 0; UpdateBankTotal(i); i.banks.links[0] = false; }},
        {"group", [](CloneImage& i) { i.groups.members[2][5] = false; }},
        {"settings", [](CloneImage& i) { i.settings.values.chkBeep = true; }},
        {"blocks", [](CloneImage& i) { EncodeBankTable(i); EncodeGroupBlock(i); i.flags.blocks[5] = "00000"; }},
    };
    const CloneImage before = WorkedImage();
    for (const Step& step : steps) {
        CloneImage image = before;
        step.change(image);
        image.modified = false;
        const CloneImage after = image;
        const ImageEdit edit = ImageEdit::Between(before, after);
        ASSERT_FALSE(edit.Empty()) << step.what;
        edit.Undo(image);
        EXPECT_EQ(image, before) << step.what;
        edit.Redo(image);
        EXPECT_EQ(image, after) << step.what;
    }
}

TEST(ImageEdit, KeepsOnlyThePartsThatChanged) {
    const CloneImage before = WorkedImage();
    CloneImage after = before;
    EXPECT_TRUE(ImageEdit::Between(before, after).Empty());

    ClearRows(after, {2, 151});  // slots 1 and 150
    EditedParts parts = ImageEdit::Between(before, after).Parts();
    EXPECT_EQ(parts.memory, (SlotRange{1, 150}));
    EXPECT_TRUE(parts.parts.count() == 1u && parts.Has(ImagePart::kMemory));

    after = before;
    after.banks.links[7] = true;
    after.settings.values.Slider2 = 4;
    parts = ImageEdit::Between(before, after).Parts();
    EXPECT_TRUE(parts.memory.Empty() && parts.parts.count() == 2u && parts.Has(ImagePart::kBanks) &&
                parts.Has(ImagePart::kSettings));

    // The modified flag and the model are the history's business.
    after = before;
    after.modified = true;
    after.model = 2;
    EXPECT_TRUE(ImageEdit::Between(before, after).Empty());
}

TEST(ImageEdit, AbsorbJoinsStepsFromFirstBeforeToLastAfter) {
    const CloneImage start = WorkedImage();
    CloneImage middle = start;
    middle.settings.values.Slider1 = 13;
    ClearRows(middle, {1});
    CloneImage end = middle;
    end.settings.values.Slider1 = 14;
    ClearRows(end, {2, 1000});
    middle.modified = end.modified = false;  // the history's, not the edit's

    ImageEdit joined = ImageEdit::Between(start, middle);
    joined.Absorb(ImageEdit::Between(middle, end));
    CloneImage image = end;
    joined.Undo(image);
    EXPECT_EQ(image, start);
    joined.Redo(image);
    EXPECT_EQ(image, end);
    EXPECT_EQ(joined.Parts().memory, (SlotRange{0, 999}));

    // Dragged back to where it started: nothing left to undo.
    ImageEdit there = ImageEdit::Between(start, middle);
    there.Absorb(ImageEdit::Between(middle, start));
    EXPECT_TRUE(there.Empty());
}

}  // namespace
}  // namespace wrk7
