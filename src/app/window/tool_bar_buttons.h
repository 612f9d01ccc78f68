#pragma once

class QMainWindow;
class QToolBar;

namespace wrk7 {

// The tool bar's buttons (New, Open, Save, Print, Help), each triggering the
// menu command of the same name, which window holds already.
void AddToolBarButtons(QToolBar* bar, QMainWindow* window);

}  // namespace wrk7
