#include "app/window/edit_commands.h"

#include <QAction>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QTableView>
#include <algorithm>

#include "app/dialogs/channel_editor.h"
#include "app/document/clone_document.h"
#include "app/pages/find_bar.h"
#include "app/pages/grid_clipboard.h"
#include "app/pages/memory_page.h"
#include "app/pages/memory_table_model.h"
#include "app/window/row_commands.h"
#include "app/window/menu_commands.h"
#include "core/tables.h"
#include "edit/memory_ops.h"

namespace wrk7 {

namespace {

// Captions of the editing commands, which the numbered caption table does
// not hold.
const MenuCommand kCommands[] = {
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

// Shift+F10 and the Menu key open the grid's context menu at its current
// row, not wherever the pointer happens to be.
class MenuKeys : public QObject {
public:
    MenuKeys(QObject* parent, std::function<void(QTableView*)> show) : QObject(parent), show_(std::move(show)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool shiftF10 = event->type() == QEvent::KeyPress &&
                              static_cast<QKeyEvent*>(event)->key() == Qt::Key_F10 &&
                              static_cast<QKeyEvent*>(event)->modifiers() == Qt::ShiftModifier;
        const bool menuKey = event->type() == QEvent::ContextMenu &&
                             static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard;
        // A grid being destroyed is no longer one.
        auto* grid = qobject_cast<QTableView*>(watched);
        if ((!shiftF10 && !menuKey) || !grid) return QObject::eventFilter(watched, event);
        show_(grid);
        return true;
    }

private:
    std::function<void(QTableView*)> show_;
};

// The grid the copy and paste keys act on: the memory page's, or the VFO
// grid of Settings 1.
GridClipboard::Grid GridOf(Page page) {
    return page == Page::kMemory ? GridClipboard::Grid::kMemory : GridClipboard::Grid::kVfo;
}

}  // namespace

EditCommands::EditCommands(QMainWindow* window, CloneDocument& document, Prompter& prompter, MemoryPage* memory,
                           QTableView* vfoGrid, bool japanese, std::function<Page()> currentPage)
    : QObject(window),
      window_(window),
      document_(document),
      memory_(memory),
      vfoGrid_(vfoGrid),
      currentPage_(std::move(currentPage)) {
    modify_ = new QAction(QStringLiteral("1009"), window);
    modify_->setObjectName(QStringLiteral("mnuModify"));
    modify_->setShortcut(QKeySequence(Qt::Key_F2));
    connect(modify_, &QAction::triggered, this, &EditCommands::Modify);
    clipboard_ = new GridClipboard(document_, prompter, memory_, vfoGrid_, window);
    findBar_ = new FindBar(document_.Image(), memory_);
    // Made now and only hidden later, so Hold keeps its values.
    editor_ = new ChannelEditor(window, &prompter);

    AddMenuCommands(window, kCommands, japanese);
    connect(Action("mnuCopy"), &QAction::triggered, this, [this] { clipboard_->Copy(GridOf(currentPage_())); });
    connect(Action("mnuPaste"), &QAction::triggered, this, [this] { clipboard_->Paste(GridOf(currentPage_())); });
    connect(Action("mnuCut"), &QAction::triggered, clipboard_, &GridClipboard::Cut);
    connect(Action("mnuClear"), &QAction::triggered, memory_, &MemoryPage::Clear);
    connect(Action("mnuEnable"), &QAction::triggered, memory_, &MemoryPage::Enable);
    connect(Action("mnuDisable"), &QAction::triggered, memory_, &MemoryPage::Disable);
    connect(Action("mnuInsert"), &QAction::triggered, memory_, &MemoryPage::Insert);
    connect(Action("mnuDelete"), &QAction::triggered, memory_, &MemoryPage::Delete);
    connect(Action("mnuFind"), &QAction::triggered, this, [this] { findBar_->Open(FindBar::Mode::kFind); });
    connect(Action("mnuFindNext"), &QAction::triggered, findBar_, &FindBar::FindNext);
    connect(Action("mnuFindPrevious"), &QAction::triggered, findBar_, &FindBar::FindPrevious);
    connect(Action("mnuGoTo"), &QAction::triggered, this, [this] { findBar_->Open(FindBar::Mode::kGoTo); });
    rows_ = new RowCommands(window, document_, prompter, memory_, findBar_, japanese);

    for (QTableView* grid : {memory_->Grid(), vfoGrid_}) {
        grid->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(grid, &QWidget::customContextMenuRequested, this,
                [this, grid](const QPoint& pos) { ShowGridMenu(grid, pos); });
        connect(grid->selectionModel(), &QItemSelectionModel::selectionChanged, this, &EditCommands::Update);
        connect(grid->selectionModel(), &QItemSelectionModel::currentChanged, this, &EditCommands::Update);
        connect(grid->model(), &QAbstractItemModel::dataChanged, this, &EditCommands::Update);
    }
    connect(memory_, &MemoryPage::editRequested, this, &EditCommands::EditMemoryRow);
    connect(vfoGrid_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) EditVfoRow(index.row() + 1);
    });
    auto* menuKeys = new MenuKeys(this, [this](QTableView* grid) {
        const QModelIndex current = grid->currentIndex();
        const QRect cell = current.isValid() ? grid->visualRect(current) : QRect();
        ShowGridMenu(grid, cell.isValid() ? cell.center() : QPoint(1, 1));
    });
    for (QTableView* grid : {memory_->Grid(), vfoGrid_}) grid->installEventFilter(menuKeys);
    memory_->Grid()->installEventFilter(new EnterKey(this, [this] { EditMemoryRow(memory_->CurrentRow()); }));
    vfoGrid_->installEventFilter(new EnterKey(this, [this] { Modify(); }));
    connect(clipboard_, &GridClipboard::canPasteChanged, this, &EditCommands::Update);
    connect(&document_, &CloneDocument::readOnlyChanged, this, [this](bool readOnly) {
        // An editor left open would store its entry over what a transfer brings.
        if (readOnly && editor_->isVisible()) editor_->reject();
        Update();
    });
}

