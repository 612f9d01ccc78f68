#pragma once
#include <QObject>
#include <functional>

#include "edit/page_rules.h"

class QAction;
class QMainWindow;
class QMenu;
class QPoint;
class QTableView;

namespace wrk7 {

class CloneDocument;
class ChannelEditor;
class FindBar;
class GridClipboard;
class MemoryPage;
class Prompter;
class RowCommands;

// The Edit menu and the grids' context menus: the channel editor on the
// current row (Modify, Enter, F2, a double-click), cut, copy, paste and the
// list commands, find and go to, each enabled as it applies to the page in
// front, the selected rows and the document's read-only state.
class EditCommands : public QObject {
    Q_OBJECT
public:
    EditCommands(QMainWindow* window, CloneDocument& document, Prompter& prompter, MemoryPage* memory,
                 QTableView* vfoGrid, bool japanese, std::function<Page()> currentPage);

    void AddToMenu(QMenu* edit);
    void Modify();
    void EditMemoryRow(int row);  // 1..1300
    void EditVfoRow(int row);     // 1..14
    // A grid's context menu, its commands enabled as they apply.
    QMenu* GridMenu(QTableView* grid);
    void Update();

    QAction* ModifyAction() const { return modify_; }
    ChannelEditor* Editor() const { return editor_; }
    GridClipboard* Clipboard() const { return clipboard_; }
    FindBar* Finder() const { return findBar_; }
    RowCommands* Rows() const { return rows_; }

private:
    QAction* Action(const char* name) const;
    void ShowGridMenu(QTableView* grid, const QPoint& pos);

    QMainWindow* window_;
    CloneDocument& document_;
    MemoryPage* memory_;
    QTableView* vfoGrid_;
    std::function<Page()> currentPage_;
    QAction* modify_ = nullptr;
    ChannelEditor* editor_ = nullptr;
    GridClipboard* clipboard_ = nullptr;
    FindBar* findBar_ = nullptr;
    RowCommands* rows_ = nullptr;
};

}  // namespace wrk7
