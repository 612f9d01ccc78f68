#include "app/support/undo_keys.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace wrk7 {

bool UndoKeysToWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride) return QObject::eventFilter(watched, event);
    const auto* box = qobject_cast<QLineEdit*>(watched);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!box || box->isReadOnly()) return QObject::eventFilter(watched, event);
    const bool undo = key->matches(QKeySequence::Undo);
    const bool redo = key->matches(QKeySequence::Redo) ||
                      key->keyCombination() == QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Z);
    if ((undo && !box->isUndoAvailable()) || (redo && !box->isRedoAvailable())) {
        // Not accepted: the key goes on to the window's shortcuts.
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace wrk7
