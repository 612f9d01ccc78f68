#include "app/window/menu_commands.h"

#include <QAction>
#include <QWidget>

namespace wrk7 {

void AddMenuCommands(QWidget* window, std::span<const MenuCommand> commands, bool japanese) {
    for (const MenuCommand& c : commands) {
        auto* a = new QAction(QString::fromUtf8(japanese ? c.japanese : c.english), window);
        a->setObjectName(QString::fromLatin1(c.name));
        a->setShortcut(c.key);
        window->addAction(a);
    }
}

}  // namespace wrk7
