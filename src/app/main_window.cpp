#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/about_box.h"
#include "app/backups.h"
#include "app/bank_page.h"
#include "app/bar_toggle.h"
#include "app/com_dialog.h"
#include "app/dlg_modify.h"
#include "app/elided_label.h"
#include "app/image_history.h"
#include "app/memory_page.h"
#include "app/memory_table_model.h"
#include "app/serial_traces.h"
#include "app/settings_pages.h"
#include "app/vfo_table_model.h"
#include "codecs/settings_codec.h"
#include "codecs/vfo_codec.h"
#include "edit/bank.h"
#include "codecs/new_image.h"
#include "files/clone_file.h"

namespace wrk7 {

namespace {

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int TwipsToPixels(int twips, const QWidget* w) { return (twips * w->logicalDpiY() + 720) / 1440; }

}  // namespace

MainWindow::MainWindow(AppOptions options, Prompter* prompter, QWidget* parent)
    : QMainWindow(parent),
      options_(std::move(options)),
      prompter_(prompter ? prompter : &DefaultPrompter()),
      table_(options_.language.value_or(SystemUiLanguage())),
      portOverride_(options_.portOverride) {
    setObjectName(QStringLiteral("frmMain"));
    if (options_.backupFolder.isEmpty()) options_.backupFolder = DefaultBackupFolder();
    if (options_.traceFolder.isEmpty()) options_.traceFolder = DefaultTraceFolder();
    runner_ = new TransferRunner(this);
    connect(runner_, &TransferRunner::progress, this, [this](int done, int total) {
        progress_->setMaximum(std::max(total, 1));
        progress_->setValue(std::min(done, std::max(total, 1)));
    });
    connect(runner_, &TransferRunner::finished, this, &MainWindow::OnTransferFinished);
    history_ = new ImageHistory(image_, this);
    connect(history_, &ImageHistory::restored, this, &MainWindow::OnRestored);
    connect(history_, &ImageHistory::changed, this, [this] {
        UpdateHistoryActions();
        UpdateCaption();
    });
    setAcceptDrops(true);
    BuildPages();
    BuildBarToggles();
    BuildActions();
    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    BuildEditing();
    LoadSequence();
    // The editor is made now and only hidden later, so Hold keeps its values.
    dlgModify_ = new DlgModify(this, prompter_);
}

MainWindow::~MainWindow() = default;

QAction* MainWindow::Action(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

void MainWindow::BuildPages() {
    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("TabStrip1"));

    vfoModel_ = new VfoTableModel(image_, this);
    vfoGrid_ = MakeImageGrid(vfoModel_, "MSFlexGrid2", QAbstractItemView::SingleSelection, true);
    connect(vfoGrid_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) EditVfoRow(index.row() + 1);
    });

    settingsPages_ = new SettingsPages(image_, *history_, vfoGrid_, this);
    memoryPage_ = new MemoryPage(image_, *prompter_, *history_);
    memoryPage_->setObjectName(QStringLiteral("Frame1_2"));
    bankPage_ = new BankPage(image_, *prompter_, *history_);
    bankPage_->setObjectName(QStringLiteral("Frame1_3"));
    tabs_->addTab(settingsPages_->Page1(), QStringLiteral("Settings 1"));
    tabs_->addTab(settingsPages_->Page2(), QStringLiteral("Settings 2"));
    tabs_->addTab(memoryPage_, QStringLiteral("Memory"));
    tabs_->addTab(bankPage_, QStringLiteral("Bank"));
    connect(tabs_, &QTabWidget::currentChanged, this, &MainWindow::OnCurrentTabChanged);
    // A click on the tab already in front emits no change, but the total
    // rule still applies to it.
    connect(tabs_, &QTabWidget::tabBarClicked, this, [this](int index) {
        if (index >= 0 && index == tabs_->currentIndex()) SwitchTo(index + 1);
    });

    connect(settingsPages_, &SettingsPages::modelClicked, this, &MainWindow::OnModelClicked);
    connect(settingsPages_, &SettingsPages::readSettingsClicked, this, [this] { StartRead(link::Part::kSettings); });
    connect(settingsPages_, &SettingsPages::writeSettingsClicked, this, [this] { StartWrite(link::Part::kSettings); });
    connect(memoryPage_, &MemoryPage::readClicked, this, [this] { Start(false, link::Part::kMemory); });
    connect(memoryPage_, &MemoryPage::writeClicked, this, [this] { Start(true, link::Part::kMemory); });
    connect(memoryPage_, &MemoryPage::editRequested, this, &MainWindow::EditMemoryRow);
    connect(bankPage_, &BankPage::readBankClicked, this, [this] { StartRead(link::Part::kBank); });
    connect(bankPage_, &BankPage::writeBankClicked, this, [this] { StartWrite(link::Part::kBank); });
    connect(bankPage_, &BankPage::readGroupClicked, this, [this] { StartRead(link::Part::kGroups); });
    connect(bankPage_, &BankPage::writeGroupClicked, this, [this] { StartWrite(link::Part::kGroups); });

    progress_ = new QProgressBar;
    progress_->setObjectName(QStringLiteral("ProgressBar1"));
    progress_->setTextVisible(false);
    progress_->setRange(0, 1299);
    cmdCancel_ = new QPushButton(QStringLiteral("Cancel"));
    cmdCancel_->setObjectName(QStringLiteral("cmdCancelTransfer"));
    connect(cmdCancel_, &QPushButton::clicked, this, &MainWindow::CancelTransfer);
    auto* progressRow = new QHBoxLayout;
    progressRow->setContentsMargins(0, 0, 0, 0);
    progressRow->addWidget(progress_, 1);
    progressRow->addWidget(cmdCancel_);
    SetTransferUi(false);

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(tabs_, 1);
    layout->addLayout(progressRow);
    setCentralWidget(central);
}

