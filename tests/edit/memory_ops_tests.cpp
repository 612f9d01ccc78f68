// The row operations of the memory page and the edit of a change that Undo
// and Redo replay.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "edit/bank.h"
#include "edit/image_edit.h"
#include "edit/memory_ops.h"

namespace wrk7 {
namespace {

// Every slot holds a distinct enabled channel, frequency 100 + slot.
CloneImage FilledImage() {
    CloneImage image;
    for (int s = 0; s < kSlotCount; ++s) image.memory.slot[s].Set(kFreq, 100 + s);
    image.memory.enabled.fill(true);
    return image;
}

using RowOp = void (*)(CloneImage&, int);
using RowsOp = void (*)(CloneImage&, const std::vector<int>&);

TEST(MemoryOps, DeleteAndInsertMoveOnlyWithinEditWindow) {
    const CloneImage before = FilledImage();
    // Slots first..last take the slot `by` further on; the blank one is what opens up.
    const struct { RowOp op; int row; int blank, first, last, by; } cases[] = {
        {DeleteRow, 1, 199, 0, 198, 1}, {InsertRow, 1, 0, 1, 199, -1}, {InsertRow, 200, 199, 0, 198, 0}};
    for (const auto& c : cases) {
        CloneImage image = before;
        c.op(image, c.row);
        EXPECT_TRUE(image.memory.slot[c.blank] == SlotFields{} && !image.memory.enabled[c.blank]) << c.row;
        for (int s = c.first; s <= c.last; ++s) ASSERT_EQ(image.memory.slot[s], before.memory.slot[s + c.by]) << s;
        for (int s = 200; s < kSlotCount; ++s) ASSERT_EQ(image.memory.slot[s], before.memory.slot[s]) << s;
    }
    CloneImage image = before;
    DeleteRow(image, 201);
    InsertRow(image, 250);
    EXPECT_EQ(image, before);

    // What Insert loses is what the table above shows InsertRow dropping from slot 199.
    CloneImage last199Empty = before;
    last199Empty.ClearSlot(199);
    const struct { const CloneImage* image; int row; std::optional<int> lost; } lost[] = {
        {&before, 1, 199}, {&before, 200, 199}, {&before, 201, std::nullopt}, {&before, 0, std::nullopt},
        {&last199Empty, 1, std::nullopt}, {&last199Empty, 200, std::nullopt}};
    for (const auto& c : lost) EXPECT_EQ(SlotLostByInsert(*c.image, c.row), c.lost) << c.row;
}

// No valid row, alone or among several: nothing changes.
TEST(MemoryOps, InvalidRowsChangeNothing) {
    const CloneImage before = FilledImage();
    for (int row : {0, -1, -100000, 1301, 99999}) {
        CloneImage image = before;
        for (RowOp one : {ClearRow, DeleteRow, InsertRow, EnableRow, DisableRow}) one(image, row);
        for (RowsOp several : {ClearRows, EnableRows, DisableRows}) {
            several(image, {row, 1301});
            several(image, {});
        }
        EXPECT_EQ(image, before) << row;
    }
}

TEST(MemoryOps, WholeListOperationsCoverAllSections) {
    CloneImage image;
    for (int s : {0, 999, 1000, 1150, 1299}) image.memory.slot[s].Set(kFreq, 145);
    image.banks.counts[20] = 100;
    const auto banks = image.banks.counts;
    EnableAllSlots(image);
    for (int s = 0; s < kSlotCount; ++s)
        ASSERT_EQ(image.memory.enabled[s], s == 0 || s == 999 || s == 1000 || s == 1150 || s == 1299) << s;

    CloneImage copy = image;
    DisableAllSlots(copy);
    EXPECT_EQ(copy.memory.enabled, CloneImage{}.memory.enabled);
    ClearAllSlots(image);
    EXPECT_TRUE(image.memory == CloneImage{}.memory && image.banks.counts == banks);
}

// Row 5 is an empty slot left enabled: enabling it turns it off, as only a
// channel is enabled.
TEST(MemoryOps, SeveralRowsActAsEachRowAlone) {
    CloneImage before = FilledImage();
    before.ClearSlot(4);
    before.memory.enabled[4] = true;
    before.memory.enabled[1299] = false;
    const std::vector<int> rows{2, 5, 1300};
    const std::pair<RowsOp, RowOp> ops[] = {{ClearRows, ClearRow}, {EnableRows, EnableRow}, {DisableRows, DisableRow}};
    for (const auto& [several, one] : ops) {
        CloneImage together = before;
        CloneImage alone = before;
        several(together, {1301, 0, 2, 5, 1300});
        for (int row : rows) one(alone, row);
        EXPECT_EQ(together, alone);
        EXPECT_FALSE(alone.memory.enabled[4]);
        EXPECT_EQ(alone.memory.enabled[1299], one == EnableRow);
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
    image.settings.values.afVolume = 12;
    image.settings.block0 = std::string(64, 'A');
    image.flags.blocks[0] = std::string(64, 'F');
    return image;
}

// What an edit names: its slots, if any, then its parts as letters (Memory,
// Vfo, Banks, Groups, Settings, Flags), so the views of just those repaint.
std::string Named(const EditedParts& p) {
    std::string out = p.memory.Empty() ? "" : std::to_string(p.memory.first) + "-" + std::to_string(p.memory.last) + " ";
    for (std::size_t i = 0; i < p.parts.size(); ++i) out += p.parts.test(i) ? std::string(1, "MVBGSF"[i]) : "";
    return out;
}

// The edit of one change, the parts it names and the image it leaves.
struct Step { const char* what; std::function<void(CloneImage&)> change; const char* named; };

TEST(ImageEdit, UndoAndRedoGiveBackEachKindOfChangeExactlyAndKeepOnlyThePartsThatChanged) {
    const Step steps[] = {
        {"clear rows", [](CloneImage& i) { ClearRows(i, {1, 3, 1300}); }, "0-1299 M"},
        {"delete", [](CloneImage& i) { DeleteRow(i, 1); }, "0-150 M"},
        {"insert", [](CloneImage& i) { InsertRow(i, 2); }, "1-151 M"},
        {"disable all", [](CloneImage& i) { DisableAllSlots(i); }, "0-1299 M"},
        {"one field's text", [](CloneImage& i) { i.memory.slot[150].SetText(kName, "AIR"); }, "150-150 M"},
        {"vfo", [](CloneImage& i) { i.vfo.bands[3].Set(kStep, 4); }, "V"},
        {"bank count and its link", [](CloneImage& i) { i.banks.counts[0] = 0; UpdateBankTotal(i); i.banks.links[0] = false; }, "B"},
        {"group", [](CloneImage& i) { i.groups.members[2][5] = false; }, "G"},
        {"settings", [](CloneImage& i) { i.settings.values.chkBeep = true; }, "S"},
        {"blocks", [](CloneImage& i) { i.banks.blocks = EncodeBankTable(i); i.groups.block = EncodeGroupBlock(i); i.flags.blocks[5] = "00000"; }, "BGF"},
        {"a link and a setting", [](CloneImage& i) { i.banks.links[7] = true; i.settings.values.squelchLevel = 4; }, "BS"},
    };
    const CloneImage before = WorkedImage();
    for (const Step& step : steps) {
        CloneImage image = before;
        step.change(image);
        const CloneImage after = image;
        const ImageEdit edit = ImageEdit::Between(before, after);
        ASSERT_FALSE(edit.Empty()) << step.what;
        EXPECT_EQ(Named(edit.Parts()), step.named) << step.what;
        edit.Undo(image);
        EXPECT_EQ(image, before) << step.what;
        edit.Redo(image);
        EXPECT_EQ(image, after) << step.what;
    }
    // Nothing changed, or only the model, which is the history's business.
    CloneImage other = before;
    other.model = 2;
    EXPECT_TRUE(ImageEdit::Between(before, before).Empty() && ImageEdit::Between(before, other).Empty());
}

TEST(ImageEdit, AbsorbJoinsStepsFromFirstBeforeToLastAfter) {
    const CloneImage start = WorkedImage();
    CloneImage middle = start;
    middle.settings.values.afVolume = 13;
    ClearRows(middle, {1});
    CloneImage end = middle;
    end.settings.values.afVolume = 14;
    ClearRows(end, {2, 1000});

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
