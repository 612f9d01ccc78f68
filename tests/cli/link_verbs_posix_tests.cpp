// wrk7 emulate + wrk7 read/write end to end on a real pseudo-terminal.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <csignal>

#include "cli_support.h"
#include "files/clone_file.h"
#include "files/rich_image.h"
#include "edit/bank.h"
#include "link/write_check.h"
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
    // The port's reason on a line of its own, whatever standard error is.
    const QString pts = emulator.line.mid(5);
    EXPECT_EQ(Told(Binary({"read", "--port", pts, "--part", "memory", out})),
              std::pair(1, QStringList{"COM Port Error", "Read Failed...", pts + ": Input/output error"}));
    EXPECT_EQ(ReadAll(out), "old");

    // A device that is not there takes the port-fault path both ways.
    const QString missingPort = dir.filePath("no-such-port");
    const QString missing = missingPort + ": No such file or directory";
    EXPECT_EQ(Told(InProcess({"read", "--port", missingPort, dir.filePath("x.WK7")})),
              std::pair(1, QStringList{"Read Failed...", missing}));
    EXPECT_FALSE(QFile::exists(dir.filePath("x.WK7")));
    const QString file = dir.filePath("new.WK7");
    ASSERT_EQ(InProcess({"new", file}).code, kExitOk);
    EXPECT_EQ(Told(InProcess({"write", "--port", missingPort, file})), std::pair(1, QStringList{"Write Failed...", missing}));
}

// --verify passes against a receiver that keeps what it is sent and names
// the row that one keeping a channel write wrongly holds otherwise.
TEST(LinkVerbs, WriteVerifyPassesOrNamesTheRowKeptWrongly) {
    QTemporaryDir dir;
    const QString file = dir.filePath("demo.WK7");
    ASSERT_EQ(InProcess({"read", "--port", "emulator", file}).code, 0);
    CloneImage image;
    ASSERT_TRUE(LoadCloneFile(image, file).ok);
    std::vector<int> used;  // highest first, as they are written
    for (int slot = kSlotCount - 1; slot >= 0; --slot)
        if (!image.memory.slot[slot].IsEmpty()) used.push_back(slot);
    const std::size_t blocks = link::BlocksSentBy(link::Part::kAll, image).size();
    const struct { QStringList faults; int code; QStringList said; } cases[] = {
        {{}, 0, {"Successed!!", QStringLiteral("Read back and compared: the receiver holds what was written (%1 blocks).").arg(blocks)}},
        {{"--fault", "keep-wrong=2"}, 1, {"Write Failed: read back, the receiver holds otherwise in 1 place:",
          QString::fromStdString("Memory " + BuildRowLabels(image)[used[1]] + ", Frequency: written " + image.memory.slot[used[1]].Text(kFreq) + ", held ")}},
    };
    for (const auto& c : cases) {
        Emulator emulator(c.faults);
        const auto [code, err] = Told(Binary({"write", "--verify", "--port", emulator.line.mid(5), file}));
        EXPECT_EQ(code, c.code) << err.join('\n').toStdString();
        ASSERT_EQ(err.size(), c.said.size()) << err.join('\n').toStdString();
        for (qsizetype i = 0; i < err.size(); ++i) EXPECT_TRUE(err[i].startsWith(c.said[i])) << err[i].toStdString();
    }
}

}  // namespace
}  // namespace wrk7::cli
