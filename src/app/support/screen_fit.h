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
// screen since removed), fitted within it (FitWithin). rect is the window
// without its frame; frame (the title bar above, the borders) is fitted with
// it, so the title bar stays on the screen where it can be dragged. A window
// smaller than minimum (kept at another scale) grows to it, as far as the
// screen allows.
QRect PlaceOnScreens(const QRect& rect, const QList<QRect>& available, int primary, const QMargins& frame = {},
                     const QSize& minimum = {});

// The frame a window will have once shown: the one the window system gave
// it, or until it has framed the window, a title bar and borders as the
// style draws them.
QMargins FrameOf(const QWidget* window);

// Fits a top-level window into its screen's available area (without the
// panels), frame included. A dialog not shown or moved yet is first put over
// the middle of the window it belongs to.
void FitOnScreen(QWidget* window);

}  // namespace wrk7
