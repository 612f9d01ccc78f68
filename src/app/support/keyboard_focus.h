#pragma once

class QWidget;

namespace wrk7 {

// Gives the focus to the first control of area that Tab would reach, as if
// the user had tabbed there, so the focus is visible (a focus frame is drawn
// only for keyboard focus).
void FocusFirstControl(QWidget* area);

}  // namespace wrk7
