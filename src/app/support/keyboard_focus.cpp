#include "app/support/keyboard_focus.h"

#include <QWidget>

namespace wrk7 {

void FocusFirstControl(QWidget* area) {
    if (!area) return;
    for (QWidget* w = area->nextInFocusChain(); w && w != area; w = w->nextInFocusChain()) {
        if (!area->isAncestorOf(w) || !(w->focusPolicy() & Qt::TabFocus)) continue;
        if (!w->isVisibleTo(area) || !w->isEnabled()) continue;
        w->setFocus(Qt::TabFocusReason);
        return;
    }
}

}  // namespace wrk7
