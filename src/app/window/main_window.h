#pragma once
#include <QMainWindow>
#include <QString>
#include <optional>

#include "app/transfer/transfer_controller.h"
#include "app/translation/string_table.h"
#include "app/window/window_store.h"
#include "edit/page_rules.h"
#include "files/preferences.h"

class QAction;

namespace wrk7 {

class AboutBox;
class CloneDocument;
class Commands;
class EditCommands;
class ElidedLabel;
class FileCommands;
class HistoryActions;
class ListingPrint;
class Prompter;
class RecentFilesMenu;
class TransferActions;
class WindowPages;

// What the program was started with, and where it keeps its files (tests
// point these at temporary folders).
struct AppOptions {
    QString startupFile;                 // the clone file to open at start-up
    std::optional<QString> portOverride;  // --port: device path, COMn or "emulator"
    std::optional<PortFileDirs> portDirs;  // default: beside the program
    QString settingsFile;                // placement store; default: the user's store
    QString backupFolder;                // default: DefaultBackupFolder()
    QString traceFolder;                 // default: DefaultTraceFolder()
    std::optional<UiLanguage> language;   // default: the system's UI language
};

// frmMain: the chrome around one CloneDocument shown on four pages: the
// menus, the tool bar and the status bar. Each page follows the document
// itself; the pages switch by the page rules (PageSwitcher); the commands
// live in Commands, EditCommands, FileCommands and TransferActions.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(AppOptions options, Prompter* prompter = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    CloneDocument& Document() const { return *document_; }
    FileCommands& Files() const { return *files_; }
    Commands& Cmds() const { return *commands_; }
    EditCommands& Edits() const { return *edits_; }
    TransferController& Transfers() const { return *transfers_; }
    RecentFilesMenu& Recent() const { return *recent_; }

    Page CurrentPage() const;
    // A tab click on page (as the user does it), through the page rules.
    void ClickTab(Page page);
    // A transfer from a menu or a page button (TransferActions::Start).
    void StartTransfer(TransferDirection direction, TransferPart part);

signals:
    void transferFinished(int code);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildActions();
    // The tool bar, the menus and what they open.
    void BuildBars();
    void ShowStartupState();
    void UpdateCaption();

    AppOptions options_;
    StringTable table_;
    // Every box the window and its parts show, in the window's language.
    Prompter* prompter_;
    WindowStore store_;
    CloneDocument* document_ = nullptr;
    Commands* commands_ = nullptr;
    FileCommands* files_ = nullptr;
    EditCommands* edits_ = nullptr;
    TransferController* transfers_ = nullptr;
    TransferActions* transferActions_ = nullptr;
    WindowPages* pages_ = nullptr;
    RecentFilesMenu* recent_ = nullptr;
    ListingPrint* printing_ = nullptr;
    AboutBox* aboutBox_ = nullptr;
    HistoryActions* history_ = nullptr;
    bool firstShow_ = true;
    bool placementRestored_ = false;  // the size is the user's, not the default's

    ElidedLabel* statusText_ = nullptr;
    QAction* actExit_ = nullptr;
    QAction* actAbout_ = nullptr;
};

}  // namespace wrk7
