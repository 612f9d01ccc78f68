#include "app/window/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace wrk7 {

namespace {

std::unique_ptr<QTranslator> Installed(const QString& name, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    // By language rather than by the system locale: the window may be
    // Japanese while LANG names another country.
    if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), name, QStringLiteral("_"), folder)) return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

}  // namespace

Translations::Translations(UiLanguage language) {
    if (language != UiLanguage::kJapanese) return;
    program_ = Installed(QStringLiteral("wrk7-clone"), QStringLiteral(":/i18n"));
    qt_ = Installed(QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

// QTranslator's own destructor takes it out of the application.
Translations::~Translations() = default;

}  // namespace wrk7
