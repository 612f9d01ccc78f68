// The main window around the document: its first state, the tabs and the
// bank total that holds them, the count boxes' keys and focus, the model
// buttons, the close, a start-up file, the bars and the Japanese captions.
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QStatusBar>
#include <QToolBar>

#include "app/pages/bank_page.h"
#include "app/pages/settings_pages.h"
#include "files/clone_file.h"
#include "files/rich_image.h"
#include "window_fixture.h"

namespace wrk7 {
namespace {

class WindowPagesTest : public WindowTest {
protected:
    // The bank page's count box of bank, its text replaced by typed keys.
    QLineEdit* TypeCount(int bank, const QString& keys) {
        QLineEdit* box = window->Bank()->CountBox(bank);
        box->setFocus(Qt::MouseFocusReason);
        box->selectAll();
        QTest::keyClicks(box, keys);
        return box;
    }
};

TEST_F(WindowPagesTest, StartsUntitledOnSettings1WithTheDefaultImage) {
    EXPECT_EQ(window->windowTitle(), Title(QStringLiteral("Untitled")));
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(window->CurrentPage(), Page::kSettings1);
    EXPECT_EQ(window->findChild<QComboBox*>(QStringLiteral("cbbChargeTime"))->currentText(), "12 hrs.");
    EXPECT_EQ(window->Bank()->TotalLabel()->text(), "1000");
    EXPECT_EQ(QStringList({RowLabel(1), RowLabel(1001), RowLabel(1101), RowLabel(1300)}),
              QStringList({"00-000", "0A", "S0", "Pr99"}));
    EXPECT_TRUE(prompts.boxes.empty());
    Shot("main-settings1.png");
    for (Page page : {Page::kSettings1, Page::kSettings2, Page::kMemory, Page::kBank}) {
        window->ClickTab(page);
        EXPECT_EQ(window->CurrentPage(), page);
        EXPECT_EQ(Act("mnuModify")->isEnabled(), page == Page::kSettings1 || page == Page::kMemory);
    }
    Shot("main-bank.png");
    window->ClickTab(Page::kSettings2);
    Shot("main-settings2.png");
}

TEST_F(WindowPagesTest, TheBankPageHoldsTheOthersUntilTheCountsMakeAThousand) {
    window->ClickTab(Page::kBank);
    TypeCount(0, QStringLiteral("99"));
    window->ClickTab(Page::kMemory);
    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(prompts.boxes[0].lines, QStringList{QStringLiteral("Total CH must be 1000")});
    EXPECT_EQ(window->CurrentPage(), Page::kBank);
    EXPECT_EQ(window->Bank()->TotalLabel()->text(), "999");

    TypeCount(10, QStringLiteral("1"));  // bank 10 takes the missing channel
    window->ClickTab(Page::kMemory);
    EXPECT_EQ(window->CurrentPage(), Page::kMemory);
    EXPECT_EQ(RowLabel(100), "01-000");
    EXPECT_EQ(RowLabel(1000), "10-000");
    // Undone, the count leaves 999 channels again: the bank page comes back.
    Doc().Undo();
    EXPECT_EQ(window->CurrentPage(), Page::kBank);
    EXPECT_EQ(window->Bank()->TotalLabel()->text(), "999");
}

TEST_F(WindowPagesTest, CountBoxesRefuseTooManyAndMoveWithTheKeys) {
    window->ClickTab(Page::kBank);
    BankPage* bank = window->Bank();
    QTest::keyClick(TypeCount(3, QStringLiteral("600")), Qt::Key_Return);
    ASSERT_EQ(prompts.Errors().size(), 1u);
    EXPECT_EQ(bank->CountBox(3)->text(), "100");
    EXPECT_EQ(Doc().Image().BankCount[3], 100);
    EXPECT_TRUE(bank->CountBox(4)->hasFocus());

    QTest::keyClick(TypeCount(4, QStringLiteral("0050")), Qt::Key_Down);  // leading zeros go
    EXPECT_EQ(bank->CountBox(4)->text(), "50");
    EXPECT_EQ(bank->TotalLabel()->text(), "950");
    EXPECT_TRUE(bank->CountBox(5)->hasFocus());
    bank->CountBox(0)->setFocus();
    QTest::keyClick(bank->CountBox(0), Qt::Key_Up);  // round the fifty boxes
    EXPECT_TRUE(bank->CountBox(49)->hasFocus());
    QTest::keyClick(bank->CountBox(49), Qt::Key_Down);
    EXPECT_TRUE(bank->CountBox(0)->hasFocus());
}

// Opens a menu of the menu bar and closes it again, as a user glancing at it.
void GlanceAtMenu(MainWindow& window, const char* name) {
    auto* menu = window.findChild<QMenu*>(QString::fromLatin1(name));
    menu->popup(window.mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    menu->close();
    QCoreApplication::processEvents();
}

TEST_F(WindowPagesTest, ACountBoxIsLeftOnlyWhenTheFocusMovesWithinTheWindow) {
    window->ClickTab(Page::kBank);
    QLineEdit* box = TypeCount(3, QStringLiteral("600"));  // past 1000 while typed
    GlanceAtMenu(*window, "mnuView");
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_TRUE(prompts.boxes.empty());
    EXPECT_EQ(box->text(), "600");
    EXPECT_EQ(Doc().StepCount(), 0);

    window->Bank()->CountBox(4)->setFocus(Qt::MouseFocusReason);  // leaving it: refused once, restored
    EXPECT_EQ(prompts.Errors().size(), 1u);
    EXPECT_EQ(box->text(), "100");
}

TEST_F(WindowPagesTest, CtrlZInABoxWithNothingOfItsOwnToTakeBackUndoesTheDocumentsStep) {
    Put(0, 145.5);
    window->ClickTab(Page::kBank);
    QLineEdit* box = window->Bank()->CountBox(0);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Cell(1), "");
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Cell(1), "145.500000");
    // What the user typed in the box is the box's own to take back first.
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_5);
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box->text(), "100");
    EXPECT_EQ(Cell(1), "145.500000");
}

