#include "app/support/screen_fit.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace wrk7 {

QRect FitWithin(const QRect& rect, const QRect& available) {
    QRect fitted(rect.topLeft(), rect.size().boundedTo(available.size()));
    fitted.moveLeft(std::clamp(fitted.left(), available.left(), available.right() - fitted.width() + 1));
    fitted.moveTop(std::clamp(fitted.top(), available.top(), available.bottom() - fitted.height() + 1));
    return fitted;
}

QRect PlaceOnScreens(const QRect& rect, const QList<QRect>& available, int primary) {
    if (available.isEmpty()) return rect;
    qsizetype best = std::clamp<qsizetype>(primary, 0, available.size() - 1);
    long long bestArea = 0;
    for (qsizetype i = 0; i < available.size(); ++i) {
        const QRect common = rect.intersected(available[i]);
        const long long area = common.isEmpty() ? 0 : static_cast<long long>(common.width()) * common.height();
        if (area > bestArea) {
            bestArea = area;
            best = i;
        }
    }
    return FitWithin(rect, available[best]);
}

void FitOnScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen) return;
    // The frame (title bar, borders) counts: it is what must stay reachable.
    const QRect frame = window->frameGeometry();
    const QMargins decoration(window->geometry().left() - frame.left(), window->geometry().top() - frame.top(),
                              frame.right() - window->geometry().right(), frame.bottom() - window->geometry().bottom());
    const QRect fitted = FitWithin(frame, screen->availableGeometry());
    if (fitted == frame) return;
    const QRect inner = fitted.marginsRemoved(decoration);
    window->resize(inner.size());
    window->move(fitted.topLeft());
}

}  // namespace wrk7
