#pragma once
#include <QDateTime>
#include <QString>
#include <string>

namespace wrk7 {

// The desktop program keeps the serial trace of its newest transfers, so a
// user whose transfer went wrong can open it and send it on.
inline constexpr int kTracesKept = 10;

// QStandardPaths::AppLocalDataLocation + "/traces".
QString DefaultTraceFolder();

// Writes text as "trace-YYYYMMDD-HHMMSS-zzz.txt" in folder, then deletes the
// oldest traces beyond kTracesKept. Returns the file's path, or an empty text
// with the reason in error.
QString SaveSerialTrace(const std::string& text, const QString& folder, const QDateTime& when,
                        QString* error = nullptr);

// The newest trace in folder, or an empty text when there is none.
QString LastSerialTrace(const QString& folder);

}  // namespace wrk7
