// The Edit menu's commands on the grids, by their keys: copy, cut and paste
// through the clipboard (between two windows, on the VFO grid), the find bar
// and Go To, Enter and F2, and the context menus; the memory page's list
// buttons: the question each asks (once for several rows, never outside the
// first 200 rows where it does not apply), what Cancel leaves, and a repaint
// that writes nothing.

#include "app/pages/find_bar.h"
#include "window_fixture.h"

namespace wrk7 {
namespace {

class EditCommandsTest : public WindowTest {
protected:
    // The memory page of w in front, rows first..last selected, the grid focused.
    static QTableView* SelectRows(MainWindow& w, int first, int last) {
        w.ClickTab(Page::kMemory);
        w.Memory()->Grid()->setFocus();
        w.Memory()->SelectRows(first, last);
        return w.Memory()->Grid();
    }
    static const SlotFields& Slot(MainWindow& w, int slot) { return w.Document().Image().memory.slot[slot]; }
    static QStringList Enabled(QMenu* menu) {
        QStringList names;
        for (QAction* a : menu->actions())
            if (!a->isSeparator() && a->isEnabled()) names << a->objectName();
        delete menu;
        return names;
    }
};

TEST_F(EditCommandsTest, CopyCutAndPasteCarryTheExactRecordsBetweenWindows) {
    Change([](CloneImage& image) {
        Put(image, 0, 145.5, "TWR");
        Put(image, 1, 433.0, "UHF");
        Put(image, 3, 120.0);
        image.memory.slot[3].SetText(kNote, "東京 approach");
    });
    QTest::keyClick(SelectRows(*window, 1, 4), Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QApplication::clipboard()->mimeData()->text().split(QLatin1Char('\n'));
    EXPECT_TRUE(lines.value(1).startsWith(QStringLiteral("00-000\t145.500000\tAM\t")));  // for a spreadsheet, too

    auto other = MakeWindow(Options());
    QTableView* grid = SelectRows(*other, 11, 11);
    QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Slot(*other, 10 + i), Slot(*window, i)) << i;
    EXPECT_TRUE(prompts.boxes.empty());  // nothing used was replaced
    other->Memory()->SelectRow(12);  // over used rows a paste asks first; Cancel changes nothing
    prompts.answers = {Answer::kCancel};
    other->Action(QStringLiteral("mnuPaste"))->trigger();
    EXPECT_EQ(prompts.boxes.at(0).lines, (QStringList{QStringLiteral("The paste replaces 2 used channels."),
                                                      QStringLiteral("Are you sure that you want to paste?")}));
    EXPECT_EQ(other->Document().UndoName(), "Paste 4 Channels");

    other->Memory()->SelectRows(11, 12);
    QTest::keyClick(grid, Qt::Key_X, Qt::ControlModifier);  // no question
    EXPECT_TRUE(prompts.boxes.size() == 1u && Slot(*other, 10).IsEmpty() && Slot(*other, 11).IsEmpty());
    EXPECT_EQ(other->Document().UndoName(), "Cut 2 Channels");
    other->Memory()->SelectRow(14);
    prompts.answers = {Answer::kOk};
    QTest::keyClick(grid, Qt::Key_Delete);  // the Delete key is Clear, question included
    EXPECT_EQ(prompts.LastTitle(), "CLEAR OK");
    EXPECT_TRUE(Slot(*other, 13).IsEmpty());
    CloseWithoutSaving(*other);
}

TEST_F(EditCommandsTest, APasteSelectsOnlyTheRowsItFilled) {
    QApplication::clipboard()->setText(QStringLiteral("Frequency\tMode\n145.5\tFM\n5000\tFM\n146.5\tFM\n"));
    QTest::keyClick(SelectRows(*window, 21, 21), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(window->Memory()->SelectedRows(), (std::vector<int>{21, 23}));  // 22 was refused
    EXPECT_TRUE(Slot(*window, 21).IsEmpty() && prompts.boxes.size() == 1u);  // the refusal
}

TEST_F(EditCommandsTest, TheVfoGridCopiesAndPastesByItsKeysAndItsRowFollowsUndo) {
    window->ClickTab(Page::kSettings1);
    QTableView* vfo = window->VfoGrid();
    vfo->setFocus();
    vfo->selectRow(5);  // 118.000000 AM 25KHz
    QTest::keyClick(vfo, Qt::Key_C, Qt::ControlModifier);
    vfo->selectRow(6);  // 145.000000 FM 20KHz
    QTest::keyClick(vfo, Qt::Key_V, Qt::ControlModifier);  // what a band keeps: ChannelPaste in tests/edit
    EXPECT_EQ(window->VfoModel()->index(6, kMode).data().toString(), "AM");
    Doc().Undo();
    EXPECT_EQ(window->VfoModel()->index(6, kMode).data().toString(), "FM");
}

TEST_F(EditCommandsTest, TheFindBarWorksByItsKeysAndGoToTakesARowLabel) {
    Put(10, 120.0, "TWR");
    Put(kFirstSearchPassSlot + 5, 130.0);
    QTableView* grid = SelectRows(*window, 1, 1);
    QTest::keyClick(grid, Qt::Key_F, Qt::ControlModifier);
    FindBar* bar = window->Edits().Finder();
    ASSERT_TRUE(bar->Box()->hasFocus());
    const auto enter = [this, bar](const char* text) {
        bar->Box()->setText(QString::fromUtf8(text));
        QTest::keyClick(bar->Box(), Qt::Key_Return);
        return window->Memory()->CurrentRow();
    };
    EXPECT_EQ(enter("118-137"), 11);
    Shot("find-bar.png");
    QTest::keyClick(grid, Qt::Key_F3);
    EXPECT_EQ(window->Memory()->CurrentRow(), kFirstSearchPassSlot + 6);
    EXPECT_TRUE(grid->viewport()->rect().intersects(grid->visualRect(grid->currentIndex()))) << "in view";
    QTest::keyClick(grid, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(window->Memory()->CurrentRow(), 11);
    EXPECT_EQ(enter("nothing"), 11);  // the words it shows: the Japanese window's test
    QTest::keyClick(bar->Box(), Qt::Key_Escape);
    EXPECT_FALSE(bar->isVisible());
    QTest::keyClick(grid, Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(bar->CurrentMode(), FindBar::Mode::kGoTo);
    EXPECT_EQ(enter("07-012"), 713);
}

TEST_F(EditCommandsTest, EnterAndF2OpenTheEditorOnTheRow) {
    QTableView* grid = SelectRows(*window, 7, 7);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_F2}) {
        window->activateWindow();  // back from the editor, as the window manager does it
        ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == window.get(); }));
        grid->setFocus();
        int row = 0;
        const auto watch = OnNextModal([&row](QWidget* dialog) {
            row = static_cast<ChannelEditor*>(dialog)->EditRow();
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QTest::keyClick(grid, key);
        EXPECT_EQ(row, 7) << key;
    }
}

TEST_F(EditCommandsTest, ContextMenusOfferWhatAppliesToTheRowsAndARightClickMovesTheSelection) {
    Change([](CloneImage& image) {
        for (int slot : {3, 4, 5, 250}) Put(image, slot, 145.5 + slot);
    });
    QApplication::clipboard()->clear();
    QTableView* grid = SelectRows(*window, 5, 5);
    EXPECT_EQ(Enabled(window->Edits().GridMenu(grid)),
              (QStringList{"mnuModify", "mnuCut", "mnuCopy", "mnuClear", "mnuDisable", "mnuInsert", "mnuDelete",
                           "mnuMoveUp", "mnuMoveDown", "mnuFindDuplicates"}));
    window->Memory()->SelectRow(251);  // beyond the 200 rows Insert and Delete work on
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Enabled(window->Edits().GridMenu(grid)),
              (QStringList{"mnuModify", "mnuCut", "mnuCopy", "mnuPaste", "mnuClear", "mnuDisable", "mnuMoveUp",
                           "mnuMoveDown", "mnuFindDuplicates"}));
    SelectRows(*window, 4, 6);  // several rows: Insert and Delete keep to one
    EXPECT_FALSE(Enabled(window->Edits().GridMenu(grid)).contains(QStringLiteral("mnuInsert")));
    window->ClickTab(Page::kSettings1);
    EXPECT_EQ(Enabled(window->Edits().GridMenu(window->VfoGrid())), (QStringList{"mnuModify", "mnuCopy", "mnuPaste"}));

