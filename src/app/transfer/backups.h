#pragma once
#include <QDateTime>
#include <QString>

#include "core/image.h"
#include "files/result.h"

namespace wrk7 {

// Every image a read from the receiver completes is kept as a clone file, so
// a later write can never destroy the only copy of what the receiver held.
inline constexpr int kBackupsKept = 20;

// QStandardPaths::AppDataLocation + "/backups".
QString DefaultBackupFolder();

// Saves image (a copy: the caller's modified flag stays) atomically as
// "read-YYYYMMDD-HHMMSS-zzz.WK7" in folder, then deletes the oldest backups
// beyond kBackupsKept. Returns the file's path, or an empty text with the
// reason in error.
QString SaveReadBackup(const CloneImage& image, const QString& folder, const QDateTime& when,
                       QString* error = nullptr);

}  // namespace wrk7
