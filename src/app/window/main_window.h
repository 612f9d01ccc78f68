#pragma once
#include <QMainWindow>
#include <QString>
#include <memory>
#include <optional>

#include "app/commands/selection.h"
#include "app/transfer/transfer_controller.h"
#include "app/translation/string_table.h"
#include "edit/image_edit.h"
#include "edit/page_rules.h"
#include "files/preferences.h"

class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QSettings;
class QTabWidget;
class QTableView;
class QToolBar;

namespace wrk7 {

class AboutBox;
class BankPage;
class CloneDocument;
class Commands;
class EditCommands;
class ElidedLabel;
class FileCommands;
class ListingPrint;
class MemoryPage;
class Prompter;
class RecentFilesMenu;
class SettingsPages;
class VfoTableModel;

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

// frmMain: shows one CloneDocument on four pages and offers its commands in
// the menus, the toolbar and the status bar. The document decides what
// changed and whether it is saved or read-only; the window repaints what
// `changed` names (ShowChanges) and switches pages by the page rules. The
// commands live in Commands (the image's, each one action that menus,
// buttons and context menus share), FileCommands and TransferController;
// the window answers the commands' questions about its pages (Selection).
class MainWindow : public QMainWindow, public Selection {
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

    // Selection
    Page CurrentPage() const override;
    std::vector<int> SelectedRows() const override;
    int CurrentRow() const override;
    int CurrentBand() const override;
    void SelectRows(const std::vector<int>& rows, int current) override;
    void SelectBand(int band) override;

    // A tab click on page (as the user does it), through the page rules.
    void ClickTab(Page page);
    // A transfer from a menu or a page button: the page it belongs to comes
    // to the front first.
    void StartTransfer(TransferDirection direction, TransferPart part);

    QTabWidget* Tabs() const { return tabs_; }
    MemoryPage* Memory() const { return memoryPage_; }
    BankPage* Bank() const { return bankPage_; }
    SettingsPages* Settings() const { return settingsPages_; }
    QTableView* VfoGrid() const { return vfoGrid_; }
    VfoTableModel* VfoModel() const { return vfoModel_; }
    QProgressBar* Progress() const { return progress_; }
    QPushButton* CancelButton() const { return cmdCancel_; }
    QToolBar* ToolBar() const { return toolBar_; }
    const StringTable& Strings() const { return table_; }
    ListingPrint* Printing() const { return printing_; }
    ElidedLabel* StatusText() const { return statusText_; }

signals:
    void transferFinished(int code);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildPages();
    void BuildActions();
    void BuildMenus();
    void BuildToolBar();
    void BindPageButtons();
    void BuildStatusBar();
    void ConnectDocument();
    void ConnectTransfers();
    void ShowStartupState();

    // The one repaint path: the views of the parts that changed.
    void ShowChanges(const EditedParts& parts);
    void ShowReadOnly(bool readOnly);
    void ShowTransferRunning(bool running);
    void OnTransferFinished(const link::LinkResult& result, TransferDirection direction, TransferPart part);
    void UpdateCaption();
    void UpdateHistoryActions();

    void OnCurrentTabChanged(int index);
    void SwitchTo(Page page);
    void SelectPageDirect(Page page);
    void OnModelClicked(int model);
    void ChangeFont();
    void OpenRestoreDialog();
    void SelectMemorySlot(int slot);
    void SaveWindowState();
    // The per-user settings store (a file of the tests' choosing).
    std::unique_ptr<QSettings> SettingsStore() const;
    // Puts the window where the store says it was, within the screen it
    // lands on; the default size stays when the store holds no placement.
    void RestorePlacement();

    AppOptions options_;
    StringTable table_;
    // Every box the window and its parts show, in the window's language.
    Prompter* prompter_;
    CloneDocument* document_ = nullptr;
    Commands* commands_ = nullptr;
    FileCommands* files_ = nullptr;
    EditCommands* edits_ = nullptr;
    TransferController* transfers_ = nullptr;
    RecentFilesMenu* recent_ = nullptr;
    ListingPrint* printing_ = nullptr;
    AboutBox* aboutBox_ = nullptr;
    bool tabStripFlag_ = false;
    bool closingDuringTransfer_ = false;
    bool askingToClose_ = false;          // the close asks whether to cancel the transfer
    bool firstShow_ = true;
    bool placementRestored_ = false;  // the size is the user's, not the default's

    QTabWidget* tabs_ = nullptr;
    SettingsPages* settingsPages_ = nullptr;
    MemoryPage* memoryPage_ = nullptr;
    BankPage* bankPage_ = nullptr;
    QTableView* vfoGrid_ = nullptr;
    VfoTableModel* vfoModel_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    ElidedLabel* statusText_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    // The file commands; their dialogs take the captions as titles.
    QAction* actExit_ = nullptr;
    QAction* actComSetup_ = nullptr;
    QAction* actAbout_ = nullptr;
    QAction* actOpenTrace_ = nullptr;
    QAction* actUndo_ = nullptr;
    QAction* actRedo_ = nullptr;
    QAction* actQuickRead_ = nullptr;
    QAction* actRestore_ = nullptr;
};

}  // namespace wrk7
