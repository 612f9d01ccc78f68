#include "app/support/theme.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>
#include <algorithm>

namespace wrk7 {

namespace {

struct Named {
    Theme theme;
    const char* key;
};
constexpr Named kThemes[] = {{Theme::kSystem, "system"}, {Theme::kLight, "light"}, {Theme::kDark, "dark"}};

// What the desktop gave before any theme was applied.
struct DesktopLook {
    QPalette palette;
    QString style;
};
const DesktopLook& Desktop() {
    static const DesktopLook look{QApplication::palette(), QApplication::style()->name()};
    return look;
}

// Fusion draws a check box's frame and a radio button's dot from shades of
// the window colour: on a dark window the frame melts into the box (a row of
// black squares) and the dot is a faint grey speck. In the dark theme both
// are drawn in colours of their own; every other control stays Fusion's.
class DarkIndicatorStyle : public QProxyStyle {
public:
    DarkIndicatorStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        const bool box = element == PE_IndicatorCheckBox;
        if (!box && element != PE_IndicatorRadioButton) return QProxyStyle::drawPrimitive(element, option, painter, widget);
        const QPalette& palette = option->palette;
        const bool enabled = option->state & State_Enabled;
        const bool focused = (option->state & State_HasFocus) && (option->state & State_KeyboardFocusChange);
        const QColor mark = enabled ? palette.color(QPalette::Active, QPalette::Text)
                                    : palette.color(QPalette::Disabled, QPalette::Text);
        QColor frame = focused ? palette.color(QPalette::Highlight).lighter(140) : mark;
        if (!focused) frame.setAlpha(enabled ? 170 : 140);
        const QRectF r = QRectF(option->rect).adjusted(1.5, 1.5, -1.5, -1.5);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, true);
        painter->setPen(QPen(frame, focused ? 2.0 : 1.2));
        painter->setBrush(option->state & State_Sunken ? palette.color(QPalette::Button) : palette.color(QPalette::Base));
        if (box) {
            painter->drawRoundedRect(r, 2, 2);
            painter->setPen(QPen(mark, std::max(1.5, r.width() / 7), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            if (option->state & State_On) {
                const QPointF tick[] = {{r.left() + r.width() * 0.2, r.top() + r.height() * 0.52},
                                        {r.left() + r.width() * 0.42, r.top() + r.height() * 0.74},
                                        {r.left() + r.width() * 0.8, r.top() + r.height() * 0.28}};
                painter->drawPolyline(tick, 3);
            } else if (option->state & State_NoChange) {
                painter->drawLine(QPointF(r.left() + r.width() * 0.25, r.center().y()),
                                  QPointF(r.right() - r.width() * 0.25, r.center().y()));
            }
        } else {
            const qreal side = std::min(r.width(), r.height());
            const QRectF circle(r.center() - QPointF(side / 2, side / 2), QSizeF(side, side));
            painter->drawEllipse(circle);
            if (option->state & State_On) {
                painter->setPen(Qt::NoPen);
                painter->setBrush(mark);
                painter->drawEllipse(circle.center(), side * 0.27, side * 0.27);
            }
        }
        painter->restore();
    }
};

}  // namespace

QString ThemeKey(Theme theme) {
    for (const Named& n : kThemes)
        if (n.theme == theme) return QString::fromLatin1(n.key);
    return QStringLiteral("system");
}

std::optional<Theme> ThemeFromKey(const QString& key) {
    for (const Named& n : kThemes)
        if (key == QLatin1String(n.key)) return n.theme;
    return std::nullopt;
}

QPalette DarkPalette() {
    const QColor window(45, 45, 48), base(30, 30, 32), text(230, 230, 230), disabled(130, 130, 130);
    QPalette p;
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::ToolTipBase, window);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, disabled);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, QColor(255, 120, 120));
    p.setColor(QPalette::Link, QColor(110, 170, 255));
    p.setColor(QPalette::Highlight, QColor(38, 110, 190));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Light, QColor(70, 70, 74));
    p.setColor(QPalette::Midlight, QColor(60, 60, 64));
    p.setColor(QPalette::Mid, QColor(40, 40, 42));
    p.setColor(QPalette::Dark, QColor(25, 25, 27));
    p.setColor(QPalette::Shadow, Qt::black);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabled);
    p.setColor(QPalette::Disabled, QPalette::Base, window);
    return p;
}

QPalette LightPalette() {
    QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    QPalette p = fusion ? fusion->standardPalette() : QPalette();
    delete fusion;
    // Fusion's own selection and greyed text are too faint to read well.
    p.setColor(QPalette::Highlight, QColor(38, 110, 190));
    p.setColor(QPalette::HighlightedText, Qt::white);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, QColor(120, 120, 120));
    return p;
}

void ApplyTheme(Theme theme) {
    const DesktopLook& desktop = Desktop();
    // Fusion draws every control from the palette, so the colours hold on
    // any desktop.
    if (theme == Theme::kDark)
        QApplication::setStyle(new DarkIndicatorStyle);
    else
        QApplication::setStyle(theme == Theme::kSystem ? desktop.style : QStringLiteral("Fusion"));
    QApplication::setPalette(theme == Theme::kSystem ? desktop.palette
                             : theme == Theme::kDark ? DarkPalette()
                                                     : LightPalette());
    // Qt hands a new palette to the widgets that exist only while its event
    // loop runs; a switch made before (or outside) it must reach them too.
    for (QWidget* w : QApplication::allWidgets()) {
        QEvent changed(QEvent::ApplicationPaletteChange);
        QCoreApplication::sendEvent(w, &changed);
    }
}

}  // namespace wrk7
