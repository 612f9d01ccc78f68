#pragma once
#include <QRect>

class QWidget;

namespace wrk7 {

// rect moved and shrunk as little as needed to lie within available: a
// placement from a larger screen, another scale or a screen since removed
// comes back whole and on the screen.
QRect FitWithin(const QRect& rect, const QRect& available);

// Fits a top-level window into its screen's available area (without the
// panels), frame included.
void FitOnScreen(QWidget* window);

}  // namespace wrk7
