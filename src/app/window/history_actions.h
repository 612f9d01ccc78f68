#pragma once
#include <QObject>

class QAction;
class QWidget;

namespace wrk7 {

class CloneDocument;

// Edit > Undo and Redo: named after the step they take back or do again
// ("&Undo Clear 3 Channels") and enabled as the document allows.
class HistoryActions : public QObject {
    Q_OBJECT
public:
    HistoryActions(CloneDocument& document, QWidget* window);

    QAction* undo = nullptr;
    QAction* redo = nullptr;

private:
    void Update();

    CloneDocument& document_;
};

}  // namespace wrk7
