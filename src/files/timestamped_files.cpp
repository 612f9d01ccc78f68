#include "files/timestamped_files.h"

#include <QDir>
#include <algorithm>

namespace wrk7 {

namespace {

const QString kStampFormat = QStringLiteral("yyyyMMdd-HHmmss-zzz");
constexpr qsizetype kStampLength = 19;

// Where a name sorts: by its time, then by its place among the files of the
// same millisecond (the first has none and counts as 1), whatever the
// separator before the number.
struct SortKey {
    QString stamp;
    int sequence = 1;
    QString name;
    bool operator<(const SortKey& o) const {
        if (stamp != o.stamp) return stamp < o.stamp;
        if (sequence != o.sequence) return sequence < o.sequence;
        return name < o.name;
    }
};

SortKey KeyOf(const TimestampedFiles& files, const QString& name) {
    const QString middle = name.mid(files.prefix.size(), name.size() - files.prefix.size() - files.suffix.size());
    SortKey key{middle.left(kStampLength), 1, name};
    const QString rest = middle.mid(kStampLength + 1);
    bool number = false;
    const int sequence = rest.toInt(&number);
    if (number) key.sequence = sequence;
    return key;
}

}  // namespace

QString NewTimestampedPath(const TimestampedFiles& files, const QDateTime& when, QString* error) {
    QDir dir(files.folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        if (error) *error = QStringLiteral("cannot create %1").arg(QDir::toNativeSeparators(files.folder));
        return {};
    }
    // After every file of the same millisecond still there, so the new one
    // sorts as the newest even when the first of them was pruned already.
    const QString stamp = when.toString(kStampFormat);
    const QString base = files.prefix + stamp;
    int last = 0;
    for (const QString& name : dir.entryList({base + QStringLiteral("*") + files.suffix}, QDir::Files)) {
        const SortKey key = KeyOf(files, name);
        if (key.stamp == stamp) last = std::max(last, key.sequence);
    }
    const auto named = [&](int n) {
        return dir.filePath(n == 1 ? base + files.suffix
                                   : base + files.separator + QString::number(n) + files.suffix);
    };
    int n = last + 1;
    while (QFileInfo::exists(named(n))) ++n;
    return named(n);
}

QStringList TimestampedOldestFirst(const TimestampedFiles& files) {
    const QStringList names =
        QDir(files.folder).entryList({files.prefix + QStringLiteral("*") + files.suffix}, QDir::Files);
    std::vector<SortKey> keys;
    keys.reserve(static_cast<std::size_t>(names.size()));
    for (const QString& name : names) keys.push_back(KeyOf(files, name));
    std::sort(keys.begin(), keys.end());
    QStringList sorted;
    for (const SortKey& key : keys) sorted << key.name;
    return sorted;
}

void KeepNewestTimestamped(const TimestampedFiles& files, const QString& spared) {
    QStringList oldestFirst = TimestampedOldestFirst(files);
    QDir dir(files.folder);
    // The spared file counts among those kept wherever it sorts.
    const bool spare = !spared.isEmpty() && oldestFirst.removeOne(QFileInfo(spared).fileName());
    const qsizetype room = std::max(0, files.kept - (spare ? 1 : 0));
    while (oldestFirst.size() > room) dir.remove(oldestFirst.takeFirst());
}

}  // namespace wrk7
