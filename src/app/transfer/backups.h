#pragma once
#include <QDateTime>
#include <QString>

#include "core/image.h"
#include "files/result.h"

namespace wrk7 {

// Every image a read from the receiver completes is kept as a clone file, and
// so is what the receiver held before each write, so a later write can never
// destroy the only copy of what the receiver held. Each kind has its own
// names and is pruned on its own: reads never push out a pre-write backup.
enum class BackupKind {
    kRead,         // "read-YYYYMMDD-HHMMSS-zzz.WK7"
    kBeforeWrite,  // "before-write-YYYYMMDD-HHMMSS-zzz.WK7"
};
inline constexpr int kBackupsKept = 20;  // of each kind

// QStandardPaths::AppLocalDataLocation + "/backups".
QString DefaultBackupFolder();

// Saves image atomically under
// kind's name in folder, then deletes the oldest backups of that kind beyond
// kBackupsKept, never the one just saved. Returns the file's path, or an
// empty text with the reason in error.
QString SaveBackup(BackupKind kind, const CloneImage& image, const QString& folder, const QDateTime& when,
                   QString* error = nullptr);

}  // namespace wrk7