TEST_F(WindowPagesTest, AModelButtonAsksOnlyAboutUnsavedChangesAndSnapsBackWhenCancelled) {
    QRadioButton* k7j = window->Settings()->ModelButton(0);
    QRadioButton* k70t = window->Settings()->ModelButton(2);
    k70t->click();
    EXPECT_TRUE(prompts.boxes.empty());
    EXPECT_EQ(Doc().Model(), 2);

    Put(5, 145.5);
    prompts.answers = {Answer::kCancel};
    k7j->click();
    EXPECT_EQ(prompts.LastTitle(), "Save Changes");
    EXPECT_TRUE(k70t->isChecked());
    EXPECT_EQ(Doc().Model(), 2);
    EXPECT_EQ(Doc().StepCount(), 1);
    EXPECT_EQ(Cell(6), "145.500000");

    prompts.answers = {Answer::kNo};
    k7j->click();
    EXPECT_TRUE(k7j->isChecked());
    EXPECT_EQ(Cell(6), "");
    EXPECT_FALSE(window->isWindowModified());
}

TEST_F(WindowPagesTest, CloseAsksToSaveUnsavedChangesAndKeepsThePortNumber) {
    nextFile = dir.filePath(QStringLiteral("closing.WK7"));
    const struct {
        Answer answer;
        bool closes, saved;
    } cases[] = {{Answer::kCancel, false, false}, {Answer::kNo, true, false}, {Answer::kYes, true, true}};
    for (const auto& c : cases) {
        if (!window) window = MakeWindow();
        Put(0, 145.5 + static_cast<int>(c.answer));
        prompts.answers = {c.answer};
        EXPECT_EQ(window->close(), c.closes);
        EXPECT_EQ(prompts.boxes.back().lines, QStringList{QStringLiteral("Save changes to settings?")});
        EXPECT_EQ(QFile::exists(nextFile), c.saved);
        if (c.closes) window.reset();
    }
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("WR-K7.ini"))));
}

