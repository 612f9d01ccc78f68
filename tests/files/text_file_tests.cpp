// What reads and writes the program's files: a save that fails keeps the old
// file, a pipe or device named as output is written into as it is, and only
// regular files are read, never more of them than their limit.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "files/rich_image.h"
#include "files/text_file.h"

namespace wrk7 {
namespace {

using namespace wrk7::testing;

TEST(WriteFileAtomically, AFailingWriteOrFlushKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("f");
    for (int size : {100, 5000, 20000}) {  // within the limit; written by the last flush alone; written at once
        ASSERT_TRUE(WriteAll(path, "old"));
        QString why;
        const bool ok = UnderFileSizeLimit([&] { return WriteFileAtomically(path, QByteArray(size, 'x'), &why); });
        EXPECT_EQ(ok, size < 4096) << size;
        EXPECT_EQ(ReadAll(path), ok ? QByteArray(size, 'x') : "old") << size;
        EXPECT_EQ(why.isEmpty(), ok) << size;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"f"}) << size;
    }
}

}  // namespace
}  // namespace wrk7
