#pragma once
#include <QDateTime>
#include <QHash>
#include <QString>

#include "core/image.h"
#include "files/result.h"
#include "files/backup_files.h"
#include "files/timestamped_files.h"

namespace wrk7 {

// Saves image atomically under
// kind's name in folder, then deletes the oldest backups of that kind beyond
// kBackupsKept, never the one just saved, and records image.model for it.
// Returns the file's path, or an empty text with the reason in error.
QString SaveBackup(BackupKind kind, const CloneImage& image, const QString& folder, const QDateTime& when,
                   QString* error = nullptr);

}  // namespace wrk7
