// wrk7 read --quick and read/write --trace, in-process against the emulator.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "cli/verb.h"

namespace wrk7::cli {
namespace {

struct Ran {
    int code = -1;
    QStringList err;
};

Ran InProcess(const QStringList& args) {
    Ran r;
    CliIo io;
    io.writeOut = [](const QString&) {};
    io.writeErr = [&r](const QString& l) { r.err << l; };
    r.code = RunCli(QStringList{"wrk7"} + args, io);
    return r;
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(QuickAndTraceVerbs, AQuickReadSavesTheSameFileAndEveryTransferCanLeaveATrace) {
    QTemporaryDir dir;
    const QString full = dir.filePath("full.WK7"), quick = dir.filePath("quick.WK7");
    const QString fullTrace = dir.filePath("full.txt"), quickTrace = dir.filePath("quick.txt");
    EXPECT_EQ(InProcess({"read", "--port", "emulator", "--trace", fullTrace, full}).code, 0);
    EXPECT_EQ(InProcess({"read", "--port", "emulator", "--quick", "--trace", quickTrace, quick}).code, 0);
    ASSERT_FALSE(Contents(full).isEmpty());
    EXPECT_EQ(Contents(quick), Contents(full));
    EXPECT_TRUE(Contents(fullTrace).startsWith("# wrk7 serial trace: read all\n"));
    EXPECT_TRUE(Contents(quickTrace).startsWith("# wrk7 serial trace: read all (quick)\n"));
    EXPECT_LT(Contents(quickTrace).count("\n"), Contents(fullTrace).count("\n") / 4) << "the demo is sparse";
    EXPECT_TRUE(Contents(quickTrace).endsWith("= Successed!!\n"));

    // --quick means nothing to a settings read; a write is traced too, and a
    // trace that cannot be written is told while the transfer's result stands.
    const QString settings = dir.filePath("settings.WK7");
    EXPECT_EQ(InProcess({"read", "--port", "emulator", "--part", "settings", "--quick", settings}).code, 0);
    const QString writeTrace = dir.filePath("write.txt");
    EXPECT_EQ(InProcess({"write", "--port", "emulator", "--trace", writeTrace, full}).code, 0);
    EXPECT_TRUE(Contents(writeTrace).contains("> KV~FINISH\\r\n"));
    const Ran unwritable = InProcess({"write", "--port", "emulator", "--trace", dir.filePath("no/such/dir/t.txt"), full});
    EXPECT_EQ(unwritable.code, 0);
    ASSERT_EQ(unwritable.err.size(), 2);
    EXPECT_TRUE(unwritable.err[0].startsWith("Trace not written: ")) << unwritable.err.join('|').toStdString();
    EXPECT_EQ(unwritable.err[1], "Successed!!");
}

}  // namespace
}  // namespace wrk7::cli
