#include "app/transfer/backups.h"

#include <QDir>
#include <QStandardPaths>

#include "files/clone_file.h"

namespace wrk7 {

QString DefaultBackupFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/backups");
}

QString SaveReadBackup(const CloneImage& image, const QString& folder, const QDateTime& when, QString* error) {
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        if (error) *error = QStringLiteral("cannot create %1").arg(folder);
        return {};
    }
    const QString base = QStringLiteral("read-%1").arg(when.toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")));
    QString path = dir.filePath(base + QStringLiteral(".WK7"));
    // Two reads within one millisecond must not share a file.
    for (int n = 2; QFileInfo::exists(path); ++n) path = dir.filePath(QStringLiteral("%1-%2.WK7").arg(base).arg(n));
    CloneImage copy = image;
    const FileResult saved = SaveCloneFile(copy, path);
    if (!saved.ok) {
        if (error) *error = saved.messages.empty() ? QStringLiteral("save failed")
                                                   : QString::fromStdString(saved.messages.front());
        return {};
    }
    // Names sort by time, so the oldest come first.
    QStringList backups = dir.entryList({QStringLiteral("read-*.WK7")}, QDir::Files, QDir::Name);
    while (backups.size() > kBackupsKept) dir.remove(backups.takeFirst());
    return path;
}

}  // namespace wrk7
