#include "app/support/command_log.h"

#include <QAction>
#include <QWidget>

#include "files/program_log.h"

namespace wrk7 {

void LogCommands(QWidget* window) {
    for (QAction* action : window->findChildren<QAction*>()) {
        if (action->objectName().isEmpty() || action->isSeparator()) continue;
        QObject::connect(action, &QAction::triggered, window, [action](bool checked) {
            qCInfo(logWindow).noquote() << "command" << action->objectName() << action->text().remove(QLatin1Char('&'))
                                        << (action->isCheckable() ? (checked ? "on" : "off") : "");
        });
    }
}

}  // namespace wrk7
