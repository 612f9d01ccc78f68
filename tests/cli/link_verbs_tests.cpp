// wrk7 emulate + wrk7 read/write end to end on a real pseudo-terminal, and
// the link verbs' options in-process.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>

#include "cli/link_verbs.h"
#include "files/clone_file.h"

namespace wrk7::cli {
namespace {

struct Ran {
    int code = -1;
    QStringList out, err;
};

Ran Wrk7(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(WRK7_BINARY_DIR "/wrk7"), args);
    Ran r;
    if (!p.waitForFinished(60000)) return r;
    r.code = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    r.err = QString::fromUtf8(p.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
    return r;
}

Ran InProcess(const QStringList& args) {
    Ran r;
    CliIo io;
    io.writeOut = [&r](const QString& l) { r.out << l; };
    io.writeErr = [&r](const QString& l) { r.err << l; };
    r.code = RunCli(QStringList{"wrk7"} + args, io);
    return r;
}

// A running `wrk7 emulate`, stopped with SIGTERM.
class Emulator {
public:
    explicit Emulator(const QStringList& args) {
        process.start(QStringLiteral(WRK7_BINARY_DIR "/wrk7"), QStringList{"emulate"} + args);
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

    const Ran readRun = Wrk7({"read", "--port", link, out});
    EXPECT_EQ(readRun.code, 0);
    EXPECT_EQ(readRun.err, QStringList{"Successed!!"});
    CloneImage image;
    ASSERT_TRUE(LoadCloneFile(image, out).ok);
    EXPECT_EQ(image.Mem[0].Text(kName), "TWR   ");

    // Another model is refused: exit 4 and no file.
    const QString refused = dir.filePath("refused.WK7");
    const Ran other = Wrk7({"read", "--port", link, "--model", "WR-K70E", refused});
    EXPECT_EQ(other.code, 4);
    EXPECT_EQ(other.err, QStringList{"Region Error"});
    EXPECT_FALSE(QFile::exists(refused));

    image.Mem[1].Set(kFreq, 119.3);
    image.Mem[1].SetText(kName, "NEW");
    ASSERT_TRUE(SaveCloneFile(image, out).ok);
    const Ran write = Wrk7({"write", "--port", emulator.line.mid(5), out});
    EXPECT_EQ(write.code, 0);
    EXPECT_EQ(write.err, QStringList{"Successed!!"});

    EXPECT_EQ(emulator.Stop(), 0);
    EXPECT_FALSE(QFile::exists(link)) << "the symlink goes with the emulator";
    CloneImage back;
    ASSERT_TRUE(LoadCloneFile(back, saved).ok);
    EXPECT_EQ(back.Mem[1].Text(kFreq), "119.300000");
    EXPECT_EQ(back.Mem[1].Text(kName), "NEW   ");
}

TEST(LinkVerbs, AFailedReadLeavesOutAlone) {
    QTemporaryDir dir;
    const QString out = dir.filePath("out.WK7");
    QFile keep(out);
    ASSERT_TRUE(keep.open(QIODevice::WriteOnly));
    keep.write("old");
    keep.close();
    Emulator emulator({"--fault", "hangup-after=20"});
    const Ran r = Wrk7({"read", "--port", emulator.line.mid(5), "--part", "memory", out});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, (QStringList{"COM Port Error", "Read Failed..."}));
    QFile check(out);
    ASSERT_TRUE(check.open(QIODevice::ReadOnly));
    EXPECT_EQ(check.readAll(), "old");

    const Ran missing = InProcess({"read", "--port", dir.filePath("no-such-port"), dir.filePath("x.WK7")});
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.err, QStringList{"Read Failed..."});
    EXPECT_FALSE(QFile::exists(dir.filePath("x.WK7")));
}

TEST(LinkVerbs, OptionsAndTheInProcessEmulator) {
    QTemporaryDir dir;
    const QString out = dir.filePath("bank.WK7");
    const Ran bank = InProcess({"read", "--port", "emulator", "--part", "bank", out});
    EXPECT_EQ(bank.code, 0);
    EXPECT_EQ(bank.err, QStringList{"Successed!!"});
    CloneImage image;
    ASSERT_TRUE(LoadCloneFile(image, out).ok);
    EXPECT_EQ(image.BankCount[0], 120) << "the demo's layout";
    EXPECT_TRUE(image.Mem[0].IsEmpty()) << "a bank read leaves the channels of the New image";
    EXPECT_EQ(InProcess({"write", "--port", "emulator", "--part", "groups", out}).code, 0);

    EXPECT_EQ(InProcess({"read", "--port", "emulator", "--part", "vfo", out}).code, kExitUsage);
    EXPECT_EQ(InProcess({"read", out}).code, kExitUsage) << "--port is required";
    EXPECT_EQ(InProcess({"emulate", "--fault", "explode"}).code, kExitUsage);
    EXPECT_EQ(InProcess({"write", "--port", "emulator", dir.filePath("missing.WK7")}).err,
              QStringList{"File Open Error"});
}

}  // namespace
}  // namespace wrk7::cli
