#pragma once
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include "cli/verb.h"

namespace wrk7::cli::test {

struct Ran {
    int code = -1;
    QStringList out, err;
};

// wrk7 run in this process; each element of out and err is one written line.
inline Ran InProcess(const QStringList& args) {
    Ran r;
    CliIo io;
    io.writeOut = [&r](const QString& l) { r.out << l; };
    io.writeErr = [&r](const QString& l) { r.err << l; };
    r.code = RunCli(QStringList{"wrk7"} + args, io);
    return r;
}

// The exit code and the error lines of a run, to compare in one.
inline std::pair<int, QStringList> Told(const Ran& r) { return {r.code, r.err}; }

// A text cut into its lines; a last line without its newline is marked.
// Windows' C runtime writes a program's standard streams in text mode, each
// newline as CR LF.
inline QStringList OutputLines(QByteArray bytes) {
    if (bytes.isEmpty()) return {};
#ifdef _WIN32
    bytes.replace("\r\n", "\n");
#endif
    QStringList lines = QString::fromUtf8(bytes).split('\n');
    if (lines.back().isEmpty()) lines.removeLast();
    else lines << "<no newline at the end>";
    return lines;
}

// A program run as a user without a desktop session runs it: no display, no
// runtime folder, and the Qt platform only when one is given.
inline Ran Program(const QString& program, const QStringList& args, const QString& platform = {}) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR"}) env.remove(name);
    if (!platform.isEmpty()) env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    p.setProcessEnvironment(env);
    p.start(program, args);
    Ran r;
    if (!p.waitForFinished(60000)) return r;
    r.code = p.exitCode();
    r.out = OutputLines(p.readAllStandardOutput());
    r.err = OutputLines(p.readAllStandardError());
    return r;
}

inline QString Wrk7Path() { return QStringLiteral(WRK7_BINARY_DIR "/wrk7"); }
inline Ran Binary(const QStringList& args, const QString& platform = {}) { return Program(Wrk7Path(), args, platform); }

}  // namespace wrk7::cli::test
