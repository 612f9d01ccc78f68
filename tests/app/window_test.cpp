// The main window around the document: its first state, the tabs and the
// bank total that holds them, the count boxes' keys and focus, the model
// buttons, the close, the bars and the Japanese captions.

#include "window_fixture.h"

namespace wrk7 {
namespace {

using WindowPagesTest = WindowTest;

TEST_F(WindowPagesTest, StartsUntitledOnSettings1AndOffersModifyOnTheGridPagesOnly) {
    EXPECT_EQ(window->windowTitle(), Title("Untitled"));
    EXPECT_EQ(window->CurrentPage(), Page::kSettings1);
    EXPECT_EQ(window->findChild<QComboBox*>(QStringLiteral("cbbChargeTime"))->currentText(), "12 hrs.");
    EXPECT_EQ(RowLabel(1300), "Pr99");
    Shot("main-settings1.png");
    for (Page page : {Page::kSettings2, Page::kMemory, Page::kBank, Page::kSettings1}) {
        window->ClickTab(page);
        EXPECT_EQ(window->CurrentPage(), page);
        EXPECT_EQ(Act("mnuModify")->isEnabled(), page == Page::kSettings1 || page == Page::kMemory);
        if (page == Page::kSettings2) Shot("main-settings2.png");
        if (page == Page::kBank) Shot("main-bank.png");
    }
}

TEST_F(WindowPagesTest, TheBankPageHoldsTheOthersUntilTheCountsMakeAThousand) {
    window->ClickTab(Page::kBank);
    TypeCount(0, QStringLiteral("99"));
    window->ClickTab(Page::kMemory);
    EXPECT_EQ(prompts.boxes.at(0).lines, QStringList{QStringLiteral("Total CH must be 1000")});
    EXPECT_EQ(window->CurrentPage(), Page::kBank);
    EXPECT_EQ(window->Bank()->TotalLabel()->text(), "999");
    TypeCount(10, QStringLiteral("1"));  // bank 10 takes the missing channel
    window->ClickTab(Page::kMemory);
    EXPECT_EQ(window->CurrentPage(), Page::kMemory);
    EXPECT_EQ(RowLabel(1000), "10-000");
    Doc().Undo();  // 999 channels again: the bank page comes back to the front
    EXPECT_EQ(window->CurrentPage(), Page::kBank);
    EXPECT_EQ(window->Bank()->TotalLabel()->text(), "999");
}

TEST_F(WindowPagesTest, CountBoxesRefuseTooManyAndMoveWithTheKeys) {
    window->ClickTab(Page::kBank);
    BankPage* bank = window->Bank();
    QTest::keyClick(TypeCount(3, QStringLiteral("600")), Qt::Key_Return);
    EXPECT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(bank->CountBox(3)->text(), "100");
    QTest::keyClick(TypeCount(4, QStringLiteral("0050")), Qt::Key_Down);  // leading zeros go
    EXPECT_EQ(bank->CountBox(4)->text(), "50");
    EXPECT_EQ(bank->TotalLabel()->text(), "950");
    EXPECT_TRUE(bank->CountBox(5)->hasFocus());
    QTest::keyClick(TypeCount(0, {}), Qt::Key_Up);  // round the fifty boxes
    EXPECT_TRUE(bank->CountBox(49)->hasFocus());
    QTest::keyClick(bank->CountBox(49), Qt::Key_Return);
    EXPECT_TRUE(bank->CountBox(0)->hasFocus());
}

TEST_F(WindowPagesTest, ACountBoxIsLeftOnlyWhenTheFocusMovesWithinTheWindow) {
    window->ClickTab(Page::kBank);
    QLineEdit* box = TypeCount(3, QStringLiteral("600"));  // past 1000 while typed
    auto* menu = window->findChild<QMenu*>(QStringLiteral("mnuView"));
    menu->popup(window->mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    menu->close();
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_TRUE(prompts.boxes.empty());
    EXPECT_EQ(box->text(), "600");
    window->Bank()->CountBox(4)->setFocus(Qt::MouseFocusReason);  // leaving it: refused once, put back
    EXPECT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(box->text(), "100");
}

TEST_F(WindowPagesTest, CtrlZInABoxWithNothingOfItsOwnToTakeBackUndoesTheDocumentsStep) {
    Put(0, 145.5);
    window->ClickTab(Page::kBank);
    QLineEdit* box = TypeCount(0, {});
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Cell(1), "");
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Cell(1), "145.500000");
    QTest::keyClicks(box, QStringLiteral("5"));  // what the user typed is the box's own to take back
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box->text(), "100");
    EXPECT_EQ(Cell(1), "145.500000");
}

TEST_F(WindowPagesTest, AModelButtonAsksOnlyAboutUnsavedChangesAndSnapsBackWhenCancelled) {
    QRadioButton* k7j = window->Settings()->ModelButton(0);
    window->Settings()->ModelButton(2)->click();
    EXPECT_TRUE(prompts.boxes.empty());
    Put(5, 145.5);
    for (Answer answer : {Answer::kCancel, Answer::kNo}) {
        prompts.answers = {answer};
        k7j->click();
        EXPECT_EQ(prompts.LastTitle(), "Save Changes");
        EXPECT_EQ(k7j->isChecked(), answer == Answer::kNo);
        EXPECT_EQ(Cell(6).isEmpty(), answer == Answer::kNo);  // cancelled: the image and its one step stay
        EXPECT_EQ(window->isWindowModified(), answer == Answer::kCancel);
    }
}

TEST_F(WindowPagesTest, CloseAsksToSaveUnsavedChangesAndKeepsThePortNumber) {
    nextFile = Path("closing.WK7");
    for (Answer answer : {Answer::kCancel, Answer::kNo, Answer::kYes}) {
        if (!window) window = MakeWindow(Options());
        Put(0, 145.5 + static_cast<int>(answer));
        prompts.answers = {answer};
        EXPECT_EQ(window->close(), answer != Answer::kCancel);
        EXPECT_EQ(prompts.boxes.back().lines, QStringList{QStringLiteral("Save changes to settings?")});
        EXPECT_EQ(QFile::exists(nextFile), answer == Answer::kYes);
        if (answer != Answer::kCancel) window.reset();
    }
    EXPECT_TRUE(QFile::exists(Path("WR-K7.ini")));
}

TEST_F(WindowPagesTest, EveryWayOfHidingABarAgreesWithTheViewMenu) {
    QToolBar* bar = window->ToolBar();
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5), bar->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(bar, &rightClick);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    menu->close();
    EXPECT_TRUE(menu->actions().contains(Act("mnuToolBar"))) << "the bar's own menu holds View's item";
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

}  // namespace
}  // namespace wrk7