void MainWindow::BuildBarToggles() {
    toolBar_ = addToolBar(QStringLiteral("Toolbar1"));
    toolBar_->setObjectName(QStringLiteral("Toolbar1"));
    toolBar_->setMovable(false);
    // View's items are the bars' own switches, so the tool bar's right-click
    // menu and View agree.
    actToolBar_ = toolBar_->toggleViewAction();
    actToolBar_->setObjectName(QStringLiteral("mnuToolBar"));
    actToolBar_->setText(QStringLiteral("1011"));
    actStatusBar_ = new BarToggle(statusBar(), QStringLiteral("1100"), this);
    actStatusBar_->setObjectName(QStringLiteral("mnuStatusBar"));
}

void MainWindow::BuildActions() {
    // Design captions are the numbers of the caption table; the table
    // replaces them when the window loads.
    auto make = [this](const char* name, const char* number, auto slot) {
        auto* a = new QAction(QString::fromLatin1(number), this);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    make("mnuNew", "1001", [this] { NewImage(); })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    make("mnuOpen", "1002", [this] { Open(); });
    make("mnuSave", "1003", [this] { Save(); });
    make("mnuSaveAs", "1004", [this] { SaveAs(); });
    make("mnuImport", "1201", [this] { Import(); });
    make("mnuExport", "1202", [this] { Export(); });
    make("mnuCompare", "1210", [this] { CompareWith(); });
    BuildPrintActions();
    make("mnuExit", "1007", [this] { close(); });
    BuildHistoryActions();
    actModify_ = make("mnuModify", "1009", [this] { Modify(); });
    transferActions_ = {
        make("mnuReadSettings", "1205", [this] { StartRead(link::Part::kSettings); }),
        make("mnuReadMemory", "1206", [this] { StartRead(link::Part::kMemory); }),
        make("mnuReadAll", "1207", [this] { StartRead(link::Part::kAll); }),
        make("mnuWriteSettings", "1205", [this] { StartWrite(link::Part::kSettings); }),
        make("mnuWriteMemory", "1206", [this] { StartWrite(link::Part::kMemory); }),
        make("mnuWriteAll", "1207", [this] { StartWrite(link::Part::kAll); }),
    };
    actComSetup_ = make("mnuComSetup", "1013", [this] { ShowComDialog(); });
    make("mnuAbout", "1016", [this] { ShowAbout(); });
    actQuickRead_ = make("mnuQuickRead", "1601", [] {});
    actQuickRead_->setCheckable(true);
    make("mnuOpenTrace", "1602", [this] { OpenLastTrace(); });
}

void MainWindow::BuildMenus() {
    auto menu = [this](QMenu* parentMenu, const char* name, const char* number) {
        QMenu* m = parentMenu ? parentMenu->addMenu(QString::fromLatin1(number))
                              : menuBar()->addMenu(QString::fromLatin1(number));
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };
    auto act = [this](const char* name) { return Action(QString::fromLatin1(name)); };
    QMenu* file = menu(nullptr, "mnuFile", "1000");
    file->addActions({act("mnuNew"), act("mnuOpen"), act("mnuSave"), act("mnuSaveAs")});
    file->addSeparator();
    file->addActions({act("mnuImport"), act("mnuExport"), act("mnuCompare")});
    file->addSeparator();
    file->addActions({act("mnuPrintSetup"), act("mnuPrint"), act("mnuPrintPreview"), act("mnuExportPdf")});
    file->addSeparator();
    BuildRecentMenu(file);
    file->addSeparator();
    file->addAction(act("mnuExit"));
    QMenu* edit = menu(nullptr, "mnuEdit", "1008");
    edit->addActions({actUndo_, actRedo_});
    edit->addSeparator();
    edit->addAction(actModify_);
    QMenu* view = menu(nullptr, "mnuView", "1010");
    view->addActions({actToolBar_, actStatusBar_});
    QMenu* tool = menu(nullptr, "mnuTool", "1012");
    QMenu* read = menu(tool, "mnuRead", "1203");
    read->addActions({transferActions_[0], transferActions_[1], transferActions_[2]});
    QMenu* write = menu(tool, "mnuWrite", "1204");
    write->addActions({transferActions_[3], transferActions_[4], transferActions_[5]});
    tool->addAction(actQuickRead_);
    tool->addAction(actComSetup_);
    QMenu* help = menu(nullptr, "mnuHelp", "1014");
    help->addAction(act("mnuOpenTrace"));
    help->addAction(act("mnuAbout"));
}

void MainWindow::BuildToolBar() {
    struct Button {
        const char* key;
        const char* tip;
        QStyle::StandardPixmap icon;
        std::function<void()> run;
    };
    const Button buttons[] = {
        {"新規作成", "1017", QStyle::SP_FileIcon, [this] { NewImage(); }},
        {"開く", "1018", QStyle::SP_DialogOpenButton, [this] { Open(); }},
        {"上書き保存", "1019", QStyle::SP_DialogSaveButton, [this] { Save(); }},
        {nullptr, nullptr, QStyle::SP_CustomBase, {}},
        {"ﾍﾙﾌﾟ", "1021", QStyle::SP_MessageBoxQuestion, [this] { ShowAbout(); }},
    };
    for (const Button& b : buttons) {
        if (!b.key) {
            toolBar_->addSeparator();
            continue;
        }
        QAction* a = toolBar_->addAction(style()->standardIcon(b.icon), QString());
        a->setObjectName(QStringLiteral("tbr_") + QString::fromUtf8(b.key));
        a->setData(QString::fromUtf8(b.key));
        a->setToolTip(QString::fromLatin1(b.tip));
        connect(a, &QAction::triggered, this, b.run);
    }
    AddPrintButton();
}

void MainWindow::BuildStatusBar() {
    statusText_ = new ElidedLabel;
    statusText_->setObjectName(QStringLiteral("sbrText"));
    statusDate_ = new QLabel;
    statusDate_->setObjectName(QStringLiteral("sbrDate"));
    statusTime_ = new QLabel;
    statusTime_->setObjectName(QStringLiteral("sbrTime"));
    statusBar()->addWidget(statusText_, 1);
    statusBar()->addPermanentWidget(statusDate_);
    statusBar()->addPermanentWidget(statusTime_);
    auto tick = [this] {
        const QDateTime now = QDateTime::currentDateTime();
        statusDate_->setText(QLocale().toString(now.date(), QLocale::ShortFormat));
        statusTime_->setText(QLocale().toString(now.time(), QLocale::ShortFormat));
    };
    tick();
    auto* clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this, tick);
    clock->start(1000);
}

