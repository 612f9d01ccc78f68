#include "app/transfer/backups.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "app/translation/said.h"
#include "core/tables.h"
#include "files/clone_file.h"
#include "files/text_file.h"
#include "files/timestamped_files.h"

namespace wrk7 {

namespace {

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
        text += kept.toUtf8() + '\t' + BackupModelBytes(models.value(kept)) + "\r\n";
    }
    WriteFileAtomically(dir.filePath(QString::fromLatin1(kBackupModelsFile)), text);
}

}  // namespace

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
