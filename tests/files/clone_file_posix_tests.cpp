// The clone-file tests that need POSIX: a file-size limit standing in for a
// full disk, FIFOs and devices.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <csignal>
#include <thread>

#include "files/clone_file_fixture.h"
#include "files/file_kind.h"
#include "files/preferences.h"
#include "files/text_file.h"
#include "lists/clone_file_load.h"
#include "lists/csv.h"

namespace wrk7 {
namespace {

using namespace wrk7::testing;

// What save() gives under a 4 KiB file-size limit, which cuts a write short
// as a full disk does (root ignores permissions, not this).
template <class Save>
auto UnderFileSizeLimit(Save save) {
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    const auto result = save();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    return result;
}

// A save that fails in a write or in the last flush (which alone writes a
// small file) keeps the old file and leaves no other behind.
TEST_F(CloneFileTest, AFailingWriteOrLastFlushKeepsTheOldFile) {
    for (int size : {100, 5000, 20000}) {
        ASSERT_TRUE(WriteAll(Path("f"), "old"));
        QString why;
        const bool ok = UnderFileSizeLimit([&] { return WriteFileAtomically(Path("f"), QByteArray(size, 'x'), &why); });
        EXPECT_EQ(std::tuple(ok, why.isEmpty(), ReadAll(Path("f")).size()), std::tuple(size < 4096, ok, ok ? size : 3)) << size;
    }
    const FileResult r = UnderFileSizeLimit([&] { return SaveCloneFile(RichImage(), Path("f")); });
    EXPECT_EQ(std::tuple(r.ok, English(r.messages), ReadAll(Path("f"))),
              std::tuple(false, std::vector<std::string>{std::string(kFileOpenError)}, QByteArray("old")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"f"});
}

// Only regular files are read, which is checked before the open (for a FIFO
// without a writer the open would wait), and no more of them than the limit;
// a save into a FIFO or a device writes into it.
TEST_F(CloneFileTest, PipesAndDevicesAreNeverReadAndAreWrittenIntoAsTheyAre) {
    const QString fifo = Path("fifo"), link = Path("link");  // a link to it is listed as a file
    ASSERT_TRUE(mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0 && QFile::link(fifo, link));
    CloneImage image = RichImage();
    const std::pair<std::string, std::string (*)(const QString&)> readers[] = {
        {"File Open Error", [](const QString& p) { return English(LoadCloneFile(*std::make_unique<CloneImage>(), p).messages).at(0); }},
        {"File Open Error", [](const QString& p) { return English(ImportCsv(*std::make_unique<CloneImage>(), p).result.messages).at(0); }},
        {"line 1: File Open Error: not a regular file", [](const QString& p) { return CheckCloneFile(p).at(0); }},
        {"1", [](const QString& p) { return std::to_string(ReadPortFileAt(p)); }}};
    for (const QString& path : {fifo, link, QStringLiteral("/dev/zero")})
        for (const auto& [expected, read] : readers) EXPECT_EQ(read(path), expected) << path.toStdString();
    QFile zero(QStringLiteral("/dev/zero"));  // opened as a device: no line end, ever
    ReadFailure why = ReadFailure::kCannotRead;
    EXPECT_TRUE(zero.open(QIODevice::ReadOnly) && !ReadTextLines(zero, 2, &why) && why == ReadFailure::kTooLarge);
    ASSERT_TRUE(WriteAll(Path("f"), QByteArray(99, 'x')));
    EXPECT_TRUE(ReadRegularFile(Path("f"), 99) && !ReadRegularFile(Path("f"), 98, &why) && why == ReadFailure::kTooLarge);

    std::signal(SIGPIPE, SIG_IGN);  // a reader that gives up fails the save, not the test
    // The read end is open first, so the save need not wait; a thread drains it.
    const int in = open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
    QByteArray drained;
    std::thread drain([&] {
        pollfd p{in, POLLIN, 0};
        char buffer[65536];
        for (ssize_t n = 1; n > 0 && poll(&p, 1, 10000) > 0;)
            if ((n = read(in, buffer, sizeof buffer)) > 0) drained.append(buffer, n);
    });
    EXPECT_TRUE(SaveCloneFile(image, fifo).ok);  // more than a pipe holds
    drain.join();
    close(in);
    ASSERT_TRUE(drained.count("\r\n") == kCloneFileLines && KindOf(fifo) == FileKind::kStream);  // before /dev/null
    ASSERT_TRUE(WriteAll(Path("target"), "old") && QFile::link(Path("target"), Path("to-target")));
    for (const auto& [path, ok] : {std::pair{QString("/dev/null"), true}, {QString("/dev/full"), false}, {Path("to-target"), true}})
        EXPECT_EQ(SaveCloneFile(image, path).ok, ok) << path.toStdString();
    EXPECT_TRUE(KindOf("/dev/null") == FileKind::kStream && QFileInfo(Path("to-target")).isSymLink());
    EXPECT_EQ(ReadAll(Path("target")), drained);
}

}  // namespace
}  // namespace wrk7
