#include "files/recent_files.h"

#include <QFileInfo>
#include <QSettings>

namespace wrk7 {

namespace {

QString Key() { return QString::fromUtf8(kRecentFilesKey.data(), static_cast<qsizetype>(kRecentFilesKey.size())); }

QString Absolute(const QString& path) { return QFileInfo(path).absoluteFilePath(); }

}  // namespace

QStringList AddRecentFile(QStringList files, const QString& path) {
    if (path.isEmpty()) return files;
    const QString entry = Absolute(path);
    files.removeAll(entry);
    files.prepend(entry);
    while (files.size() > kRecentFileCount) files.removeLast();
    return files;
}

QStringList RemoveRecentFile(QStringList files, const QString& path) {
    files.removeAll(Absolute(path));
    files.removeAll(path);
    return files;
}

QStringList LoadRecentFiles(const QSettings& store) {
    QStringList files;
    for (const QString& entry : store.value(Key()).toStringList()) {
        if (entry.trimmed().isEmpty() || files.contains(entry)) continue;
        files << entry;
        if (files.size() == kRecentFileCount) break;
    }
    return files;
}

void SaveRecentFiles(QSettings& store, const QStringList& files) { store.setValue(Key(), files); }

}  // namespace wrk7
