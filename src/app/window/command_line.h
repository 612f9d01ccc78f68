#pragma once
#include <QString>
#include <QStringList>
#include <optional>

namespace wrk7 {

// wrk7-clone [--port PORT] [FILE.WK7]
struct CommandLine {
    std::optional<QString> port;  // device path, COM1..COM16 or "emulator"
    QString startupFile;          // after the quote rule of the start-up path
    bool help = false;
    QString error;                // non-empty: the arguments were not understood
};

CommandLine ParseCommandLine(const QStringList& arguments);
QString CommandLineUsage();

}  // namespace wrk7
