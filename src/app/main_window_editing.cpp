// Editing like a desktop program: the keys of the File and Help commands,
// cut, copy, paste and clear on the grids, find and go to, Enter and F2 to
// edit a row, and the grids' context menus.
#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QTabWidget>
#include <QTableView>
#include <algorithm>
#include <functional>

#include "app/find_bar.h"
#include "app/grid_clipboard.h"
#include "app/main_window.h"
#include "app/memory_page.h"
#include "app/memory_table_model.h"
#include "app/vfo_table_model.h"
#include "core/tables.h"
#include "edit/memory_ops.h"

namespace wrk7 {

namespace {

// Captions of the editing commands, which the numbered caption table does
// not hold.
struct Command {
    const char* name;
    const char* english;
    const char* japanese;
    QKeySequence key;
};
const Command kCommands[] = {
    {"mnuCut", "Cut(&T)", "切り取り(&T)", QKeySequence(Qt::CTRL | Qt::Key_X)},
    {"mnuCopy", "Copy(&C)", "コピー(&C)", QKeySequence(Qt::CTRL | Qt::Key_C)},
    {"mnuPaste", "Paste(&P)", "貼り付け(&P)", QKeySequence(Qt::CTRL | Qt::Key_V)},
    {"mnuClear", "Clear(&L)", "クリア(&L)", QKeySequence(Qt::Key_Delete)},
    {"mnuEnable", "Enable(&E)", "有効(&E)", {}},
    {"mnuDisable", "Disable(&S)", "無効(&S)", {}},
    {"mnuInsert", "Insert(&I)", "挿入(&I)", {}},
    {"mnuDelete", "Delete(&D)", "削除(&D)", {}},
    {"mnuFind", "Find(&F)...", "検索(&F)...", QKeySequence(Qt::CTRL | Qt::Key_F)},
    {"mnuFindNext", "Find Next(&N)", "次を検索(&N)", QKeySequence(Qt::Key_F3)},
    {"mnuFindPrevious", "Find Previous(&V)", "前を検索(&V)", QKeySequence(Qt::SHIFT | Qt::Key_F3)},
    {"mnuGoTo", "Go To(&G)...", "移動(&G)...", QKeySequence(Qt::CTRL | Qt::Key_G)},
};

// Keys the File and Help commands answer to besides their menus.
const std::pair<const char*, QKeySequence> kCommandKeys[] = {
    {"mnuOpen", QKeySequence(Qt::CTRL | Qt::Key_O)},
    {"mnuSave", QKeySequence(Qt::CTRL | Qt::Key_S)},
    {"mnuSaveAs", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
    {"mnuExit", QKeySequence(Qt::CTRL | Qt::Key_Q)},
    {"mnuAbout", QKeySequence(Qt::Key_F1)},
    {"mnuModify", QKeySequence(Qt::Key_F2)},
};

// Enter on a grid row opens the editor on it.
class EnterKey : public QObject {
public:
    EnterKey(QObject* parent, std::function<void()> onEnter) : QObject(parent), onEnter_(std::move(onEnter)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
                onEnter_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> onEnter_;
};

// The grid the copy and paste keys act on: the memory page's, or the VFO
// grid of Settings 1.
GridClipboard::Grid GridOf(Page page) {
    return page == Page::kMemory ? GridClipboard::Grid::kMemory : GridClipboard::Grid::kVfo;
}

}  // namespace

void MainWindow::BuildEditing() {
    for (const auto& [name, key] : kCommandKeys) Action(QString::fromLatin1(name))->setShortcut(key);

    clipboard_ = new GridClipboard(image_, *history_, *prompter_, memoryPage_, vfoGrid_, vfoModel_, this);
    findBar_ = new FindBar(image_, memoryPage_);

    const bool japanese = table_.Language() == UiLanguage::kJapanese;
    auto* edit = findChild<QMenu*>(QStringLiteral("mnuEdit"));
    edit->addSeparator();
    for (const Command& c : kCommands) {
        auto* a = new QAction(QString::fromUtf8(japanese ? c.japanese : c.english), this);
        a->setObjectName(QString::fromLatin1(c.name));
        a->setShortcut(c.key);
        addAction(a);  // the keys work with the menu closed
    }
    auto act = [this](const char* name) { return Action(QString::fromLatin1(name)); };
    edit->addActions({act("mnuCut"), act("mnuCopy"), act("mnuPaste"), act("mnuClear")});
    edit->addSeparator();
    edit->addActions({act("mnuFind"), act("mnuFindNext"), act("mnuFindPrevious"), act("mnuGoTo")});

    connect(act("mnuCopy"), &QAction::triggered, this, [this] { clipboard_->Copy(GridOf(CurrentPage())); });
    connect(act("mnuPaste"), &QAction::triggered, this, [this] { clipboard_->Paste(GridOf(CurrentPage())); });
    connect(act("mnuCut"), &QAction::triggered, clipboard_, &GridClipboard::Cut);
    connect(act("mnuClear"), &QAction::triggered, memoryPage_, &MemoryPage::Clear);
    connect(act("mnuEnable"), &QAction::triggered, memoryPage_, &MemoryPage::Enable);
    connect(act("mnuDisable"), &QAction::triggered, memoryPage_, &MemoryPage::Disable);
    connect(act("mnuInsert"), &QAction::triggered, memoryPage_, &MemoryPage::Insert);
    connect(act("mnuDelete"), &QAction::triggered, memoryPage_, &MemoryPage::Delete);
    connect(act("mnuFind"), &QAction::triggered, this, [this] { findBar_->Open(FindBar::Mode::kFind); });
    connect(act("mnuFindNext"), &QAction::triggered, findBar_, &FindBar::FindNext);
    connect(act("mnuFindPrevious"), &QAction::triggered, findBar_, &FindBar::FindPrevious);
    connect(act("mnuGoTo"), &QAction::triggered, this, [this] { findBar_->Open(FindBar::Mode::kGoTo); });

    for (QTableView* grid : {memoryPage_->Grid(), vfoGrid_}) {
        grid->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(grid, &QWidget::customContextMenuRequested, this,
                [this, grid](const QPoint& pos) { ShowGridMenu(grid, pos); });
        connect(grid->selectionModel(), &QItemSelectionModel::selectionChanged, this, &MainWindow::UpdateEditActions);
        connect(grid->selectionModel(), &QItemSelectionModel::currentChanged, this, &MainWindow::UpdateEditActions);
        connect(grid->model(), &QAbstractItemModel::dataChanged, this, &MainWindow::UpdateEditActions);
    }
    memoryPage_->Grid()->installEventFilter(new EnterKey(this, [this] { EditMemoryRow(memoryPage_->CurrentRow()); }));
    vfoGrid_->installEventFilter(new EnterKey(this, [this] { Modify(); }));
    connect(tabs_, &QTabWidget::currentChanged, this, &MainWindow::UpdateEditActions);
    connect(clipboard_, &GridClipboard::canPasteChanged, this, &MainWindow::UpdateEditActions);
    UpdateEditActions();
}

void MainWindow::UpdateEditActions() {
    if (!clipboard_) return;
    const Page page = CurrentPage();
    const bool memory = page == Page::kMemory;
    const bool vfo = page == Page::kSettings1;
    bool anyUsed = false;
    bool single = false;
    int row = 1;
    if (memory) {
        const std::vector<int> rows = SelectedGridRows(memoryPage_->Grid());
        anyUsed = std::any_of(rows.begin(), rows.end(), [this](int r) { return !image_.Mem[r].IsEmpty(); });
        single = rows.size() == 1;
        row = rows.front() + 1;
    }
    auto enable = [this](const char* name, bool on) { Action(QString::fromLatin1(name))->setEnabled(on); };
    // Copy only reads the image, so it stays while a transfer runs.
    const bool change = imageEditable_;
    enable("mnuCut", change && memory && anyUsed);
    enable("mnuCopy", memory || (vfo && vfoGrid_->currentIndex().row() < VfoBandCount(image_.RegionIndex)));
    enable("mnuPaste", change && (memory || vfo) && clipboard_->CanPaste());
    enable("mnuClear", change && memory && anyUsed);
    // A channel that holds data is always enabled (the refresh empties any
    // other), so Enable only applies to one that is not.
    enable("mnuEnable", change && memory && anyUsed && !image_.ChannelEnable[row - 1]);
    enable("mnuDisable", change && memory && anyUsed);
    enable("mnuInsert", change && memory && single && row <= kEditWindowRows);
    enable("mnuDelete", change && memory && single && row <= kEditWindowRows);
    for (const char* name : {"mnuFind", "mnuFindNext", "mnuFindPrevious", "mnuGoTo"}) enable(name, memory);
}

QMenu* MainWindow::GridMenu(QTableView* grid) {
    UpdateEditActions();
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("mnuGridContext"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    auto act = [this](const char* name) { return Action(QString::fromLatin1(name)); };
    menu->addAction(actModify_);
    menu->addSeparator();
    if (grid == memoryPage_->Grid()) {
        menu->addActions({act("mnuCut"), act("mnuCopy"), act("mnuPaste"), act("mnuClear")});
        menu->addSeparator();
        menu->addActions({act("mnuEnable"), act("mnuDisable"), act("mnuInsert"), act("mnuDelete")});
    } else {
        menu->addActions({act("mnuCopy"), act("mnuPaste")});
    }
    return menu;
}

void MainWindow::ShowGridMenu(QTableView* grid, const QPoint& pos) {
    // A click outside the selection moves it to the row clicked, as in a
    // spreadsheet; inside, the menu acts on every selected row.
    const int row = grid->rowAt(pos.y());
    if (row >= 0 && !grid->selectionModel()->isRowSelected(row, {}))
        grid->selectionModel()->setCurrentIndex(grid->model()->index(row, 0),
                                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    GridMenu(grid)->popup(grid->viewport()->mapToGlobal(pos));
}

}  // namespace wrk7
