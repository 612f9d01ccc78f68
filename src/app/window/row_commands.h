#pragma once
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "core/image.h"
#include "edit/bulk_change.h"
#include "edit/row_order.h"

class QAction;
class QMainWindow;
class QMenu;

namespace wrk7 {

class CloneDocument;
class FindBar;
class MemoryPage;
class Prompter;

// The commands that act on the selected rows of the memory grid as a list:
// Change Channels (one dialog for many channels), Sort, Pack, Move Up and
// Move Down (Alt+Up, Alt+Down), and Find Duplicates, which selects the rows
// and lets the find bar step through them. Each change is one undo step;
// each waits while the document is read-only. The rules are the domain's
// (edit/bulk_change.h, edit/row_order.h); this only asks, names the step and
// moves the selection along.
class RowCommands : public QObject {
    Q_OBJECT
public:
    RowCommands(QMainWindow* window, CloneDocument& document, Prompter& prompter, MemoryPage* memory,
                FindBar* findBar, bool japanese);

    // Change Channels ... Move Down, and Find Duplicates after the find commands.
    void AddToMenu(QMenu* edit);
    QAction* FindDuplicatesAction() const { return Action("mnuFindDuplicates"); }
    void AddToGridMenu(QMenu* menu);
    void Update(bool memoryPage);

    void ChangeChannels();  // asks with the dialog first
    void ApplyChange(const ChannelChange& change);
    void Sort(SortKey key, bool descending);
    void Pack();
    void Move(int by);  // -1 up, +1 down
    void FindDuplicates();

signals:
    // A line for the status bar (how many duplicates).
    void statusMessage(const QString& text);

private:
    QAction* Action(const char* name) const;
    std::vector<int> SelectedSlots() const;
    // Runs order on the selected chosen as one step named verb and the rows;
    // a refusal is said in a box.
    RowOrderResult Reorder(const QString& verb, const QString& direction,
                           const std::function<RowOrderResult(CloneImage&, const std::vector<int>&)>& order);

    QMainWindow* window_;
    CloneDocument& document_;
    Prompter& prompter_;
    MemoryPage* memory_;
    FindBar* findBar_;
    QMenu* sortMenu_ = nullptr;
};

}  // namespace wrk7
