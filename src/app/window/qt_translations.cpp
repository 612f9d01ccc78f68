#include "app/window/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace wrk7 {

std::unique_ptr<QTranslator> InstallQtTranslations(UiLanguage language) {
    if (language != UiLanguage::kJapanese) return nullptr;
    auto translator = std::make_unique<QTranslator>();
    // By language rather than by the system locale: the captions may be
    // Japanese while LANG names another country, and qtbase_ja is the only
    // Japanese file Qt ships.
    if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

}  // namespace wrk7