void MainWindow::LoadSequence() {
    ApplyResourceCaptions(this, table_);
    resize(TwipsToPixels(10000, this), TwipsToPixels(10000, this));
    portNumber_ = options_.portDirs ? ReadPortFile(*options_.portDirs) : ReadPortFile();
    LoadLinkChoices();
    ResetPort();
    image_.SettingsBlock0 = DefaultSettingsBlock0(image_.RegionIndex);
    image_.SettingsBlock1 = DefaultSettingsBlock1(image_.RegionIndex);
    DecodeSettings(image_);
    settingsPages_->Load();
    settingsPages_->ShowModel();
    ChangeFont();
    SetVfoDefaults(image_);
    vfoModel_->Refresh();
    bankPage_->ShowBankCounts();
    memoryPage_->Model()->RebuildRowLabels();
    ChangeFont();
    memoryPage_->Model()->Refresh();
    UpdateCaption();
    SwitchTo(static_cast<int>(Page::kSettings1));
    if (!options_.startupFile.isEmpty()) {
        const FileResult r = OpenCloneFile(image_, options_.startupFile);
        if (r.ok) {
            currentFile_ = options_.startupFile;
            ApplyImageToUi();
            memoryPage_->SelectRow(1);
            RememberFile(currentFile_);
        } else {
            ShowMessages(r.messages);
        }
    }
    image_.Modified = false;
    history_->Reset();
}

