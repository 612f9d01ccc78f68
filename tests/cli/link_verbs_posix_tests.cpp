// wrk7 emulate + wrk7 read/write end to end on a real pseudo-terminal.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <csignal>

#include "cli_support.h"
#include "files/clone_file.h"
#include "files/rich_image.h"
#include "lists/clone_file_load.h"

namespace wrk7::cli {
namespace {

using namespace test;
using namespace wrk7::testing;

// A running `wrk7 emulate`, stopped with SIGTERM; line is its "PORT ..." line.
class Emulator {
public:
    explicit Emulator(const QStringList& args) {
        process.start(test::Wrk7Path(), QStringList{"emulate"} + args);
        if (process.waitForReadyRead(10000)) line = QString::fromUtf8(process.readLine()).trimmed();
    }
    int Stop() {
        ::kill(static_cast<pid_t>(process.processId()), SIGTERM);
        process.waitForFinished(10000);
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
    ~Emulator() {
        if (process.state() != QProcess::NotRunning) Stop();
    }
    QProcess process;
    QString line;
};

TEST(LinkVerbs, EmulateReadWriteEndToEnd) {
    QTemporaryDir dir;
    const QString link = dir.filePath("radio"), out = dir.filePath("out.WK7"), saved = dir.filePath("saved.WK7");
    Emulator emulator({"--link", link, "--save", saved});
    ASSERT_TRUE(emulator.line.startsWith("PORT /dev/pts/")) << emulator.line.toStdString();

    EXPECT_EQ(Told(Binary({"read", "--port", link, out})), std::pair(0, QStringList{"Successed!!"}));
    CloneImage image;
    ASSERT_TRUE(LoadCloneFile(image, out).ok);
    EXPECT_EQ(image.memory.slot[0].Text(kName), "TWR   ");

    // Another model is refused: exit 4 and no file.
    const QString refused = dir.filePath("refused.WK7");
    EXPECT_EQ(Told(Binary({"read", "--port", link, "--model", "WR-K70E", refused})), std::pair(kExitRefused, QStringList{"Region Error"}));
    EXPECT_FALSE(QFile::exists(refused));

    image.memory.slot[1].Set(kFreq, 119.3);
    image.memory.slot[1].SetText(kName, "NEW");
    ASSERT_TRUE(SaveCloneFile(image, out).ok);
    EXPECT_EQ(Told(Binary({"write", "--port", emulator.line.mid(5), out})), std::pair(0, QStringList{"Successed!!"}));

    EXPECT_EQ(emulator.Stop(), 0);
    EXPECT_FALSE(QFile::exists(link)) << "the symlink goes with the emulator";
    CloneImage back;
    ASSERT_TRUE(LoadCloneFile(back, saved).ok);
    EXPECT_EQ(Texts(back.memory.slot[1], {kFreq, kName}), "119.300000|NEW   ");
}

TEST(LinkVerbs, AFailedTransferLeavesTheFilesAlone) {
    QTemporaryDir dir;
    const QString out = dir.filePath("out.WK7");
    ASSERT_TRUE(WriteAll(out, "old"));
    Emulator emulator({"--fault", "hangup-after=20"});
    EXPECT_EQ(Told(Binary({"read", "--port", emulator.line.mid(5), "--part", "memory", out})),
              std::pair(1, QStringList{"COM Port Error", "Read Failed..."}));
    EXPECT_EQ(ReadAll(out), "old");

    // A device that is not there takes the port-fault path both ways.
    const QString missingPort = dir.filePath("no-such-port");
    EXPECT_EQ(Told(InProcess({"read", "--port", missingPort, dir.filePath("x.WK7")})), std::pair(1, QStringList{"Read Failed..."}));
    EXPECT_FALSE(QFile::exists(dir.filePath("x.WK7")));
    const QString file = dir.filePath("new.WK7");
    ASSERT_EQ(InProcess({"new", file}).code, kExitOk);
    EXPECT_EQ(Told(InProcess({"write", "--port", missingPort, file})), std::pair(1, QStringList{"Write Failed..."}));
}

}  // namespace
}  // namespace wrk7::cli
