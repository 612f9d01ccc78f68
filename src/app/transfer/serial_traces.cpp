#include "app/transfer/serial_traces.h"

#include <QDir>
#include <QStandardPaths>

#include "files/text_file.h"

namespace wrk7 {

namespace {

const QString kPattern = QStringLiteral("trace-*.txt");

// Names sort by time, so the oldest come first.
QStringList TracesOldestFirst(const QDir& dir) { return dir.entryList({kPattern}, QDir::Files, QDir::Name); }

}  // namespace

QString DefaultTraceFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/traces");
}

QString SaveSerialTrace(const std::string& text, const QString& folder, const QDateTime& when, QString* error) {
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        if (error) *error = QStringLiteral("cannot create %1").arg(folder);
        return {};
    }
    const QString base = QStringLiteral("trace-%1").arg(when.toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")));
    QString path = dir.filePath(base + QStringLiteral(".txt"));
    // Two transfers within one millisecond must not share a file; "_" sorts
    // after ".", so the second still sorts as the newer.
    for (int n = 2; QFileInfo::exists(path); ++n) path = dir.filePath(QStringLiteral("%1_%2.txt").arg(base).arg(n));
    if (!WriteFileAtomically(path, QByteArray::fromStdString(text), error)) return {};
    QStringList traces = TracesOldestFirst(dir);
    while (traces.size() > kTracesKept) dir.remove(traces.takeFirst());
    return path;
}

QString LastSerialTrace(const QString& folder) {
    const QDir dir(folder);
    const QStringList traces = TracesOldestFirst(dir);
    return traces.isEmpty() ? QString() : dir.filePath(traces.last());
}

}  // namespace wrk7