    SelectRows(*window, 4, 6);
    for (const auto& [row, selected] : {std::pair{5, std::vector<int>{4, 5, 6}}, {10, {10}}}) {
        const QPoint at(grid->columnViewportPosition(1) + 5, grid->rowViewportPosition(row - 1) + 5);
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, grid->viewport()->mapToGlobal(at));
        QApplication::sendEvent(grid->viewport(), &click);
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(popup, nullptr);
        EXPECT_EQ(window->Memory()->SelectedRows(), selected) << "inside the selection it stays";
        popup->close();
    }
}

class MemoryPageTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Change([](CloneImage& image) {
            for (int slot : {0, 1, 2, 3, 199, 200, 1000}) Put(image, slot, 145 + slot * 0.0125);
            image.memory.slot[199].SetText(kName, "ABCDEF");  // the last row Insert moves
        });
        window->ClickTab(Page::kMemory);
    }
};

TEST_F(MemoryPageTest, ButtonsAskOnceForSeveralRowsAndCancelChangesNothing) {
    const QString clear = QStringLiteral("Edit > Undo brings them back."), sure = QStringLiteral("Are you sure that you want to ");
    const QStringList del{QStringLiteral("Edit > Undo brings it back."), sure + "do the delete?"};
    const QStringList insert{QStringLiteral("Inserting pushes 01-099 \"ABCDEF\" past the first 200 channels, where it is "
                                            "lost; Edit > Undo brings it back."),
                             sure + "do the insert?"};
    const QStringList disableAll{QStringLiteral("Disabling empties the channels; Edit > Undo brings them back."),
                                 sure + "disable all memory?"};
    // An empty title: no question; an empty step: nothing changes.
    const struct { const char* button; int first, last; Answer answer; QString title;
                   QStringList lines; QString step; } cases[] = {
        {"cmbDelete", 1, 1, Answer::kCancel, "DELETE OK", del, ""},
        {"cmbDelete", 1, 1, Answer::kOk, "DELETE OK", del, "Delete 00-000"},
        {"cmbDelete", 201, 201, Answer::kOk, "", {}, ""},  // outside the 200 rows: not even asked
        {"cmbInsert", 1, 1, Answer::kCancel, "INSERT OK", insert, ""},
        {"cmbInsert", 200, 200, Answer::kOk, "INSERT OK", insert, "Insert 01-099"},
        {"cmbClear", 1, 3, Answer::kCancel, "CLEAR OK", {clear, sure + "do the clear?", "3 rows are selected."}, ""},
        {"cmbClear", 2, 2, Answer::kOk, "CLEAR OK", {clear, sure + "do the clear?"}, "Clear 00-001"},
        {"cmbDisable", 1, 3, Answer::kCancel, "DISABLE OK", {"3 rows are selected.", "Disabling empties the channels; Edit > Undo brings them back.", sure + "disable them?"}, ""},
        {"cmbDisable", 2, 2, Answer::kOk, "DISABLE OK", {"Disabling empties the channel; Edit > Undo brings it back.", sure + "disable it?"}, "Disable 00-001"},
        {"cmbDisable", 5, 5, Answer::kOk, "", {}, ""},  // an empty row loses nothing: no question, no step
        // Every used row is enabled already: asked, and nothing changes.
        {"cmbEnable", 1, 1300, Answer::kOk, "ENABLE OK", {"1300 rows are selected.", sure + "enable them?"}, ""},
        {"cmbClAll", 1, 1, Answer::kCancel, "CLEAR OK", {clear, sure + "clear all memory?"}, ""},
        {"cmbDisAll", 1, 1, Answer::kCancel, "DISABLE OK", disableAll, ""},
        {"cmbDisAll", 1, 1, Answer::kOk, "DISABLE OK", disableAll, "Disable All"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.button << " " << c.first << ".." << c.last);
        window->Memory()->SelectRows(c.first, c.last);
        if (c.last == 3) Shot("memory-several-rows.png");
        const CloneImage before = Snapshot();
        prompts.boxes.clear();
        prompts.answers = {c.answer};
        window->Memory()->Button(c.button)->click();
        QStringList asked;
        for (const auto& box : prompts.boxes) asked << box.title + "|" + box.lines.join("|");
        EXPECT_EQ(asked, c.title.isEmpty() ? QStringList() : QStringList{c.title + "|" + c.lines.join("|")});
        EXPECT_EQ(Snapshot() == before, c.step.isEmpty());
        EXPECT_EQ(Doc().UndoName(), c.step.isEmpty() ? QStringLiteral("setup") : c.step);
        if (!c.step.isEmpty()) Doc().Undo();
    }
}

TEST_F(MemoryPageTest, LeavingTheBankPageRepaintsTheGridWithoutWritingTheImage) {
    const CloneImage before = Snapshot();
    window->ClickTab(Page::kBank);
    window->ClickTab(Page::kMemory);
    EXPECT_TRUE(Snapshot() == before && Doc().UndoName() == "setup");
}

}  // namespace
}  // namespace wrk7
