#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#include "files/preferences.h"
#include "files/rich_image.h"

namespace wrk7 {
namespace {

using testing::ReadAll;
using testing::WriteAll;

TEST(PortFile, ReadsOneToSixteenElseOne) {
    QTemporaryDir dir;
    const PortFileDirs dirs{dir.filePath("prog"), dir.filePath("conf")};
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
    ASSERT_TRUE(WriteAll(path, "4"));
    EXPECT_EQ(ReadPortFile(dirs), 4);  // beside the program wins
}

TEST(PortFile, WritesCrLfBesideTheProgramElseConfig) {
    QTemporaryDir dir;
    PortFileDirs dirs{dir.filePath("prog"), dir.filePath("conf")};
    QDir().mkpath(dirs.programDir);
    ASSERT_TRUE(WritePortFile(dirs, 16).ok);
    EXPECT_EQ(ReadAll(QDir(dirs.programDir).filePath("WR-K7.ini")), "16\r\n");
    EXPECT_EQ(ReadPortFile(dirs), 16);
    dirs.programDir = dir.filePath("missing");
    EXPECT_EQ(PortFileWritePath(dirs), QDir(dirs.configDir).filePath("WR-K7.ini"));
    ASSERT_TRUE(WritePortFile(dirs, 2).ok);  // creates the config folder
    EXPECT_EQ(ReadPortFile(dirs), 2);
    EXPECT_FALSE(WritePortFileAt(dir.path(), 3).ok);  // a folder, not a file
}

TEST(StartupPathTest, StripsOnlyEnclosingQuotes) {
    EXPECT_EQ(StartupPath({"wrk7-clone"}), "");
    EXPECT_EQ(StartupPath({"wrk7-clone", "/home/u/my files/a.WK7"}), "/home/u/my files/a.WK7");
    EXPECT_EQ(StartupPath({"wrk7-clone", "\"/home/u/my files/a.WK7\""}), "/home/u/my files/a.WK7");
    EXPECT_EQ(StartupPath({"wrk7-clone", "a.WK7"}), "a.WK7");
    EXPECT_EQ(StartupPath({"wrk7-clone", "\"a\"b\""}), "a\"b");
    EXPECT_EQ(StartupPath({"wrk7-clone", "\"half.WK7"}), "\"half.WK7");
    EXPECT_EQ(StartupPath({"wrk7-clone", "\""}), "\"");
}

TEST(Placement, KeysInTwips) {
    EXPECT_EQ(PixelsToTwips(96, 96), 1440);
    EXPECT_EQ(PixelsToTwips(100, 120), 1200);
    EXPECT_EQ(PixelsToTwips(-10, 96), -150);
    QTemporaryDir dir;
    QSettings store(dir.filePath("p.ini"), QSettings::IniFormat);
    SavePlacement(store, {10, 20, 640, 480}, 96, true);
    EXPECT_TRUE(store.allKeys().isEmpty());  // minimised: nothing stored
    SavePlacement(store, {10, 20, 640, 480}, 96, false);
    EXPECT_EQ(store.value("Settings/MainLeft").toString(), "150");
    EXPECT_EQ(store.value("Settings/MainTop").toString(), "300");
    EXPECT_EQ(store.value("Settings/MainWidth").toString(), "9600");
    EXPECT_EQ(store.value("Settings/MainHeight").toString(), "7200");
}

}  // namespace
}  // namespace wrk7
