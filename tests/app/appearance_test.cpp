// View > Theme and View > Language: each palette keeps its text readable,
// a theme applies at once and is kept, a language is kept for the next start
// and --lang chooses one for a run.
#include <QPainter>
#include <QStyleOption>

#include "app/support/theme.h"
#include "app/window/appearance_menu.h"
#include "app/window/command_line.h"
#include "window_fixture.h"

namespace wrk7 {
namespace {

// WCAG's contrast ratio of two colours.
double Contrast(const QColor& a, const QColor& b) {
    auto luminance = [](const QColor& c) {
        auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(Theme, EveryPaletteKeepsItsTextReadable) {
    const struct { QPalette::ColorGroup group; QPalette::ColorRole text, ground; double least; } pairs[] = {
        {QPalette::Active, QPalette::Text, QPalette::Base, 4.5},
        {QPalette::Active, QPalette::WindowText, QPalette::Window, 4.5},
        {QPalette::Active, QPalette::ButtonText, QPalette::Button, 4.5},
        {QPalette::Active, QPalette::HighlightedText, QPalette::Highlight, 4.5},
        {QPalette::Active, QPalette::ToolTipText, QPalette::ToolTipBase, 4.5},
        {QPalette::Disabled, QPalette::Text, QPalette::Base, 3.0},  // greyed rows and boxes, still legible
    };
    for (const QPalette& palette : {DarkPalette(), LightPalette()})
        for (const auto& p : pairs)
            EXPECT_GE(Contrast(palette.color(p.group, p.text), palette.color(p.group, p.ground)), p.least)
                << p.text << " on " << p.ground << " in " << (palette.window().color().lightness() < 128 ? "dark" : "light");
    EXPECT_LT(DarkPalette().color(QPalette::Base).lightness(), 64);
}

// In the dark theme an unchecked box shows its frame (3:1, WCAG's least for
// a control's parts) and a checked radio button its mark (7:1) against the box.
TEST(Theme, DarkIndicatorsStandOutFromTheirBox) {
    ApplyTheme(Theme::kDark);
    const int side = QApplication::style()->pixelMetric(QStyle::PM_IndicatorWidth);
    auto drawn = [side](QStyle::PrimitiveElement element, QStyle::State state) {
        QStyleOptionButton option;
        option.rect = QRect(0, 0, side, side);
        option.palette = DarkPalette();
        option.state = state | QStyle::State_Enabled;
        QImage image(side, side, QImage::Format_RGB32);
        image.fill(DarkPalette().color(QPalette::Window));
        QPainter painter(&image);
        QApplication::style()->drawPrimitive(element, &option, &painter);
        return image;
    };
    const QColor base = DarkPalette().color(QPalette::Base);
    const QImage box = drawn(QStyle::PE_IndicatorCheckBox, QStyle::State_Off);
    double frame = 0;
    for (int x = 0; x < side; ++x) frame = std::max(frame, Contrast(box.pixelColor(x, side / 2), base));
    EXPECT_GE(frame, 3.0);
    EXPECT_GE(Contrast(drawn(QStyle::PE_IndicatorRadioButton, QStyle::State_On).pixelColor(side / 2, side / 2), base), 7.0);
    ApplyTheme(Theme::kSystem);
}

using AppearanceTest = WindowTest;

TEST_F(AppearanceTest, AThemeAppliesAtOnceAndALanguageFromTheNextStartBothKept) {
    Act("mnuThemedark")->trigger();
    EXPECT_EQ(Memory(*window)->Grid()->palette().color(QPalette::Active, QPalette::Base),
              DarkPalette().color(QPalette::Base));
    Shot("dark-settings1.png", window.get());
    for (Page page : {Page::kSettings2, Page::kMemory, Page::kBank}) {
        ClickTab(page);
        Shot(page == Page::kMemory ? "dark-memory.png" : page == Page::kBank ? "dark-bank.png" : "dark-settings2.png", window.get());
    }
    Act("mnuLanguageja")->trigger();
    EXPECT_EQ(prompts.boxes.back().lines, QStringList{"The language chosen applies from the next start."});
    QSettings store(Path("settings.ini"), QSettings::IniFormat);
    EXPECT_EQ(StoredTheme(store), Theme::kDark);
    EXPECT_EQ(StoredLanguage(store), UiLanguage::kJapanese);
    Reopen();
    EXPECT_TRUE(Act("mnuThemedark")->isChecked());
    EXPECT_TRUE(Act("mnuLanguageja")->isChecked());
    Act("mnuThemesystem")->trigger();
    EXPECT_NE(QApplication::palette().color(QPalette::Base), DarkPalette().color(QPalette::Base));

    const struct { QStringList args; std::optional<UiLanguage> language; const char* error; } lines[] = {
        {{"wrk7-clone", "--lang", "ja"}, UiLanguage::kJapanese, ""},
        {{"wrk7-clone", "--lang=en", "x.WK7"}, UiLanguage::kEnglish, ""},
        {{"wrk7-clone", "--lang", "de"}, std::nullopt, "--lang takes en or ja"},
        {{"wrk7-clone"}, std::nullopt, ""},
    };
    for (const auto& l : lines) {
        const CommandLine parsed = ParseCommandLine(l.args);
        EXPECT_EQ(parsed.language, l.language) << l.args.join(' ').toStdString();
        EXPECT_EQ(parsed.error, l.error);
    }
}

}  // namespace
}  // namespace wrk7