QString MainWindow::RunPortText() const {
    if (portOverride_) return *portOverride_;
    return devicePath_.isEmpty() ? QStringLiteral("COM%1").arg(portNumber_) : devicePath_;
}

Page MainWindow::CurrentPage() const { return static_cast<Page>(tabs_->currentIndex() + 1); }

void MainWindow::ClickTab(Page page) {
    const int index = static_cast<int>(page) - 1;
    if (index == tabs_->currentIndex()) {
        SwitchTo(static_cast<int>(page));
    } else {
        tabs_->setCurrentIndex(index);
    }
}

void MainWindow::OnCurrentTabChanged(int index) {
    if (tabStripFlag_) return;
    SwitchTo(index + 1);
}

void MainWindow::SwitchTo(int tab) {
    // A count box still being edited counts as left.
    bankPage_->CommitPendingEntry();
    const PageSwitch s = SwitchPage(image_, tab, tabStripFlag_);
    if (s.showTotalError) prompter_->Error(this, ErrorTitle(), QStringList{FromView(kTotalMustBe1000Message)});
    SelectPageDirect(s.page);
    actModify_->setEnabled(s.modifyEnabled && !runner_->IsRunning());
    if (s.rebuildMemoryGrid) {
        memoryPage_->Model()->RebuildRowLabels();
        ChangeFont();
        memoryPage_->Model()->Refresh();
    }
}

void MainWindow::SelectPageDirect(Page page) {
    const int index = static_cast<int>(page) - 1;
    if (tabs_->currentIndex() != index) {
        tabStripFlag_ = true;
        tabs_->setCurrentIndex(index);
        tabStripFlag_ = false;
    }
    for (int i = 0; i < tabs_->count(); ++i) tabs_->widget(i)->setEnabled(i == index);
}

void MainWindow::ChangeFont() {
    const QFont note = NoteColumnFont(font());
    vfoModel_->SetNoteFont(note);
    memoryPage_->Model()->SetNoteFont(note);
    vfoGrid_->setCurrentIndex(vfoModel_->index(0, 0));
    vfoGrid_->selectRow(0);
    memoryPage_->SelectRow(1);
}

void MainWindow::UpdateCaption() {
    const QString name = currentFile_.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(currentFile_).fileName();
    setWindowTitle(name + QStringLiteral("[*] \u2013 ") + FromView(AppTitle));
    setWindowModified(image_.Modified);
}

void MainWindow::ApplyImageToUi() {
    settingsPages_->Load();
    settingsPages_->ShowModel();
    vfoModel_->Refresh();
    bankPage_->ShowBankCounts();
    bankPage_->ShowGroups();
    memoryPage_->Model()->RebuildRowLabels();
    memoryPage_->Model()->RefreshHeadings();
    memoryPage_->Model()->Refresh();
}

void MainWindow::RestoreImage(const CloneImage& snapshot) {
    const int row = memoryPage_->CurrentRow();
    image_ = snapshot;
    ApplyImageToUi();
    memoryPage_->SelectRow(row);
}

