// What a transfer may do to the window's image: nothing while it runs,
// nothing at all when it is cancelled, and only its own part when it ends.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "app/bank_page.h"
#include "app/dlg_modify.h"
#include "app/elided_label.h"
#include "app/image_history.h"
#include "app/settings_pages.h"
#include "edit/bank.h"
#include "files/clone_file.h"
#include "main_window_fixture.h"

namespace wrk7 {
namespace {

// Waits until a running read has put some channels into its copy.
void WaitForChannels(TransferRunner* runner) {
    QSignalSpy progress(runner, &TransferRunner::progress);
    for (int tries = 0; tries < 600; ++tries) {
        for (const QList<QVariant>& p : progress)
            if (p.at(1).toInt() == kSlotCount && p.at(0).toInt() >= 5) return;
        progress.wait(100);
    }
    FAIL() << "no channel arrived";
}

TEST_F(MainWindowTest, WhileAWriteRunsNothingCanChangeOrReplaceTheImage) {
    CloneImage halves;  // a file whose banks are 500/500, to try to open meanwhile
    halves.BankCount.fill(0);
    halves.BankCount[0] = halves.BankCount[1] = 500;
    const QString halvesFile = dir.filePath(QStringLiteral("halves.WK7"));
    ASSERT_TRUE(SaveCloneFile(halves, halvesFile).ok);
    PutChannel(700, 145.5);
    window->Image().Modified = true;

    UseSlowReceiver(*window);
    QSignalSpy done(window.get(), &MainWindow::transferFinished);
    window->StartWrite(link::Part::kAll);
    ASSERT_TRUE(window->Runner()->IsRunning());
    for (const char* name : {"mnuNew", "mnuOpen", "mnuImport", "mnuModify", "tbr_新規作成", "tbr_開く"})
        EXPECT_FALSE(window->Action(QString::fromUtf8(name))->isEnabled()) << name;
    for (const char* name : {"mnuSave", "mnuSaveAs", "mnuExport", "mnuAbout", "tbr_ﾍﾙﾌﾟ"})
        EXPECT_TRUE(window->Action(QString::fromUtf8(name))->isEnabled()) << name;
    MemoryPage* memory = window->Memory();
    EXPECT_FALSE(memory->Button("cmbDelete")->isEnabledTo(memory));
    EXPECT_TRUE(memory->Button("Command4")->isEnabledTo(memory));
    EXPECT_FALSE(window->Bank()->CountBox(0)->isEnabledTo(window->Bank()));
    EXPECT_FALSE(window->Bank()->GroupBox(kBanks + 1)->isEnabledTo(window->Bank()));
    QWidget* page2 = window->Settings()->Page2();
    EXPECT_FALSE(window->findChild<QCheckBox*>(QStringLiteral("chkBeep"))->isEnabledTo(page2));
    EXPECT_FALSE(window->Settings()->ModelButton(1)->isEnabled());
    EXPECT_TRUE(window->VfoGrid()->isEnabled());
    window->ClickTab(Page::kMemory);
    window->Memory()->SelectRow(701);  // a used row: Cut and Clear would apply
    for (const char* name : {"mnuCut", "mnuClear", "mnuDisable", "mnuDelete", "mnuInsert"})
        EXPECT_FALSE(window->Action(QString::fromUtf8(name))->isEnabled()) << name;
    for (const char* name : {"mnuCopy", "mnuFind"})
        EXPECT_TRUE(window->Action(QString::fromUtf8(name))->isEnabled()) << name;

    // Open is refused, even when called directly.
    nextFile = halvesFile;
    window->Action(QStringLiteral("mnuOpen"))->trigger();
    window->Open();
    EXPECT_TRUE(requests.empty());
    // Save As keeps the image as it was.
    nextFile = dir.filePath(QStringLiteral("meanwhile"));
    EXPECT_TRUE(window->SaveAs());
    EXPECT_FALSE(window->RecentFilesMenu()->isEnabled());  // its files would replace the image
    // A double-click on the list opens no editor.
    bool editorOpened = false;
    QTimer::singleShot(300, [&editorOpened] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            editorOpened = true;
            modal->close();
        }
    });
    window->ClickTab(Page::kMemory);
    const QRect cell = memory->Grid()->visualRect(memory->Model()->index(0, 0));
    ASSERT_TRUE(window->Runner()->IsRunning());
    QTest::mouseDClick(memory->Grid()->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::qWait(400);
    EXPECT_FALSE(editorOpened);

    // Closing asks before it breaks off the write; No keeps it going.
    prompts.answers = {Prompter::Answer::kCancel};
    EXPECT_FALSE(window->close());
    EXPECT_EQ(prompts.boxes.back().title, "CANCEL OK");
    EXPECT_TRUE(window->Runner()->IsRunning() || !done.isEmpty());

    if (done.isEmpty()) {
        ASSERT_TRUE(done.wait(60000));
    }
    EXPECT_EQ(done.takeFirst().at(0).toInt(), 0);
    EXPECT_EQ(prompts.boxes.back().lines, QStringList{QStringLiteral("Successed!!")});
    EXPECT_EQ(window->Image().BankCount[0], 100);
    EXPECT_EQ(RowLabel(701), "07-000");
    EXPECT_EQ(Cell(701, 0), "145.500000");
    EXPECT_FALSE(window->Image().Modified);  // saved meanwhile
    EXPECT_TRUE(window->Action(QStringLiteral("mnuOpen"))->isEnabled());
    window->Memory()->SelectRow(701);
    EXPECT_TRUE(window->Action(QStringLiteral("mnuClear"))->isEnabled());
    EXPECT_TRUE(window->RecentFilesMenu()->isEnabled());
    EXPECT_TRUE(window->Bank()->CountBox(0)->isEnabledTo(window->Bank()));
    CloneImage saved;
    ASSERT_TRUE(LoadCloneFile(saved, dir.filePath(QStringLiteral("meanwhile.WK7"))).ok);
    EXPECT_EQ(saved.Mem[700].Value(kFreq), 145.5);
    EXPECT_EQ(saved.BankCount[0], 100);
}

TEST_F(MainWindowTest, AnEditorOpenWhenATransferStartsIsCancelledFirst) {
    PutChannel(3, 145.5);
    QSignalSpy cancelled(window->Editor(), &DlgModify::entryCancelled);
    ASSERT_TRUE(window->Editor()->BeginMemoryEdit(window->Image(), 4));
    UseSlowReceiver(*window);
    window->StartRead(link::Part::kAll);
    EXPECT_FALSE(window->Editor()->isVisible());
    EXPECT_EQ(cancelled.size(), 1);
    window->CancelTransfer();
    window->Runner()->WaitForFinish();
}

TEST_F(MainWindowTest, ACancelledReadLeavesTheImageAsItWas) {
    PutChannel(0, 119.1);
    PutChannel(900, 433.0);
    window->Image().BankCount[0] = 90;
    window->Image().BankCount[1] = 110;
    window->Bank()->ShowBankCounts();
    window->ClickTab(Page::kBank);
    window->Bank()->GroupBox(kBanks * 2 + 4)->click();  // group 2, bank 4: shown, not yet stored
    window->ClickTab(Page::kMemory);
    ASSERT_EQ(RowLabel(91), "01-000");
    CloneImage before = window->Image();
    before.GroupMember[2][4] = true;  // the image as the pages show it

    UseSlowReceiver(*window);
    QSignalSpy done(window.get(), &MainWindow::transferFinished);
    window->StartRead(link::Part::kAll);
    WaitForChannels(window->Runner());
    window->CancelButton()->click();
    ASSERT_TRUE(done.wait(60000));
    EXPECT_NE(done.takeFirst().at(0).toInt(), 0);
    EXPECT_EQ(prompts.errors.back().lines, QStringList{QStringLiteral("Read Failed...")});

    EXPECT_TRUE(window->Image() == before);
    EXPECT_EQ(Cell(1, 0), "119.100000");
    EXPECT_EQ(RowLabel(91), "01-000");
    EXPECT_EQ(window->Bank()->CountBox(0)->text(), "90");
    EXPECT_TRUE(window->Bank()->GroupBox(kBanks * 2 + 4)->isChecked());
    EXPECT_TRUE(window->Image().Modified);
}

TEST_F(MainWindowTest, AReadThatFailsOnItsOwnKeepsWhatArrived) {
    PutChannel(0, 119.1);
    window->Image().Modified = false;
    emu::FaultPlan hangUp;
    hangUp.hangupAfter = 200;  // some way into the channels
    window->Runner()->SetPortFactory([hangUp] { return emu::MakeDemoEmulatorPort(0, hangUp); });
    EXPECT_EQ(RunTransfer(false, link::Part::kAll), 1);
    EXPECT_NE(Cell(1, 0), "119.100000");
    EXPECT_TRUE(window->Image().Modified);
}

TEST_F(MainWindowTest, AReadIsOneStepOfTheHistoryAndACancelledOneNone) {
    auto file = [this] {
        CloneImage copy = window->Image();
        return CloneFileLines(copy);
    };
    ImageHistory* history = window->History();
    history->Record(QStringLiteral("Put 119.1"), [this] { PutChannel(0, 119.1); });
    nextFile = dir.filePath(QStringLiteral("saved.WK7"));
    ASSERT_TRUE(window->SaveAs());
    const std::vector<std::string> saved = file();

    // Cancelled with channels in its copy: the image and the steps stay.
    UseSlowReceiver(*window);
    QSignalSpy done(window.get(), &MainWindow::transferFinished);
    window->StartRead(link::Part::kAll);
    EXPECT_FALSE(window->Action(QStringLiteral("mnuUndo"))->isEnabled());
    EXPECT_FALSE(window->RecentFilesMenu()->isEnabled());
    WaitForChannels(window->Runner());
    window->CancelButton()->click();
    ASSERT_TRUE(done.wait(60000));
    EXPECT_TRUE(window->Action(QStringLiteral("mnuUndo"))->isEnabled());
    EXPECT_EQ(file(), saved);
    EXPECT_EQ(history->Count(), 1);
    EXPECT_EQ(history->UndoName(), "Put 119.1");
    EXPECT_FALSE(history->CanRedo());
    EXPECT_FALSE(window->Image().Modified);

    // Failed half-way, what arrived is kept as one step; undoing it gives
    // back the saved file and its clean state.
    emu::FaultPlan hangUp;
    hangUp.hangupAfter = 200;
    window->Runner()->SetPortFactory([hangUp] { return emu::MakeDemoEmulatorPort(0, hangUp); });
    EXPECT_EQ(RunTransfer(false, link::Part::kAll), 1);
    const std::vector<std::string> kept = file();
    ASSERT_NE(kept, saved);
    EXPECT_EQ(history->Count(), 2);
    EXPECT_EQ(window->Action(QStringLiteral("mnuUndo"))->text(), "&Undo Read All");
    EXPECT_TRUE(window->isWindowModified());
    window->Undo();
    EXPECT_EQ(file(), saved);
    EXPECT_EQ(Cell(1, 0), "119.100000");
    EXPECT_FALSE(window->Image().Modified);
    EXPECT_FALSE(window->isWindowModified());
    window->Redo();
    EXPECT_EQ(file(), kept);
    EXPECT_TRUE(window->Image().Modified);
}

TEST_F(MainWindowTest, TheBackupPathIsWholeInTheStatusBarsToolTip) {
    EXPECT_EQ(RunTransfer(false, link::Part::kSettings), 0);
    auto* status = window->findChild<ElidedLabel*>(QStringLiteral("sbrText"));
    ASSERT_NE(status, nullptr);
    EXPECT_TRUE(status->toolTip().startsWith(QStringLiteral("Backup: ") + dir.filePath(QStringLiteral("backups"))));
    EXPECT_EQ(status->toolTip(), status->FullText());
}

}  // namespace
}  // namespace wrk7
