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

// The range itself (16 on Linux, 256 on Windows) is the next test's.
TEST(PortFile, ReadsAPortInRangeElseOneAndWritesCrLfBesideTheProgramElseConfig) {
    QTemporaryDir dir;
    PortFileDirs dirs{dir.filePath("prog"), dir.filePath("conf")};
    QDir().mkpath(dirs.programDir);
    const QString path = QDir(dirs.programDir).filePath("WR-K7.ini");
    const std::pair<const char*, int> cases[] = {
        {"3\r\n", 3}, {"14", 14}, {"16\n", 16}, {"15", 15}, {"0", 1}, {"300", 1}, {"", 1},
        {"  7 \r\n", 7}, {"abc", 1}, {"5,9", 5}, {"-3", 1}, {"\xff\xfe", 1}};
    for (const auto& [text, port] : cases) {
        ASSERT_TRUE(WriteAll(path, text));
        EXPECT_EQ(ReadPortFile(dirs), port) << text;
    }
    QFile::remove(path);
    ASSERT_TRUE(WriteAll(QDir(dirs.programDir).filePath("wr-k7.INI"), "9"));
    EXPECT_EQ(ReadPortFile(dirs), 1);  // no file: letter case must match
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

TEST(PortFile, WindowsKeepsPortsPastSixteenAndLinuxItsSixteen) {
    struct Case {
        const char* text;
        int linux, windows;
    };
    const Case cases[] = {
        {"1\r\n", 1, 1},     {"14\r\n", 14, 14},  {"16", 16, 16},     {"17\r\n", 1, 17},  {"19\r\n", 1, 19},
        {"200", 1, 200},     {"256\r\n", 1, 256}, {"257", 1, 1},      {"0", 1, 1},        {"1000", 1, 1},
        {"019", 1, 19},      {"19,3", 1, 19},     {"  200 \n", 1, 200}, {"-19", 1, 1},     {"COM19", 1, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PortNumberInFile(c.text, kLastLinuxComPort), c.linux) << c.text;
        EXPECT_EQ(PortNumberInFile(c.text, kLastWindowsComPort), c.windows) << c.text;
    }
    // Written as the number and CR LF, whatever its size, and read back so.
    QTemporaryDir dir;
    const QString path = dir.filePath("WR-K7.ini");
    for (const int port : {17, 19, 200, 256}) {
        ASSERT_TRUE(WritePortFileAt(path, port).ok) << port;
        EXPECT_EQ(ReadAll(path), QByteArray::number(port) + "\r\n");
        EXPECT_EQ(ReadPortFileAt(path, kLastWindowsComPort), port);
        EXPECT_EQ(ReadPortFileAt(path, kLastLinuxComPort), 1) << port;
    }
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

    // What the keys hold (left, top, width, height in twips; null: no key)
    // and what comes back at dpi.
    const WindowPlacement none{};
    const struct { std::array<const char*, 4> keys; double dpi; WindowPlacement pixels; } cases[] = {
        {{"1500", "750", "15000", "12000"}, 96, {100, 50, 1000, 800}},
        {{"1500", "750", "15000", "12000"}, 144, {150, 75, 1500, 1200}},
        {{"-3000", " 7 ", "1441", "1439"}, 96, {-200, 0, 96, 96}},  // to the nearest pixel
        {{"0", "0", "2147483647", "9600"}, 96, {0, 0, kMaxPlacementPixels, 640}},
        {{"0", "0", "9600", "7200"}, 0, {0, 0, 640, 480}},  // no resolution: 96
        {{"0", "0", "0", "7200"}, 96, none},
        {{"0", "0", "9600", "-15"}, 96, none},
        {{"0", "abc", "9600", "7200"}, 96, none},
        {{"0", "0", "9600.5", "7200"}, 96, none},
        {{"0", "0", "9600", nullptr}, 96, none},
        {{"0", "0", "99999999999", "7200"}, 96, none},
    };
    for (const auto& c : cases) {
        store.clear();
        for (int i = 0; i < 4; ++i)
            if (c.keys[i]) store.setValue(QString("Settings/") + QString::fromUtf8(kPlacementKeys[i].data()), QString::fromLatin1(c.keys[i]));
        EXPECT_EQ(LoadPlacement(store, c.dpi).value_or(none), c.pixels) << c.keys[0] << " " << c.keys[2] << " " << c.dpi;
    }
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

    // Loading cleans an edited list. A saved list read back by the next run is
    // tested on the window (tests/app).
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

// Two kinds in one folder are pruned each on its own; of files saved within
// one millisecond the later survive; and the file just saved stays even when
// a clock set back made it the oldest.
TEST(TimestampedFiles, EachKindKeepsItsNewestAndTheOneJustSaved) {
    // Saved step seconds apart, reads first; with clockBack the last pre-write
    // backup is stamped a day early, and spared.
    const struct { const char* what; int reads, writes, step; bool clockBack; int readsLeft; QStringList writesLeft; } cases[] = {
        {"many reads push out no pre-write backup", 5, 1, 1, false, 3, {"before-write-20261207-060005-234.WK7"}},
        {"pre-write backups keep their own newest", 0, 4, 1, false, 0,
         {"before-write-20261207-060002-234.WK7", "before-write-20261207-060003-234.WK7"}},
        {"within one millisecond the later survive, past ten too", 0, 11, 0, false, 0,
         {"before-write-20261207-060000-234_10.WK7", "before-write-20261207-060000-234_11.WK7"}},
        {"a clock set back keeps the one just saved", 2, 3, 1, true, 2,
         {"before-write-20261206-060004-234.WK7", "before-write-20261207-060003-234.WK7"}},
    };
    const QDateTime start(QDate(2026, 12, 7), QTime(6, 0, 0, 234));
    for (const auto& c : cases) {
        QTemporaryDir tmp;
        const QString folder = tmp.filePath(QStringLiteral("backups"));  // made by the first save
        const TimestampedFiles reads{folder, QStringLiteral("read-"), QStringLiteral(".WK7"), 3};
        const TimestampedFiles writes{folder, QStringLiteral("before-write-"), QStringLiteral(".WK7"), 2};
        for (int i = 0; i < c.reads + c.writes; ++i) {
            const bool read = i < c.reads;
            const bool back = c.clockBack && i == c.reads + c.writes - 1;
            const QString path = NewTimestampedPath(read ? reads : writes, start.addSecs(i * c.step).addDays(back ? -1 : 0));
            ASSERT_TRUE(WriteAll(path, {})) << c.what;
            KeepNewestTimestamped(read ? reads : writes, back ? path : QString());
        }
        EXPECT_EQ(TimestampedOldestFirst(reads).size(), c.readsLeft) << c.what;
        EXPECT_EQ(TimestampedOldestFirst(writes), c.writesLeft) << c.what;
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
    EXPECT_EQ(TimestampedOldestFirst(files), oldestFirst);
}

}  // namespace
}  // namespace wrk7
