// What reads and writes the program's files: a save that fails keeps the old
// file, a pipe or device named as output is written into as it is, and only
// regular files are read, never more of them than their limit.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <thread>

#include "files/file_kind.h"
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

TEST(WriteFileAtomically, IntoAPipeOrDeviceAsItIsAndThroughALinkToItsTarget) {
    std::signal(SIGPIPE, SIG_IGN);  // a reader that gives up fails the write, not the test
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo"), target = dir.filePath("target"), link = dir.filePath("link");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // The read end is open before the write, which then need not wait for it;
    // a thread drains it, as more comes than a pipe holds.
    const int in = open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
    QByteArray drained;
    std::thread drain([&] {
        pollfd p{in, POLLIN, 0};
        char buffer[65536];
        for (ssize_t n = 1; n > 0 && poll(&p, 1, 10000) > 0;)
            if ((n = read(in, buffer, sizeof buffer)) > 0) drained.append(buffer, n);
    });
    const QByteArray bytes(200000, 'p');
    EXPECT_TRUE(WriteFileAtomically(fifo, bytes));
    drain.join();
    close(in);
    ASSERT_TRUE(drained == bytes && KindOf(fifo) == FileKind::kStream);  // before /dev/null is tried

    ASSERT_TRUE(WriteAll(target, "old") && QFile::link(target, link));
    for (const auto& [path, ok] : {std::pair{QString("/dev/null"), true}, {QString("/dev/full"), false}, {link, true}}) {
        QString why;
        EXPECT_EQ(WriteFileAtomically(path, "new", &why), ok) << path.toStdString();
        EXPECT_EQ(why.isEmpty(), ok) << why.toStdString();
    }
    EXPECT_EQ(KindOf("/dev/null"), FileKind::kStream);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(ReadAll(target), "new");
}

}  // namespace
}  // namespace wrk7
