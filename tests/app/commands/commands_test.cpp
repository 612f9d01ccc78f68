// The image's commands on a document and a selection of rows, no window
// shown: when each may run, the question it asks, what Cancel leaves, the
// step it records and where the selection goes. The domain operations under
// them are tested in tests/edit.
#include "app/commands/commands.h"

#include <QtWidgets>
#include <gtest/gtest.h>

#include "chosen_rows.h"
#include "app/document/clone_document.h"
#include "../recording_prompter.h"
#include "../put_channel.h"

namespace wrk7 {
namespace {

using Answer = Prompter::Answer;

class CommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        document.Edit(QStringLiteral("setup"), [](CloneImage& image) {
            for (int slot : {0, 1, 2, 3, 199, 200, 1000}) PutChannel(image, slot, 145 + slot * 0.0125);
            image.memory.slot[199].SetText(kName, "ABCDEF");  // the last row Insert moves
            image.memory.enabled[1000] = false;               // the document empties a disabled slot
        });
    }
    // The names of the enabled actions among those a grid's menus offer.
    std::string Enabled() {
        c.Update();
        QStringList names;
        for (QAction* a : {c.modify, c.cut, c.copy, c.paste, c.clear, c.enable, c.disable, c.insert, c.remove,
                           c.changeChannels, c.sortMenu->menuAction(), c.pack, c.moveUp, c.moveDown, c.find,
                           c.findDuplicates, c.clearAll, c.readAll, c.writeMemory, c.readGroups})
            if (a->isEnabled()) names << a->objectName();
        return names.join(QLatin1Char(' ')).toStdString();
    }
    const SlotFields& Slot(int slot) const { return document.Image().memory.slot[slot]; }

    CloneDocument document;
    ChosenRows chosen;
    RecordingPrompter prompts;
    Commands c{document, chosen, prompts, UiLanguage::kEnglish, nullptr};
};

// Which command may run where is AvailableCommands' (tests/edit); here that
// the actions follow it, from what the page, the rows and the clipboard say.
TEST_F(CommandsTest, TheActionsFollowTheAvailabilityRule) {
    c.canPaste = [] { return true; };
    const QStringList always{"actClearAll", "mnuReadAll", "mnuWriteMemory", "actReadGroup"};
    const struct { const char* what; Page page; int first, last; bool transfer; QStringList on; } cases[] = {
        {"several rows", Page::kMemory, 2, 4, false,
         QStringList{"mnuModify", "mnuCut", "mnuCopy", "mnuPaste", "mnuClear", "mnuDisable", "mnuChangeChannels",
                     "mnuSort", "mnuPack", "mnuMoveUp", "mnuMoveDown", "mnuFind", "mnuFindDuplicates"} + always},
        {"the VFO grid", Page::kSettings1, 1, 1, false,
         QStringList{"mnuModify", "mnuCopy", "mnuPaste", "mnuReadAll", "mnuWriteMemory", "actReadGroup"}},
        {"a transfer running", Page::kMemory, 5, 5, true, QStringList{"mnuCopy", "mnuFind"}},
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(t.what);
        chosen.page = t.page;
        chosen.Choose(t.first, t.last);
        document.SetReadOnly(t.transfer);
        c.SetTransferRunning(t.transfer);
        EXPECT_EQ(Enabled(), t.on.join(QLatin1Char(' ')).toStdString());
    }
}

