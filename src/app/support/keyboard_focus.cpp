#include "app/support/keyboard_focus.h"

#include <QWidget>

namespace wrk7 {

void FocusFirstControl(QWidget* area) {
    if (!area) return;
    for (QWidget* w = area->nextInFocusChain(); w && w != area; w = w->nextInFocusChain()) {
        if (!area->isAncestorOf(w) || !(w->focusPolicy() & Qt::TabFocus)) continue;
        if (!w->isVisibleTo(area) || !w->isEnabled()) continue;
        w->setFocus(Qt::TabFocusReason);
        // A window not yet active forgets the reason by the time it is
        // activated, and the style then draws no focus frame: the start
        // focus would be invisible.
        w->window()->setAttribute(Qt::WA_KeyboardFocusChange);
        return;
    }
}

}  // namespace wrk7
