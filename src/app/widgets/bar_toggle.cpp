#include "app/widgets/bar_toggle.h"

#include <QEvent>
#include <QWidget>

namespace wrk7 {

BarToggle::BarToggle(QWidget* bar, const QString& text, QObject* parent) : QAction(text, parent), bar_(bar) {
    setCheckable(true);
    setChecked(!bar->isHidden());
    connect(this, &QAction::triggered, bar, &QWidget::setVisible);
    bar->installEventFilter(this);
}

bool BarToggle::eventFilter(QObject* watched, QEvent* event) {
    // A minimised or closed window hides its bars too, but they are not
    // hidden themselves: only the bar's own state counts.
    if (watched == bar_ && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
        setChecked(!bar_->isHidden());
    return QAction::eventFilter(watched, event);
}

}  // namespace wrk7
