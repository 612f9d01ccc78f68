#include "app/transfer/backup_list.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <tuple>

#include "app/translation/said.h"
#include "files/clone_file.h"

namespace wrk7 {

namespace {

const QString kSuffix = QStringLiteral(".WK7");
constexpr qsizetype kStampLength = 19;  // yyyyMMdd-HHmmss-zzz

struct Named {
    BackupKind kind;
    QString prefix;
};

}  // namespace

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
    const Named kinds[] = {{BackupKind::kRead, QStringLiteral("read-")},
                           {BackupKind::kBeforeWrite, QStringLiteral("before-write-")}};
    const QHash<QString, int> models = RecordedBackupModels(folder);
    const QDir dir(folder);
    // The same moment twice ("...-123-2.WK7") sorts by its number.
    std::vector<std::pair<int, BackupEntry>> found;
    for (const QString& name : dir.entryList(QDir::Files)) {
        const auto kind = std::find_if(std::begin(kinds), std::end(kinds),
                                       [&](const Named& k) { return name.startsWith(k.prefix); });
        if (kind == std::end(kinds) || !name.endsWith(kSuffix)) continue;
        const QString middle = name.mid(kind->prefix.size(), name.size() - kind->prefix.size() - kSuffix.size());
        BackupEntry entry;
        entry.path = dir.filePath(name);
        entry.kind = kind->kind;
        entry.when = QDateTime::fromString(middle.left(kStampLength), QStringLiteral("yyyyMMdd-HHmmss-zzz"));
        // A name changed by hand still lists, by when the file was written.
        if (!entry.when.isValid()) entry.when = QFileInfo(entry.path).lastModified();
        if (models.contains(name)) entry.model = models.value(name);
        CloneImage image;
        if (LoadBackup(entry.path, entry.model.value_or(0), image, &entry.problem)) {
            entry.channels = static_cast<int>(
                std::count(image.memory.enabled.begin(), image.memory.enabled.begin() + kChannelCount, true));
        } else if (entry.problem.isEmpty()) {
            entry.problem = Said(MessageId::kFileOpenError);
        }
        found.emplace_back(middle.mid(kStampLength + 1).toInt(), std::move(entry));
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return std::tie(a.second.when, a.first, a.second.path) > std::tie(b.second.when, b.first, b.second.path);
    });
    std::vector<BackupEntry> newestFirst;
    for (auto& f : found) newestFirst.push_back(std::move(f.second));
    return newestFirst;
}

}  // namespace wrk7
