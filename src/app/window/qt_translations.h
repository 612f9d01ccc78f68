#pragma once
#include <QTranslator>
#include <memory>

#include "app/widgets/string_table.h"

namespace wrk7 {

// Qt's own texts (the standard buttons of message boxes, the file and print
// dialogs) in the language of the captions. For Japanese captions this loads
// qtbase_ja from Qt's translations folder and installs it in the application;
// the translator stays installed while the returned object lives. Null when
// nothing was installed: English captions, or no translation on this system
// (Qt then keeps its English texts).
std::unique_ptr<QTranslator> InstallQtTranslations(UiLanguage language);

}  // namespace wrk7
