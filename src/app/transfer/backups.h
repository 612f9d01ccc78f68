#pragma once
#include <QDateTime>
#include <QHash>
#include <QString>

#include "core/image.h"
#include "files/result.h"
#include "files/timestamped_files.h"

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

// The backups of one kind in folder, as SaveBackup names and prunes them.
TimestampedFiles BackupFiles(BackupKind kind, const QString& folder);

// A clone file does not say which model it is of, and a restore must name
// the right one to the receiver: the folder keeps the model of each backup
// beside them, a line "NAME<TAB>MODEL" per file in this one.
inline constexpr char kBackupModelsFile[] = "models.txt";
// The recorded models of the backups in folder, by file name.
QHash<QString, int> RecordedBackupModels(const QString& folder);

// Saves image atomically under
// kind's name in folder, then deletes the oldest backups of that kind beyond
// kBackupsKept, never the one just saved, and records image.model for it.
// Returns the file's path, or an empty text with the reason in error.
QString SaveBackup(BackupKind kind, const CloneImage& image, const QString& folder, const QDateTime& when,
                   QString* error = nullptr);

}  // namespace wrk7
