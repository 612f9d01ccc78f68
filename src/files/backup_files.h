#pragma once
#include <QHash>
#include <QString>

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

// The model's name as the record of models writes it ("WR-K7J").
QByteArray BackupModelBytes(int model);

}  // namespace wrk7
