#pragma once
#include <QString>
#include <QStringList>
#include <optional>

#include "app/translation/string_table.h"

namespace wrk7 {

// wrk7-clone [--port PORT] [--lang en|ja] [FILE.WK7]
struct CommandLine {
    std::optional<QString> port;  // device path, COM1..COM16 or "emulator"
    std::optional<UiLanguage> language;  // --lang: this run's, over the one chosen
    QString startupFile;          // after the quote rule of the start-up path
    bool help = false;
    QString error;                // non-empty: the arguments were not understood
};

CommandLine ParseCommandLine(const QStringList& arguments);
QString CommandLineUsage();

}  // namespace wrk7
