#pragma once
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "app/commands/selection.h"
#include "app/translation/string_table.h"
#include "edit/channel_entry.h"
#include "core/image.h"
#include "edit/bulk_change.h"
#include "edit/command_availability.h"
#include "core/memory_map.h"
#include "edit/row_order.h"

class QAction;
class QMenu;
class QPushButton;
class QWidget;

namespace wrk7 {

class CloneDocument;
class Prompter;
class Selection;

// The commands on the image that the menus, the tool bar, the page buttons
// and the grids' context menus share: one action each, which owns its
// caption, key, the rule that says whether it may run (Update) and what it
// does. They work on the document and the selection only; what needs a
// dialog, the clipboard or the find bar is asked through the hooks below,
// which the window fills and the tests replace.
class Commands : public QObject {
    Q_OBJECT
public:
    // window: where the actions' keys work and the questions' parent.
    Commands(CloneDocument& document, Selection& selection, Prompter& prompter, UiLanguage language,
             QWidget* window);

    // Edit menu and context menus.
    QAction* modify;
    QAction* cut;
    QAction* copy;
    QAction* paste;
    QAction* clear;
    QAction* enable;
    QAction* disable;
    QAction* insert;
    QAction* remove;  // Delete
    QAction* changeChannels;
    QMenu* sortMenu;
    QAction* pack;
    QAction* moveUp;
    QAction* moveDown;
    QAction* find;
    QAction* findNext;
    QAction* findPrevious;
    QAction* goTo;
    QAction* findDuplicates;
    // The memory page's buttons for the whole list.
    QAction* clearAll;
    QAction* enableAll;
    QAction* disableAll;
    // Tool > Read and Write, and the pages' transfer buttons.
    QAction* readSettings;
    QAction* readMemory;
    QAction* readAll;
    QAction* writeSettings;
    QAction* writeMemory;
    QAction* writeAll;
    QAction* readBank;
    QAction* writeBank;
    QAction* readGroups;
    QAction* writeGroups;

    // What the commands ask of the window.
    std::function<std::optional<ChannelEntry>(const CloneImage& image, ChannelEntry::Target target, int row)>
        editEntry;
    std::function<std::optional<ChannelChange>(const SlotFields& first, int channels)> askChange;
    std::function<void(GridKind grid)> copyRows;
    std::function<void(GridKind grid)> pasteRows;
    std::function<void()> cutRows;
    std::function<bool()> canPaste;
    std::function<void(bool goTo)> openFindBar;
    std::function<void(bool forward)> findAgain;
    std::function<void(const QString& summary)> showDuplicates;
    std::function<void(TransferDirection direction, TransferPart part)> startTransfer;

    // Sets every action's enabled state by its rule (AvailableCommands), now.
    void Update();
    // The same once control is back in the event loop, however often asked
    // meanwhile: what changes the document or the selection asks this.
    void RequestUpdate();
    void SetTransferRunning(bool running);

    // The actions of the memory grid's context menu and the Edit menu.
    void AddEditItems(QMenu* menu) const;
    void AddRowItems(QMenu* menu) const;
    // The grid's context menu; the VFO grid's has Modify, Copy and Paste.
    QMenu* GridMenu(GridKind grid, QWidget* parent);

    // The handlers, as the actions run them.
    void Modify();
    void EditMemoryRow(int row);  // 1..1300
    void EditVfoRow(int row);     // 1..14
    void Clear();
    void Delete();
    void Insert();
    void Enable();
    void Disable();
    void ClearAll();
    void EnableAll();
    void DisableAll();
    void ChangeChannels();
    void ApplyChange(const ChannelChange& change);
    void Sort(SortKey key, bool descending);
    void Pack();
    void Move(Direction direction);
    void FindDuplicates();

    QString RowsName(const std::vector<int>& rows) const;

signals:
    // A line for the status bar (how many duplicates).
    void statusMessage(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* Make(const char* name, const QString& caption, QKeySequence key = {});
    bool ConfirmSeveral(const std::vector<int>& rows, const QString& title, const QString& question,
                        const QString& consequence = {});
    bool ConfirmDisable(const std::vector<int>& rows);
    bool Confirm(const QString& title, const QStringList& lines);
    QString Label(int slot) const;
    GridKind CurrentGrid() const;
    void StoreEntry(const QString& name, const std::optional<ChannelEntry>& entry);
    RowOrderResult Reorder(const QString& name,
                           const std::function<RowOrderResult(CloneImage&, const std::vector<int>&)>& order);

    CommandState State() const;

    CloneDocument& document_;
    Selection& selection_;
    Prompter& prompter_;
    QWidget* window_;
    bool transferRunning_ = false;
    bool updatePending_ = false;
    QList<QAction*> transfers_;
};

// "07-012" for one row, "3 Channels" for several (rows 1-based), by the row
// labels of image: the name of a change to them in an undo step.
QString RowsName(const CloneImage& image, const std::vector<int>& rows);

// A push button that stays as it is drawn (its caption, its place) but runs
// action and is enabled exactly when action is.
void BindButton(QPushButton* button, QAction* action);

}  // namespace wrk7
