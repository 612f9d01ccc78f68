#include "app/window/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/commands/commands.h"
#include "app/commands/file_commands.h"
#include "app/dialogs/about_box.h"
#include "app/dialogs/channel_editor.h"
#include "app/dialogs/listing_print.h"
#include "app/document/clone_document.h"
#include "app/pages/bank_page.h"
#include "app/pages/memory_page.h"
#include "app/pages/settings_pages.h"
#include "app/support/command_log.h"
#include "app/support/keyboard_focus.h"
#include "app/support/named_action.h"
#include "app/support/prompter.h"
#include "app/support/screen_fit.h"
#include "app/support/undo_keys.h"
#include "app/transfer/backups.h"
#include "app/transfer/serial_traces.h"
#include "app/transfer/transfer_actions.h"
#include "app/widgets/bar_toggle.h"
#include "app/widgets/elided_label.h"
#include "app/window/appearance_menu.h"
#include "app/window/edit_commands.h"
#include "app/window/file_drops.h"
#include "app/window/history_actions.h"
#include "app/window/page_buttons.h"
#include "app/window/page_selection.h"
#include "app/window/window_pages.h"
#include "app/window/page_switcher.h"
#include "app/window/recent_files_menu.h"
#include "app/window/status_line.h"
#include "app/window/window_menus.h"
#include "app/window/tool_bar.h"

