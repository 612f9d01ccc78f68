// Editing as in a desktop program: copy, cut and paste through the clipboard
// (between two windows, from a spreadsheet, with refused rows), the find bar
// and Go to, the keys of the commands and the grids' context menus.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "app/dlg_modify.h"
#include "app/find_bar.h"
#include "app/grid_clipboard.h"
#include "app/image_history.h"
#include "app/main_window.h"
#include "app/memory_page.h"
#include "app/memory_table_model.h"
#include "app/vfo_table_model.h"
#include "next_modal.h"
#include "recording_prompter.h"
#include "window_options.h"

namespace wrk7 {
namespace {

using Answer = Prompter::Answer;

class EditingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        window = MakeWindow();
    }
    void TearDown() override {
        for (auto* w : {window.get(), other.get()}) {
            if (!w) continue;
            w->Image().Modified = false;  // leave without a save question
            w->close();
        }
    }

    std::unique_ptr<MainWindow> MakeWindow() {
        auto w = std::make_unique<MainWindow>(testing::TestWindowOptions(dir), &prompts);
        w->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
        return w;
    }

    static void Put(MainWindow& w, int slot, double mhz, const char* name = "", const char* note = "") {
        SlotFields& f = w.Image().Mem[slot];
        f.Set(kFreq, mhz);
        f.Set(kMode, 1);
        f.Set(kTone, 12);
        f.SetText(kName, name);
        f.SetText(kNote, note);
        w.Image().ChannelEnable[slot] = true;
        w.Memory()->Model()->Refresh();
    }

    // The memory page in front, rows first..last selected and first current.
    QTableView* SelectRows(MainWindow& w, int first, int last) {
        w.ClickTab(Page::kMemory);
        QTableView* grid = w.Memory()->Grid();
        grid->setFocus();
        w.Memory()->SelectRow(first);
        const QItemSelection rows(grid->model()->index(first - 1, 0), grid->model()->index(last - 1, 0));
        grid->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        return grid;
    }

    static int CurrentRow(MainWindow& w) { return w.Memory()->CurrentRow(); }

    static void MaybeScreenshot(const QString& name, const QPixmap& shot) {
        const QString folder = qEnvironmentVariable("WRK7_SCREENSHOT_DIR");
        if (!folder.isEmpty()) shot.save(QDir(folder).filePath(name));
    }

    QTemporaryDir dir;
    RecordingPrompter prompts;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<MainWindow> other;
};

TEST_F(EditingTest, CopyAndPasteBetweenTwoWindowsKeepTheExactRecords) {
    Put(*window, 0, 145.5, "TWR", "Tower, north");
    window->Image().Mem[0].Set(kSkip, 1);
    Put(*window, 1, 433.0, "UHF");
    Put(*window, 3, 120.0, "", "東京 approach");
    QTableView* grid = SelectRows(*window, 1, 4);
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);

    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    const QStringList lines = data->text().split(QLatin1Char('\n'));
    EXPECT_EQ(lines[0], "\tFrequency\tMode\tStep\tOption\tSkip\tCarrier\tTone\tShift\tShiftFreq.\tNote\tName");
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("00-000\t145.500000\tAM\t")));
    EXPECT_EQ(lines.size(), 6);  // heading, four rows, the final line break

    other = MakeWindow();
    QTableView* target = SelectRows(*other, 11, 11);
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(other->Image().Mem[10 + i], window->Image().Mem[i]) << i;
        EXPECT_EQ(other->Image().ChannelEnable[10 + i], window->Image().ChannelEnable[i]) << i;
    }
    EXPECT_TRUE(other->Image().Modified);
    EXPECT_TRUE(prompts.boxes.empty());  // nothing used was replaced

    // Pasting over used rows asks first; Cancel changes nothing.
    other->Image().Modified = false;
    other->Memory()->SelectRow(12);
    prompts.answers = {Answer::kCancel};
    other->Action(QStringLiteral("mnuPaste"))->trigger();
    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(prompts.boxes[0].kind, "confirm");
    EXPECT_EQ(prompts.boxes[0].title, "PASTE OK");
    EXPECT_EQ(prompts.boxes[0].lines, (QStringList{QStringLiteral("The paste replaces 2 used channels."),
                                                   QStringLiteral("Are you sure that you want to paste?")}));
    EXPECT_EQ(other->Image().Mem[11], window->Image().Mem[1]);
    EXPECT_FALSE(other->Image().Modified);
    prompts.answers = {Answer::kOk};
    other->Action(QStringLiteral("mnuPaste"))->trigger();
    EXPECT_EQ(other->Image().Mem[11], window->Image().Mem[0]);
    EXPECT_EQ(other->Image().Mem[14], window->Image().Mem[3]);
}

