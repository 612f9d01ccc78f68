#pragma once

class QLabel;
class QWidget;

namespace wrk7 {

// The label names the control for screen readers (and its mnemonic, if it
// has one, moves the focus there): a text box or list otherwise announces
// only its value.
QLabel* LabelFor(QLabel* label, QWidget* control);

}  // namespace wrk7
