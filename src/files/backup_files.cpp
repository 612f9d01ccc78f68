#include "files/backup_files.h"

#include <QDir>

#include "core/tables.h"
#include "files/data_folders.h"
#include "files/text_file.h"

namespace wrk7 {

namespace {
constexpr qint64 kModelsFileBytes = 1 << 16;  // far more than 40 lines

constexpr const char* kPartWords[] = {"all", "settings", "memory", "bank", "groups"};
constexpr const char* kEndWords[] = {"written", "not-checked", "held-otherwise", "partly", "nothing"};

template <typename T, std::size_t N>
std::optional<T> FromWord(const QByteArray& word, const char* const (&words)[N]) {
    for (std::size_t i = 0; i < N; ++i)
        if (word == words[i]) return static_cast<T>(i);
    return std::nullopt;
}

// The lines of a side file of the backups folder with fieldCount fields
// separated by tabs; the rest, and a missing or oversized file, give none.
std::vector<QList<QByteArray>> SideFileRecords(const QString& folder, const char* name, qsizetype fieldCount) {
    std::vector<QList<QByteArray>> records;
    const auto bytes = ReadRegularFile(QDir(folder).filePath(QString::fromLatin1(name)), kModelsFileBytes);
    if (!bytes) return records;
    for (const QByteArray& line : bytes->split('\n')) {
        QList<QByteArray> fields = line.trimmed().split('\t');
        if (fields.size() == fieldCount) records.push_back(std::move(fields));
    }
    return records;
}

}  // namespace

bool RecordBackupWrite(const QString& folder, const QString& name, const BackupWrite& write) {
    QHash<QString, BackupWrite> writes = RecordedBackupWrites(folder);
    writes.insert(name, write);
    QStringList names = writes.keys();
    names.sort();
    const QDir dir(folder);
    QByteArray text;
    for (const QString& kept : names) {
        if (!dir.exists(kept)) continue;
        const BackupWrite& w = writes[kept];
        text += kept.toUtf8() + '\t' + (w.restore ? "restore" : kPartWords[static_cast<std::size_t>(w.part)]) + '\t' +
                kEndWords[static_cast<std::size_t>(w.end)] + "\r\n";
    }
    return WriteFileAtomically(dir.filePath(QString::fromLatin1(kBackupWritesFile)), text);
}

QHash<QString, BackupWrite> RecordedBackupWrites(const QString& folder) {
    QHash<QString, BackupWrite> writes;
    for (const QList<QByteArray>& fields : SideFileRecords(folder, kBackupWritesFile, 3)) {
        const bool restore = fields[1] == "restore";
        const std::optional<TransferPart> part =
            restore ? std::optional(TransferPart::kAll) : FromWord<TransferPart>(fields[1], kPartWords);
        const std::optional<WriteEnd> end = FromWord<WriteEnd>(fields[2], kEndWords);
        if (part && end) writes.insert(QString::fromUtf8(fields[0]), BackupWrite{*part, restore, *end});
    }
    return writes;
}

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
    for (const QList<QByteArray>& fields : SideFileRecords(folder, kBackupModelsFile, 2)) {
        for (int model = 0; model < kModelCount; ++model)
            if (fields[1] == BackupModelBytes(model))
                models.insert(QString::fromUtf8(fields[0]), model);
    }
    return models;
}

}  // namespace wrk7
