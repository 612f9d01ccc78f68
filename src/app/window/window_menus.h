#pragma once
#include <QList>
#include <functional>

class QAction;
class QMenu;
class QMenuBar;

namespace wrk7 {

class Commands;
class FileCommands;
class ListingPrint;
class TransferActions;

// What the menu bar offers, in the original's order and with its menus'
// names; the captions are numbers of the caption table until it loads.
struct MenuParts {
    const FileCommands& files;
    const ListingPrint& printing;
    const Commands& commands;
    const TransferActions& transfers;
    QAction* exit;
    QAction* undo;
    QAction* redo;
    QAction* about;
    QList<QAction*> bars;                      // View's switches of the tool and status bars
    std::function<void(QMenu* file)> recent;   // the recent files, before Exit
    std::function<void(QMenu* view)> appearance;
};

void BuildMenus(QMenuBar* bar, const MenuParts& parts);

}  // namespace wrk7
