#pragma once
#include <QKeySequence>
#include <span>

class QWidget;

namespace wrk7 {

// A command with captions of its own in both languages (the numbered caption
// table holds the older ones).
struct MenuCommand {
    const char* name;  // the action's objectName
    const char* english;
    const char* japanese;
    QKeySequence key;
};

// Makes an action on window for each command, named and captioned in the
// window's language; the keys work with the menus closed.
void AddMenuCommands(QWidget* window, std::span<const MenuCommand> commands, bool japanese);

}  // namespace wrk7
