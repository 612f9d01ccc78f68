#pragma once
#include <QList>
#include <QRect>

class QWidget;

namespace wrk7 {

// rect moved and shrunk as little as needed to lie within available: a
// placement from a larger screen, another scale or a screen since removed
// comes back whole and on the screen.
QRect FitWithin(const QRect& rect, const QRect& available);

// Where a stored placement comes back among the screens' available areas:
// on the one it overlaps most, or on primary's when it overlaps none (a
// screen since removed), fitted within it (FitWithin).
QRect PlaceOnScreens(const QRect& rect, const QList<QRect>& available, int primary);

// Fits a top-level window into its screen's available area (without the
// panels), frame included.
void FitOnScreen(QWidget* window);

}  // namespace wrk7
