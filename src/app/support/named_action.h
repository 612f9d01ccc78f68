#pragma once
#include <QKeySequence>
#include <QString>

class QAction;
class QObject;

namespace wrk7 {

// A command's action: its objectName (the control name the menus and the
// tests know it by), its caption (a number of the caption table, put in when
// the window loads, or a tr() text) and its key. The caller connects it.
QAction* NamedAction(QObject* parent, const char* name, const QString& caption, QKeySequence key = {});

}  // namespace wrk7
