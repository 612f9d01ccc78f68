#include "app/window/history_actions.h"

#include <QAction>

#include "app/document/clone_document.h"
#include "app/support/named_action.h"

namespace wrk7 {

HistoryActions::HistoryActions(CloneDocument& document, QWidget* window) : QObject(window), document_(document) {
    undo = NamedAction(window, "mnuUndo", QString(), QKeySequence::Undo);
    redo = NamedAction(window, "mnuRedo", QString());
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(undo, &QAction::triggered, &document_, &CloneDocument::Undo);
    connect(redo, &QAction::triggered, &document_, &CloneDocument::Redo);
    connect(&document_, &CloneDocument::historyChanged, this, &HistoryActions::Update);
    Update();
}

void HistoryActions::Update() {
    auto caption = [](const QString& verb, const QString& step) {
        return step.isEmpty() ? verb : verb + QLatin1Char(' ') + step;
    };
    undo->setText(caption(tr("&Undo"), document_.UndoName()));
    redo->setText(caption(tr("&Redo"), document_.RedoName()));
    undo->setEnabled(document_.CanUndo());
    redo->setEnabled(document_.CanRedo());
}

}  // namespace wrk7
