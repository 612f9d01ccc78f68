#include "app/support/screen_fit.h"

#include <QEvent>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace wrk7 {

QRect FitWithin(const QRect& rect, const QRect& available) {
    QRect fitted(rect.topLeft(), rect.size().boundedTo(available.size()));
    fitted.moveLeft(std::clamp(fitted.left(), available.left(), available.right() - fitted.width() + 1));
    fitted.moveTop(std::clamp(fitted.top(), available.top(), available.bottom() - fitted.height() + 1));
    return fitted;
}

QRect PlaceOnScreens(const QRect& rect, const QList<QRect>& available, int primary, const QMargins& frame,
                     const QSize& minimum) {
    if (available.isEmpty()) return rect;
    const QRect outer = rect.marginsAdded(frame);
    qsizetype best = std::clamp<qsizetype>(primary, 0, available.size() - 1);
    long long bestArea = 0;
    for (qsizetype i = 0; i < available.size(); ++i) {
        const QRect common = outer.intersected(available[i]);
        const long long area = common.isEmpty() ? 0 : static_cast<long long>(common.width()) * common.height();
        if (area > bestArea) {
            bestArea = area;
            best = i;
        }
    }
    const QSize grown = rect.size().expandedTo(minimum).grownBy(frame);
    return FitWithin(QRect(outer.topLeft(), grown), available[best]).marginsRemoved(frame);
}

namespace {

QMargins Decoration(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

// A window manager on X11 tells the frame it adds only once it has framed the
// window, after the first show: until then, reserve a title bar and borders
// as the style draws them, so the first fit does not put the bottom of the
// window (its status bar) below the screen.
QMargins ExpectedDecoration(const QWidget* window) {
    if (window->windowFlags() & Qt::FramelessWindowHint) return {};
    const int border = window->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, window);
    const int title = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
    return {border, title + border, border, border};
}

// Fits the window again once the window manager's frame is known.
class RefitWhenFramed : public QObject {
public:
    static constexpr const char* kName = "wrk7RefitWhenFramed";
    explicit RefitWhenFramed(QWidget* window) : QObject(window), window_(window) {
        setObjectName(QString::fromLatin1(kName));
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
            !Decoration(window_).isNull()) {
            window_->removeEventFilter(this);
            deleteLater();
            FitOnScreen(window_);
        }
        return false;
    }

private:
    QWidget* window_;
};

}  // namespace

QMargins FrameOf(const QWidget* window) {
    const QMargins known = Decoration(window);
    return known.isNull() && window->isWindow() ? ExpectedDecoration(window) : known;
}

void FitOnScreen(QWidget* window) {
    // A dialog not placed yet opens over the window it belongs to, as Qt
    // would have put it: a move made here would otherwise pin it to the
    // screen's corner.
    const QWidget* over = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    const bool unplaced =
        over && window->isWindow() && !window->isVisible() && !window->testAttribute(Qt::WA_Moved);
    const QScreen* screen = unplaced ? over->screen() : window->screen();
    if (!screen) return;
    // The frame (title bar, borders) counts: it is what must stay reachable.
    QMargins decoration = Decoration(window);
    if (decoration.isNull() && window->isWindow()) {
        decoration = ExpectedDecoration(window);
        // Found by name: the class has no meta-object of its own to cast to.
        if (!decoration.isNull() &&
            !window->findChild<QObject*>(QString::fromLatin1(RefitWhenFramed::kName), Qt::FindDirectChildrenOnly))
            new RefitWhenFramed(window);
    }
    QRect frame = window->geometry().marginsAdded(decoration);
    if (unplaced)
        frame.moveCenter(over->isVisible() ? over->frameGeometry().center() : screen->availableGeometry().center());
    const QRect fitted = FitWithin(frame, screen->availableGeometry());
    if (!unplaced && fitted == frame) return;
    const QRect inner = fitted.marginsRemoved(decoration);
    window->resize(inner.size());
    window->move(fitted.topLeft());
}

}  // namespace wrk7
