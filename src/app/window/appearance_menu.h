#pragma once
#include <QObject>
#include <functional>
#include <memory>
#include <optional>

#include "app/support/theme.h"
#include "app/translation/string_table.h"

class QActionGroup;
class QMenu;
class QSettings;
class QWidget;

namespace wrk7 {

class Prompter;

// The language the settings store keeps: nullopt for the system's.
std::optional<UiLanguage> StoredLanguage(QSettings& store);
Theme StoredTheme(QSettings& store);

// View > Theme (System, Light, Dark) and View > Language (System, English,
// Japanese), kept in the settings store. A theme applies at once; the
// captions are set as the window is built, so a language applies from the
// next start, and the menu says so.
class AppearanceMenu : public QObject {
    Q_OBJECT
public:
    using Store = std::function<std::unique_ptr<QSettings>()>;
    AppearanceMenu(QMenu* view, Store store, Prompter& prompter, QWidget* window, UiLanguage shown);

    QMenu* ThemeMenu() const { return themeMenu_; }
    QMenu* LanguageMenu() const { return languageMenu_; }

private:
    void ChooseTheme(Theme theme);
    void ChooseLanguage(std::optional<UiLanguage> language);

    Store store_;
    Prompter& prompter_;
    QWidget* window_;
    UiLanguage shown_;
    QMenu* themeMenu_ = nullptr;
    QMenu* languageMenu_ = nullptr;
};

}  // namespace wrk7
