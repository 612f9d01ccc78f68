#pragma once
#include <QString>
#include <QStringList>
#include <optional>

#include "app/translation/string_table.h"

namespace wrk7 {

// wrk7-clone [--port PORT] [--lang en|ja] [--verbose] [FILE.WK7]
struct CommandLine {
    std::optional<QString> port;  // device path, COM1..COM16 or "emulator"
    std::optional<UiLanguage> language;  // --lang: this run's, over the one chosen
    QString startupFile;          // after the quote rule of the start-up path
    bool help = false;
    bool verbose = false;         // the log to stderr too
    QString error;                // non-empty: the arguments were not understood
};

CommandLine ParseCommandLine(const QStringList& arguments);
QString CommandLineUsage();

// The arguments as QApplication leaves them, from main's argv before there is
// one: Qt's own options (-platform, -style, -reverse, ... with one dash or
// two) and their values taken out, so that the command line can be answered
// before Qt opens the window system.
QStringList WithoutQtOptions(const QStringList& arguments);

// For --help or arguments not understood: the usage (and the error) printed,
// and the exit status; nullopt when the window is to open.
std::optional<int> AnswerWithoutWindow(const CommandLine& line);

}  // namespace wrk7
