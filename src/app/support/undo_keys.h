#pragma once
#include <QObject>

namespace wrk7 {

// A line edit takes Ctrl+Z and the redo keys for its own typing, even when it
// has nothing to take back. Installed on a page's boxes, this leaves those
// keys to the window's Undo and Redo whenever the box itself has no undo or
// redo to do, so Ctrl+Z works on the Bank page as on the others.
class UndoKeysToWindow : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace wrk7
