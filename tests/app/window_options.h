#pragma once
// The options a test window starts with: the built-in emulator as its port,
// and every file it keeps (port file, placement, backups, traces) inside the
// test's own folder, so no test writes into the user's folders.
#include <QTemporaryDir>

#include "app/main_window.h"

namespace wrk7::testing {

inline AppOptions TestWindowOptions(const QTemporaryDir& dir, UiLanguage language = UiLanguage::kEnglish) {
    AppOptions options;
    options.portOverride = QStringLiteral("emulator");
    options.portDirs = PortFileDirs{dir.path(), dir.path()};
    options.settingsFile = dir.filePath(QStringLiteral("placement.ini"));
    options.backupFolder = dir.filePath(QStringLiteral("backups"));
    options.traceFolder = dir.filePath(QStringLiteral("traces"));
    options.language = language;
    return options;
}

}  // namespace wrk7::testing
