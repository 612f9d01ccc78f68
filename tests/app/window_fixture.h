#pragma once
// The main window as the tests open it: English captions, the built-in
// emulator as the port, every file it keeps (port file, settings, backups,
// traces) in the test's own folder, message boxes and file dialogs answered
// without a modal loop. The image is prepared through the document, as one
// step, the way every change reaches it.
#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/commands/commands.h"
#include "app/dialogs/channel_editor.h"
#include "app/dialogs/listing_print.h"
#include "app/document/clone_document.h"
#include "app/pages/bank_page.h"
#include "app/pages/memory_page.h"
#include "app/pages/memory_table_model.h"
#include "app/pages/settings_pages.h"
#include "app/pages/vfo_table_model.h"
#include "app/transfer/transfer_runner.h"
#include "app/widgets/elided_label.h"
#include "app/window/edit_commands.h"
#include "app/commands/file_commands.h"
#include "app/window/main_window.h"
#include "app/window/recent_files_menu.h"
#include "core/tables.h"
#include "emulator/emulator_port.h"
#include "emulator/receiver.h"
#include "files/rich_image.h"
#include "recording_prompter.h"
#include "put_channel.h"

namespace wrk7 {

using Answer = Prompter::Answer;

// act runs on the next modal window once it is up (exec() makes a dialog
// modal only after the call that starts it). The watch lasts as long as the
// object returned: keep it until the call that opens the window has returned,
// so that a watch which saw no window cannot act on a later one.
[[nodiscard]] inline std::unique_ptr<QTimer> OnNextModal(std::function<void(QWidget*)> act) {
    auto timer = std::make_unique<QTimer>();
    QObject::connect(timer.get(), &QTimer::timeout, [watch = timer.get(), act] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            watch->stop();
            act(modal);
        }
    });
    timer->start(10);
    return timer;
}

// With WRK7_SCREENSHOT_DIR set, of is saved there (the README's pictures).
inline void Shot(const char* name, QWidget* of) {
    const QString folder = qEnvironmentVariable("WRK7_SCREENSHOT_DIR");
    if (!folder.isEmpty()) of->grab().save(QDir(folder).filePath(QString::fromLatin1(name)));
}