TEST_F(WindowPagesTest, AStartupFileOpensOrLeavesTheDefaultImageWithAWord) {
    CloneImage rich = testing::RichImage(0);
    ASSERT_TRUE(SaveCloneFile(rich, dir.filePath(QStringLiteral("good.WK7"))).ok);
    const struct {
        const char* name;
        QByteArray content;
        QStringList error;
        const char* title;
    } cases[] = {
        {"good.WK7", {}, {}, "good.WK7"},
        {"short.WK7", "not a clone file\r\n", {"File Open Error"}, "Untitled"},
        {"bad.WK7", QByteArray("not a clone file\r\n").repeated(kCloneFileLines), {"Data Error"}, "Untitled"},
    };
    for (const auto& c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        if (!c.content.isEmpty()) ASSERT_TRUE(testing::WriteAll(path, c.content));
        CloseWithoutSaving(*window);
        prompts.boxes.clear();
        window = MakeWindow(path);
        EXPECT_EQ(prompts.boxes.empty() ? QStringList() : prompts.boxes[0].lines, c.error) << c.name;
        EXPECT_EQ(window->windowTitle(), Title(QString::fromLatin1(c.title)));
        EXPECT_EQ(Cell(1).isEmpty(), !c.error.isEmpty());
        EXPECT_FALSE(window->isWindowModified());
    }
}

TEST_F(WindowPagesTest, EveryWayOfHidingABarAgreesWithTheViewMenu) {
    QToolBar* bar = window->ToolBar();
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5), bar->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(bar, &rightClick);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    menu->setActiveAction(bar->toggleViewAction());
    QTest::keyClick(menu, Qt::Key_Return);
    EXPECT_TRUE(bar->isHidden());
    EXPECT_FALSE(Act("mnuToolBar")->isChecked());
    Act("mnuToolBar")->trigger();
    EXPECT_FALSE(bar->isHidden());

    window->statusBar()->hide();
    EXPECT_FALSE(Act("mnuStatusBar")->isChecked());
    Act("mnuStatusBar")->trigger();
    EXPECT_TRUE(window->statusBar()->isVisible());
}

TEST_F(WindowPagesTest, JapaneseCaptionsComeFromTheStringTable) {
    auto japanese = MakeWindow(Options(UiLanguage::kJapanese));
    EXPECT_EQ(japanese->findChild<QMenu*>(QStringLiteral("mnuFile"))->title(), QString::fromUtf8("ﾌｧｲﾙ(&F)"));
    EXPECT_EQ(japanese->Action(QStringLiteral("mnuCut"))->text(), QString::fromUtf8("切り取り(&T)"));
    EXPECT_EQ(window->findChild<QMenu*>(QStringLiteral("mnuFile"))->title(), "File(&F)");
    japanese->ClickTab(Page::kMemory);
    Shot("main-japanese.png", japanese.get());
    CloseWithoutSaving(*japanese);
}

TEST_F(WindowPagesTest, MemoryColumnsFillAWiderWindow) {
    window->ClickTab(Page::kMemory);
    QTableView* grid = window->Memory()->Grid();
    const int nameBefore = grid->columnWidth(kName);
    window->resize(window->width() + 200, window->height());
    QCoreApplication::processEvents();
    int total = 0;
    for (int c = 0; c < grid->horizontalHeader()->count(); ++c) total += grid->isColumnHidden(c) ? 0 : grid->columnWidth(c);
    EXPECT_EQ(total, grid->viewport()->width());
    EXPECT_GT(grid->columnWidth(kName), nameBefore);
}

}  // namespace
}  // namespace wrk7