void MainWindow::OnModelClicked(int model) {
    if (runner_->IsRunning()) {
        settingsPages_->ShowModel();  // the image is read-only meanwhile
        return;
    }
    const bool switching = BeginModelSwitch(image_, model);
    UpdateCaption();
    if (!switching) return;
    // The model change resets the image, so it offers to save first.
    const Prompter::Answer answer = AskSaveChanges();
    if (answer == Prompter::Answer::kCancel) {
        settingsPages_->ShowModel();
        return;
    }
    if (answer == Prompter::Answer::kYes) Save();
    image_.RegionIndex = model;
    NewCloneImage(image_);
    currentFile_.clear();
    ApplyImageToUi();
    history_->Reset();
    // The built-in emulator plays the chosen model.
    ResetPort();
}

void MainWindow::Modify() {
    if (CurrentPage() == Page::kSettings1) {
        const QModelIndex current = vfoGrid_->currentIndex();
        EditVfoRow(current.isValid() ? current.row() + 1 : 1);
    } else if (CurrentPage() == Page::kMemory) {
        EditMemoryRow(memoryPage_->CurrentRow());
    }
}

void MainWindow::SetImageEditable(bool editable) {
    // An editor left open would store its entry over what a transfer brings.
    if (!editable && dlgModify_ && dlgModify_->isVisible()) dlgModify_->reject();
    settingsPages_->SetEditable(editable);
    memoryPage_->SetEditable(editable);
    bankPage_->SetEditable(editable);
    // The window sets this up before its menus exist.
    for (const char* name : {"mnuNew", "mnuOpen", "mnuImport", "tbr_新規作成", "tbr_開く"})
        if (QAction* a = Action(QString::fromUtf8(name))) a->setEnabled(editable);
    if (actModify_) actModify_->setEnabled(editable && PageAllowsModify(CurrentPage()));
    imageEditable_ = editable;
    if (recentMenu_) recentMenu_->setEnabled(editable && !recentFiles_.isEmpty());
    UpdateHistoryActions();
    UpdateEditActions();
}

void MainWindow::EditMemoryRow(int row) {
    if (runner_->IsRunning()) return;  // the image is read-only meanwhile
    if (row < 1 || row > kSlotCount) return;
    const QString name = QStringLiteral("Modify ") + QString::fromStdString(memoryPage_->Model()->RowLabel(row - 1));
    bool stored = false;
    history_->Record(name, [&] {
        stored = dlgModify_->OpenMemoryEditor(image_, row, memoryPage_->Grid());
        // The refresh wipes disabled slots: part of the same step.
        if (stored) memoryPage_->Model()->Refresh();
    });
    if (stored) memoryPage_->SelectRow(row);
}

void MainWindow::EditVfoRow(int row) {
    if (runner_->IsRunning()) return;
    bool stored = false;
    history_->Record(QStringLiteral("Modify Band %1").arg(row - 1), [&] {
        stored = dlgModify_->OpenVfoEditor(image_, row, vfoGrid_);
    });
    if (stored) {
        vfoModel_->Refresh();
        vfoGrid_->selectRow(row - 1);
    }
}

ComDialog* MainWindow::ComPortDialog() {
    if (!comDialog_) comDialog_ = new ComDialog(this);
    return comDialog_;
}

void MainWindow::ShowComDialog() {
    if (runner_->IsRunning()) return;
    ComDialog* dialog = ComPortDialog();
    dialog->Prepare(portNumber_, RunPortText(), devicePath_);
    dialog->exec();
    const int chosen = dialog->ChosenPort();
    if (chosen == 0 && dialog->ChosenDevicePath().isEmpty()) return;
    // A choice made here replaces the --port choice of this run. A typed path
    // leaves the number as it was, for the port file.
    if (chosen != 0) portNumber_ = chosen;
    devicePath_ = dialog->ChosenDevicePath();
    portOverride_.reset();
    ResetPort();
}

void MainWindow::ShowAbout() {
    if (!aboutBox_) aboutBox_ = new AboutBox(options_.backupFolder, this);
    aboutBox_->exec();
}

void MainWindow::ShowMessages(const std::vector<std::string>& messages) {
    for (const std::string& m : messages) {
        if (m == link::kMsgSuccess) {
            prompter_->Inform(this, FromView(link::kSuccessTitle), {QString::fromStdString(m)});
        } else {
            prompter_->Error(this, ErrorTitle(), {QString::fromStdString(m)});
        }
    }
}

}  // namespace wrk7