TEST_F(EditingTest, CutEmptiesTheRowsAndDeleteClearsAfterAsking) {
    Put(*window, 0, 145.5, "A");
    Put(*window, 1, 146.5, "B");
    const SlotFields a = window->Image().Mem[0], b = window->Image().Mem[1];
    QTableView* grid = SelectRows(*window, 1, 2);
    QTest::keyClick(grid, Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(window->Image().Mem[0].IsEmpty() && window->Image().Mem[1].IsEmpty());
    EXPECT_FALSE(window->Image().ChannelEnable[0]);
    EXPECT_TRUE(prompts.boxes.empty());

    EXPECT_EQ(window->History()->UndoName(), "Cut 2 Channels");
    window->Memory()->SelectRow(6);
    QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(window->Image().Mem[5], a);
    EXPECT_EQ(window->Image().Mem[6], b);
    EXPECT_EQ(window->History()->UndoName(), "Paste 2 Channels");

    // Each is one step: undone, the rows are back where they were cut from.
    window->History()->Undo();
    EXPECT_TRUE(window->Image().Mem[5].IsEmpty() && window->Image().Mem[6].IsEmpty());
    window->History()->Undo();
    EXPECT_EQ(window->Image().Mem[0], a);
    EXPECT_EQ(window->Image().Mem[1], b);
    EXPECT_TRUE(window->Image().ChannelEnable[0]);
    window->History()->Redo();
    window->History()->Redo();
    EXPECT_TRUE(window->Image().Mem[0].IsEmpty());
    EXPECT_EQ(window->Image().Mem[5], a);

    // The Delete key is the Clear button, question included.
    prompts.answers = {Answer::kOk};
    window->Memory()->SelectRow(6);
    QTest::keyClick(grid, Qt::Key_Delete);
    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(prompts.boxes[0].title, "CLEAR OK");
    EXPECT_TRUE(window->Image().Mem[5].IsEmpty());
}

TEST_F(EditingTest, SpreadsheetTextPastesAndRefusedRowsGetOneMessage) {
    Put(*window, kFirstSearchPassSlot + 5, 121.5);
    QApplication::clipboard()->setText(QStringLiteral("Frequency\tName\tMode\n118.1\tTWR\tAM\n1300\tBAD\tFM\n"
                                                      "121.5\tGUARD\tAM\n119.25\t\tAM\n"));
    QTableView* grid = SelectRows(*window, kFirstSearchPassSlot + 1, kFirstSearchPassSlot + 1);
    EXPECT_TRUE(window->Action(QStringLiteral("mnuPaste"))->isEnabled());
    QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);

    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(prompts.boxes[0].kind, "error");
    EXPECT_EQ(prompts.boxes[0].title, "ERROR");
    EXPECT_EQ(prompts.boxes[0].lines,
              (QStringList{QStringLiteral("2 of 4 rows were not pasted:"),
                           QStringLiteral("Row 2 (S1): The frequency must lie between 0.100000 and 1299.995000 MHz."),
                           QStringLiteral("Row 3 (S2): The same frequency as other channels cannot be set in "
                                          "Search Pass bank.")}));
    const auto& mem = window->Image().Mem;
    EXPECT_EQ(mem[kFirstSearchPassSlot].Text(kFreq), "118.100000");
    EXPECT_EQ(mem[kFirstSearchPassSlot].Text(kName), "TWR");
    EXPECT_TRUE(mem[kFirstSearchPassSlot + 1].IsEmpty());
    EXPECT_TRUE(mem[kFirstSearchPassSlot + 2].IsEmpty());
    EXPECT_EQ(mem[kFirstSearchPassSlot + 3].Text(kFreq), "119.250000");

    // Text that is no channel list offers nothing to paste.
    QApplication::clipboard()->setText(QStringLiteral("hello"));
    EXPECT_FALSE(window->Action(QStringLiteral("mnuPaste"))->isEnabled());
}

