#pragma once
#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "app/file_dialogs.h"
#include "app/prompter.h"
#include "app/string_table.h"
#include "app/transfer_runner.h"
#include "core/image.h"
#include "edit/image_edit.h"
#include "edit/page_rules.h"
#include "files/preferences.h"

class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QSettings;
class QPushButton;
class QTabWidget;
class QTableView;
class QToolBar;

namespace wrk7 {

class AboutBox;
class BankPage;
class ComDialog;
class ElidedLabel;
class DlgModify;
class FindBar;
class GridClipboard;
class ImageHistory;
class ListingPrint;
class MemoryPage;
class Prompter;
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

// frmMain: the four pages, menus, toolbar, progress bar and status bar. It
// owns the image and routes every command to the domain, file and link code.
//
// Every change to the image is one step of History() (image_history.h): a
// command that adds a new kind of change runs it through
// History()->Record(name, change) and the window does the rest (Edit > Undo
// and Redo, the modified marker of the title, repainting the pages a step
// touches when it is undone or redone). New, Open and a model switch start a
// fresh history; a save marks the clean point.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(AppOptions options, Prompter* prompter = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    CloneImage& Image() { return image_; }
    const QString& CurrentFile() const { return currentFile_; }
    int PortNumber() const { return portNumber_; }
    QString RunPortText() const;
    Page CurrentPage() const;
    // A tab click on page (as the user does it), through the page rules.
    void ClickTab(Page page);

    // Commands.
    bool NewImage();  // true when the save question was cancelled
    void Open();
    // Open without the dialog (recent files, a dropped file): the save
    // question first, then the file.
    void OpenFile(const QString& path);
    // CSV import of path without the dialog (a dropped file).
    void ImportFile(const QString& path);
    void OpenRecentFile(const QString& path);
    void Undo();
    void Redo();
    bool Save();
    bool SaveAs();
    void Import();
    void Export();
    void CompareWith();
    void Modify();
    void StartRead(link::Part part);
    void StartWrite(link::Part part);
    void CancelTransfer();
    void ShowComDialog();
    void ShowAbout();
    void OpenLastTrace();
    bool QuickRead() const;

    // Widgets the tests drive.
    QTabWidget* Tabs() const { return tabs_; }
    MemoryPage* Memory() const { return memoryPage_; }
    BankPage* Bank() const { return bankPage_; }
    SettingsPages* Settings() const { return settingsPages_; }
    QTableView* VfoGrid() const { return vfoGrid_; }
    VfoTableModel* VfoModel() const { return vfoModel_; }
    DlgModify* Editor() const { return dlgModify_; }
    ComDialog* ComPortDialog();
    TransferRunner* Runner() const { return runner_; }
    QProgressBar* Progress() const { return progress_; }
    QPushButton* CancelButton() const { return cmdCancel_; }
    QAction* Action(const QString& objectName) const;
    QToolBar* ToolBar() const { return toolBar_; }
    const StringTable& Strings() const { return table_; }
    ListingPrint* Printing() const { return printing_; }
    GridClipboard* Clipboard() const { return clipboard_; }
    FindBar* Finder() const { return findBar_; }
    // A grid's context menu, its commands enabled as they apply to the
    // selected rows (main_window_editing.cpp).
    QMenu* GridMenu(QTableView* grid);
    ImageHistory* History() const { return history_; }
    const QStringList& RecentFiles() const { return recentFiles_; }
    QMenu* RecentFilesMenu() const { return recentMenu_; }

    // Where files are chosen; tests answer without a dialog. A save's
    // extension is added to the answer afterwards, as the dialog adds it.
    std::function<QString(QWidget* parent, const FileRequest& request)> chooseFile;
    // Opens a file with the desktop's viewer; tests record it instead.
    std::function<bool(const QString& path)> openFile;

signals:
    void transferFinished(int code);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // A clone file dropped on the window opens, a CSV file is imported.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildBarToggles();
    // main_window_history.cpp
    void BuildHistoryActions();
    void UpdateHistoryActions();
    void OnRestored(const EditedParts& parts);
    // main_window_recent.cpp
    void BuildRecentMenu(QMenu* file);
    void ShowRecentFiles();
    void RememberFile(const QString& path);
    void FitMemoryGridColumns();

