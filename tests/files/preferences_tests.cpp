// What the program keeps between runs: the port file, the recent files, the
// window placement, the timestamped backups and traces; and the file named on
// the command line.
#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#include "files/preferences.h"
#include "files/recent_files.h"
#include "files/rich_image.h"
#include "files/timestamped_files.h"

namespace wrk7 {
namespace {

using namespace wrk7::testing;

TEST(PortFile, ReadsOneToSixteenElseOneAndWritesCrLfBesideTheProgramElseConfig) {
    QTemporaryDir dir;
    PortFileDirs dirs{dir.filePath("prog"), dir.filePath("conf")};
    QDir().mkpath(dirs.programDir);
    EXPECT_EQ(ReadPortFile(dirs), 1);  // no file
    const QString path = QDir(dirs.programDir).filePath("WR-K7.ini");
    const std::pair<const char*, int> cases[] = {
        {"3\r\n", 3}, {"14", 14}, {"16\n", 16}, {"15", 15}, {"0", 1}, {"17", 1}, {"", 1},
        {"  7 \r\n", 7}, {"abc", 1}, {"5,9", 5}, {"-3", 1}, {"\xff\xfe", 1}};
    for (const auto& [text, port] : cases) {
        ASSERT_TRUE(WriteAll(path, text));
        EXPECT_EQ(ReadPortFile(dirs), port) << text;
    }
    QFile::remove(path);
    ASSERT_TRUE(WriteAll(QDir(dirs.programDir).filePath("wr-k7.INI"), "9"));
    EXPECT_EQ(ReadPortFile(dirs), 1);  // letter case must match
    QDir().mkpath(dirs.configDir);
    ASSERT_TRUE(WriteAll(QDir(dirs.configDir).filePath("WR-K7.ini"), "12"));
    EXPECT_EQ(ReadPortFile(dirs), 12);
    ASSERT_TRUE(WritePortFile(dirs, 16).ok);
    EXPECT_EQ(ReadAll(path), "16\r\n");
    EXPECT_EQ(ReadPortFile(dirs), 16);  // beside the program wins
    dirs = {dir.filePath("missing"), dir.filePath("conf2")};
    EXPECT_EQ(PortFileWritePath(dirs), QDir(dirs.configDir).filePath("WR-K7.ini"));
    ASSERT_TRUE(WritePortFile(dirs, 2).ok);  // creates the config folder
    EXPECT_EQ(ReadPortFile(dirs), 2);
    EXPECT_FALSE(WritePortFileAt(dir.path(), 3).ok);  // a folder, not a file
}

TEST(StartupPathTest, StripsOnlyEnclosingQuotes) {
    EXPECT_EQ(StartupPath({"wrk7-clone"}), "");
    const std::pair<const char*, const char*> cases[] = {
        {"/home/u/my files/a.WK7", "/home/u/my files/a.WK7"}, {"\"/home/u/my files/a.WK7\"", "/home/u/my files/a.WK7"},
        {"\"a\"b\"", "a\"b"}, {"\"half.WK7", "\"half.WK7"}, {"\"", "\""}};
    for (const auto& [argument, path] : cases) EXPECT_EQ(StartupPath({"wrk7-clone", argument}), path) << argument;
}

TEST(Placement, KeysInTwips) {
    EXPECT_EQ(std::tuple(PixelsToTwips(96, 96), PixelsToTwips(100, 120), PixelsToTwips(-10, 96)), std::tuple(1440, 1200, -150));
    QTemporaryDir dir;
    QSettings store(dir.filePath("p.ini"), QSettings::IniFormat);
    SavePlacement(store, {10, 20, 640, 480}, 96, true);
    EXPECT_TRUE(store.allKeys().isEmpty());  // minimised: nothing stored
    SavePlacement(store, {10, 20, 640, 480}, 96, false);
    QStringList stored;
    for (const char* key : {"MainLeft", "MainTop", "MainWidth", "MainHeight"}) stored << store.value(QString("Settings/") + key).toString();
    EXPECT_EQ(stored, (QStringList{"150", "300", "9600", "7200"}));
}

TEST(RecentFiles, NewestFirstWithoutRepeatsAndAtMostEight) {
    // An absolute folder on every system ("/" here, a drive on Windows).
    const QString radio = QDir::rootPath() + QStringLiteral("radio/");
    QStringList files;
    for (int i = 1; i <= 10; ++i) files = AddRecentFile(files, radio + QStringLiteral("f%1.WK7").arg(i));
    ASSERT_EQ(files.size(), kRecentFileCount);
    EXPECT_EQ(files.front() + " " + files.back(), radio + "f10.WK7 " + radio + "f3.WK7");

    // Opening a listed file again moves it to the front.
    files = AddRecentFile(files, radio + QStringLiteral("./f5.WK7"));
    EXPECT_EQ(std::tuple(files.front(), files.size(), files.count(radio + "f5.WK7")),
              std::tuple(radio + "f5.WK7", kRecentFileCount, 1));

    files = RemoveRecentFile(files, radio + QStringLiteral("f5.WK7"));
    EXPECT_FALSE(files.contains(radio + QStringLiteral("f5.WK7")));
    EXPECT_EQ(AddRecentFile(files, QString()), files);
}

// A saved list read back by the next run is tested on the window (tests/app).
TEST(RecentFiles, LoadCleansAnEditedList) {
    QTemporaryDir dir;
    QSettings store(dir.filePath(QStringLiteral("store.ini")), QSettings::IniFormat);
    EXPECT_TRUE(LoadRecentFiles(store).isEmpty());
    QStringList edited{QString(), QStringLiteral("/a/one.WK7"), QStringLiteral("/a/one.WK7"), QStringLiteral("  ")};
    for (int i = 0; i < 12; ++i) edited << QStringLiteral("/c/%1.WK7").arg(i);
    store.setValue(QString::fromUtf8(kRecentFilesKey.data()), edited);
    const QStringList loaded = LoadRecentFiles(store);
    ASSERT_EQ(loaded.size(), kRecentFileCount);
    EXPECT_EQ(std::pair(loaded.front(), loaded.count(QStringLiteral("/a/one.WK7"))), std::pair(QString("/a/one.WK7"), qsizetype{1}));
}

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
            ASSERT_TRUE(WriteAll(last, {})) << c.what;
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
    for (const QString& name : oldestFirst) ASSERT_TRUE(WriteAll(tmp.filePath(name), {}));
    ASSERT_TRUE(WriteAll(tmp.filePath(QStringLiteral("read-20261207-060000-000.WK7")), {}));  // another kind: not listed
    EXPECT_EQ(TimestampedOldestFirst(files), oldestFirst);
}

}  // namespace
}  // namespace wrk7
