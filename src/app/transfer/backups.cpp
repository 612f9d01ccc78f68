#include "app/transfer/backups.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include "app/translation/said.h"
#include "files/clone_file.h"
#include "files/timestamped_files.h"

namespace wrk7 {

QString DefaultBackupFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/backups");
}

QString SaveBackup(BackupKind kind, const CloneImage& image, const QString& folder, const QDateTime& when,
                   QString* error) {
    const QString prefix = kind == BackupKind::kRead ? QStringLiteral("read-") : QStringLiteral("before-write-");
    const TimestampedFiles backups{folder, prefix, QStringLiteral(".WK7"), kBackupsKept, QLatin1Char('-')};
    const QString path = NewTimestampedPath(backups, when, error);
    if (path.isEmpty()) return {};
    CloneImage copy = image;
    const FileResult saved = SaveCloneFile(copy, path);
    if (!saved.ok) {
        if (error) *error = saved.messages.empty() ? QCoreApplication::translate("Backups", "save failed")
                                                   : Said(saved.messages.front());
        return {};
    }
    KeepNewestTimestamped(backups, path);
    return path;
}

}  // namespace wrk7
