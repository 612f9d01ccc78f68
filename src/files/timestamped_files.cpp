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

// The names in the folder that begin with head and end with tail. Not a
// QDir name filter: a filter is matched as a regular expression, and a
// transfer's worker thread saves its backup through here; on the Windows
// build the regular expression engine's per-thread stack is freed wrongly
// when such a thread ends, which takes the program down.
QStringList NamesBetween(const QString& folder, const QString& head, const QString& tail) {
    QStringList names = QDir(folder).entryList(QDir::Files);
    names.removeIf([&](const QString& name) {
        return name.size() < head.size() + tail.size() || !name.startsWith(head) || !name.endsWith(tail);
    });
    return names;
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
    for (const QString& name : NamesBetween(files.folder, base, files.suffix)) {
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
    const QStringList names = NamesBetween(files.folder, files.prefix, files.suffix);
    std::vector<SortKey> keys;
    keys.reserve(static_cast<std::size_t>(names.size()));
    for (const QString& name : names) keys.push_back(KeyOf(files, name));
    std::sort(keys.begin(), keys.end());
    QStringList sorted;
    for (const SortKey& key : keys) sorted << key.name;
    return sorted;
}

QDateTime TimestampOf(const TimestampedFiles& files, const QString& name) {
    return QDateTime::fromString(KeyOf(files, name).stamp, kStampFormat);
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
