#include <gtest/gtest.h>

#include <functional>

#include "edit/bank.h"
#include "edit/image_edit.h"
#include "edit/memory_ops.h"

namespace wrk7 {
namespace {

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
    image.banks.counts[0] = 50;
    image.banks.counts[10] = 50;
    image.banks.links[0] = true;
    image.groups.members[2][5] = true;
    image.settings.values.Slider1 = 12;
    image.settings.block0 = std::string(64, 'A');
    image.flags.blocks[0] = std::string(64, 'F');
    image.modified = false;
    return image;
}

// The edit of one change, and the image it leaves.
struct Step {
    const char* what;
    std::function<void(CloneImage&)> change;
};

TEST(ImageEdit, UndoAndRedoGiveBackEachKindOfChangeExactly) {
    const Step steps[] = {
        {"clear rows", [](CloneImage& i) { ClearRows(i, {1, 3, 1300}); }},
        {"delete", [](CloneImage& i) { DeleteRow(i, 1); }},
        {"insert", [](CloneImage& i) { InsertRow(i, 2); }},
        {"disable all", [](CloneImage& i) { DisableAllSlots(i); }},
        {"one field's text", [](CloneImage& i) { i.memory.slot[150].SetText(kName, "AIR"); }},
        {"vfo", [](CloneImage& i) { i.vfo.bands[3].Set(kStep, 4); }},
        {"bank count and its link",
         [](CloneImage& i) {
             std::array<std::string, kBanks> texts;
             for (int b = 0; b < kBanks; ++b) texts[b] = i.BankText(b);
             texts[0] = "0";
             ApplyCountEntry(i, 0, texts);
             i.banks.links[0] = false;
         }},
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
    EXPECT_EQ(parts.parts.count(), 1u);
    EXPECT_TRUE(parts.Has(ImagePart::kMemory));

    after = before;
    after.banks.links[7] = true;
    after.settings.values.Slider2 = 4;
    parts = ImageEdit::Between(before, after).Parts();
    EXPECT_TRUE(parts.memory.Empty());
    EXPECT_TRUE(parts.Has(ImagePart::kBanks) && parts.Has(ImagePart::kSettings));
    EXPECT_EQ(parts.parts.count(), 2u);

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
