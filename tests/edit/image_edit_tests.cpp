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
        image.Mem[s].Set(kFreq, 145 + s * 0.0125);
        image.Mem[s].Set(kTone, s % 39);
        image.Mem[s].SetText(kNote, "note " + std::to_string(s));
        image.ChannelEnable[s] = true;
    }
    image.Vfo[3].Set(kFreq, 51);
    image.BankCount[0] = 50;
    image.BankCount[10] = 50;
    image.BankLink[0] = true;
    image.GroupMember[2][5] = true;
    image.Settings.Slider1 = 12;
    image.SettingsBlock0 = std::string(64, 'A');
    image.FlagBlock[0] = std::string(64, 'F');
    image.Modified = false;
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
        {"one field's text", [](CloneImage& i) { i.Mem[150].SetText(kName, "AIR"); }},
        {"vfo", [](CloneImage& i) { i.Vfo[3].Set(kStep, 4); }},
        {"bank count and its link",
         [](CloneImage& i) {
             std::array<std::string, kBanks> texts;
             for (int b = 0; b < kBanks; ++b) texts[b] = i.BankText(b);
             texts[0] = "0";
             ApplyCountEntry(i, 0, texts);
             i.BankLink[0] = false;
         }},
        {"group", [](CloneImage& i) { i.GroupMember[2][5] = false; }},
        {"settings", [](CloneImage& i) { i.Settings.chkBeep = true; }},
        {"blocks", [](CloneImage& i) { EncodeBankTable(i); EncodeGroupBlock(i); i.FlagBlock[5] = "00000"; }},
    };
    const CloneImage before = WorkedImage();
    for (const Step& step : steps) {
        CloneImage image = before;
        step.change(image);
        image.Modified = false;
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
    EXPECT_FALSE(parts.vfo || parts.banks || parts.groups || parts.settings || parts.flags);

    after = before;
    after.BankLink[7] = true;
    after.Settings.Slider2 = 4;
    parts = ImageEdit::Between(before, after).Parts();
    EXPECT_TRUE(parts.memory.Empty());
    EXPECT_TRUE(parts.banks && parts.settings);
    EXPECT_FALSE(parts.vfo || parts.groups || parts.flags);

    // The modified flag and the model are the history's business.
    after = before;
    after.Modified = true;
    after.RegionIndex = 2;
    EXPECT_TRUE(ImageEdit::Between(before, after).Empty());
}

TEST(ImageEdit, AbsorbJoinsStepsFromFirstBeforeToLastAfter) {
    const CloneImage start = WorkedImage();
    CloneImage middle = start;
    middle.Settings.Slider1 = 13;
    ClearRows(middle, {1});
    CloneImage end = middle;
    end.Settings.Slider1 = 14;
    ClearRows(end, {2, 1000});
    middle.Modified = end.Modified = false;  // the history's, not the edit's

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
