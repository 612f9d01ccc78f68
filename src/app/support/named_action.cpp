#include "app/support/named_action.h"

#include <QAction>

namespace wrk7 {

QAction* NamedAction(QObject* parent, const char* name, const QString& caption, QKeySequence key) {
    auto* action = new QAction(caption, parent);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(key);
    return action;
}

}  // namespace wrk7