TEST_F(CommandsTest, ListCommandsAskOnceForSeveralRowsAndCancelChangesNothing) {
    const QString clear = QStringLiteral("Edit > Undo brings them back."), sure = QStringLiteral("Are you sure that you want to ");
    const QStringList del{QStringLiteral("Edit > Undo brings it back."), sure + "do the delete?"};
    const QStringList insert{QStringLiteral("Inserting pushes 01-099 \"ABCDEF\" past the first 200 channels, where it is "
                                            "lost; Edit > Undo brings it back."),
                             sure + "do the insert?"};
    const QStringList disableAll{QStringLiteral("Disabling empties the channels; Edit > Undo brings them back."),
                                 sure + "disable all memory?"};
    QAction* Commands::*remove = &Commands::remove;
    // An empty title: no question; an empty step: nothing changes. Where a
    // command may not run at all: AvailableCommands in tests/edit.
    const struct { QAction* Commands::*command; int first, last; Answer answer; QString title;
                   QStringList lines; QString step; } cases[] = {
        {remove, 1, 1, Answer::kCancel, "DELETE OK", del, ""},
        {remove, 1, 1, Answer::kOk, "DELETE OK", del, "Delete 00-000"},
        {&Commands::insert, 1, 1, Answer::kCancel, "INSERT OK", insert, ""},
        {&Commands::insert, 200, 200, Answer::kOk, "INSERT OK", insert, "Insert 01-099"},
        {&Commands::clear, 1, 3, Answer::kCancel, "CLEAR OK", {clear, sure + "do the clear?", "3 rows are selected."}, ""},
        {&Commands::clear, 2, 2, Answer::kOk, "CLEAR OK", {clear, sure + "do the clear?"}, "Clear 00-001"},
        {&Commands::disable, 1, 3, Answer::kCancel, "DISABLE OK", {"3 rows are selected.", "Disabling empties the channels; Edit > Undo brings them back.", sure + "disable them?"}, ""},
        {&Commands::disable, 2, 2, Answer::kOk, "DISABLE OK", {"Disabling empties the channel; Edit > Undo brings it back.", sure + "disable it?"}, "Disable 00-001"},
        {&Commands::clearAll, 1, 1, Answer::kCancel, "CLEAR OK", {clear, sure + "clear all memory?"}, ""},
        {&Commands::disableAll, 1, 1, Answer::kCancel, "DISABLE OK", disableAll, ""},
        {&Commands::disableAll, 1, 1, Answer::kOk, "DISABLE OK", disableAll, "Disable All"},
        {&Commands::enableAll, 1, 1, Answer::kOk, "", {}, ""},  // nothing disabled holds a channel
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(::testing::Message() << (c.*t.command)->objectName().toStdString() << " " << t.first << ".." << t.last);
        chosen.Choose(t.first, t.last);
        c.Update();
        const CloneImage before = document.Image();
        prompts.boxes.clear();
        prompts.answers = {t.answer};
        (c.*t.command)->trigger();
        QStringList asked;
        for (const auto& box : prompts.boxes) asked << box.title + "|" + box.lines.join("|");
        EXPECT_EQ(asked, t.title.isEmpty() ? QStringList() : QStringList{t.title + "|" + t.lines.join("|")});
        EXPECT_EQ(document.Image() == before, t.step.isEmpty());
        EXPECT_EQ(document.UndoName().toStdString(), (t.step.isEmpty() ? QStringLiteral("setup") : t.step).toStdString());
        if (!t.step.isEmpty()) document.Undo();
    }
}

TEST_F(CommandsTest, ModifyStoresTheEditorsEntryAsOneStepAndCancelStoresNothing) {
    std::optional<ChannelEntry> answer;
    std::vector<std::pair<ChannelEntry::Target, int>> asked;
    c.editEntry = [&](const CloneImage&, ChannelEntry::Target target, int row) {
        asked.emplace_back(target, row);
        return answer;
    };
    chosen.Choose(7, 7);
    c.modify->trigger();  // Cancel
    EXPECT_EQ(document.UndoName(), "setup");
    SlotFields fields;
    fields.Set(kFreq, 433.5);
    answer = ChannelEntry{ChannelEntry::Target::kMemory, 7, fields, true};
    chosen.current = 7;
    c.modify->trigger();
    EXPECT_EQ(document.UndoName(), "Modify 00-006");
    EXPECT_TRUE(Slot(6) == fields && document.Image().memory.enabled[6]);
    EXPECT_EQ(chosen.rows, std::vector<int>{7});

    chosen.page = Page::kSettings1;
    chosen.band = 3;
    answer = ChannelEntry{ChannelEntry::Target::kVfo, 3, fields, false};
    c.modify->trigger();
    EXPECT_EQ(document.UndoName(), "Modify Band 2");
    EXPECT_EQ(document.Image().vfo.bands[2], fields);
    document.SetReadOnly(true);  // the editor does not even open
    c.EditVfoRow(3);
    c.EditMemoryRow(7);
    EXPECT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked.back(), (std::pair{ChannelEntry::Target::kVfo, 3}));
}

