// Tab alone goes round every control of each page and dialog, and stops
// only where the focus shows.
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QRadioButton>
#include <QTabBar>

#include "dialog_gallery.h"

namespace wrk7 {
namespace {

bool ShowsFocus(const QWidget* w) {
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSlider*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
           qobject_cast<const QTabBar*>(w);
}

QString Name(const QWidget* w) {
    return QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') + w->objectName();
}

// What Tab misses in top (a control it never stops at) and where it stops
// for nothing (a place that shows no focus), once round from the focus.
std::string TabFaults(QWidget* top) {
    QApplication::setActiveWindow(top);
    if (!top->isAncestorOf(QApplication::focusWidget())) QTest::keyClick(top, Qt::Key_Tab);
    QWidget* const start = QApplication::focusWidget();
    QSet<QWidget*> stops;
    QStringList faults;
    for (QWidget* w = start; w && !stops.contains(w) && stops.size() < 2000; w = QApplication::focusWidget()) {
        stops.insert(w);
        if (!ShowsFocus(w)) faults << QStringLiteral("stops at ") + Name(w);
        QTest::keyClick(w, Qt::Key_Tab);
    }
    for (QWidget* c : top->findChildren<QWidget*>()) {
        const auto* radio = qobject_cast<QRadioButton*>(c);
        // Tab enters a group of choices at the one chosen; the arrows move within.
        const bool tabStop = (c->focusPolicy() & Qt::TabFocus) && !c->focusProxy() && (!radio || radio->isChecked());
        if (tabStop && c->isVisibleTo(top) && c->isEnabled() && !stops.contains(c)) faults << QStringLiteral("misses ") + Name(c);
    }
    return faults.join(QStringLiteral(", ")).toStdString();
}

class TabOrderTest : public WindowTest {};

TEST_F(TabOrderTest, TabGoesRoundEveryControlOfEveryPageAndDialog) { CheckEveryWindow(*window, TabFaults); }

}  // namespace
}  // namespace wrk7