TEST_F(EditingTest, AVfoBandTakesTheValuesItCanHold) {
    window->ClickTab(Page::kSettings1);
    QTableView* vfo = window->VfoGrid();
    vfo->setFocus();
    vfo->selectRow(5);  // 118.000000 AM 25KHz
    QTest::keyClick(vfo, Qt::Key_C, Qt::ControlModifier);
    vfo->selectRow(6);  // 145.000000 FM 20KHz
    QTest::keyClick(vfo, Qt::Key_V, Qt::ControlModifier);
    const SlotFields& band = window->Image().Vfo[6];
    EXPECT_EQ(band.Text(kFreq), "145.000000");  // 118 MHz lies outside band 6
    EXPECT_EQ(band.Text(kMode), "AM");
    EXPECT_EQ(band.Text(kStep), "25KHz");
    EXPECT_EQ(window->VfoModel()->data(window->VfoModel()->index(6, kMode)).toString(), "AM");
    EXPECT_TRUE(window->Image().Modified);
    EXPECT_TRUE(prompts.boxes.empty());
    EXPECT_EQ(window->History()->UndoName(), "Paste VFO 6");
    window->History()->Undo();
    EXPECT_EQ(window->Image().Vfo[6].Text(kMode), "FM");
    EXPECT_EQ(window->VfoModel()->data(window->VfoModel()->index(6, kMode)).toString(), "FM");
}

