#include "app/window/main_window.h"

#include <QAction>
#include <algorithm>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QStyle>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/support/named_action.h"
#include "app/commands/commands.h"
#include "app/dialogs/about_box.h"
#include "app/dialogs/channel_editor.h"
#include "app/dialogs/listing_print.h"
#include "app/document/clone_document.h"
#include "app/pages/bank_page.h"
#include "app/pages/grid_selection.h"
#include "app/pages/memory_page.h"
#include "app/pages/memory_table_model.h"
#include "app/pages/settings_pages.h"
#include "app/pages/vfo_table_model.h"
#include "app/transfer/backups.h"
#include "app/transfer/restore_dialog.h"
#include "app/transfer/serial_traces.h"
#include "app/widgets/bar_toggle.h"
#include "app/widgets/elided_label.h"
#include "app/support/keyboard_focus.h"
#include "app/translation/said.h"
#include "app/support/screen_fit.h"
#include "app/support/undo_keys.h"
#include "app/window/appearance_menu.h"
#include "app/window/edit_commands.h"
#include "app/commands/file_commands.h"
#include "app/window/file_drops.h"
#include "app/window/recent_files_menu.h"
#include "edit/bank.h"

namespace wrk7 {

namespace {

// The four tabs are the four pages, in order.
Page PageOfTab(int index) { return static_cast<Page>(std::clamp(index, 0, 3) + 1); }

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int TwipsToPixels(int twips, const QWidget* w) { return (twips * w->logicalDpiY() + 720) / 1440; }

}  // namespace

MainWindow::MainWindow(AppOptions options, Prompter* prompter, QWidget* parent)
    : QMainWindow(parent),
      options_(std::move(options)),
      table_(options_.language.value_or(SystemUiLanguage())),
      prompter_(prompter ? prompter : &DefaultPrompter()) {
    setObjectName(QStringLiteral("frmMain"));
    if (options_.backupFolder.isEmpty()) options_.backupFolder = DefaultBackupFolder();
    if (options_.traceFolder.isEmpty()) options_.traceFolder = DefaultTraceFolder();
    document_ = new CloneDocument(this);
    transfers_ = new TransferController(*document_, *prompter_, this, {options_.backupFolder, options_.traceFolder},
                                        options_.portOverride);
    BuildPages();
    commands_ = new Commands(*document_, *this, *prompter_, table_.Language(), this);
    commands_->startTransfer = [this](TransferDirection direction, TransferPart part) {
        StartTransfer(direction, part);
    };
    edits_ = new EditCommands(this, *document_, *prompter_, *commands_, memoryPage_, vfoGrid_);
    BindPageButtons();
    BuildActions();
    BuildMenus();
    BuildStatusBar();
    ConnectDocument();
    ConnectTransfers();
    ShowStartupState();
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildPages() {
    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("TabStrip1"));
    vfoModel_ = new VfoTableModel(document_->Image(), this);
    vfoGrid_ = MakeImageGrid(vfoModel_, "MSFlexGrid2", QAbstractItemView::SingleSelection, GridKind::kVfo);
    settingsPages_ = new SettingsPages(*document_, vfoGrid_, this);
    memoryPage_ = new MemoryPage(document_->Image());
    memoryPage_->setObjectName(QStringLiteral("Frame1_2"));
    bankPage_ = new BankPage(*document_, *prompter_);
    bankPage_->setObjectName(QStringLiteral("Frame1_3"));
    tabs_->addTab(settingsPages_->Page1(), tr("Settings 1"));
    tabs_->addTab(settingsPages_->Page2(), tr("Settings 2"));
    tabs_->addTab(memoryPage_, tr("Memory"));
    tabs_->addTab(bankPage_, tr("Bank"));
    connect(tabs_, &QTabWidget::currentChanged, this, &MainWindow::OnCurrentTabChanged);
    // A click on the tab already in front emits no change, but the total
    // rule still applies to it.
    connect(tabs_, &QTabWidget::tabBarClicked, this, [this](int index) {
        if (index >= 0 && index == tabs_->currentIndex()) SwitchTo(PageOfTab(index));
    });

    connect(settingsPages_, &SettingsPages::modelClicked, this, &MainWindow::OnModelClicked);

    progress_ = new QProgressBar;
    progress_->setObjectName(QStringLiteral("ProgressBar1"));
    progress_->setTextVisible(false);
    progress_->setRange(0, 1299);
    cmdCancel_ = new QPushButton(QStringLiteral("Cancel"));
    cmdCancel_->setObjectName(QStringLiteral("cmdCancelTransfer"));
    connect(cmdCancel_, &QPushButton::clicked, transfers_, &TransferController::Cancel);
    // Escape stops a transfer as it closes a dialog; the button is shown only
    // while one runs, so the key means nothing at other times.
    cmdCancel_->setShortcut(Qt::Key_Escape);
    auto* progressRow = new QHBoxLayout;
    progressRow->setContentsMargins(0, 0, 0, 0);
    progressRow->addWidget(progress_, 1);
    progressRow->addWidget(cmdCancel_);
    progress_->hide();
    cmdCancel_->hide();

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(tabs_, 1);
    layout->addLayout(progressRow);
    setCentralWidget(central);
}

void MainWindow::BuildActions() {
    // Captions of the original's menus are numbers of the caption table; the
    // table replaces them when the window loads.
    auto make = [this](const char* name, const QString& caption, auto slot, QKeySequence key = {}) {
        QAction* a = NamedAction(this, name, caption, key);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    auto number = [](const char* n) { return QString::fromLatin1(n); };
    files_ = new FileCommands(*document_, *this, *prompter_, this);
    files_->remember = [this](const QString& path) { recent_->Remember(path); };
    printing_ = new ListingPrint(this, document_->Image(), *prompter_);
    printing_->fileName = [this] { return QFileInfo(document_->FileName()).fileName(); };
    connect(printing_, &ListingPrint::wroteFile, this, [this](const QString& path) {
        statusText_->SetFullText(tr("Listing written to %1").arg(QDir::toNativeSeparators(path)));
    });
    actExit_ = make("mnuExit", number("1007"), [this] { close(); }, QKeySequence(Qt::CTRL | Qt::Key_Q));
    actUndo_ = make("mnuUndo", QString(), [this] { document_->Undo(); }, QKeySequence::Undo);
    actRedo_ = make("mnuRedo", QString(), [this] { document_->Redo(); });
    actRedo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    actComSetup_ = make("mnuComSetup", number("1013"), [this] { transfers_->ChoosePort(); });
    actAbout_ = make("mnuAbout", number("1016"), [this] {
        if (!aboutBox_) aboutBox_ = new AboutBox(options_.backupFolder, this);
        aboutBox_->exec();
    }, QKeySequence(Qt::Key_F1));
    actQuickRead_ = make("mnuQuickRead", tr("Quick Read(&Q) (used channels only)"),
                         [this](bool on) { transfers_->SetQuickRead(on); });
    actQuickRead_->setCheckable(true);
    actRestore_ = make("mnuRestoreReceiver", tr("Restore Receiver(&S)..."), [this] { OpenRestoreDialog(); });
    actOpenTrace_ = make("mnuOpenTrace", tr("Open Last Serial Trace(&T)"), [this] { transfers_->OpenLastTrace(); });
    // Ctrl+Z in a page's box reaches Undo when the box has nothing to take back.
    auto* keys = new UndoKeysToWindow(this);
    for (QWidget* page : {static_cast<QWidget*>(bankPage_), settingsPages_->Page1(), settingsPages_->Page2()})
        for (QLineEdit* box : page->findChildren<QLineEdit*>()) box->installEventFilter(keys);
}

void MainWindow::BuildMenus() {
    auto menu = [this](QMenu* parentMenu, const char* name, const char* number) {
        QMenu* m = parentMenu ? parentMenu->addMenu(QString::fromLatin1(number))
                              : menuBar()->addMenu(QString::fromLatin1(number));
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };
    Commands& c = *commands_;
    QMenu* file = menu(nullptr, "mnuFile", "1000");
    file->addActions({files_->newFile, files_->open, files_->save, files_->saveAs});
    file->addSeparator();
    file->addActions({files_->importList, files_->exportList, files_->compareWith});
    file->addSeparator();
    file->addActions({printing_->printSetup, printing_->printListing, printing_->printPreview, printing_->exportPdf});
    file->addSeparator();
    recent_ = new RecentFilesMenu(file, [this] { return SettingsStore(); }, this);
    file->addSeparator();
    file->addAction(actExit_);
    QMenu* edit = menu(nullptr, "mnuEdit", "1008");
    edit->addActions({actUndo_, actRedo_});
    edit->addSeparator();
    c.AddEditItems(edit);
    c.AddRowItems(edit);
    edit->addSeparator();
    edit->addActions({c.find, c.findNext, c.findPrevious, c.goTo, c.findDuplicates});
    QMenu* view = menu(nullptr, "mnuView", "1010");
    QToolBar* bar = addToolBar(QStringLiteral("Toolbar1"));
    bar->setObjectName(QStringLiteral("Toolbar1"));
    bar->setMovable(false);
    toolBar_ = bar;
    BuildToolBar();
    // Qt's own button for the tools that do not fit has no name of its own.
    for (QToolButton* more : bar->findChildren<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(tr("More tools"));
    // View's items are the bars' own switches, so the tool bar's right-click
    // menu and View agree.
    QAction* toolBarToggle = toolBar_->toggleViewAction();
    toolBarToggle->setObjectName(QStringLiteral("mnuToolBar"));
    toolBarToggle->setText(QStringLiteral("1011"));
    auto* statusBarToggle = new BarToggle(statusBar(), QStringLiteral("1100"), this);
    statusBarToggle->setObjectName(QStringLiteral("mnuStatusBar"));
    view->addActions({toolBarToggle, statusBarToggle});
    view->addSeparator();
    new AppearanceMenu(view, [this] { return SettingsStore(); }, *prompter_, this, table_.Language());
    QMenu* tool = menu(nullptr, "mnuTool", "1012");
    menu(tool, "mnuRead", "1203")->addActions({c.readSettings, c.readMemory, c.readAll});
    menu(tool, "mnuWrite", "1204")->addActions({c.writeSettings, c.writeMemory, c.writeAll});
    tool->addActions({actRestore_, actQuickRead_, actComSetup_});
    QMenu* help = menu(nullptr, "mnuHelp", "1014");
    help->addActions({actOpenTrace_, actAbout_});

    new FileDrops(this, *document_, *files_);
    connect(files_, &FileCommands::memorySlotRequested, this, &MainWindow::SelectMemorySlot);
    // The status line spoke of the image before (a read's backup, the duplicates).
    connect(document_, &CloneDocument::replaced, this, [this] { statusText_->SetFullText(QString()); });
    connect(recent_, &RecentFilesMenu::openRequested, files_, &FileCommands::OpenFile);
    connect(recent_, &RecentFilesMenu::missing, this, [this](const QString& path) {
        prompter_->Inform(this, tr("Recent Files"),
                          {tr("%1 no longer exists.").arg(QDir::toNativeSeparators(path)),
                           tr("It has been removed from the list.")});
    });
}

void MainWindow::BuildToolBar() {
    // The bar's buttons are the menu's commands themselves, with an icon and
    // the short caption (number) as their name and tool tip.
    const struct {
        QAction* action;
        const char* key;
        const char* tip;
        QStyle::StandardPixmap icon;
    } buttons[] = {
        {files_->newFile, "新規作成", "1017", QStyle::SP_FileIcon},
        {files_->open, "開く", "1018", QStyle::SP_DialogOpenButton},
        {files_->save, "上書き保存", "1019", QStyle::SP_DialogSaveButton},
        {printing_->printListing, "印刷", "1020", QStyle::SP_CustomBase},
        {nullptr, nullptr, nullptr, QStyle::SP_CustomBase},
        {actAbout_, "ﾍﾙﾌﾟ", "1021", QStyle::SP_MessageBoxQuestion},
    };
    for (const auto& b : buttons) {
        if (!b.action) {
            toolBar_->addSeparator();
            continue;
        }
        b.action->setIcon(b.icon == QStyle::SP_CustomBase ? PrinterIcon() : style()->standardIcon(b.icon));
        b.action->setIconVisibleInMenu(false);  // the menus show captions only, as they always did
        // The button shows only its icon, but a screen reader and the bar's
        // overflow menu need a name: the short caption, which the menus do
        // not show.
        const QString tip = table_.Text(QString::fromLatin1(b.tip).toInt());
        b.action->setIconText(tip);
        b.action->setToolTip(tip);
        toolBar_->addAction(b.action);
        toolBar_->widgetForAction(b.action)->setObjectName(QStringLiteral("tbr_") + QString::fromUtf8(b.key));
    }
}

void MainWindow::BindPageButtons() {
    const Commands& c = *commands_;
    for (QPushButton* b : settingsPages_->ReadButtons()) BindButton(b, c.readSettings);
    for (QPushButton* b : settingsPages_->WriteButtons()) BindButton(b, c.writeSettings);
    const std::pair<const char*, QAction*> memory[] = {
        {"cmbRead", c.readMemory},     {"cmbWrite", c.writeMemory},    {"cmbClAll", c.clearAll},
        {"cmbClear", c.clear},         {"cmbDelete", c.remove},        {"cmbInsert", c.insert},
        {"cmbEnAll", c.enableAll},     {"cmbDisAll", c.disableAll},    {"cmbEnable", c.enable},
        {"cmbDisable", c.disable}};
    for (const auto& [name, action] : memory) BindButton(memoryPage_->Button(name), action);
    BindButton(bankPage_->ReadBankButton(), c.readBank);
    BindButton(bankPage_->WriteBankButton(), c.writeBank);
    BindButton(bankPage_->ReadGroupButton(), c.readGroups);
    BindButton(bankPage_->WriteGroupButton(), c.writeGroups);
}

void MainWindow::BuildStatusBar() {
    statusText_ = new ElidedLabel;
    statusText_->setObjectName(QStringLiteral("sbrText"));
    auto* date = new QLabel;
    date->setObjectName(QStringLiteral("sbrDate"));
    auto* time = new QLabel;
    time->setObjectName(QStringLiteral("sbrTime"));
    statusBar()->addWidget(statusText_, 1);
    connect(commands_, &Commands::statusMessage, statusText_, &ElidedLabel::SetFullText);
    statusBar()->addPermanentWidget(date);
    statusBar()->addPermanentWidget(time);
    auto tick = [date, time] {
        const QDateTime now = QDateTime::currentDateTime();
        date->setText(QLocale().toString(now.date(), QLocale::ShortFormat));
        time->setText(QLocale().toString(now.time(), QLocale::ShortFormat));
    };
    tick();
    auto* clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this, tick);
    clock->start(1000);
}

void MainWindow::ConnectDocument() {
    connect(document_, &CloneDocument::changed, this, &MainWindow::ShowChanges);
    connect(document_, &CloneDocument::readOnlyChanged, this, &MainWindow::ShowReadOnly);
    connect(document_, &CloneDocument::fileNameChanged, this, &MainWindow::UpdateCaption);
    connect(document_, &CloneDocument::historyChanged, this, [this] {
        UpdateHistoryActions();
        UpdateCaption();
    });
}

void MainWindow::ConnectTransfers() {
    connect(transfers_, &TransferController::progress, this, [this](int done, int total) {
        progress_->setMaximum(std::max(total, 1));
        progress_->setValue(std::min(done, std::max(total, 1)));
    });
    connect(transfers_, &TransferController::started, this, [this] { ShowTransferRunning(true); });
    connect(transfers_, &TransferController::finished, this, &MainWindow::OnTransferFinished);
    connect(transfers_, &TransferController::statusMessage, statusText_, &ElidedLabel::SetFullText);
}

void MainWindow::ShowStartupState() {
    ApplyResourceCaptions(this, table_);
    resize(TwipsToPixels(10000, this), TwipsToPixels(10000, this));
    RestorePlacement();
    const int port = options_.portDirs ? ReadPortFile(*options_.portDirs) : ReadPortFile();
    transfers_->LoadChoices(port, *SettingsStore());
    actQuickRead_->setChecked(transfers_->QuickRead());
    ShowChanges(EditedParts::All());
    ChangeFont();
    UpdateCaption();
    UpdateHistoryActions();
    SwitchTo(Page::kSettings1);
    if (!options_.startupFile.isEmpty()) files_->OpenFile(options_.startupFile);
}

void MainWindow::ShowChanges(const EditedParts& parts) {
    if (parts.model) {
        settingsPages_->ShowModel();
        memoryPage_->Model()->RefreshHeadings();
        transfers_->ResetPort();  // the built-in emulator plays the model
    }
    if (parts.Has(ImagePart::kSettings)) settingsPages_->Load();
    if (parts.Has(ImagePart::kVfo) || parts.model) vfoModel_->Refresh();
    if (parts.Has(ImagePart::kGroups)) bankPage_->ShowGroups();
    if (parts.Has(ImagePart::kBanks)) {
        bankPage_->ShowBankCounts();
        memoryPage_->Model()->RebuildRowLabels();
        // The other pages need the thousand channels a bank step may have
        // taken back.
        if (!CanLeaveBankPage(document_->Image()) && CurrentPage() != Page::kBank) SelectPageDirect(Page::kBank);
    }
    if (!parts.memory.Empty()) {
        memoryPage_->Model()->RefreshSlots(parts.memory);
        // The first row a partial change touched comes into view; the
        // selection stays.
        if (parts.memory.first > 0 || parts.memory.last < kSlotCount - 1)
            memoryPage_->Grid()->scrollTo(memoryPage_->Model()->index(parts.memory.first, 0));
    }
    commands_->Update();
}

void MainWindow::ShowReadOnly(bool readOnly) {
    const bool editable = !readOnly;
    settingsPages_->SetEditable(editable);
    bankPage_->SetEditable(editable);
    // What replaces the image waits; the memory list's commands follow
    // their own rules (Commands::Update).
    files_->Update();
    recent_->SetAvailable(editable);
    commands_->Update();
}

void MainWindow::ShowTransferRunning(bool running) {
    progress_->setVisible(running);
    cmdCancel_->setVisible(running);
    if (running) progress_->setValue(0);
    // One transfer at a time: every transfer command (and its buttons) waits
    // for the end, and the port stays as it is meanwhile.
    commands_->SetTransferRunning(running);
    actComSetup_->setEnabled(!running);
    actRestore_->setEnabled(!running);
}

void MainWindow::OpenRestoreDialog() {
    if (transfers_->IsRunning()) return;
    RestoreDialog dialog(options_.backupFolder, document_->Model(), *prompter_, this);
    dialog.compare = [this](const CloneImage& backup, const QString& path, QWidget* over) {
        files_->ShowComparison(backup, path, over);
    };
    dialog.restore = [this](const CloneImage& backup) { return transfers_->StartRestore(backup); };
    dialog.exec();
}

void MainWindow::StartTransfer(TransferDirection direction, TransferPart part) {
    if (transfers_->IsRunning()) return;
    // The receiver refuses a bank table that does not add up to 1000 before
    // anything is sent: say it once, and why, instead of a page switch's box
    // and the write's two.
    if (direction == TransferDirection::kWrite && transfers_->RefusesWrite(part)) return;
    // The page the command belongs to comes to the front first.
    const Page page = CurrentPage();
    const bool write = direction == TransferDirection::kWrite;
    if (part == TransferPart::kMemory && page != Page::kMemory) ClickTab(Page::kMemory);
    if (part == TransferPart::kSettings && (page == Page::kMemory || (write && page == Page::kBank)))
        ClickTab(Page::kSettings1);
    if (part == TransferPart::kAll && (page == Page::kMemory || page == Page::kBank)) ClickTab(Page::kSettings1);
    transfers_->Start(direction, part);
}

void MainWindow::OnTransferFinished(const link::LinkResult& result, TransferDirection direction, TransferPart part) {
    ShowTransferRunning(false);
    if (closingDuringTransfer_) return;  // the close asks its own question
    // The question whether to cancel it and close has lost its object; the
    // close goes on once the transfer's own words are seen.
    if (askingToClose_) prompter_->DismissOpenBox();
    if (result.ok() && part == TransferPart::kAll && CurrentPage() != Page::kMemory) ClickTab(Page::kMemory);
    if (result.cancelled && direction == TransferDirection::kRead) {
        // The user stopped it: nothing failed, and nothing changed.
        statusText_->SetFullText(tr("Read cancelled; nothing changed."));
    } else {
        files_->ShowMessages(result.messages);
    }
    emit transferFinished(result.code);
}

void MainWindow::UpdateCaption() {
    const QString& file = document_->FileName();
    const QString name = file.isEmpty() ? tr("Untitled") : QFileInfo(file).fileName();
    setWindowTitle(name + QStringLiteral("[*] \u2013 ") + FromView(AppTitle));
    setWindowModified(document_->IsModified());
}

void MainWindow::UpdateHistoryActions() {
    // "&Undo Clear 3 Channels": the step the command takes back.
    auto caption = [this](const QString& verb, const QString& step) {
        return step.isEmpty() ? verb : verb + QLatin1Char(' ') + step;
    };
    actUndo_->setText(caption(tr("&Undo"), document_->UndoName()));
    actRedo_->setText(caption(tr("&Redo"), document_->RedoName()));
    actUndo_->setEnabled(document_->CanUndo());
    actRedo_->setEnabled(document_->CanRedo());
}

Page MainWindow::CurrentPage() const { return static_cast<Page>(tabs_->currentIndex() + 1); }

std::vector<int> MainWindow::SelectedRows() const { return memoryPage_->SelectedRows(); }

int MainWindow::CurrentRow() const { return memoryPage_->CurrentRow(); }

int MainWindow::CurrentBand() const {
    const QModelIndex current = vfoGrid_->currentIndex();
    return current.isValid() ? current.row() + 1 : 1;
}

void MainWindow::SelectRows(const std::vector<int>& rows, int current) {
    if (rows.size() == 1) {
        memoryPage_->SelectRow(rows.front());
        return;
    }
    std::vector<int> indices;
    for (const int row : rows) indices.push_back(row - 1);
    SelectGridRows(memoryPage_->Grid(), indices, current - 1);
    memoryPage_->Grid()->scrollTo(memoryPage_->Grid()->currentIndex());
}

void MainWindow::SelectBand(int band) { vfoGrid_->selectRow(band - 1); }

void MainWindow::ClickTab(Page page) {
    const int index = static_cast<int>(page) - 1;
    if (index == tabs_->currentIndex()) {
        SwitchTo(page);
    } else {
        tabs_->setCurrentIndex(index);
    }
}

void MainWindow::OnCurrentTabChanged(int index) {
    if (tabStripFlag_ || index < 0) return;
    SwitchTo(PageOfTab(index));
}

void MainWindow::SwitchTo(Page page) {
    // A count box still being edited counts as left.
    document_->CommitPendingEntries();
    const PageSwitch s = SwitchPage(document_->Image(), page, tabStripFlag_);
    if (s.showTotalError) prompter_->Error(this, ErrorTitle(), QStringList{Said(kTotalMustBe1000Message)});
    SelectPageDirect(s.page);
    if (s.rebuildMemoryGrid) {
        memoryPage_->Model()->RebuildRowLabels();
        ChangeFont();
        memoryPage_->Model()->Refresh();
    }
    commands_->Update();
}

void MainWindow::SelectPageDirect(Page page) {
    const int index = static_cast<int>(page) - 1;
    if (tabs_->currentIndex() != index) {
        tabStripFlag_ = true;
        tabs_->setCurrentIndex(index);
        tabStripFlag_ = false;
    }
    for (int i = 0; i < tabs_->count(); ++i) tabs_->widget(i)->setEnabled(i == index);
    // The page that came to the front takes the keys at once, visibly.
    QWidget* current = tabs_->currentWidget();
    if (isVisible() && !current->isAncestorOf(QApplication::focusWidget())) FocusFirstControl(current);
}

void MainWindow::ChangeFont() {
    const QFont note = NoteColumnFont(font());
    vfoModel_->SetNoteFont(note);
    memoryPage_->Model()->SetNoteFont(note);
    vfoGrid_->setCurrentIndex(vfoModel_->index(0, 0));
    vfoGrid_->selectRow(0);
    memoryPage_->SelectRow(1);
}

void MainWindow::OnModelClicked(int model) {
    // A switch that was refused or cancelled leaves the buttons on the model
    // the document still has.
    if (!files_->SwitchModel(model)) settingsPages_->ShowModel();
}

void MainWindow::SelectMemorySlot(int slot) {
    if (CurrentPage() != Page::kMemory) ClickTab(Page::kMemory);
    if (CurrentPage() != Page::kMemory) return;  // the bank total kept the bank page
    memoryPage_->SelectRow(slot + 1);
    memoryPage_->Grid()->scrollTo(memoryPage_->Grid()->currentIndex());
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!firstShow_) return;
    firstShow_ = false;
    // Wide enough that the memory grid shows every column without scrolling
    // sideways, and tall enough that Settings 2 shows all its lists, as far
    // as the screen allows.
    if (!placementRestored_) {
        const int missingWidth = std::max(0, memoryPage_->MissingWidth());
        const int missingHeight = settingsPages_->MissingHeight(tabs_->currentWidget()->height());
        resize(width() + missingWidth, height() + missingHeight);
    }
    FitOnScreen(this);
    FocusFirstControl(tabs_->currentWidget());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (transfers_->IsRunning()) {
        // A stray Ctrl+Q must not break off a write half-way unasked.
        askingToClose_ = true;
        const Prompter::Answer answer =
            prompter_->Confirm(this, tr("CANCEL OK"),
                               {tr("A transfer with the receiver is running."),
                                tr("Are you sure that you want to cancel it and close?")});
        askingToClose_ = false;
        const bool endedMeanwhile = !transfers_->IsRunning();
        if (answer != Prompter::Answer::kOk && !endedMeanwhile) {
            event->ignore();
            return;
        }
        // Stop after the exchange in flight; a read stopped so leaves the
        // image as it was.
        closingDuringTransfer_ = true;
        transfers_->CancelAndWait();
        closingDuringTransfer_ = false;
    }
    if (!files_->OfferToSave()) {
        event->ignore();
        return;
    }
    SaveWindowState();
    event->accept();
}

void MainWindow::SaveWindowState() {
    const int port = transfers_->PortNumber();
    const FileResult written = options_.portDirs ? WritePortFile(*options_.portDirs, port) : WritePortFile(port);
    (void)written;  // the program is ending; there is nobody left to tell
    edits_->Editor()->hide();
    const WindowPlacement placement{geometry().x(), geometry().y(), geometry().width(), geometry().height()};
    const std::unique_ptr<QSettings> store = SettingsStore();
    SavePlacement(*store, placement, logicalDpiX(), isMinimized());
    transfers_->SaveChoices(*store);
}

void MainWindow::RestorePlacement() {
    const std::unique_ptr<QSettings> store = SettingsStore();
    // Read at the resolution SaveWindowState wrote it with.
    const std::optional<WindowPlacement> kept = LoadPlacement(*store, logicalDpiX());
    if (!kept) return;
    QList<QRect> available;
    for (const QScreen* screen : QGuiApplication::screens()) available << screen->availableGeometry();
    const int primary = static_cast<int>(QGuiApplication::screens().indexOf(QGuiApplication::primaryScreen()));
    setGeometry(PlaceOnScreens(QRect(kept->left, kept->top, kept->width, kept->height), available, primary));
    placementRestored_ = true;
}

std::unique_ptr<QSettings> MainWindow::SettingsStore() const {
    if (options_.settingsFile.isEmpty())
        return std::make_unique<QSettings>(FromView(kSettingsOrganisation), FromView(kSettingsApplication));
    return std::make_unique<QSettings>(options_.settingsFile, QSettings::IniFormat);
}

}  // namespace wrk7
