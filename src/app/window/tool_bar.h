#pragma once

class QAction;
class QToolBar;

namespace wrk7 {

class StringTable;

// One button of the tool bar: a menu command with an icon, the short caption
// (a number of the caption table) as its name and tool tip, and the object
// name of the original's button. A null action is a separator.
struct ToolButton {
    QAction* action;
    const char* key;
    int tip;
    bool printer;  // the printer icon rather than the style's help icon
    int icon;      // a QStyle::StandardPixmap
};

// Puts the commands on bar, as the menus name them.
void FillToolBar(QToolBar* bar, const StringTable& table, const ToolButton* buttons, int count);

}  // namespace wrk7