TEST_F(CommandsTest, RowCommandsAreOneStepEachAndTheSelectionFollowsTheBlock) {
    document.Edit(QStringLiteral("setup"), [](CloneImage& image) {
        image = CloneImage();
        PutChannel(image, 0, 146.0, "B");
        PutChannel(image, 2, 145.0, "A");
        PutChannel(image, 3, 145.0, "C");
    });
    const auto names = [this] {
        QStringList shown;
        for (int slot = 0; slot < 5; ++slot)
            shown << (Slot(slot).IsEmpty() ? QStringLiteral("-") : QString::fromStdString(Slot(slot).Text(kName)));
        return shown.join(QLatin1Char(' '));
    };
    const auto sortBy = [this](const char* name) { return c.sortMenu->findChild<QAction*>(QString::fromLatin1(name)); };
    const struct { QAction* command; int first, last; const char* names, *step; std::vector<int> selected; int current; } cases[] = {
        {sortBy("mnuSortFrequency"), 1, 4, "A C B - -", "Sort 3 Channels", {1, 2, 3, 4}, 1},  // empty rows not counted
        {sortBy("mnuSortNameDescending"), 1, 5, "C B A - -", "Sort 3 Channels", {1, 2, 3, 4, 5}, 1},
        {c.pack, 1, 4, "B A C - -", "Pack 4 Channels", {1, 2, 3, 4}, 1},
        {c.moveDown, 1, 2, "A B - C -", "Move 2 Channels Down", {2, 3}, 2},
        {c.moveUp, 3, 4, "B A C - -", "Move 2 Channels Up", {2, 3}, 2},
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(t.step);
        chosen.Choose(t.first, t.last);
        c.Update();
        t.command->trigger();
        EXPECT_EQ(names(), t.names);
        EXPECT_EQ(document.UndoName(), t.step);
        EXPECT_EQ(chosen.rows, t.selected);
        EXPECT_EQ(chosen.current, t.current);
        document.Undo();
        EXPECT_EQ(names(), "B - A C -");
    }
    chosen.Choose(1000, 1001);  // the last channel and the first program-scan edge
    c.Update();
    sortBy("mnuSortFrequency")->trigger();
    EXPECT_EQ(prompts.boxes.at(0).lines.join("|"),
              "The selected rows are memory channels and program-scan edges: sort the rows of one area at a time.");
    EXPECT_EQ(document.UndoName(), "setup");

    // Change Channels: the dialog's change on the used rows, refusals listed.
    int asked = 0;
    c.askChange = [&asked](const SlotFields& first, int channels) -> std::optional<ChannelChange> {
        asked = channels;
        EXPECT_EQ(first.Text(kName), "B");
        return ChannelChange().SetText(kName, "TWR");
    };
    chosen.Choose(1, 4);
    c.Update();
    c.changeChannels->trigger();
    EXPECT_EQ(asked, 3);
    EXPECT_EQ(names(), "TWR - TWR TWR -");
    EXPECT_EQ(document.UndoName(), "Change 3 Channels");
    prompts.boxes.clear();
    c.ApplyChange(ChannelChange().Set(kOffset, 150));
    EXPECT_EQ(prompts.boxes.at(0).lines.first(), "3 of 3 rows were not changed:");
}

TEST_F(CommandsTest, FindDuplicatesSelectsThemAndSaysHowMany) {
    QString shown;
    c.showDuplicates = [&shown](const QString& summary) { shown = summary; };
    QStringList status;
    QObject::connect(&c, &Commands::statusMessage, [&status](const QString& line) { status << line; });
    c.findDuplicates->trigger();
    EXPECT_EQ(status, QStringList{"No duplicates: no two used rows hold the same frequency and mode."});
    document.Edit(QStringLiteral("twice"), [](CloneImage& image) { PutChannel(image, 500, 145.0), PutChannel(image, 700, 145.0); });
    c.findDuplicates->trigger();
    EXPECT_EQ(chosen.rows, (std::vector<int>{1, 501, 701}));
    EXPECT_EQ(shown, "1 group of duplicates (3 rows) is selected.");
    EXPECT_EQ(status.last(), shown);
}

TEST_F(CommandsTest, TransfersStartFromTheirCommandsOneAtATime) {
    std::vector<std::pair<TransferDirection, TransferPart>> started;
    c.startTransfer = [&started](TransferDirection d, TransferPart p) { started.emplace_back(d, p); };
    c.readGroups->trigger();
    c.writeAll->trigger();
    c.SetTransferRunning(true);
    c.readMemory->trigger();  // waits for the end
    EXPECT_EQ(started, (std::vector<std::pair<TransferDirection, TransferPart>>{
                           {TransferDirection::kRead, TransferPart::kGroups},
                           {TransferDirection::kWrite, TransferPart::kAll}}));
}

}  // namespace
}  // namespace wrk7
