#include "app/window/appearance_menu.h"

#include <QActionGroup>
#include <QMenu>
#include <QSettings>

#include "app/support/prompter.h"
#include "files/preferences.h"

namespace wrk7 {

namespace {

struct LanguageChoice {
    const char* key;
    std::optional<UiLanguage> language;
    const char* caption;  // translated where the menu is built
};
const LanguageChoice kLanguages[] = {
    {"system", std::nullopt, QT_TRANSLATE_NOOP("wrk7::AppearanceMenu", "System(&S)")},
    {"en", UiLanguage::kEnglish, QT_TRANSLATE_NOOP("wrk7::AppearanceMenu", "English(&E)")},
    {"ja", UiLanguage::kJapanese, QT_TRANSLATE_NOOP("wrk7::AppearanceMenu", "日本語 - Japanese(&J)")},
};

struct ThemeChoice {
    Theme theme;
    const char* caption;
};
const ThemeChoice kThemes[] = {{Theme::kSystem, QT_TRANSLATE_NOOP("wrk7::AppearanceMenu", "System(&S)")},
                               {Theme::kLight, QT_TRANSLATE_NOOP("wrk7::AppearanceMenu", "Light(&L)")},
                               {Theme::kDark, QT_TRANSLATE_NOOP("wrk7::AppearanceMenu", "Dark(&D)")}};

QString LanguageKeyOf(std::optional<UiLanguage> language) {
    for (const LanguageChoice& c : kLanguages)
        if (c.language == language) return QString::fromLatin1(c.key);
    return QStringLiteral("system");
}

}  // namespace

std::optional<UiLanguage> StoredLanguage(QSettings& store) {
    const QString key = store.value(SettingsKey(kLanguageKey)).toString();
    for (const LanguageChoice& c : kLanguages)
        if (key == QLatin1String(c.key)) return c.language;
    return std::nullopt;
}

Theme StoredTheme(QSettings& store) {
    return ThemeFromKey(store.value(SettingsKey(kThemeKey)).toString()).value_or(Theme::kSystem);
}

AppearanceMenu::AppearanceMenu(QMenu* view, Store store, Prompter& prompter, QWidget* window, UiLanguage shown)
    : QObject(window), store_(std::move(store)), prompter_(prompter), window_(window), shown_(shown) {
    const std::unique_ptr<QSettings> settings = store_();
    themeMenu_ = view->addMenu(tr("Theme(&M)"));
    themeMenu_->setObjectName(QStringLiteral("mnuTheme"));
    auto* themes = new QActionGroup(this);
    const Theme theme = StoredTheme(*settings);
    for (const ThemeChoice& c : kThemes) {
        QAction* a = themeMenu_->addAction(tr(c.caption));
        a->setObjectName(QStringLiteral("mnuTheme") + ThemeKey(c.theme));
        a->setCheckable(true);
        a->setChecked(c.theme == theme);
        themes->addAction(a);
        connect(a, &QAction::triggered, this, [this, t = c.theme] { ChooseTheme(t); });
    }
    languageMenu_ = view->addMenu(tr("Language(&L)"));
    languageMenu_->setObjectName(QStringLiteral("mnuLanguage"));
    auto* languages = new QActionGroup(this);
    const std::optional<UiLanguage> language = StoredLanguage(*settings);
    for (const LanguageChoice& c : kLanguages) {
        QAction* a = languageMenu_->addAction(tr(c.caption));
        a->setObjectName(QStringLiteral("mnuLanguage") + QString::fromLatin1(c.key));
        a->setCheckable(true);
        a->setChecked(c.language == language);
        languages->addAction(a);
        connect(a, &QAction::triggered, this, [this, l = c.language] { ChooseLanguage(l); });
    }
}

void AppearanceMenu::ChooseTheme(Theme theme) {
    store_()->setValue(SettingsKey(kThemeKey), ThemeKey(theme));
    ApplyTheme(theme);
}

void AppearanceMenu::ChooseLanguage(std::optional<UiLanguage> language) {
    store_()->setValue(SettingsKey(kLanguageKey), LanguageKeyOf(language));
    if (language.value_or(SystemUiLanguage()) == shown_) return;
    prompter_.Inform(window_, tr("Language"), {tr("The language chosen applies from the next start.")});
}

}  // namespace wrk7
