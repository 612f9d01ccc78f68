// The Edit menu's commands on the grids, by their keys: copy, cut and paste
// through the clipboard (between two windows, on the VFO grid), the find bar
// and Go To, Enter and F2, the context menus and the page buttons bound to
// the same commands. What each command asks and does: tests/app/commands.

#include "app/pages/find_bar.h"
#include "app/widgets/elided_label.h"
#include "window_fixture.h"

namespace wrk7 {
namespace {

class EditCommandsTest : public WindowTest {
protected:
    // The memory page of w in front, rows first..last selected, the grid focused.
    static QTableView* SelectRows(MainWindow& w, int first, int last) {
        w.ClickTab(Page::kMemory);
        Memory(w)->Grid()->setFocus();
        Memory(w)->SelectRows(first, last);
        Settle();
        return Memory(w)->Grid();
    }
    static const SlotFields& Slot(MainWindow& w, int slot) { return w.Document().Image().memory.slot[slot]; }
};

TEST_F(EditCommandsTest, CopyCutAndPasteCarryTheExactRecordsBetweenWindowsAndOnTheVfoGridAndSelectWhatTheyFilled) {
    // The VFO grid by its keys; its row follows Undo.
    ClickTab(Page::kSettings1);
    QTableView* vfo = VfoGrid(*window);
    vfo->setFocus();
    vfo->selectRow(5);  // 118.000000 AM 25KHz
    QTest::keyClick(vfo, Qt::Key_C, Qt::ControlModifier);
    vfo->selectRow(6);
    Settle();  // 145.000000 FM 20KHz
    QTest::keyClick(vfo, Qt::Key_V, Qt::ControlModifier);  // what a band keeps: ChannelPaste in tests/edit
    EXPECT_EQ(VfoModel(*window)->index(6, kMode).data().toString(), "AM");
    Doc().Undo();
    EXPECT_EQ(VfoModel(*window)->index(6, kMode).data().toString(), "FM");
    // A paste selects only the rows it filled.
    QApplication::clipboard()->setText(QStringLiteral("Frequency\tMode\n145.5\tFM\n5000\tFM\n146.5\tFM\n"));
    QTest::keyClick(SelectRows(*window, 21, 21), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Memory(*window)->SelectedRows(), (std::vector<int>{21, 23}));  // 22 was refused
    EXPECT_TRUE(Slot(*window, 21).IsEmpty() && prompts.boxes.size() == 1u);  // the refusal
    prompts.boxes.clear();
    Change([](CloneImage& image) {
        PutChannel(image, 0, 145.5, "TWR");
        PutChannel(image, 1, 433.0, "UHF");
        PutChannel(image, 3, 120.0);
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
    Memory(*other)->SelectRow(12);  // over used rows a paste asks first; Cancel changes nothing
    prompts.answers = {Answer::kCancel};
    other->Cmds().paste->trigger();
    EXPECT_EQ(prompts.boxes.at(0).lines, (QStringList{QStringLiteral("The paste replaces 2 used channels."),
                                                      QStringLiteral("Are you sure that you want to paste?")}));
    EXPECT_EQ(other->Document().UndoName(), "Paste 4 Channels");

    Memory(*other)->SelectRows(11, 12);
    Settle();
    QTest::keyClick(grid, Qt::Key_X, Qt::ControlModifier);  // no question
    EXPECT_TRUE(prompts.boxes.size() == 1u && Slot(*other, 10).IsEmpty() && Slot(*other, 11).IsEmpty());
    EXPECT_EQ(other->Document().UndoName(), "Cut 2 Channels");
    Memory(*other)->SelectRow(14);
    Settle();
    prompts.answers = {Answer::kOk};
    QTest::keyClick(grid, Qt::Key_Delete);  // the Delete key is Clear, question included (its step: CommandsTest)
    EXPECT_EQ(prompts.LastTitle(), "CLEAR OK");
    CloseWithoutSaving(*other);
}

// The duplicates the bar and the status line name belong to the image they
// were found in: New, Open, a model switch and a read of the memory put both away.
TEST_F(EditCommandsTest, TheDuplicatesBarAndStatusGoWhenTheImageGivesWay) {
    ASSERT_TRUE(window->Document().Save(Path("saved.WK7")).ok);
    ClickTab(Page::kMemory);
    CloneDocument& document = window->Document();
    const std::function<void()> replacements[] = {
        [&] { document.New(); }, [&] { document.Open(Path("saved.WK7")); }, [&] { document.SwitchModel(1); },
        [&] {
            const CloneImage read = document.Image();
            document.SetReadOnly(true);
            document.EndTransfer(&read, TransferPart::kMemory, QStringLiteral("Read"));
        }};
    for (const auto& replace : replacements) {
        Put(10, 145.0);
        Put(11, 145.0);
        Act("mnuFindDuplicates")->trigger();
        ASSERT_TRUE(window->Edits().Finder()->isVisible() && !StatusText(*window)->FullText().isEmpty());
        replace();
        EXPECT_FALSE(window->Edits().Finder()->isVisible());
        EXPECT_EQ(window->Edits().Finder()->Result()->text() + StatusText(*window)->FullText(), "");
    }
}

TEST_F(EditCommandsTest, TheGridsKeysMenusAndButtonsFindGoToOpenTheEditorOnTheRowAndShareOneCommand) {
    Put(10, 120.0, "TWR");
    Put(kFirstSearchPassSlot + 5, 130.0);
    QTableView* grid = SelectRows(*window, 1, 1);
    QTest::keyClick(grid, Qt::Key_F, Qt::ControlModifier);
    FindBar* bar = window->Edits().Finder();
    ASSERT_TRUE(bar->Box()->hasFocus());
    const auto enter = [this, bar](const char* text) {
        bar->Box()->setText(QString::fromUtf8(text));
        QTest::keyClick(bar->Box(), Qt::Key_Return);
        return Memory(*window)->CurrentRow();
    };
    EXPECT_EQ(enter("118-137"), 11);
    Shot("find-bar.png", window.get());
    QTest::keyClick(grid, Qt::Key_F3);
    EXPECT_EQ(Memory(*window)->CurrentRow(), kFirstSearchPassSlot + 6);
    EXPECT_TRUE(grid->viewport()->rect().intersects(grid->visualRect(grid->currentIndex()))) << "in view";
    QTest::keyClick(grid, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(Memory(*window)->CurrentRow(), 11);
    EXPECT_EQ(enter("nothing"), 11);
    EXPECT_EQ(bar->findChild<QLabel*>(QStringLiteral("lblFindResult"))->text(), "No row matches \"nothing\".");
    QTest::keyClick(bar->Box(), Qt::Key_Escape);
    EXPECT_FALSE(bar->isVisible());
    QTest::keyClick(grid, Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(bar->CurrentMode(), FindBar::Mode::kGoTo);
    EXPECT_EQ(enter("07-012"), 713);
    EXPECT_TRUE(grid->hasFocus() && !bar->isVisible()) << "Enter after Go To edits the row";
    // Ctrl+End and Ctrl+Home select the row they go to, so Delete acts on it.
    using Jump = std::tuple<Qt::Key, Qt::KeyboardModifiers, std::vector<int>>;
    for (const auto& [key, mods, selected] : {Jump{Qt::Key_End, Qt::ControlModifier, {kSlotCount}},
                                              Jump{Qt::Key_Home, Qt::ControlModifier, {1}},
                                              Jump{Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier, {}}}) {
        QTest::keyClick(grid, key, mods);
        const std::vector<int> rows = Memory(*window)->SelectedRows();
        if (selected.empty()) {
            EXPECT_EQ(std::pair(rows.size(), rows.back()), std::pair(std::size_t(kSlotCount), kSlotCount)) << "all";
        } else {
            EXPECT_EQ(rows, selected);
        }
        EXPECT_EQ(Memory(*window)->CurrentRow(), key == Qt::Key_End ? kSlotCount : 1);
    }
    // Enter and F2 open the editor on the row; what the step holds and is named: CommandsTest.
    SelectRows(*window, 7, 7);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_F2}) {
        window->activateWindow();  // back from the editor, as the window manager does it
        ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == window.get(); }));
        grid->setFocus();
        int row = 0;
        const auto watch = OnNextModal([&row, key](QWidget* dialog) {
            row = static_cast<ChannelEditor*>(dialog)->EditRow();
            if (key == Qt::Key_Return) return QTest::keyClick(dialog, Qt::Key_Escape);
            QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("txtFreq")), QStringLiteral("433"));
            QTest::keyClick(dialog, Qt::Key_Return);  // Enter is OK
        });
        QTest::keyClick(grid, key);
        EXPECT_EQ(row, 7) << key;
    }
    EXPECT_EQ(Slot(*window, 6).Text(kFreq) + " " + Act("mnuUndo")->text().toStdString(), "433.000000 &Undo Modify 00-006");
    // Menus, buttons and a right-click share one command; the click moves the selection.
    Change([](CloneImage& image) {
        for (int slot : {3, 4, 5}) PutChannel(image, slot, 145.5 + slot);
    });
    SelectRows(*window, 5, 5);
    QPushButton* clear = Memory(*window)->Button("cmbClear");
    EXPECT_TRUE(clear->isEnabled());
    Memory(*window)->SelectRow(9);  // an empty row: the button follows the command's rule
    Settle();
    EXPECT_FALSE(clear->isEnabled() || Act("mnuClear")->isEnabled());
    SelectRows(*window, 4, 6);
    for (const auto& [row, selected] : {std::pair{5, std::vector<int>{4, 5, 6}}, {10, {10}}}) {
        const QPoint at(grid->columnViewportPosition(1) + 5, grid->rowViewportPosition(row - 1) + 5);
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, grid->viewport()->mapToGlobal(at));
        QApplication::sendEvent(grid->viewport(), &click);
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(popup, nullptr);
        EXPECT_EQ(Memory(*window)->SelectedRows(), selected) << "inside the selection it stays";
        EXPECT_TRUE(popup->actions().contains(Act("mnuClear")));  // the menu's own command
        popup->close();
    }
}

}  // namespace
}  // namespace wrk7
