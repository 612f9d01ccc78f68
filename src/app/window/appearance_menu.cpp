#include "app/window/appearance_menu.h"

#include <QActionGroup>
#include <QMenu>
#include <QSettings>

#include "app/widgets/prompter.h"
#include "files/preferences.h"

namespace wrk7 {

namespace {

struct LanguageChoice {
    const char* key;
    std::optional<UiLanguage> language;
    const char* caption;  // a caption number
};
const LanguageChoice kLanguages[] = {
    {"system", std::nullopt, "1221"},
    {"en", UiLanguage::kEnglish, "1226"},
    {"ja", UiLanguage::kJapanese, "1227"},
};

struct ThemeChoice {
    Theme theme;
    const char* caption;
};
const ThemeChoice kThemes[] = {{Theme::kSystem, "1221"}, {Theme::kLight, "1222"}, {Theme::kDark, "1223"}};

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
    themeMenu_ = view->addMenu(QStringLiteral("1220"));
    themeMenu_->setObjectName(QStringLiteral("mnuTheme"));
    auto* themes = new QActionGroup(this);
    const Theme theme = StoredTheme(*settings);
    for (const ThemeChoice& c : kThemes) {
        QAction* a = themeMenu_->addAction(QString::fromLatin1(c.caption));
        a->setObjectName(QStringLiteral("mnuTheme") + ThemeKey(c.theme));
        a->setCheckable(true);
        a->setChecked(c.theme == theme);
        themes->addAction(a);
        connect(a, &QAction::triggered, this, [this, t = c.theme] { ChooseTheme(t); });
    }
    languageMenu_ = view->addMenu(QStringLiteral("1224"));
    languageMenu_->setObjectName(QStringLiteral("mnuLanguage"));
    auto* languages = new QActionGroup(this);
    const std::optional<UiLanguage> language = StoredLanguage(*settings);
    for (const LanguageChoice& c : kLanguages) {
        QAction* a = languageMenu_->addAction(QString::fromLatin1(c.caption));
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
    const bool japanese = shown_ == UiLanguage::kJapanese;
    prompter_.Inform(window_, japanese ? QString::fromUtf8("言語") : QStringLiteral("Language"),
                     {japanese ? QString::fromUtf8("選んだ言語は次回の起動から使われます。")
                               : QStringLiteral("The language chosen applies from the next start.")});
}

}  // namespace wrk7
