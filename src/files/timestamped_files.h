#pragma once
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace wrk7 {

// A folder where the program keeps the newest few files of one kind, each
// named after the moment it was saved: prefix + "yyyyMMdd-HHmmss-zzz" +
// suffix. A second file of the same millisecond is separator + "2" before
// the suffix, then "3" and so on; each sorts as newer than the one before it.
struct TimestampedFiles {
    QString folder;
    QString prefix;  // "read-"
    QString suffix;  // ".WK7"
    int kept = 1;    // files the folder keeps
    QChar separator = QLatin1Char('_');  // before a same-millisecond number
};

// A path for a new file saved at when, that names no file there yet; the
// folder is created when missing. Empty, with the reason in error, when it
// cannot be.
QString NewTimestampedPath(const TimestampedFiles& files, const QDateTime& when, QString* error = nullptr);

// The names of the files, oldest first.
QStringList TimestampedOldestFirst(const TimestampedFiles& files);
// The moment a name of these files was saved at; invalid for a name that
// holds none (one renamed by hand).
QDateTime TimestampOf(const TimestampedFiles& files, const QString& name);

// Deletes the oldest beyond files.kept, but never spared (a path or name in
// the folder: the file just saved). A clock set back names a new file older
// than those before it, and it would otherwise go first.
void KeepNewestTimestamped(const TimestampedFiles& files, const QString& spared = {});

}  // namespace wrk7