TEST_F(EditingTest, FindBarFindsFrequenciesRangesAndTextAndGoToTakesLabels) {
    Put(*window, 3, 145.5, "TOWER");
    Put(*window, 10, 120.0, "", "Airport");
    Put(*window, kFirstSearchPassSlot + 5, 130.0);
    QTableView* grid = SelectRows(*window, 1, 1);
    QTest::keyClick(grid, Qt::Key_F, Qt::ControlModifier);
    FindBar* bar = window->Finder();
    ASSERT_TRUE(bar->isVisible());
    EXPECT_TRUE(bar->Box()->hasFocus());

    QTest::keyClicks(bar->Box(), QStringLiteral("118-137"));
    QTest::keyClick(bar->Box(), Qt::Key_Return);
    EXPECT_EQ(CurrentRow(*window), 11);
    MaybeScreenshot(QStringLiteral("find-bar.png"), window->grab());
    QTest::keyClick(bar->Box(), Qt::Key_Return);
    EXPECT_EQ(CurrentRow(*window), kFirstSearchPassSlot + 6);
    const int top = grid->rowAt(0), bottom = grid->rowAt(grid->viewport()->height() - 1);
    EXPECT_TRUE(top <= kFirstSearchPassSlot + 5 && kFirstSearchPassSlot + 5 <= bottom) << top << " " << bottom;
    QTest::keyClick(grid, Qt::Key_F3);
    EXPECT_EQ(CurrentRow(*window), 11);  // round the end
    QTest::keyClick(grid, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(CurrentRow(*window), kFirstSearchPassSlot + 6);

    bar->Box()->setText(QStringLiteral("airPORT"));
    QTest::keyClick(bar->Box(), Qt::Key_Return);
    EXPECT_EQ(CurrentRow(*window), 11);
    bar->Box()->setText(QStringLiteral("nothing"));
    QTest::keyClick(bar->Box(), Qt::Key_Return);
    EXPECT_EQ(CurrentRow(*window), 11);
    EXPECT_EQ(bar->Result()->text(), "No row matches \"nothing\".");
    QTest::keyClick(bar->Box(), Qt::Key_Escape);
    EXPECT_FALSE(bar->isVisible());

    QTest::keyClick(grid, Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(bar->CurrentMode(), FindBar::Mode::kGoTo);
    for (const auto& [text, row] : {std::pair{"S5", kFirstSearchPassSlot + 6}, {"07-012", 713}, {"pr10", 1211},
                                    {"1000", 1001}}) {
        bar->Box()->setText(QString::fromUtf8(text));
        QTest::keyClick(bar->Box(), Qt::Key_Return);
        EXPECT_EQ(CurrentRow(*window), row) << text;
    }
    bar->Box()->setText(QStringLiteral("xyz"));
    QTest::keyClick(bar->Box(), Qt::Key_Return);
    EXPECT_EQ(bar->Result()->text(), "There is no row \"xyz\".");
    EXPECT_EQ(CurrentRow(*window), 1001);
}

using testing::OnNextModal;

TEST_F(EditingTest, EnterAndF2OpenTheEditorAndTheCommandsHaveTheirKeys) {
    QTableView* grid = SelectRows(*window, 7, 7);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_F2}) {
        // Back from the editor, as the window manager would do it.
        window->activateWindow();
        for (int i = 0; i < 200 && QApplication::activeWindow() != window.get(); ++i) QTest::qWait(10);
        ASSERT_EQ(QApplication::activeWindow(), window.get());
        grid->setFocus();
        int row = 0;
        OnNextModal([&row](QWidget* dialog) {
            row = static_cast<DlgModify*>(dialog)->EditRow();
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QTest::keyClick(grid, key);
        EXPECT_EQ(row, 7) << key;
    }
    const std::pair<const char*, QKeySequence> keys[] = {
        {"mnuOpen", QKeySequence(QStringLiteral("Ctrl+O"))},    {"mnuSave", QKeySequence(QStringLiteral("Ctrl+S"))},
        {"mnuSaveAs", QKeySequence(QStringLiteral("Ctrl+Shift+S"))}, {"mnuExit", QKeySequence(QStringLiteral("Ctrl+Q"))},
        {"mnuAbout", QKeySequence(QStringLiteral("F1"))},
    };
    for (const auto& [name, key] : keys) EXPECT_EQ(window->Action(QString::fromLatin1(name))->shortcut(), key) << name;
}

QStringList EnabledActions(QMenu* menu) {
    QStringList names;
    for (QAction* a : menu->actions())
        if (!a->isSeparator() && a->isEnabled()) names << a->objectName();
    return names;
}

TEST_F(EditingTest, ContextMenusOfferWhatAppliesToTheRows) {
    Put(*window, 4, 145.5, "A");
    Put(*window, 250, 146.5, "B");
    QApplication::clipboard()->clear();
    QTableView* grid = SelectRows(*window, 5, 5);
    QMenu* menu = window->GridMenu(grid);
    EXPECT_EQ(EnabledActions(menu), (QStringList{"mnuModify", "mnuCut", "mnuCopy", "mnuClear", "mnuDisable",
                                                 "mnuInsert", "mnuDelete"}));
    delete menu;

    window->Memory()->SelectRow(251);  // beyond the 200 rows Insert and Delete work on
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    menu = window->GridMenu(grid);
    EXPECT_EQ(EnabledActions(menu), (QStringList{"mnuModify", "mnuCut", "mnuCopy", "mnuPaste", "mnuClear",
                                                 "mnuDisable"}));
    delete menu;

    SelectRows(*window, 4, 6);  // several rows: Insert and Delete keep to one
    menu = window->GridMenu(grid);
    EXPECT_FALSE(EnabledActions(menu).contains(QStringLiteral("mnuInsert")));
    delete menu;

    window->ClickTab(Page::kSettings1);
    menu = window->GridMenu(window->VfoGrid());
    EXPECT_EQ(EnabledActions(menu), (QStringList{"mnuModify", "mnuCopy", "mnuPaste"}));
    delete menu;

    // A right click inside the selection keeps it; outside, it moves to the row clicked.
    Put(*window, 3, 144.8, "C");
    Put(*window, 5, 433.5, "D");
    SelectRows(*window, 4, 6);
    auto rightClick = [grid](int row) {
        const QPoint at(grid->columnViewportPosition(1) + 5, grid->rowViewportPosition(row - 1) + 5);
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, grid->viewport()->mapToGlobal(at));
        QApplication::sendEvent(grid->viewport(), &click);
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    };
    QMenu* popup = rightClick(5);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(SelectedGridRows(grid), (std::vector<int>{3, 4, 5}));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
    QPixmap shot = window->grab();
    {
        QPainter painter(&shot);
        painter.drawPixmap(window->mapFromGlobal(popup->pos()), popup->grab());
    }
    MaybeScreenshot(QStringLiteral("context-menu.png"), shot);
    popup->close();

    popup = rightClick(10);
    ASSERT_NE(popup, nullptr);
    popup->close();
    EXPECT_EQ(CurrentRow(*window), 10);
    EXPECT_EQ(SelectedGridRows(grid), std::vector<int>{9});
}

}  // namespace
}  // namespace wrk7
