#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "files/timestamped_files.h"

namespace wrk7 {
namespace {

QStringList Names(const QDir& dir) { return dir.entryList(QDir::Files, QDir::Name); }

// Files saved within one millisecond are newer the later they came: pruning
// takes the first of them, never the ones just saved.
TEST(TimestampedFiles, TheNewestSurviveEvenWithinOneMillisecond) {
    struct Case {
        const char* what;
        int saves;  // all at the same moment
        int kept;
        QStringList survivors;
    };
    const QDateTime when(QDate(2026, 12, 7), QTime(6, 0, 1, 234));
    const QString stamp = QStringLiteral("read-20261207-060001-234");
    const auto named = [&stamp](const QString& tail) { return stamp + tail + QStringLiteral(".WK7"); };
    for (const Case& c : {Case{"two kept of three", 3, 2, {named("_2"), named("_3")}},
                          Case{"past ten", 11, 2, {named("_10"), named("_11")}},
                          Case{"one of one", 1, 1, {named("")}}}) {
        QTemporaryDir tmp;
        const TimestampedFiles files{tmp.filePath(QStringLiteral("backups")), QStringLiteral("read-"),
                                     QStringLiteral(".WK7"), c.kept};
        QString last;
        for (int i = 0; i < c.saves; ++i) {
            last = NewTimestampedPath(files, when);
            QFile file(last);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << c.what;
            file.close();
            KeepNewestTimestamped(files);
        }
        QStringList expected = c.survivors;
        expected.sort();
        EXPECT_EQ(Names(QDir(files.folder)), expected) << c.what;
        EXPECT_EQ(TimestampedOldestFirst(files).last(), QFileInfo(last).fileName()) << c.what;
    }
}

TEST(TimestampedFiles, OrderIsByTimeThenSequence) {
    QTemporaryDir tmp;
    const TimestampedFiles files{tmp.path(), QStringLiteral("trace-"), QStringLiteral(".txt"), 10};
    // Older backups named a twin with "-2"; it still sorts after its first.
    const QStringList oldestFirst{"trace-20261207-060000-000.txt", "trace-20261207-060000-000-2.txt",
                                  "trace-20261207-060000-000_3.txt", "trace-20261207-060000-001.txt",
                                  "trace-20261208-000000-000.txt"};
    for (const QString& name : oldestFirst) {
        QFile file(tmp.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QFile other(tmp.filePath(QStringLiteral("read-20261207-060000-000.WK7")));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    EXPECT_EQ(TimestampedOldestFirst(files), oldestFirst);
}

}  // namespace
}  // namespace wrk7
