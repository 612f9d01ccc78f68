// Transfers from the window against the built-in emulator: what the pages
// show and offer while one runs and after it ends, how each way a read can
// end leaves the document, the close during a transfer, the port choices,
// Quick Read and the serial traces.
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTimer>

#include "app/dialogs/dlg_modify.h"
#include "app/pages/bank_page.h"
#include "app/pages/settings_pages.h"
#include "app/transfer/com_dialog.h"
#include "app/transfer/serial_traces.h"
#include "app/widgets/elided_label.h"
#include "app/window/edit_commands.h"
#include "app/window/recent_files_menu.h"
#include "files/rich_image.h"
#include "next_modal.h"
#include "window_fixture.h"

namespace wrk7 {
namespace {

// Counts the times a dialog is shown and closes it again, so that one opened
// modally by mistake cannot hold the test.
class ShowWatch : public QObject {
public:
    explicit ShowWatch(QDialog* dialog) : dialog_(dialog) { dialog->installEventFilter(this); }
    int shown = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            ++shown;
            QTimer::singleShot(0, dialog_, &QDialog::reject);
        }
        return false;
    }

private:
    QDialog* dialog_;
};

class TransferTest : public WindowTest {
protected:
    // Waits until a running read has put some channels into its copy.
    void WaitForChannels() {
        QSignalSpy progress(window->Transfers().Runner(), &TransferRunner::progress);
        for (int tries = 0; tries < 600; ++tries) {
            for (const QList<QVariant>& p : progress)
                if (p.at(1).toInt() == kSlotCount && p.at(0).toInt() >= 5) return;
            progress.wait(100);
        }
        FAIL() << "no channel arrived";
    }
    QString RunPort() const { return window->Transfers().RunPortText(); }
    // Opens the port dialog from the window; act chooses, then OK or Cancel.
    void ChoosePort(const std::function<void(ComDialog&)>& act, bool ok = true) {
        testing::OnNextModal([act, ok](QWidget* w) {
            auto* dialog = static_cast<ComDialog*>(w);
            act(*dialog);
            dialog->findChild<QPushButton*>(ok ? QStringLiteral("cmdOK") : QStringLiteral("cmdCancel"))->click();
        });
        window->Transfers().ChoosePort();
    }
    QString Stored(std::string_view key) const {
        return QSettings(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat).value(SettingsKey(key)).toString();
    }
};

TEST_F(TransferTest, ReadAllFillsThePagesKeepsABackupAndWritesBack) {
    EXPECT_EQ(RunTransfer(Direction::kRead, TransferPart::kAll), 0);
    EXPECT_EQ(prompts.boxes.back().kind, "inform");
    EXPECT_EQ(prompts.boxes.back().lines, QStringList{QStringLiteral("Successed!!")});
    EXPECT_EQ(window->CurrentPage(), Page::kMemory);
    EXPECT_FALSE(window->Progress()->isVisible());
    EXPECT_FALSE(window->CancelButton()->isVisible());
    EXPECT_NE(Cell(1), "");
    EXPECT_EQ(Doc().UndoName(), "Read All");
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_EQ(Backups(), 1);
    EXPECT_TRUE(window->StatusText()->toolTip().startsWith(QStringLiteral("Backup: ") + dir.filePath(QStringLiteral("backups"))));
    Shot("main-memory-read.png");

    // The same receiver read again brings nothing new, so no step.
    const int steps = Doc().StepCount();
    EXPECT_EQ(RunTransfer(Direction::kRead, TransferPart::kAll), 0);
    EXPECT_EQ(Doc().StepCount(), steps);
    EXPECT_EQ(RunTransfer(Direction::kWrite, TransferPart::kAll), 0);
    EXPECT_EQ(prompts.boxes.back().lines, QStringList{QStringLiteral("Successed!!")});
}

