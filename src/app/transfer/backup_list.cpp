#include "app/transfer/backup_list.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "app/translation/said.h"
#include "files/clone_file.h"
#include "lists/clone_file_load.h"

namespace wrk7 {

bool LoadBackup(const QString& path, int model, CloneImage& image, QString* why) {
    CloneImage loaded;
    loaded.model = model;
    const FileResult result = LoadCloneFile(loaded, path);
    if (!result.ok) {
        if (why) {
            QStringList said = Said(result.messages);
            if (result.detail) said << Said(*result.detail);
            *why = said.join(QStringLiteral(": "));
        }
        return false;
    }
    image = std::move(loaded);
    return true;
}

std::vector<BackupEntry> ListBackups(const QString& folder) {
    const QHash<QString, int> models = RecordedBackupModels(folder);
    const QHash<QString, BackupWrite> writes = RecordedBackupWrites(folder);
    const QDir dir(folder);
    std::vector<BackupEntry> newestFirst;
    for (const BackupKind kind : {BackupKind::kRead, BackupKind::kBeforeWrite}) {
        const TimestampedFiles files = BackupFiles(kind, folder);
        const QStringList names = TimestampedOldestFirst(files);
        for (auto name = names.crbegin(); name != names.crend(); ++name) {
            BackupEntry entry;
            entry.path = dir.filePath(*name);
            entry.kind = kind;
            entry.when = TimestampOf(files, *name);
            // A name changed by hand still lists, by when the file was written.
            if (!entry.when.isValid()) entry.when = QFileInfo(entry.path).lastModified();
            if (models.contains(*name)) entry.model = models.value(*name);
            if (kind == BackupKind::kBeforeWrite && writes.contains(*name)) entry.write = writes.value(*name);
            CloneImage image;
            if (LoadBackup(entry.path, entry.model.value_or(0), image, &entry.problem)) {
                entry.channels = static_cast<int>(
                    std::count(image.memory.enabled.begin(), image.memory.enabled.begin() + kChannelCount, true));
            } else if (entry.problem.isEmpty()) {
                entry.problem = Said(MessageId::kFileOpenError);
            }
            newestFirst.push_back(std::move(entry));
        }
    }
    // Each kind comes newest first, the same millisecond by its number: the
    // merge by time keeps that order.
    std::stable_sort(newestFirst.begin(), newestFirst.end(),
                     [](const BackupEntry& a, const BackupEntry& b) { return a.when > b.when; });
    return newestFirst;
}

}  // namespace wrk7
