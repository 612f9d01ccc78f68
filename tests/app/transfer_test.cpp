// Transfers from the window against the built-in emulator: what the pages
// show and offer while one runs and after it ends, how each way a read can
// end leaves the document, the close during a transfer, the port choices,
// Quick Read and the serial trace; and COM Port Setup on its own (what each
// choice stands for on this machine).
#include <unistd.h>

#include "app/transfer/com_dialog.h"
#include "edit/bank.h"
#include "app/transfer/serial_traces.h"
#include "app/transfer/write_question.h"
#include "window_fixture.h"

namespace wrk7 {
namespace {

class TransferTest : public WindowTest {
protected:
    QString RunPort() const { return window->Transfers().RunPortText(); }
    // The names of those objects a user can work (actions enabled, widgets not
    // switched off), or with usable false of those locked.
    static std::string Usable(const QList<QObject*>& objects, bool usable = true) {
        QCoreApplication::processEvents();  // the commands take their states once a turn
        QStringList names;
        for (QObject* o : objects) {
            auto* w = qobject_cast<QWidget*>(o);
            if ((w ? w->isEnabledTo(w->parentWidget()) : static_cast<QAction*>(o)->isEnabled()) == usable)
                names << o->objectName();
        }
        return names.join(QLatin1Char(' ')).toStdString();
    }
    int Backups() const { return QDir(Path("backups")).entryList({QStringLiteral("*.WK7")}).size(); }
    // Opens the port dialog from the window; act chooses, then OK or Cancel.
    void ChoosePort(const std::function<void(ComDialog&)>& act, bool ok = true) {
        const auto watch = OnNextModal([act, ok](QWidget* w) {
            auto* dialog = static_cast<ComDialog*>(w);
            act(*dialog);
            dialog->findChild<QPushButton*>(ok ? QStringLiteral("cmdOK") : QStringLiteral("cmdCancel"))->click();
        });
        window->Transfers().ChoosePort();
    }
};

// A refusal ends as a failure does, with the link's words (ReadOperations in
// tests/link); a read that brings nothing new is no step (CloneDocumentTest).
TEST_F(TransferTest, AReadKeepsWhatArrivedAsOneStepUnlessItWasCancelled) {
    Put(0, 119.1);
    const struct { const char *what, *fault; bool cancel; int code; const char* message; bool kept; } cases[] = {
        {"cancelled with channels in its copy", "delay-ms=20", true, 1, "status: Read cancelled; nothing changed.", false},
        // One box, the whole of it: the failure, then what the window now holds.
        {"failed half-way", "hangup-after=200", false, 1,
         "error: COM Port Error|Read Failed...|emulator: the line was hung up|What arrived before the failure is now in the window, in place of what "
         "was there: Edit > Undo brings that back.", true},
        {"whole", nullptr, false, 0, "inform: Successed!!", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        UseReceiver(c.fault);
        const CloneImage before = Snapshot();
        const QString step = Doc().UndoName();
        const int backups = Backups();
        const auto boxes = prompts.boxes.size();
        QSignalSpy done(window.get(), &MainWindow::transferFinished);
        QSignalSpy progress(window->Transfers().Runner(), &TransferRunner::progress);
        window->StartTransfer(TransferDirection::kRead, TransferPart::kAll);
        if (c.cancel) {  // once some channels are in the read's copy
            ASSERT_TRUE(QTest::qWaitFor([&progress] {
                return !progress.isEmpty() && progress.last().at(1) == kSlotCount && progress.last().at(0).toInt() >= 5;
            }, 60000));
            Shot("main-reading.png", window.get());
            QWidget* keys = QApplication::focusWidget();
            QTest::keyClick(keys ? keys : window.get(), Qt::Key_Escape);  // the Cancel button's key
        }
        ASSERT_TRUE(done.wait(60000));
        EXPECT_EQ(done.takeFirst().at(0).toInt(), c.code);
        // A cancel is no failure: it is said in the status bar, not in a box.
        const QString said = prompts.boxes.size() > boxes
                                 ? prompts.boxes.back().kind + ": " + prompts.boxes.back().lines.join("|")
                                 : "status: " + StatusText(*window)->FullText();
        EXPECT_EQ(said, c.message);
        EXPECT_EQ(prompts.boxes.size() - boxes, c.cancel ? 0u : 1u);
        EXPECT_EQ(Snapshot() == before, !c.kept);
        EXPECT_EQ(Doc().UndoName(), c.kept ? QStringLiteral("Read All") : step);
        EXPECT_EQ(Backups(), backups + (c.code == 0 ? 1 : 0));
        EXPECT_EQ(window->CurrentPage(), c.code == 0 ? Page::kMemory : Page::kSettings1);
        EXPECT_FALSE(CancelButton(*window)->isVisible());
    }
    Shot("main-memory-read.png", window.get());
    EXPECT_TRUE(StatusText(*window)->toolTip().startsWith(QStringLiteral("Backup: ") + Path("backups")));
    // The backup line spoke of the image the next file replaces.
    ASSERT_TRUE(Doc().Save(Path("other.WK7")).ok);
    window->Files().OpenFile(Path("other.WK7"));
    EXPECT_TRUE(StatusText(*window)->FullText().isEmpty());
}

TEST_F(TransferTest, AWriteSaysFirstWhatItReplacesAndBacksUpTheReceiver) {
    QStringList asked;
    // Answers the question before a write; any other window is refused.
    auto answer = [&asked](bool write, bool doNotAsk) {
        return OnNextModal([&asked, write, doNotAsk](QWidget* w) {
            auto* question = qobject_cast<WriteQuestion*>(w);
            if (!question) return static_cast<QDialog*>(w)->reject();
            asked << question->Text()->text() + (question->BackUpFirst()->isChecked() ? " [back up]" : "");
            question->DoNotAskAgain()->setChecked(doNotAsk);
            write ? question->WriteButton()->click() : question->reject();
        });
    };
    window->Transfers().askBeforeWrite = nullptr;
    UseReceiver();
    Put(3, 433.0);
    {
        const auto watch = answer(false, false);
        window->StartTransfer(TransferDirection::kWrite, TransferPart::kBank);
        EXPECT_FALSE(window->Transfers().IsRunning()) << "Cancel writes nothing";
    }
    {
        const auto watch = answer(true, true);
        ASSERT_EQ(RunTransfer(TransferDirection::kWrite, TransferPart::kMemory), 0);
    }
    EXPECT_EQ(asked, QStringList({"The write replaces the bank table on the receiver. [back up]",
                                  "The write replaces the memory channels (with the program-scan edges, search-pass and "
                                  "priority entries), the bank table and the scan groups on the receiver. [back up]"}));
    // What the backup holds: WriteOperations in tests/link.
    EXPECT_TRUE(StatusText(*window)->FullText().startsWith("Backup: " + Path("backups")));
    ASSERT_EQ(RunTransfer(TransferDirection::kWrite, TransferPart::kGroups), 0);  // asked once a run
    Reopen();
    window->Transfers().askBeforeWrite = nullptr;
    UseReceiver();
    ASSERT_EQ(RunTransfer(TransferDirection::kWrite, TransferPart::kSettings), 0);  // and never again
    EXPECT_EQ(std::pair(asked.size(), Backups()), std::pair(qsizetype{2}, 3));
}

// Verify After Writing, remembered between runs: a receiver keeping a
// channel write wrongly fails the write, its box naming the row.
TEST_F(TransferTest, VerifyAfterWritingIsRememberedAndFailsAWriteHeldOtherwise) {
    Act("mnuVerifyAfterWrite")->trigger();
    Reopen();
    ASSERT_TRUE(Act("mnuVerifyAfterWrite")->isChecked());
    // The question comes with the last choice ticked, and is left so.
    window->Transfers().askBeforeWrite = [this](TransferPart) {
        WriteChoice choice;
        choice.verify = window->Transfers().VerifyAfterWrite();
        return choice;
    };
    Put(3, 433.0);  // the only channel, so the first written
    const QString row = QString::fromStdString("Memory " + BuildRowLabels(Snapshot())[3] + ", Frequency: written 433.000000, held ");
    const struct { const char* fault; int code; QString kind, said; } cases[] = {
        {nullptr, 0, "inform", "Read back and compared"}, {"keep-wrong=1", 1, "error", row}};
    for (const auto& c : cases) {
        UseReceiver(c.fault);
        const auto before = prompts.boxes.size();
        ASSERT_EQ(RunTransfer(TransferDirection::kWrite, TransferPart::kMemory), c.code);
        EXPECT_TRUE(std::any_of(prompts.boxes.begin() + static_cast<std::ptrdiff_t>(before), prompts.boxes.end(),
                                [&](const auto& b) { return b.kind == c.kind && b.lines.join('\n').contains(c.said); }));
    }
}

TEST_F(TransferTest, WhileATransferRunsNothingCanChangeOrReplaceTheImage) {
    Put(100, 145.5);
    ASSERT_TRUE(SaveAs("before.WK7"));  // a recent file, which would replace the image
    Put(101, 146.5);
    UseReceiver("delay-ms=50");  // slow enough that the write still runs while the test acts
    // An editor open when the transfer starts is cancelled first.
    const auto watch = OnNextModal([this](QWidget* editor) {
        window->StartTransfer(TransferDirection::kWrite, TransferPart::kAll);
        if (editor->isVisible()) static_cast<QDialog*>(editor)->reject();
    });
    window->Cmds().EditMemoryRow(4);
    ASSERT_TRUE(window->Transfers().IsRunning());
    EXPECT_FALSE(window->Edits().Editor()->isVisible());

    ClickTab(Page::kMemory);
    MemoryPage* memory = Memory(*window);
    memory->SelectRow(102);  // a used row: Cut and Clear would apply
    QList<QObject*> waiting{memory->Button("cmbDelete"), memory->ReadButton(), Bank(*window)->CountBox(0),
                            Bank(*window)->GroupBox(kBanks + 1), Settings(*window)->ModelButton(1),
                            window->findChild<QCheckBox*>(QStringLiteral("chkBeep")), window->Recent().Menu()};
    // The image's commands: tests/app/commands; here what the window switches.
    for (const char* name : {"mnuNew", "mnuOpen", "mnuImport", "mnuUndo", "mnuComSetup"}) waiting << Act(name);
    EXPECT_EQ(Usable(waiting), "");
    EXPECT_EQ(Usable({Act("mnuSave"), Act("mnuSaveAs"), Act("mnuExport"),
                      window->findChild<QWidget*>(QStringLiteral("tbr_ﾍﾙﾌﾟ")), memory->Button("Command4")},
                     false),
              "");

    // Called directly, Open waits too (the editor: CommandsTest, read-only).
    window->Files().Open();
    EXPECT_EQ(requests.size(), 1u);

    // Closing asks before it breaks off the transfer, then asks to save.
    prompts.answers = {Answer::kCancel};
    EXPECT_FALSE(window->close());
    EXPECT_EQ(prompts.LastTitle(), "CANCEL OK");
    ASSERT_TRUE(window->Transfers().IsRunning());
    prompts.answers = {Answer::kOk, Answer::kCancel};
    EXPECT_FALSE(window->close());
    EXPECT_FALSE(window->Transfers().IsRunning());
    EXPECT_EQ(prompts.LastTitle(), "Save Changes");
    EXPECT_EQ(Doc().Image().memory.slot[101].Value(kFreq), 146.5);
    memory->SelectRow(102);
    EXPECT_EQ(Usable(waiting, false), "");

    // A transfer that ends while the close asks about it takes the question
    // with it; its own words are seen and the close goes on.
    window->StartTransfer(TransferDirection::kWrite, TransferPart::kSettings);
    const auto boxes = prompts.boxes.size();
    prompts.whileAsking = [this] {
        EXPECT_TRUE(QTest::qWaitFor([this] { return !window->Transfers().IsRunning(); }, 60000));
    };
    prompts.answers = {Answer::kCancel, Answer::kNo};
    EXPECT_TRUE(window->close());
    EXPECT_EQ(prompts.dismissed, 1);
    QStringList seen;
    for (auto b = prompts.boxes.begin() + static_cast<std::ptrdiff_t>(boxes); b != prompts.boxes.end(); ++b)
        seen << b->kind + ": " + b->title;
    EXPECT_EQ(seen.join(" | "), "confirm: CANCEL OK | inform: Success | ask: Save Changes");
}

TEST_F(TransferTest, PortAndQuickReadChoicesAreRememberedAndATransferLeavesATraceToOpen) {
    AppOptions noPort = Options();
    noPort.portOverride.reset();
    Reopen(noPort);
    const QString path = Path("ttyAdapter");
    ChoosePort([](ComDialog& d) { d.Choice(5)->click(); });
    EXPECT_EQ(RunPort(), "COM5");
    ChoosePort([&path](ComDialog& d) { QTest::keyClicks(d.PathEdit(), path); });
    ChoosePort([](ComDialog& d) { d.Choice(7)->click(); }, false);  // Cancel changes nothing
    EXPECT_EQ(RunPort(), path);
    EXPECT_FALSE(Act("mnuQuickRead")->isChecked()) << "the full read is the default";
    Act("mnuQuickRead")->trigger();
    CloseWithoutSaving(*window);
    EXPECT_EQ(ReadPortFile(*noPort.portDirs), 5) << "the port file keeps the number";
    EXPECT_EQ(MakeWindow(Options())->Transfers().RunPortText(), "emulator") << "--port wins for its run";
    window = MakeWindow(noPort);
    EXPECT_EQ(RunPort(), path);
    EXPECT_TRUE(Act("mnuQuickRead")->isChecked());
    ChoosePort([](ComDialog& d) { d.Choice(3)->click(); });
    Reopen(noPort);
    EXPECT_EQ(RunPort(), "COM3") << "a number chosen again forgets the path";

    QStringList opened;
    window->Transfers().openFile = [&opened](const QString& trace) { return opened << trace, true; };
    Act("mnuOpenTrace")->trigger();
    EXPECT_EQ(prompts.boxes.back().lines, QStringList{QStringLiteral("No transfer has left a trace yet.")});
    UseReceiver();
    ASSERT_EQ(RunTransfer(TransferDirection::kRead, TransferPart::kMemory), 0);
    EXPECT_LT(Progress(*window)->maximum(), kSlotCount) << "only the used channels";
    const QString trace = LastSerialTrace(Path("traces"));  // what a trace holds: tests/link
    EXPECT_TRUE(testing::ReadAll(trace).startsWith("# wrk7 serial trace: read memory (quick)\n"));
    Act("mnuOpenTrace")->trigger();
    EXPECT_EQ(opened, QStringList{trace});
    window->Transfers().openFile = [](const QString&) { return false; };  // a desktop with no viewer
    Act("mnuOpenTrace")->trigger();
    EXPECT_EQ(prompts.boxes.back().kind + "|" + prompts.boxes.back().detail, "location|" + trace);
}

TEST(ComDialogTest, ThePortDialogShowsWhatEachChoiceStandsForOnThisMachine) {
    QTemporaryDir dir;
    const QString names[] = {"ttyUSB0", "ttyUSB1", "ttyNoAccess", "gone"};
    for (int i = 0; i < 3; ++i) QFile(dir.filePath(names[i])).open(QIODevice::WriteOnly);  // the fourth has gone
    QFile::setPermissions(dir.filePath(names[2]), QFileDevice::ReadOwner);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("by-id")));
    const QString stable = dir.filePath(QStringLiteral("by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0"));
    ASSERT_TRUE(QFile::link(QStringLiteral("../ttyUSB1"), stable));
    ComDialog dialog;
    dialog.byIdFolder = dir.filePath(QStringLiteral("by-id"));
    dialog.deviceForPort = [&](int n) { return n <= 4 ? dir.filePath(names[n - 1]).toStdString() : std::string(); };
    dialog.Prepare(2, QStringLiteral("emulator"));
    EXPECT_TRUE(dialog.Choice(2)->isChecked());
    EXPECT_EQ(dialog.DeviceLabel(1)->text(), dir.filePath(names[0]));
    EXPECT_EQ(dialog.StableNameLabel(2)->text(), "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");  // tests/link: SerialById
    if (::access(dir.filePath(names[2]).toLocal8Bit().constData(), W_OK) != 0) {  // not as root
        EXPECT_TRUE(dialog.DeviceLabel(3)->text().contains(QStringLiteral("no permission")));
    }
    EXPECT_TRUE(dialog.DeviceLabel(4)->text().contains(QStringLiteral("device missing")));
    EXPECT_EQ(dialog.DeviceLabel(5)->text(), "(no device on this machine)");
    EXPECT_TRUE(dialog.findChild<QLabel*>(QStringLiteral("lblRunPort"))->text().endsWith(QStringLiteral("emulator")));
    dialog.show();
    Shot("com-port-setup.png", &dialog);
}

}  // namespace
}  // namespace wrk7
