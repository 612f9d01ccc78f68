#pragma once
#include <QObject>

class QMainWindow;
class QPoint;
class QTableView;

namespace wrk7 {

class ChannelEditor;
class CloneDocument;
class Commands;
class FindBar;
class GridClipboard;
class MemoryPage;
class Prompter;

// What the commands need of the window's widgets: the channel editor and
// Change Channels for Modify and Change Channels, the clipboard for cut,
// copy and paste, the find bar; and the grids' own ways to reach the
// commands: Enter, F2 and a double-click edit the row, a right-click,
// Shift+F10 and the Menu key open the context menu, and a selection change
// brings the rules up to date.
class EditCommands : public QObject {
    Q_OBJECT
public:
    EditCommands(QMainWindow* window, CloneDocument& document, Prompter& prompter, Commands& commands,
                 MemoryPage* memory, QTableView* vfoGrid);

    ChannelEditor* Editor() const { return editor_; }
    GridClipboard* Clipboard() const { return clipboard_; }
    FindBar* Finder() const { return findBar_; }

private:
    void ShowGridMenu(QTableView* grid, const QPoint& pos);

    QMainWindow* window_;
    Commands& commands_;
    MemoryPage* memory_;
    QTableView* vfoGrid_;
    ChannelEditor* editor_ = nullptr;
    GridClipboard* clipboard_ = nullptr;
    FindBar* findBar_ = nullptr;
};

}  // namespace wrk7