namespace wrk7 {

namespace {

int TwipsToPixels(int twips, const QWidget* w) { return (twips * w->logicalDpiY() + 720) / 1440; }

}  // namespace

MainWindow::MainWindow(AppOptions options, Prompter* prompter, QWidget* parent)
    : QMainWindow(parent),
      options_(std::move(options)),
      table_(options_.language.value_or(SystemUiLanguage())),
      prompter_(prompter ? prompter : &DefaultPrompter()),
      store_(options_.settingsFile, options_.portDirs) {
    setObjectName(QStringLiteral("frmMain"));
    if (options_.backupFolder.isEmpty()) options_.backupFolder = DefaultBackupFolder();
    if (options_.traceFolder.isEmpty()) options_.traceFolder = DefaultTraceFolder();
    document_ = new CloneDocument(this);
    transfers_ = new TransferController(*document_, *prompter_, this, {options_.backupFolder, options_.traceFolder},
                                        options_.portOverride);
    pages_ = new WindowPages(*document_, *prompter_, this);
    commands_ = new Commands(*document_, pages_->Selection(), *prompter_, table_.Language(), this);
    edits_ = new EditCommands(this, *document_, *prompter_, *commands_, &pages_->Memory(), pages_->VfoGrid());
    files_ = new FileCommands(*document_, pages_->Selection(), *prompter_, this);
    connect(&pages_->Settings(), &SettingsPages::modelClicked, this, [this](int model) {
        // A switch that was refused or cancelled leaves the buttons on the
        // model the document still has.
        if (!files_->SwitchModel(model)) pages_->Settings().ShowModel();
    });
    transferActions_ = new TransferActions(*transfers_, *prompter_, this, options_.backupFolder);
    transferActions_->currentPage = [this] { return CurrentPage(); };
    transferActions_->clickTab = [this](Page page) { ClickTab(page); };
    transferActions_->showMessages = [this](const std::vector<Message>& messages) { files_->ShowMessages(messages); };
    transferActions_->openStore = [this] { return store_.Open(); };
    transferActions_->compare = [this](const CloneImage& backup, const QString& path, QWidget* over) {
        files_->ShowComparison(backup, path, over);
    };
    commands_->startTransfer = [this](TransferDirection direction, TransferPart part) { StartTransfer(direction, part); };
    connect(transferActions_, &TransferActions::runningChanged, commands_, &Commands::SetTransferRunning);
    connect(transferActions_, &TransferActions::finished, this, &MainWindow::transferFinished);
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(pages_->Tabs(), 1);
    layout->addWidget(transferActions_->ProgressRow());
    setCentralWidget(central);
    BindPageButtons(*commands_, pages_->Settings(), pages_->Memory(), pages_->Bank());
    history_ = new HistoryActions(*document_, this);
    BuildActions();
    BuildBars();
    statusText_ = BuildStatusLine(statusBar());
    connect(commands_, &Commands::statusMessage, statusText_, &ElidedLabel::SetFullText);
    connect(transferActions_, &TransferActions::statusMessage, statusText_, &ElidedLabel::SetFullText);
    // The status line spoke of the image before (a read's backup, the duplicates).
    connect(document_, &CloneDocument::replaced, statusText_, [this] { statusText_->SetFullText(QString()); });
    ShowStartupState();
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildActions() {
    files_->remember = [this](const QString& path) { recent_->Remember(path); };
    printing_ = new ListingPrint(this, document_->Image(), *prompter_);
    printing_->fileName = [this] { return QFileInfo(document_->FileName()).fileName(); };
    connect(printing_, &ListingPrint::wroteFile, this, [this](const QString& path) {
        statusText_->SetFullText(tr("Listing written to %1").arg(QDir::toNativeSeparators(path)));
    });
    // Captions of the original's menus are numbers of the caption table; the
    // table replaces them when the window loads.
    actExit_ = NamedAction(this, "mnuExit", QStringLiteral("1007"), QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(actExit_, &QAction::triggered, this, &MainWindow::close);
    actAbout_ = NamedAction(this, "mnuAbout", QStringLiteral("1016"), QKeySequence(Qt::Key_F1));
    connect(actAbout_, &QAction::triggered, this, [this] {
        if (!aboutBox_) aboutBox_ = new AboutBox(options_.backupFolder, this);
        aboutBox_->exec();
    });
    // Ctrl+Z in a page's box reaches Undo when the box has nothing to take back.
    auto* keys = new UndoKeysToWindow(this);
    for (QWidget* page : {static_cast<QWidget*>(&pages_->Bank()), pages_->Settings().Page1(), pages_->Settings().Page2()})
        for (QLineEdit* box : page->findChildren<QLineEdit*>()) box->installEventFilter(keys);
}

void MainWindow::BuildBars() {
    QToolBar* bar = addToolBar(QStringLiteral("Toolbar1"));
    bar->setObjectName(QStringLiteral("Toolbar1"));
    bar->setMovable(false);
    // The bar's buttons are the menu's commands themselves.
    const ToolButton buttons[] = {
        {files_->newFile, "新規作成", 1017, false, QStyle::SP_FileIcon},
        {files_->open, "開く", 1018, false, QStyle::SP_DialogOpenButton},
        {files_->save, "上書き保存", 1019, false, QStyle::SP_DialogSaveButton},
        {printing_->printListing, "印刷", 1020, true, 0},
        {nullptr, nullptr, 0, false, 0},
        {actAbout_, "ﾍﾙﾌﾟ", 1021, false, QStyle::SP_MessageBoxQuestion},
    };
    FillToolBar(bar, table_, buttons, static_cast<int>(std::size(buttons)));
    // Qt's own button for the tools that do not fit has no name of its own.
    for (QToolButton* more : bar->findChildren<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(tr("More tools"));
    // View's items are the bars' own switches, so the tool bar's right-click
    // menu and View agree.
    QAction* toolBarToggle = bar->toggleViewAction();
    toolBarToggle->setObjectName(QStringLiteral("mnuToolBar"));
    toolBarToggle->setText(QStringLiteral("1011"));
    auto* statusBarToggle = new BarToggle(statusBar(), QStringLiteral("1100"), this);
    statusBarToggle->setObjectName(QStringLiteral("mnuStatusBar"));
    BuildMenus(menuBar(), {*files_, *printing_, *commands_, *transferActions_, actExit_, history_->undo, history_->redo,
                           actAbout_, {toolBarToggle, statusBarToggle},
                           [this](QMenu* file) { recent_ = new RecentFilesMenu(file, [this] { return store_.Open(); }, this); },
                           [this](QMenu* view) {
                               new AppearanceMenu(view, [this] { return store_.Open(); }, *prompter_, this,
                                                  table_.Language());
                           }});
    new FileDrops(this, *document_, *files_, *prompter_);
    connect(files_, &FileCommands::memorySlotRequested, this, [this](int slot) {
        if (CurrentPage() != Page::kMemory) ClickTab(Page::kMemory);
        if (CurrentPage() != Page::kMemory) return;  // the bank total kept the bank page
        pages_->Memory().SelectRow(slot + 1);
        pages_->Memory().Grid()->scrollTo(pages_->Memory().Grid()->currentIndex());
    });
    connect(recent_, &RecentFilesMenu::openRequested, files_, &FileCommands::OpenFile);
    connect(recent_, &RecentFilesMenu::missing, this, [this](const QString& path) {
        prompter_->Inform(this, tr("Recent Files"),
                          {tr("%1 no longer exists.").arg(QDir::toNativeSeparators(path)),
                           tr("It has been removed from the list.")});
    });
}

void MainWindow::ShowStartupState() {
    connect(&pages_->Switcher(), &PageSwitcher::switched, commands_, &Commands::RequestUpdate);
    connect(document_, &CloneDocument::readOnlyChanged, this, [this](bool readOnly) {
        // What replaces the image waits; the memory list's commands follow
        // their own rules (AvailableCommands).
        files_->Update();
        recent_->SetAvailable(!readOnly);
    });
    connect(document_, &CloneDocument::fileNameChanged, this, &MainWindow::UpdateCaption);
    connect(document_, &CloneDocument::historyChanged, this, &MainWindow::UpdateCaption);
    ApplyResourceCaptions(this, table_);
    resize(TwipsToPixels(10000, this), TwipsToPixels(10000, this));
    placementRestored_ = store_.RestorePlacement(this);
    store_.LoadChoices(*transfers_);
    LogCommands(this);
    transfers_->FindKeptAdapter();
    transferActions_->quickRead->setChecked(transfers_->QuickRead());
    transferActions_->verifyAfterWrite->setChecked(transfers_->VerifyAfterWrite());
    pages_->ResetGrids();
    UpdateCaption();
    pages_->Switcher().SwitchTo(Page::kSettings1);
    if (!options_.startupFile.isEmpty()) files_->OpenFile(options_.startupFile);
}

void MainWindow::UpdateCaption() {
    const QString& file = document_->FileName();
    const QString name = file.isEmpty() ? tr("Untitled") : QFileInfo(file).fileName();
    setWindowTitle(name + QStringLiteral("[*] \u2013 ") + QString::fromUtf8(AppTitle.data(), AppTitle.size()));
    setWindowModified(document_->IsModified());
}

Page MainWindow::CurrentPage() const { return pages_->Switcher().CurrentPage(); }

void MainWindow::ClickTab(Page page) { pages_->Switcher().ClickTab(page); }

void MainWindow::StartTransfer(TransferDirection direction, TransferPart part) {
    transferActions_->Start(direction, part);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!firstShow_) return;
    firstShow_ = false;
    // Wide enough that the memory grid shows every column without scrolling
    // sideways, and tall enough that Settings 2 shows all its lists, as far
    // as the screen allows.
    QWidget* front = pages_->Tabs()->currentWidget();
    if (!placementRestored_) {
        // Measured on the page in front: a page not shown yet has no size of its own.
        const int missingWidth = std::max(0, pages_->Memory().MissingWidth(front->width()));
        const int missingHeight = pages_->Settings().MissingHeight(front->height());
        resize(width() + missingWidth, height() + missingHeight);
    }
    FitOnScreen(this);
    FocusFirstControl(front);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!transferActions_->MayClose() || !files_->OfferToSave()) {
        event->ignore();
        return;
    }
    edits_->Editor()->hide();
    store_.Save(this, *transfers_);
    event->accept();
}

}  // namespace wrk7