TEST_F(TransferTest, AReadKeepsWhatArrivedAsOneStepUnlessCancelledOrRefused) {
    Put(0, 119.1);
    const struct {
        const char* what;
        emu::FaultPlan faults;
        bool cancel;
        int code;
        const char* message;
        bool kept;
    } cases[] = {
        {"refused", {.refuseId = true}, false, 4, "Region Error", false},
        {"cancelled with channels in its copy", {.delayMs = 20}, true, 1, "Read Failed...", false},
        {"failed half-way", {.hangupAfter = 200}, false, 1, "Read Failed...", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        UseReceiver(c.faults);
        const CloneImage before = Snapshot();
        prompts.boxes.clear();
        QSignalSpy done(window.get(), &MainWindow::transferFinished);
        window->StartTransfer(Direction::kRead, TransferPart::kAll);
        EXPECT_FALSE(Act("mnuUndo")->isEnabled());
        if (c.cancel) {
            WaitForChannels();
            Shot("main-reading.png");
            window->CancelButton()->click();
        }
        ASSERT_TRUE(done.wait(60000));
        EXPECT_EQ(done.takeFirst().at(0).toInt(), c.code);
        ASSERT_FALSE(prompts.Errors().empty());
        EXPECT_EQ(prompts.Errors().back().lines, QStringList{QString::fromLatin1(c.message)});
        EXPECT_EQ(Snapshot() == before, !c.kept);
        EXPECT_EQ(Doc().UndoName(), c.kept ? "Read All" : "setup");
        EXPECT_EQ(Cell(1) == "119.100000", !c.kept);
        EXPECT_EQ(Backups(), 0);
        EXPECT_TRUE(Act("mnuUndo")->isEnabled());
        EXPECT_TRUE(window->Memory()->ReadButton()->isEnabledTo(window->Memory()));
    }
}

TEST_F(TransferTest, WhileATransferRunsNothingCanChangeOrReplaceTheImage) {
    Put(700, 145.5);
    nextFile = dir.filePath(QStringLiteral("before.WK7"));
    ASSERT_TRUE(window->Files().SaveAs());  // a recent file, which would replace the image
    Put(701, 146.5);
    UseSlowReceiver();
    // An editor open when the transfer starts is cancelled first.
    testing::OnNextModal([this](QWidget* editor) {
        window->StartTransfer(Direction::kWrite, TransferPart::kAll);
        if (editor->isVisible()) static_cast<QDialog*>(editor)->reject();
    });
    window->Edits().EditMemoryRow(4);
    ASSERT_TRUE(window->Transfers().IsRunning());
    EXPECT_FALSE(window->Edits().Editor()->isVisible());
    EXPECT_TRUE(window->CancelButton()->isVisible());

    for (const char* name : {"mnuNew", "mnuOpen", "mnuImport", "mnuModify", "mnuUndo", "mnuReadAll", "mnuComSetup",
                             "tbr_新規作成", "tbr_開く"})
        EXPECT_FALSE(Act(name)->isEnabled()) << name;
    for (const char* name : {"mnuSave", "mnuSaveAs", "mnuExport", "mnuAbout", "tbr_ﾍﾙﾌﾟ"})
        EXPECT_TRUE(Act(name)->isEnabled()) << name;
    EXPECT_FALSE(window->Recent().Menu()->isEnabled());
    BankPage* bank = window->Bank();
    EXPECT_FALSE(bank->CountBox(0)->isEnabledTo(bank));
    EXPECT_FALSE(bank->GroupBox(kBanks + 1)->isEnabledTo(bank));
    EXPECT_FALSE(window->findChild<QCheckBox*>(QStringLiteral("chkBeep"))->isEnabledTo(window->Settings()->Page2()));
    EXPECT_FALSE(window->Settings()->ModelButton(1)->isEnabled());
    window->ClickTab(Page::kMemory);
    MemoryPage* memory = window->Memory();
    memory->SelectRow(701);  // a used row: Cut and Clear would apply
    for (const char* name : {"mnuCut", "mnuClear", "mnuDisable", "mnuDelete", "mnuInsert"})
        EXPECT_FALSE(Act(name)->isEnabled()) << name;
    for (const char* name : {"mnuCopy", "mnuFind"}) EXPECT_TRUE(Act(name)->isEnabled()) << name;
    EXPECT_FALSE(memory->Button("cmbDelete")->isEnabledTo(memory));
    EXPECT_FALSE(memory->ReadButton()->isEnabledTo(memory));
    EXPECT_TRUE(memory->Button("Command4")->isEnabledTo(memory));

    // Called directly, Open, a second transfer and the editor wait too.
    nextFile = dir.filePath(QStringLiteral("before.WK7"));
    window->Files().Open();
    EXPECT_EQ(requests.size(), 1u);
    window->StartTransfer(Direction::kRead, TransferPart::kSettings);
    EXPECT_EQ(window->CurrentPage(), Page::kMemory);
    ShowWatch editor(window->Edits().Editor());
    const QRect cell = memory->Grid()->visualRect(memory->Model()->index(0, 0));
    QTest::mouseDClick(memory->Grid()->viewport(), Qt::LeftButton, {}, cell.center());
    window->Edits().Modify();
    EXPECT_EQ(editor.shown, 0);

    // Closing asks before it breaks off the transfer, then asks to save.
    prompts.answers = {Answer::kCancel};
    EXPECT_FALSE(window->close());
    EXPECT_EQ(prompts.LastTitle(), "CANCEL OK");
    ASSERT_TRUE(window->Transfers().IsRunning());
    prompts.answers = {Answer::kOk, Answer::kCancel};
    EXPECT_FALSE(window->close());
    EXPECT_FALSE(window->Transfers().IsRunning());
    EXPECT_EQ(prompts.LastTitle(), "Save Changes");
    EXPECT_EQ(Doc().Image().Mem[701].Value(kFreq), 146.5);
    memory->SelectRow(701);
    for (const char* name : {"mnuOpen", "mnuClear", "mnuUndo", "mnuReadAll"}) EXPECT_TRUE(Act(name)->isEnabled()) << name;
    EXPECT_TRUE(window->Recent().Menu()->isEnabled());
    EXPECT_TRUE(memory->ReadButton()->isEnabled());
    EXPECT_FALSE(window->CancelButton()->isVisible());
}

TEST_F(TransferTest, ATypedDevicePathIsRememberedWhileThePortFileKeepsTheNumber) {
    AppOptions noPort = Options();
    noPort.portOverride.reset();
    CloseWithoutSaving(*window);
    window = MakeWindow(noPort);
    const QString path = dir.filePath(QStringLiteral("ttyAdapter"));
    ChoosePort([](ComDialog& d) { d.Choice(5)->click(); });
    EXPECT_EQ(RunPort(), "COM5");
    ChoosePort([&path](ComDialog& d) { QTest::keyClicks(d.PathEdit(), path); });
    EXPECT_EQ(RunPort(), path);
    ChoosePort([](ComDialog& d) { d.Choice(7)->click(); }, false);
    EXPECT_EQ(RunPort(), path) << "Cancel changes nothing";
    CloseWithoutSaving(*window);
    EXPECT_EQ(ReadPortFile(*noPort.portDirs), 5);
    EXPECT_EQ(Stored(kDevicePathKey), path);

    EXPECT_EQ(MakeWindow()->Transfers().RunPortText(), "emulator") << "--port wins for its run";
    window = MakeWindow(noPort);
    EXPECT_EQ(RunPort(), path);
    ChoosePort([](ComDialog& d) {
        EXPECT_TRUE(d.PathChoice()->isChecked());
        d.Choice(3)->click();
    });
    EXPECT_EQ(RunPort(), "COM3");
    CloseWithoutSaving(*window);
    EXPECT_EQ(Stored(kDevicePathKey), "") << "a number chosen again forgets the path";
}

TEST_F(TransferTest, QuickReadIsRememberedAndEveryTransferLeavesATraceToOpen) {
    QStringList opened;
    window->Transfers().openFile = [&opened](const QString& path) { return opened << path, true; };
    QAction* quick = Act("mnuQuickRead");
    EXPECT_EQ(quick->text(), "Quick Read (used channels only)");
    EXPECT_FALSE(quick->isChecked()) << "the full read is the default";
    Act("mnuOpenTrace")->trigger();
    EXPECT_EQ(prompts.boxes.back().lines, QStringList{QStringLiteral("No transfer has left a trace yet.")});

    quick->trigger();
    ASSERT_EQ(RunTransfer(Direction::kRead, TransferPart::kMemory), 0);
    const QString trace = LastSerialTrace(dir.filePath(QStringLiteral("traces")));
    const QString text = QString::fromUtf8(testing::ReadAll(trace));
    EXPECT_TRUE(text.startsWith(QStringLiteral("# wrk7 serial trace: read memory (quick)\n")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("= Successed!!\n")));
    // Flags, bank table and groups are 12 reads; the bar counted the rest.
    const qsizetype reads = text.count(QRegularExpression(QStringLiteral("> KV~F[0-9A-F]{5}R")));
    EXPECT_EQ(window->Progress()->maximum(), reads - 12);
    EXPECT_LT(window->Progress()->maximum(), 1300);
    Act("mnuOpenTrace")->trigger();
    EXPECT_EQ(opened, QStringList{trace});
    CloseWithoutSaving(*window);
    EXPECT_EQ(Stored(kQuickReadKey), "true");
    EXPECT_TRUE(MakeWindow()->Transfers().QuickRead());
}

TEST(SerialTracesTest, TheNewestTenAreKept) {
    QTemporaryDir dir;
    const QDateTime start(QDate(2026, 12, 7), QTime(6, 0));
    QString last;
    for (int n = 0; n < 12; ++n) last = SaveSerialTrace("trace " + std::to_string(n) + "\n", dir.path(), start.addSecs(n));
    const QStringList kept = QDir(dir.path()).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(kept.size(), kTracesKept);
    EXPECT_EQ(kept.first(), "trace-20261207-060002-000.txt") << "the two oldest are gone";
    EXPECT_EQ(LastSerialTrace(dir.path()), last);
    // Two in the same millisecond keep both, the second as the newer.
    const QString twin = SaveSerialTrace("twin\n", dir.path(), start.addSecs(11));
    EXPECT_NE(twin, last);
    EXPECT_EQ(LastSerialTrace(dir.path()), twin);
}

}  // namespace
}  // namespace wrk7