// The window's parts as the user finds them: by their kind or their names.
inline MemoryPage* Memory(const MainWindow& w) { return w.findChild<MemoryPage*>(); }
inline BankPage* Bank(const MainWindow& w) { return w.findChild<BankPage*>(); }
inline SettingsPages* Settings(const MainWindow& w) { return w.findChild<SettingsPages*>(); }
inline VfoTableModel* VfoModel(const MainWindow& w) { return w.findChild<VfoTableModel*>(); }
inline ListingPrint* Printing(const MainWindow& w) { return w.findChild<ListingPrint*>(); }
inline QTableView* VfoGrid(const MainWindow& w) { return w.findChild<QTableView*>(QStringLiteral("MSFlexGrid2")); }
inline QTabWidget* Tabs(const MainWindow& w) { return w.findChild<QTabWidget*>(QStringLiteral("TabStrip1")); }
inline QToolBar* ToolBar(const MainWindow& w) { return w.findChild<QToolBar*>(QStringLiteral("Toolbar1")); }
inline ElidedLabel* StatusText(const MainWindow& w) { return w.findChild<ElidedLabel*>(QStringLiteral("sbrText")); }
inline QProgressBar* Progress(const MainWindow& w) { return w.findChild<QProgressBar*>(QStringLiteral("ProgressBar1")); }
inline QPushButton* CancelButton(const MainWindow& w) {
    return w.findChild<QPushButton*>(QStringLiteral("cmdCancelTransfer"));
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { window = MakeWindow(Options()); }
    void TearDown() override {
        if (window) CloseWithoutSaving(*window);
    }

    AppOptions Options(UiLanguage language = UiLanguage::kEnglish) const {
        return {QString(), QStringLiteral("emulator"), PortFileDirs{dir.path(), dir.path()}, Path("settings.ini"),
                Path("backups"), Path("traces"), language};
    }
    std::unique_ptr<MainWindow> MakeWindow(AppOptions options) {
        auto w = std::make_unique<MainWindow>(std::move(options), &prompts);
        // Writes go unasked and without a backup read, unless a test says otherwise.
        w->Transfers().askBeforeWrite = [](TransferPart) { return WriteChoice{false, true}; };
        w->Files().chooseFile = [this](QWidget*, const FileRequest& request) {
            requests.push_back(request);
            return nextFile;
        };
        w->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
        return w;
    }
    void CloseWithoutSaving(MainWindow& w) {
        if (w.Transfers().IsRunning()) w.Transfers().CancelAndWait();
        prompts.answers = {Answer::kNo};
        EXPECT_TRUE(w.close());
    }
    // Closes the window unsaved and opens the next run's, which finds what was kept.
    void Reopen(std::optional<AppOptions> options = {}) {
        CloseWithoutSaving(*window);
        window = MakeWindow(options ? *options : Options());
    }
    bool SaveAs(const char* name) { return nextFile = Path(name), window->Files().SaveAs(); }

    // The commands take their states once a turn of the event loop, before
    // the user's next key; a test that acts at once lets that turn pass.
    static void Settle() { QCoreApplication::processEvents(); }
    void ClickTab(Page page) {
        window->ClickTab(page);
        Settle();
    }

    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    CloneDocument& Doc() const { return window->Document(); }
    CloneImage Snapshot() const { return Doc().Image(); }
    void Change(const std::function<void(CloneImage&)>& change) {
        ASSERT_TRUE(Doc().Edit(QStringLiteral("setup"), change));
        Settle();
    }
    void Put(int slot, double mhz, const char* name = "") { Change([&](CloneImage& i) { PutChannel(i, slot, mhz, name); }); }
    // The count box of bank (of the fixture's window unless of), focused as
    // by a click and its text replaced by keys.
    QLineEdit* TypeCount(int bank, const QString& keys, MainWindow* of = nullptr) {
        QLineEdit* box = Bank(of ? *of : *window)->CountBox(bank);
        box->setFocus(Qt::MouseFocusReason);
        box->selectAll();
        QTest::keyClicks(box, keys);
        return box;
    }
    QAction* Act(const char* name) const { return window->findChild<QAction*>(QString::fromUtf8(name)); }
    QString Cell(int row, int column = 0) const {
        const auto* model = Memory(*window)->Model();
        return model->data(model->index(row - 1, column)).toString();
    }
    static QString Title(const char* file) {
        return QString::fromLatin1(file) + QStringLiteral("[*] \u2013 ") + QString::fromLatin1(AppTitle.data(), AppTitle.size());
    }

    // Runs a transfer to its end and gives its result code.
    int RunTransfer(TransferDirection direction, TransferPart part) {
        QSignalSpy done(window.get(), &MainWindow::transferFinished);
        window->StartTransfer(direction, part);
        if (done.isEmpty()) {
            EXPECT_TRUE(done.wait(60000));
        }
        return done.isEmpty() ? -1 : done.takeFirst().at(0).toInt();
    }
    // The built-in receiver with faults given as the --fault words ("delay-ms=20").
    void UseReceiver(const char* fault = nullptr) {
        emu::FaultPlan faults;
        std::string error;
        EXPECT_TRUE(!fault || emu::AddFault(faults, fault, error)) << error;
        window->Transfers().UseReceiverPort([faults] { return emu::MakeDemoEmulatorPort(0, faults); });
    }

    QTemporaryDir dir;
    RecordingPrompter prompts;
    QString nextFile;                   // the answer of every file dialog
    std::vector<FileRequest> requests;  // the file dialogs asked for
    std::unique_ptr<MainWindow> window;
};

}  // namespace wrk7
