#include "app/transfer/backups.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "app/translation/said.h"
#include "core/tables.h"
#include "files/clone_file.h"
#include "files/text_file.h"
#include "files/timestamped_files.h"

namespace wrk7 {

namespace {

constexpr qint64 kModelsFileBytes = 1 << 16;  // far more than 40 lines

QByteArray ModelBytes(int model) {
    const std::string_view name = ModelName[static_cast<std::size_t>(model)];
    return QByteArray(name.data(), static_cast<qsizetype>(name.size()));
}

// Adds name's model to the record and drops the lines of files pruned since.
// A record that cannot be written costs only the model's name in the list of
// backups, never the backup itself.
void RecordModel(const QString& folder, const QString& name, int model) {
    if (model < 0 || model >= kModelCount) return;
    QHash<QString, int> models = RecordedBackupModels(folder);
    models.insert(name, model);
    QStringList names = models.keys();
    names.sort();
    QByteArray text;
    const QDir dir(folder);
    for (const QString& kept : names) {
        if (!dir.exists(kept)) continue;
        text += kept.toUtf8() + '\t' + ModelBytes(models.value(kept)) + "\r\n";
    }
    WriteFileAtomically(dir.filePath(QString::fromLatin1(kBackupModelsFile)), text);
}

}  // namespace

QString DefaultBackupFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/backups");
}

TimestampedFiles BackupFiles(BackupKind kind, const QString& folder) {
    const QString prefix = kind == BackupKind::kRead ? QStringLiteral("read-") : QStringLiteral("before-write-");
    return {folder, prefix, QStringLiteral(".WK7"), kBackupsKept, QLatin1Char('-')};
}

QHash<QString, int> RecordedBackupModels(const QString& folder) {
    QHash<QString, int> models;
    const auto bytes = ReadRegularFile(QDir(folder).filePath(QString::fromLatin1(kBackupModelsFile)), kModelsFileBytes);
    if (!bytes) return models;
    for (const QByteArray& line : bytes->split('\n')) {
        const QList<QByteArray> fields = line.trimmed().split('\t');
        if (fields.size() != 2) continue;
        for (int model = 0; model < kModelCount; ++model)
            if (fields[1] == ModelBytes(model))
                models.insert(QString::fromUtf8(fields[0]), model);
    }
    return models;
}

QString SaveBackup(BackupKind kind, const CloneImage& image, const QString& folder, const QDateTime& when,
                   QString* error) {
    const TimestampedFiles backups = BackupFiles(kind, folder);
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
    RecordModel(folder, QFileInfo(path).fileName(), image.model);
    return path;
}

}  // namespace wrk7
