#include "app/support/theme.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

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
