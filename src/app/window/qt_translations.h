#pragma once
#include <QTranslator>
#include <memory>

#include "app/translation/string_table.h"

namespace wrk7 {

// The window's language for everything it shows: Japanese installs the
// program's own translation (every tr() and message template, embedded at
// :/i18n) and Qt's (the standard buttons of message boxes, the file and
// print dialogs, qtbase_ja from Qt's translations folder) in the
// application, for as long as this object lives. English installs nothing:
// the sources are English.
class Translations {
public:
    explicit Translations(UiLanguage language);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // Whether each one was found and installed.
    bool HasProgram() const { return program_ != nullptr; }
    bool HasQt() const { return qt_ != nullptr; }

private:
    std::unique_ptr<QTranslator> program_;
    std::unique_ptr<QTranslator> qt_;
};

}  // namespace wrk7
