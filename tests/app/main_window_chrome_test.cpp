// The window around the image: when a box counts as left, the bars' show
// and hide switches, and the names the file dialogs suggest and complete.
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>

#include "app/bank_page.h"
#include "app/elided_label.h"
#include "app/file_dialogs.h"
#include "files/clone_file.h"
#include "main_window_fixture.h"

namespace wrk7 {
namespace {

// Opens a menu of the menu bar and closes it again, as a user glancing at it.
void GlanceAtMenu(MainWindow& window, const char* name) {
    auto* menu = window.findChild<QMenu*>(QString::fromLatin1(name));
    ASSERT_NE(menu, nullptr);
    menu->popup(window.mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    menu->close();
    QCoreApplication::processEvents();
}

TEST_F(MainWindowTest, CountBoxesAreCheckedOnlyWhenTheFocusMovesWithinTheWindow) {
    window->ClickTab(Page::kBank);
    BankPage* bank = window->Bank();
    window->Image().Modified = false;

    // An untouched box: a menu opened and closed marks nothing.
    bank->CountBox(0)->setFocus(Qt::MouseFocusReason);
    GlanceAtMenu(*window, "mnuFile");
    EXPECT_FALSE(window->Image().Modified);

    // An entry past 1000 still being typed: neither a menu nor another
    // window refuses it.
    QLineEdit* box = bank->CountBox(3);
    box->setFocus(Qt::MouseFocusReason);  // leaving box 0 for it marks the image
    window->Image().Modified = false;
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("600"));
    GlanceAtMenu(*window, "mnuView");
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_TRUE(prompts.errors.empty());
    EXPECT_EQ(box->text(), "600");
    EXPECT_FALSE(window->Image().Modified);

    // Leaving it for another box is leaving: refused once, restored.
    bank->CountBox(4)->setFocus(Qt::MouseFocusReason);
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_EQ(box->text(), "100");
    EXPECT_EQ(window->Image().BankCount[3], 100);
}

TEST_F(MainWindowTest, EveryWayOfHidingABarAgreesWithTheViewMenu) {
    QToolBar* bar = window->ToolBar();
    QAction* viewToolBar = window->Action(QStringLiteral("mnuToolBar"));
    QAction* viewStatusBar = window->Action(QStringLiteral("mnuStatusBar"));
    ASSERT_NE(viewToolBar, nullptr);
    ASSERT_NE(viewStatusBar, nullptr);
    EXPECT_EQ(viewToolBar->text(), "Tool Bar(&T)");
    EXPECT_TRUE(viewToolBar->isChecked());
    EXPECT_TRUE(viewStatusBar->isChecked());

    // The tool bar's right-click menu hides it.
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5), bar->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(bar, &rightClick);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    menu->setActiveAction(bar->toggleViewAction());
    QTest::keyClick(menu, Qt::Key_Return);
    EXPECT_TRUE(bar->isHidden());
    EXPECT_FALSE(viewToolBar->isChecked());
    viewToolBar->trigger();
    EXPECT_FALSE(bar->isHidden());
    EXPECT_TRUE(viewToolBar->isChecked());

    window->statusBar()->hide();
    EXPECT_FALSE(viewStatusBar->isChecked());
    viewStatusBar->trigger();
    EXPECT_FALSE(window->statusBar()->isHidden());
    viewStatusBar->trigger();
    EXPECT_TRUE(window->statusBar()->isHidden());
    EXPECT_FALSE(viewStatusBar->isChecked());
}

TEST_F(MainWindowTest, SaveDialogsCompleteTheNameAndSuggestOne) {
    nextFile = dir.filePath(QStringLiteral("mine"));
    ASSERT_TRUE(window->SaveAs());
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].title, "Save As");
    EXPECT_TRUE(requests[0].save);
    EXPECT_EQ(requests[0].suggestion, "WR-K7J.WK7");
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("mine.WK7"))));
    EXPECT_FALSE(QFile::exists(nextFile));
    EXPECT_TRUE(window->windowTitle().startsWith(QStringLiteral("mine.WK7[*] \u2013 ")));

    window->Export();
    EXPECT_EQ(requests.back().title, "Export");
    EXPECT_EQ(requests.back().suggestion, dir.filePath(QStringLiteral("mine.csv")));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("mine.csv"))));

    // A name with an extension of its own is the user's choice.
    nextFile = dir.filePath(QStringLiteral("list.txt"));
    window->Export();
    EXPECT_TRUE(QFile::exists(nextFile));

    window->Image().Modified = false;
    nextFile.clear();
    window->Open();
    EXPECT_EQ(requests.back().title, "Open");
    EXPECT_FALSE(requests.back().save);
    EXPECT_EQ(requests.back().suggestion, dir.path());
}

TEST(FileDialogsTest, NamesAndTitles) {
    EXPECT_EQ(WithExtension(QStringLiteral("/a.b/mine"), QStringLiteral("WK7")), "/a.b/mine.WK7");
    EXPECT_EQ(WithExtension(QStringLiteral("/a/mine."), QStringLiteral("WK7")), "/a/mine.WK7");
    EXPECT_EQ(WithExtension(QStringLiteral("/a/mine.wk7"), QStringLiteral("WK7")), "/a/mine.wk7");
    EXPECT_EQ(WithExtension(QString(), QStringLiteral("WK7")), "");  // cancelled
    EXPECT_EQ(FirstExtension(kCloneFileFilter), "WK7");
    EXPECT_EQ(WithReplacedExtension(QStringLiteral("/a/my.list.WK7"), QStringLiteral("csv")), "/a/my.list.csv");
    EXPECT_EQ(DialogTitle(QStringLiteral("Save As(&A)...")), "Save As");
    EXPECT_EQ(DialogTitle(QString::fromUtf8("名前を付けて保存(&A)...")), QString::fromUtf8("名前を付けて保存"));
}

TEST(ElidedLabelTest, ALongPathLosesItsMiddleAndIsWholeInTheToolTip) {
    const QString path = QStringLiteral("Backup: /home/user/") + QString(QStringLiteral("folder/")).repeated(20) +
                         QStringLiteral("read.WK7");
    ElidedLabel label;
    label.resize(200, 20);
    label.show();
    label.SetFullText(path);
    EXPECT_EQ(label.toolTip(), path);
    EXPECT_TRUE(label.text().startsWith(QStringLiteral("Backup: ")));
    EXPECT_TRUE(label.text().endsWith(QStringLiteral("read.WK7")));
    EXPECT_LT(label.text().size(), path.size());

    label.resize(label.fontMetrics().horizontalAdvance(path) + 20, 20);
    EXPECT_EQ(label.text(), path);
}

}  // namespace
}  // namespace wrk7
