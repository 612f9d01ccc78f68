#pragma once

class QStatusBar;

namespace wrk7 {

class ElidedLabel;

// The status bar's parts: the line the commands and transfers speak on
// (sbrText), and the date and the time, kept current.
ElidedLabel* BuildStatusLine(QStatusBar* bar);

}  // namespace wrk7
