#include "files/program_log.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <memory>
#include <mutex>

#include "files/data_folders.h"

Q_LOGGING_CATEGORY(logProgram, "wrk7.program")
Q_LOGGING_CATEGORY(logLink, "wrk7.link")
Q_LOGGING_CATEGORY(logFiles, "wrk7.files")
Q_LOGGING_CATEGORY(logWindow, "wrk7.window")
Q_LOGGING_CATEGORY(logDiagnostics, "wrk7.diagnostics")

namespace wrk7 {

RollingLogFile::RollingLogFile(QString path, qint64 capBytes) : path_(std::move(path)), cap_(capBytes) {
    file_.setFileName(path_);
}

bool RollingLogFile::Append(const QByteArray& line) {
    if (!file_.isOpen()) {
        QDir().mkpath(QFileInfo(path_).absolutePath());
        if (!file_.open(QIODevice::Append)) return false;
    }
    if (file_.size() > 0 && file_.size() + line.size() > cap_) {
        file_.close();
        const QString older = path_ + QStringLiteral(".1");
        QFile::remove(older);
        QFile::rename(path_, older);
        if (!file_.open(QIODevice::Append | QIODevice::Truncate)) return false;
    }
    // A line longer than the cap alone is cut, so the cap holds.
    const QByteArray kept = line.size() > cap_ ? line.left(cap_ - 1) + '\n' : line;
    const bool written = file_.write(kept) == kept.size();
    file_.flush();  // a crash right after still leaves the line
    return written;
}

QString LogFolder() { return DataFolderPart("logs"); }

QString LogFileOf(const QString& program) { return LogFolder() + QLatin1Char('/') + program + QStringLiteral(".log"); }

QStringList LogFiles() {
    QStringList files;
    const QDir folder(LogFolder());
    for (const QString& name : folder.entryList({QStringLiteral("*.log"), QStringLiteral("*.log.1")}, QDir::Files, QDir::Name))
        files << folder.filePath(name);
    return files;
}

QByteArray LogLine(const QDateTime& when, QtMsgType type, const char* category, const QString& text) {
    static constexpr const char* kLevels[] = {"debug", "warning", "critical", "fatal", "info"};
    const int level = static_cast<int>(type);
    QByteArray line = when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")).toUtf8();
    line += ' ';
    line += level >= 0 && level < 5 ? kLevels[level] : "?";
    line += ' ';
    line += category && *category ? category : "default";
    line += ": ";
    // One event, one line: a message of several lines keeps them apart by " | ".
    line += QString(text).replace(QLatin1Char('\n'), QStringLiteral(" | ")).toUtf8();
    line += '\n';
    return line;
}

void LogFileResult(const char* what, const QString& path, const FileResult& result) {
    QStringList said;
    for (const Message& m : result.messages) said << QString::fromStdString(m.English());
    if (result.detail) said << QString::fromStdString(result.detail->English());
    if (!result.repairs.empty()) said << QStringLiteral("%1 record(s) repaired").arg(result.repairs.size());
    const QString line = QStringLiteral("%1 %2: %3%4")
                             .arg(QLatin1String(what), path, result.ok ? QStringLiteral("ok") : QStringLiteral("failed"),
                                  said.isEmpty() ? QString() : QStringLiteral(": ") + said.join(QStringLiteral(" / ")));
    if (result.ok) qCInfo(logFiles).noquote() << line;
    else qCWarning(logFiles).noquote() << line;
}

namespace {

struct LogState {
    std::mutex mutex;
    std::unique_ptr<RollingLogFile> file;
    bool verbose = false;
    QtMessageHandler previous = nullptr;
};

LogState& State() {
    static LogState state;
    return state;
}

bool OurCategory(const char* category) { return category && qstrncmp(category, "wrk7.", 5) == 0; }

void Handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    LogState& state = State();
    const bool ours = OurCategory(context.category);
    {
        // The worker thread of a transfer logs too.
        std::lock_guard lock(state.mutex);
        if (state.file && (ours || type != QtDebugMsg))
            state.file->Append(LogLine(QDateTime::currentDateTime(), type, context.category, text));
    }
    // What the programs print is theirs to say: the categories reach stderr
    // with --verbose only; everything else as it always did.
    if (ours && !state.verbose) return;
    if (ours) {
        std::fputs(LogLine(QDateTime::currentDateTime(), type, context.category, text).constData(), stderr);
        return;
    }
    if (state.previous) state.previous(type, context, text);
    else std::fputs(qPrintable(qFormatLogMessage(type, context, text) + QLatin1Char('\n')), stderr);
}

}  // namespace

void StartProgramLog(const QString& program, bool verbose) {
    LogState& state = State();
    {
        std::lock_guard lock(state.mutex);
        state.file = std::make_unique<RollingLogFile>(LogFileOf(program), kLogCapBytes);
        state.verbose = verbose;
    }
    QLoggingCategory::setFilterRules(verbose ? QStringLiteral("wrk7.*.debug=true") : QStringLiteral("wrk7.*.debug=false"));
    const QtMessageHandler previous = qInstallMessageHandler(Handle);
    if (previous != Handle) state.previous = previous;
}

}  // namespace wrk7