    void BuildActions();
    void BuildMenus();
    void BuildToolBar();
    void BuildPrintActions();  // main_window_print.cpp
    void AddPrintButton();
    void BuildEditing();  // main_window_editing.cpp
    void UpdateEditActions();
    void ShowGridMenu(QTableView* grid, const QPoint& pos);
    void BuildStatusBar();
    void BuildPages();
    void LoadSequence();

    void OnCurrentTabChanged(int index);
    void SwitchTo(int tab);
    void SelectPageDirect(Page page);
    void OnModelClicked(int model);
    void ApplyImageToUi();
    void ChangeFont();
    void UpdateCaption();
    Prompter::Answer AskSaveChanges();
    // The save question when the image is modified; false when cancelled.
    bool OfferToSave();
    // Opens a clone file once the save question is answered.
    void LoadFile(const QString& path);
    bool SaveTo(const QString& path);
    QString ChooseFile(const char* command, std::string_view filter, const QString& suggestion, bool save,
                       QString* chosenFilter = nullptr);
    QString CurrentFolder() const;
    void ShowMessages(const std::vector<std::string>& messages);
    void EditMemoryRow(int row);
    void EditVfoRow(int row);
    // CHIRP lists and the compare window (main_window_chirp.cpp).
    bool ImportChirpList(const QString& path);  // false: not such a list
    // step: the name of the undo step the import becomes.
    void PlaceChirpList(const std::string& text, std::optional<int> firstSlot, const QString& step);
    QString ChooseExportFile(bool* chirp);
    void SelectMemorySlot(int slot);

    void Start(bool write, link::Part part);
    void OnTransferFinished(const link::LinkResult& result);
    // The worked image's areas into the window's image, and the pages
    // redrawn.
    void TakeTransfer();
    void MergeTransfer(const CloneImage& worked);
    void ShowTransferredParts();
    // Makes snapshot the window's image and shows it on every page.
    void RestoreImage(const CloneImage& snapshot);
    void SetTransferUi(bool running);
    // While false, every command that changes or replaces the image is
    // disabled; viewing, saving a copy and Help stay.
    void SetImageEditable(bool editable);
    bool TakesDrops() const;  // drops open or import only while nothing else is at work
    void Unload();
    void ResetPort();
    // The per-user settings store (a file of the tests' choosing), and the
    // link choices the window keeps in it.
    std::unique_ptr<QSettings> SettingsStore() const;
    void LoadLinkChoices();
    void SaveLinkChoices(QSettings& store) const;
    // Saves the trace of the transfer just finished among the newest ones.
    void KeepTrace();

    AppOptions options_;
    Prompter* prompter_;
    StringTable table_;
    CloneImage image_;
    QString currentFile_;
    int portNumber_ = kDefaultPort;
    std::optional<QString> portOverride_;
    QString devicePath_;  // typed into the port dialog; used instead of the number
    bool tabStripFlag_ = false;
    bool closingDuringTransfer_ = false;
    bool transferWrite_ = false;
    link::Part transferPart_ = link::Part::kAll;
    int rememberedRow_ = 1;
    bool firstShow_ = true;
    QStringList recentFiles_;
    // The image as it was when the running transfer started (the window's
    // image stays so until the end: it is read-only meanwhile).
    std::optional<CloneImage> imageBeforeTransfer_;
    bool imageEditable_ = true;  // see SetImageEditable

    QTabWidget* tabs_ = nullptr;
    SettingsPages* settingsPages_ = nullptr;
    MemoryPage* memoryPage_ = nullptr;
    BankPage* bankPage_ = nullptr;
    QTableView* vfoGrid_ = nullptr;
    VfoTableModel* vfoModel_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    ElidedLabel* statusText_ = nullptr;
    QLabel* statusDate_ = nullptr;
    QLabel* statusTime_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QList<QAction*> transferActions_;
    QAction* actModify_ = nullptr;
    QAction* actToolBar_ = nullptr;
    QAction* actStatusBar_ = nullptr;
    QAction* actComSetup_ = nullptr;
    QAction* actUndo_ = nullptr;
    QAction* actRedo_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    ImageHistory* history_ = nullptr;
    QAction* actQuickRead_ = nullptr;
    DlgModify* dlgModify_ = nullptr;
    ComDialog* comDialog_ = nullptr;
    AboutBox* aboutBox_ = nullptr;
    TransferRunner* runner_ = nullptr;
    ListingPrint* printing_ = nullptr;
    GridClipboard* clipboard_ = nullptr;
    FindBar* findBar_ = nullptr;
};

}  // namespace wrk7
