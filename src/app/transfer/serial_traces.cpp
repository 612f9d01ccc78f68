#include "app/transfer/serial_traces.h"

#include <QDir>

#include "files/data_folders.h"
#include "files/text_file.h"
#include "files/timestamped_files.h"

namespace wrk7 {

namespace {

TimestampedFiles Traces(const QString& folder) {
    return {folder, QStringLiteral("trace-"), QStringLiteral(".txt"), kTracesKept};
}

}  // namespace

QString DefaultTraceFolder() {
    return DataFolderPart("traces");
}

QString SaveSerialTrace(const std::string& text, const QString& folder, const QDateTime& when, QString* error) {
    const QString path = NewTimestampedPath(Traces(folder), when, error);
    if (path.isEmpty() || !WriteFileAtomically(path, QByteArray::fromStdString(text), error)) return {};
    KeepNewestTimestamped(Traces(folder));
    return path;
}

QString LastSerialTrace(const QString& folder) {
    const QStringList traces = TimestampedOldestFirst(Traces(folder));
    return traces.isEmpty() ? QString() : QDir(folder).filePath(traces.last());
}

}  // namespace wrk7
