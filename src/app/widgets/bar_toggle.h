#pragma once
#include <QAction>

namespace wrk7 {

// A bar's own show/hide switch, for bars that have none (a tool bar has its
// toggleViewAction): checking it shows the bar, and it follows the bar when
// anything else shows or hides it, so every way of hiding the bar agrees.
class BarToggle : public QAction {
    Q_OBJECT
public:
    BarToggle(QWidget* bar, const QString& text, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* bar_;
};

}  // namespace wrk7
