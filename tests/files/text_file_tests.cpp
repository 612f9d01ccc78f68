// What reads and writes the program's files: a save that fails keeps the old
// file, a pipe or device named as output is written into as it is, and only
// regular files are read, never more of them than their limit.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <functional>
#include <thread>

#include "files/clone_file.h"
#include "files/csv.h"
#include "files/file_kind.h"
#include "files/preferences.h"
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

// The check comes before the open, which for a FIFO without a writer would wait.
TEST(RegularFilesOnly, EveryReaderRefusesAFifoOrADevice) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo"), link = dir.filePath("link");  // the port file's folder lists a link
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(fifo, link));
    CloneImage image;
    const std::pair<std::string, std::function<std::string(const QString&)>> readers[] = {
        {"File Open Error", [&](const QString& p) { return LoadCloneFile(image, p).messages.at(0); }},
        {"File Open Error", [&](const QString& p) { return ImportCsv(image, p).result.messages.at(0); }},
        {"line 1: File Open Error: not a regular file", [](const QString& p) { return CheckCloneFile(p).at(0); }},
        {"none", [](const QString& p) { return ReadCsvFile(p) ? "text" : "none"; }},
        {"1", [](const QString& p) { return std::to_string(ReadPortFileAt(p)); }},
    };
    for (const QString& path : {fifo, link, QStringLiteral("/dev/zero")})
        for (const auto& [expected, read] : readers) EXPECT_EQ(read(path), expected) << path.toStdString();
}

TEST(RegularFilesOnly, ReadingStopsAtTheLimitAsBytesArrive) {
    QTemporaryDir dir;
    ASSERT_TRUE(WriteAll(dir.filePath("f"), QByteArray(100, 'x')));
    ReadFailure why = ReadFailure::kCannotRead;
    EXPECT_EQ(ReadRegularFile(dir.filePath("f"), 100), QByteArray(100, 'x'));
    EXPECT_FALSE(ReadRegularFile(dir.filePath("f"), 99, &why));
    EXPECT_EQ(why, ReadFailure::kTooLarge);

    QFile zero(QStringLiteral("/dev/zero"));  // a device read as opened: no line end, ever
    ASSERT_TRUE(zero.open(QIODevice::ReadOnly));
    why = ReadFailure::kCannotRead;
    EXPECT_FALSE(ReadTextLines(zero, 2, &why));
    EXPECT_EQ(why, ReadFailure::kTooLarge);
    QByteArray atLimit(MaxBytesOfLines(2), 'x');
    atLimit[10] = '\n';
    QBuffer buffer(&atLimit);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    EXPECT_EQ(ReadTextLines(buffer, 2).value().lines.size(), 2u);
}

}  // namespace
}  // namespace wrk7
