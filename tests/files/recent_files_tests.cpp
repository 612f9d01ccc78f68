#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#include "files/recent_files.h"

namespace wrk7 {
namespace {

TEST(RecentFiles, NewestFirstWithoutRepeatsAndAtMostEight) {
    QStringList files;
    for (int i = 1; i <= 10; ++i) files = AddRecentFile(files, QStringLiteral("/radio/f%1.WK7").arg(i));
    ASSERT_EQ(files.size(), kRecentFileCount);
    EXPECT_EQ(files.front(), "/radio/f10.WK7");
    EXPECT_EQ(files.back(), "/radio/f3.WK7");

    // Opening a listed file again moves it to the front.
    files = AddRecentFile(files, QStringLiteral("/radio/./f5.WK7"));
    EXPECT_EQ(files.front(), "/radio/f5.WK7");
    EXPECT_EQ(files.size(), kRecentFileCount);
    EXPECT_EQ(files.count(QStringLiteral("/radio/f5.WK7")), 1);

    files = RemoveRecentFile(files, QStringLiteral("/radio/f5.WK7"));
    EXPECT_FALSE(files.contains(QStringLiteral("/radio/f5.WK7")));
    EXPECT_EQ(AddRecentFile(files, QString()), files);
}

TEST(RecentFiles, StoreKeepsTheListAndLoadCleansAnEditedOne) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("store.ini"));
    const QStringList files{QStringLiteral("/a/one.WK7"), QStringLiteral("/b/two.WK7")};
    {
        QSettings store(path, QSettings::IniFormat);
        EXPECT_TRUE(LoadRecentFiles(store).isEmpty());
        SaveRecentFiles(store, files);
    }
    {
        QSettings store(path, QSettings::IniFormat);
        EXPECT_EQ(LoadRecentFiles(store), files);
        QStringList edited{QString(), QStringLiteral("/a/one.WK7"), QStringLiteral("/a/one.WK7"), QStringLiteral("  ")};
        for (int i = 0; i < 12; ++i) edited << QStringLiteral("/c/%1.WK7").arg(i);
        store.setValue(QString::fromUtf8(kRecentFilesKey.data()), edited);
        const QStringList loaded = LoadRecentFiles(store);
        ASSERT_EQ(loaded.size(), kRecentFileCount);
        EXPECT_EQ(loaded.front(), "/a/one.WK7");
        EXPECT_EQ(loaded.count(QStringLiteral("/a/one.WK7")), 1);
    }
}

}  // namespace
}  // namespace wrk7