QAction* EditCommands::Action(const char* name) const {
    return window_->findChild<QAction*>(QString::fromLatin1(name));
}

void EditCommands::AddToMenu(QMenu* edit) {
    edit->addAction(modify_);
    edit->addSeparator();
    edit->addActions({Action("mnuCut"), Action("mnuCopy"), Action("mnuPaste"), Action("mnuClear")});
    edit->addSeparator();
    rows_->AddToMenu(edit);
    edit->addSeparator();
    edit->addActions({Action("mnuFind"), Action("mnuFindNext"), Action("mnuFindPrevious"), Action("mnuGoTo"),
                      rows_->FindDuplicatesAction()});
    Update();
}

void EditCommands::Modify() {
    if (currentPage_() == Page::kSettings1) {
        const QModelIndex current = vfoGrid_->currentIndex();
        EditVfoRow(current.isValid() ? current.row() + 1 : 1);
    } else if (currentPage_() == Page::kMemory) {
        EditMemoryRow(memory_->CurrentRow());
    }
}

void EditCommands::EditMemoryRow(int row) {
    if (document_.IsReadOnly() || row < 1 || row > kSlotCount) return;
    const QString name = QStringLiteral("Modify ") + QString::fromStdString(memory_->Model()->RowLabel(row - 1));
    bool stored = false;
    document_.Edit(name, [&](CloneImage& image) { stored = editor_->OpenMemoryEditor(image, row, memory_->Grid()); });
    if (stored) memory_->SelectRow(row);
}

void EditCommands::EditVfoRow(int row) {
    if (document_.IsReadOnly()) return;
    bool stored = false;
    document_.Edit(QStringLiteral("Modify Band %1").arg(row - 1),
                   [&](CloneImage& image) { stored = editor_->OpenVfoEditor(image, row, vfoGrid_); });
    if (stored) vfoGrid_->selectRow(row - 1);
}

void EditCommands::Update() {
    const CloneImage& image = document_.Image();
    const Page page = currentPage_();
    const bool memory = page == Page::kMemory;
    const bool vfo = page == Page::kSettings1;
    bool anyUsed = false;
    bool single = false;
    int row = 1;
    if (memory) {
        const std::vector<int> rows = SelectedGridRows(memory_->Grid());
        anyUsed = std::any_of(rows.begin(), rows.end(), [&image](int r) { return !image.memory.slot[r].IsEmpty(); });
        single = rows.size() == 1;
        row = rows.front() + 1;
    }
    auto enable = [this](const char* name, bool on) { Action(name)->setEnabled(on); };
    // Copy only reads the image, so it stays while a transfer runs.
    const bool change = !document_.IsReadOnly();
    modify_->setEnabled(change && PageAllowsModify(page));
    enable("mnuCut", change && memory && anyUsed);
    enable("mnuCopy", memory || (vfo && vfoGrid_->currentIndex().row() < VfoBandCount(image.model)));
    enable("mnuPaste", change && (memory || vfo) && clipboard_->CanPaste());
    enable("mnuClear", change && memory && anyUsed);
    // A used channel is always enabled (a disabled slot holds nothing), so
    // Enable only applies to one that is not.
    enable("mnuEnable", change && memory && anyUsed && !image.memory.enabled[row - 1]);
    enable("mnuDisable", change && memory && anyUsed);
    enable("mnuInsert", change && memory && single && row <= kEditWindowRows);
    enable("mnuDelete", change && memory && single && row <= kEditWindowRows);
    for (const char* name : {"mnuFind", "mnuFindNext", "mnuFindPrevious", "mnuGoTo"}) enable(name, memory);
    rows_->Update(memory);
}

QMenu* EditCommands::GridMenu(QTableView* grid) {
    Update();
    auto* menu = new QMenu(window_);
    menu->setObjectName(QStringLiteral("mnuGridContext"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(modify_);
    menu->addSeparator();
    if (grid == memory_->Grid()) {
        menu->addActions({Action("mnuCut"), Action("mnuCopy"), Action("mnuPaste"), Action("mnuClear")});
        menu->addSeparator();
        menu->addActions({Action("mnuEnable"), Action("mnuDisable"), Action("mnuInsert"), Action("mnuDelete")});
        menu->addSeparator();
        rows_->AddToGridMenu(menu);
    } else {
        menu->addActions({Action("mnuCopy"), Action("mnuPaste")});
    }
    return menu;
}

void EditCommands::ShowGridMenu(QTableView* grid, const QPoint& pos) {
    // A click outside the selection moves it to the row clicked, as in a
    // spreadsheet; inside, the menu acts on every selected row.
    const int row = grid->rowAt(pos.y());
    if (row >= 0 && !grid->selectionModel()->isRowSelected(row, {}))
        grid->selectionModel()->setCurrentIndex(grid->model()->index(row, 0),
                                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    GridMenu(grid)->popup(grid->viewport()->mapToGlobal(pos));
}

}  // namespace wrk7
