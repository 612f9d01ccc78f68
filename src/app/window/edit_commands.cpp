#include "app/window/edit_commands.h"

#include <QAction>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QTableView>
#include <algorithm>
#include <functional>
#include <vector>

#include "app/commands/commands.h"
#include "app/dialogs/change_channels_dialog.h"
#include "app/dialogs/channel_editor.h"
#include "app/document/clone_document.h"
#include "app/pages/find_bar.h"
#include "app/pages/grid_clipboard.h"
#include "app/pages/grid_selection.h"
#include "app/pages/memory_page.h"

namespace wrk7 {

namespace {

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

// Ctrl+Home and Ctrl+End go to the first and last row and select it, as the
// arrow keys do (with Shift, everything from the current row to there). Qt
// moves only the current cell for them, so Delete and the Move buttons
// would act on a row the user has left.
class JumpKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* grid = qobject_cast<QTableView*>(watched);
        if (!grid || event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
        const bool jump = key->key() == Qt::Key_Home || key->key() == Qt::Key_End;
        if (!jump || !(mods & Qt::ControlModifier) || (mods & ~(Qt::ControlModifier | Qt::ShiftModifier)) ||
            grid->model()->rowCount() == 0)
            return QObject::eventFilter(watched, event);
        const int from = std::max(grid->currentIndex().row(), 0);
        const int to = key->key() == Qt::Key_Home ? 0 : grid->model()->rowCount() - 1;
        const int column = std::max(grid->currentIndex().column(), 0);
        std::vector<int> rows;
        if (mods & Qt::ShiftModifier) {
            for (int r = std::min(from, to); r <= std::max(from, to); ++r) rows.push_back(r);
        } else {
            rows.push_back(to);
        }
        SelectGridRows(grid, rows, to);
        grid->selectionModel()->setCurrentIndex(grid->model()->index(to, column), QItemSelectionModel::NoUpdate);
        grid->scrollTo(grid->currentIndex());
        return true;
    }
};

}  // namespace

EditCommands::EditCommands(QMainWindow* window, CloneDocument& document, Prompter& prompter, Commands& commands,
                           MemoryPage* memory, QTableView* vfoGrid)
    : QObject(window), window_(window), commands_(commands), memory_(memory), vfoGrid_(vfoGrid) {
    clipboard_ = new GridClipboard(document, prompter, memory_, vfoGrid_, window);
    findBar_ = new FindBar(document.Image(), memory_);
    connect(&document, &CloneDocument::replaced, findBar_, &FindBar::Dismiss);
    // Made now and only hidden later, so Hold keeps its values.
    editor_ = new ChannelEditor(window, &prompter);

    commands_.editEntry = [this](const CloneImage& image, ChannelEntry::Target target, int row) {
        return target == ChannelEntry::Target::kMemory ? editor_->OpenMemoryEditor(image, row, memory_->Grid())
                                                       : editor_->OpenVfoEditor(image, row, vfoGrid_);
    };
    commands_.askChange = [this, &document, &prompter](const SlotFields& first,
                                                       int channels) -> std::optional<ChannelChange> {
        ChangeChannelsDialog dialog(window_, document.Model(), first, channels, &prompter);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.Change();
    };
    commands_.copyRows = [this](GridKind grid) { clipboard_->Copy(grid); };
    commands_.pasteRows = [this](GridKind grid) { clipboard_->Paste(grid); };
    commands_.cutRows = [this] { clipboard_->Cut(); };
    commands_.canPaste = [this] { return clipboard_->CanPaste(); };
    commands_.openFindBar = [this](bool goTo) { findBar_->Open(goTo ? FindBar::Mode::kGoTo : FindBar::Mode::kFind); };
    commands_.findAgain = [this](bool forward) { forward ? findBar_->FindNext() : findBar_->FindPrevious(); };
    commands_.showDuplicates = [this](const QString& summary) { findBar_->OpenDuplicates(summary); };

    for (QTableView* grid : {memory_->Grid(), vfoGrid_}) {
        grid->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(grid, &QWidget::customContextMenuRequested, this,
                [this, grid](const QPoint& pos) { ShowGridMenu(grid, pos); });
        connect(grid->selectionModel(), &QItemSelectionModel::selectionChanged, &commands_, &Commands::RequestUpdate);
        connect(grid->selectionModel(), &QItemSelectionModel::currentChanged, &commands_, &Commands::RequestUpdate);
        connect(grid->model(), &QAbstractItemModel::dataChanged, &commands_, &Commands::RequestUpdate);
    }
    connect(memory_->Grid(), &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) commands_.EditMemoryRow(index.row() + 1);
    });
    connect(vfoGrid_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) commands_.EditVfoRow(index.row() + 1);
    });
    auto* menuKeys = new MenuKeys(this, [this](QTableView* grid) {
        const QModelIndex current = grid->currentIndex();
        const QRect cell = current.isValid() ? grid->visualRect(current) : QRect();
        ShowGridMenu(grid, cell.isValid() ? cell.center() : QPoint(1, 1));
    });
    auto* jumpKeys = new JumpKeys(this);
    for (QTableView* grid : {memory_->Grid(), vfoGrid_}) {
        grid->installEventFilter(menuKeys);
        grid->installEventFilter(jumpKeys);
    }
    memory_->Grid()->installEventFilter(new EnterKey(this, [this] { commands_.EditMemoryRow(memory_->CurrentRow()); }));
    vfoGrid_->installEventFilter(new EnterKey(this, [this] { commands_.Modify(); }));
    connect(clipboard_, &GridClipboard::canPasteChanged, &commands_, &Commands::RequestUpdate);
    connect(&document, &CloneDocument::readOnlyChanged, this, [this](bool readOnly) {
        // An editor left open would hand back an entry over what a transfer brings.
        if (readOnly && editor_->isVisible()) editor_->reject();
    });
}

void EditCommands::ShowGridMenu(QTableView* grid, const QPoint& pos) {
    // A click outside the selection moves it to the row clicked, as in a
    // spreadsheet; inside, the menu acts on every selected row.
    const int row = grid->rowAt(pos.y());
    if (row >= 0 && !grid->selectionModel()->isRowSelected(row, {}))
        grid->selectionModel()->setCurrentIndex(grid->model()->index(row, 0),
                                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    commands_.GridMenu(grid == vfoGrid_ ? GridKind::kVfo : GridKind::kMemory, window_)->popup(grid->viewport()->mapToGlobal(pos));
}

}  // namespace wrk7
