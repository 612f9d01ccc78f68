#pragma once
#include <QFocusEvent>

namespace wrk7 {

// A box checks its entry when the user leaves it for another control of the
// same window. Switching to another window or program, or opening a menu,
// gives the focus back unchanged afterwards, so it is not leaving (nor, on
// the way back, entering): checking then would mark an untouched box
// modified, or refuse an entry the user is still typing.
inline bool MovesWithinWindow(const QFocusEvent& event) {
    return event.reason() != Qt::ActiveWindowFocusReason && event.reason() != Qt::PopupFocusReason;
}

}  // namespace wrk7
