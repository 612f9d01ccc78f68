#pragma once
#include <QByteArray>
#include <QFile>
#include <QLoggingCategory>
#include <QString>
#include <QStringList>

#include "files/result.h"

// What the programs did, for a user to send with a problem report: one
// category per part of the system, written to a log file of each program's
// own that rolls over at a size cap, and with --verbose to stderr as well.
Q_DECLARE_LOGGING_CATEGORY(logProgram)      // "wrk7.program": each run's start, arguments and end
Q_DECLARE_LOGGING_CATEGORY(logLink)         // "wrk7.link": transfers, their ports and ends
Q_DECLARE_LOGGING_CATEGORY(logFiles)        // "wrk7.files": clone files and lists opened and saved
Q_DECLARE_LOGGING_CATEGORY(logWindow)       // "wrk7.window": the desktop program's start, end and commands
Q_DECLARE_LOGGING_CATEGORY(logDiagnostics)  // "wrk7.diagnostics": the port doctor and the cable test

namespace wrk7 {

// A log file that never grows past its cap: when a line would take it past,
// the file becomes path + ".1" (the one before is dropped) and a new one
// starts, so the newest lines and those just before them are always kept.
class RollingLogFile {
public:
    RollingLogFile(QString path, qint64 capBytes);
    // Appends line (its newline included); false when the file cannot be
    // written, which a log can do nothing about but go on without it.
    bool Append(const QByteArray& line);
    const QString& Path() const { return path_; }

private:
    QString path_;
    qint64 cap_;
    QFile file_;
};

inline constexpr qint64 kLogCapBytes = 512 << 10;

// Where program ("wrk7", "wrk7-clone") keeps its log: the per-user data
// folder's "logs".
QString LogFolder();
QString LogFileOf(const QString& program);
// The log files there, the current one of each program and its rolled-over one.
QStringList LogFiles();

// From now on, what the categories say goes to program's log file (info and
// above; debug too when verbose), and when verbose to stderr as well. Qt's
// own warnings and those of other code still reach stderr as before, and the
// log file too.
void StartProgramLog(const QString& program, bool verbose);

// "open /home/u/a.WK7: ok" or with the messages of a failure, repairs counted.
void LogFileResult(const char* what, const QString& path, const FileResult& result);

// "2026-12-09 15:41:33.123 info wrk7.link: read all on /dev/ttyUSB0": one line.
QByteArray LogLine(const QDateTime& when, QtMsgType type, const char* category, const QString& text);

}  // namespace wrk7
