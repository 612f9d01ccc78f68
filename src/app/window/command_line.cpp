#include "app/window/command_line.h"

#include <cstdio>

#include "files/preferences.h"

namespace wrk7 {

namespace {

constexpr const char* kPortMissing = "--port needs a port: a device path, COM1..COM16 or emulator";

// The options QGuiApplication and QApplication take out of argv themselves.
constexpr const char* kQtOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "geometry",
    "qwindowtitle", "title", "qwindowicon", "icon", "display", "session", "style", "stylesheet",
};
constexpr const char* kQtFlags[] = {"reverse", "nograb", "dograb", "sync", "widgetcount", "testability"};
// Taken with their value after "=" only.
constexpr const char* kQtJoinedOptions[] = {"style=", "stylesheet=", "qmljsdebugger="};

bool IsOneOf(const QString& name, const auto& names) {
    for (const char* n : names)
        if (name == QLatin1String(n)) return true;
    return false;
}

}  // namespace

QStringList WithoutQtOptions(const QStringList& arguments) {
    QStringList left;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (i == 0 || !a.startsWith(QLatin1Char('-'))) {
            left << a;
            continue;
        }
        // Qt reads "--platform" as "-platform".
        const QString name = a.mid(a.startsWith(QLatin1String("--")) ? 2 : 1);
        bool joined = false;
        for (const char* prefix : kQtJoinedOptions) joined = joined || name.startsWith(QLatin1String(prefix));
        if (joined || IsOneOf(name, kQtFlags)) continue;
        if (IsOneOf(name, kQtOptionsWithValue) && i + 1 < arguments.size()) {
            ++i;
            continue;
        }
        left << a;
    }
    return left;
}

std::optional<int> AnswerWithoutWindow(const CommandLine& line) {
    if (!line.help && line.error.isEmpty()) return std::nullopt;
    if (!line.error.isEmpty()) std::fprintf(stderr, "wrk7-clone: %s\n", qPrintable(line.error));
    std::fputs(qPrintable(CommandLineUsage()), line.help ? stdout : stderr);
    return line.help ? 0 : 2;
}

CommandLine ParseCommandLine(const QStringList& arguments) {
    CommandLine line;
    QStringList rest{arguments.isEmpty() ? QString() : arguments.first()};
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            line.help = true;
        } else if (a == QLatin1String("--port")) {
            if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) {
                line.error = QString::fromLatin1(kPortMissing);
                return line;
            }
            line.port = arguments[++i];
        } else if (a.startsWith(QLatin1String("--port="))) {
            line.port = a.mid(7);
            if (line.port->isEmpty()) {
                line.error = QString::fromLatin1(kPortMissing);
                return line;
            }
        } else if (a == QLatin1String("--lang") || a.startsWith(QLatin1String("--lang="))) {
            const QString value = a.contains(QLatin1Char('=')) ? a.mid(7) : (i + 1 < arguments.size() ? arguments[++i] : QString());
            if (value == QLatin1String("en")) {
                line.language = UiLanguage::kEnglish;
            } else if (value == QLatin1String("ja")) {
                line.language = UiLanguage::kJapanese;
            } else {
                line.error = QStringLiteral("--lang takes en or ja");
                return line;
            }
        } else if (a == QLatin1String("--verbose")) {
            line.verbose = true;
        } else if (a.startsWith(QLatin1String("--"))) {
            line.error = QStringLiteral("unknown option %1").arg(a);
            return line;
        } else {
            rest << a;
        }
    }
    if (rest.size() > 2) {
        line.error = QStringLiteral("only one clone file can be opened at start-up");
        return line;
    }
    line.startupFile = StartupPath(rest);
    return line;
}

QString CommandLineUsage() {
    return QStringLiteral(
        "usage: wrk7-clone [--port PORT] [--lang en|ja] [--verbose] [FILE.WK7]\n"
        "  --port PORT  the serial port of this run: a device path, COM1..COM16 or\n"
        "               emulator (the built-in receiver); the port file is not changed\n"
        "  --lang en|ja the language of this run's captions (View > Language keeps one)\n"
        "  --verbose    print what the program logs to stderr too (the log file\n"
        "               keeps it in any case)\n"
        "  FILE.WK7     a clone file to open at start-up\n");
}

}  // namespace wrk7
