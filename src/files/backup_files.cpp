#include "files/backup_files.h"

#include <QDir>

#include "core/tables.h"
#include "files/data_folders.h"
#include "files/text_file.h"

namespace wrk7 {

namespace {
constexpr qint64 kModelsFileBytes = 1 << 16;  // far more than 40 lines
}  // namespace

QByteArray BackupModelBytes(int model) {
    const std::string_view name = ModelName[static_cast<std::size_t>(model)];
    return QByteArray(name.data(), static_cast<qsizetype>(name.size()));
}

QString DefaultBackupFolder() {
    return DataFolderPart("backups");
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
            if (fields[1] == BackupModelBytes(model))
                models.insert(QString::fromUtf8(fields[0]), model);
    }
    return models;
}

}  // namespace wrk7
