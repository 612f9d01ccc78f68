// The link verbs' options (--part, --quick, --trace) in-process; wrk7
// emulate on a pseudo-terminal is in link_verbs_posix_tests.cpp.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "cli_support.h"
#include "files/clone_file.h"
#include "files/rich_image.h"
#include "lists/clone_file_load.h"

namespace wrk7::cli {
namespace {

using namespace test;
using namespace wrk7::testing;

TEST(LinkVerbs, OptionsAndTracesWithTheInProcessEmulator) {
    QTemporaryDir dir;
    const QString out = dir.filePath("bank.WK7");
    EXPECT_EQ(Told(InProcess({"read", "--port", "emulator", "--part", "bank", out})), std::pair(0, QStringList{"Successed!!"}));
    CloneImage image;
    ASSERT_TRUE(LoadCloneFile(image, out).ok);
    EXPECT_EQ(image.banks.counts[0], 120) << "the demo's layout";
    EXPECT_TRUE(image.memory.slot[0].IsEmpty()) << "a bank read leaves the channels of the New image";
    EXPECT_EQ(InProcess({"write", "--port", "emulator", "--part", "groups", out}).code, 0);
    // --backup keeps what the receiver held before anything is written, or writes nothing.
    const QString held = dir.filePath("held.WK7"), full = dir.filePath("full.WK7"), fullTrace = dir.filePath("full.txt");
    ASSERT_EQ(InProcess({"read", "--port", "emulator", "--trace", fullTrace, full}).code, 0);
    EXPECT_EQ(InProcess({"write", "--port", "emulator", "--backup", held, out}).err, QStringList{"Successed!!"});
    EXPECT_EQ(ReadAll(held), ReadAll(full));
    const QString nowhere = dir.filePath("no/such/dir/held.WK7");
    EXPECT_EQ(Told(InProcess({"write", "--port", "emulator", "--backup", nowhere, out})),
              std::pair(1, QStringList{"The backup could not be saved (" + nowhere + ": File Open Error); nothing was written."}));
    // --base keeps a note only where the read left the frequency as it was.
    CloneImage base;
    ASSERT_TRUE(LoadCloneFile(base, full).ok);
    base.memory.slot[0].SetText(kNote, "kept");
    base.memory.slot[1].SetText(kNote, "gone");
    base.memory.slot[1].Set(kFreq, base.memory.slot[1].Value(kFreq) + 1);
    const QString noted = dir.filePath("noted.WK7"), reread = dir.filePath("reread.WK7");
    ASSERT_TRUE(SaveCloneFile(base, noted).ok);
    ASSERT_EQ(InProcess({"read", "--port", "emulator", "--base", noted, reread}).code, 0);
    CloneImage back;
    ASSERT_TRUE(LoadCloneFile(back, reread).ok);
    EXPECT_EQ(back.memory.slot[0].Text(kNote) + "|" + back.memory.slot[1].Text(kNote), "kept|");
    // The link verbs' usage errors and a missing file to write: tests/cli, CliTest.

    // A quick read saves the same file, and every transfer can leave a trace.
    const QString quick = dir.filePath("quick.WK7"), quickTrace = dir.filePath("quick.txt");
    EXPECT_EQ(InProcess({"read", "--port", "emulator", "--quick", "--trace", quickTrace, quick}).code, 0);
    EXPECT_EQ(ReadAll(quick), ReadAll(full));  // full: loaded as the base above
    EXPECT_TRUE(ReadAll(fullTrace).startsWith("# wrk7 serial trace: read all\n"));
    EXPECT_TRUE(ReadAll(quickTrace).startsWith("# wrk7 serial trace: read all (quick)\n"));
    EXPECT_LT(ReadAll(quickTrace).count("\n"), ReadAll(fullTrace).count("\n") / 4) << "the demo is sparse";
    EXPECT_TRUE(ReadAll(quickTrace).endsWith("= Successed!!\n"));

    // --quick means nothing to a settings read; a write is traced too, and a
    // trace that cannot be written is told while the transfer's result stands.
    EXPECT_EQ(InProcess({"read", "--port", "emulator", "--part", "settings", "--quick", dir.filePath("s.WK7")}).code, 0);
    const QString writeTrace = dir.filePath("write.txt");
    EXPECT_EQ(InProcess({"write", "--port", "emulator", "--trace", writeTrace, full}).code, 0);
    EXPECT_TRUE(ReadAll(writeTrace).contains("> KV~FINISH\\r\n"));
    const Ran unwritable = InProcess({"write", "--port", "emulator", "--trace", dir.filePath("no/such/dir/t.txt"), full});
    EXPECT_EQ(unwritable.code, 0);
    ASSERT_EQ(unwritable.err.size(), 2);
    EXPECT_TRUE(unwritable.err[0].startsWith("Trace not written: ")) << unwritable.err.join('|').toStdString();
    EXPECT_EQ(unwritable.err[1], "Successed!!");
}

}  // namespace
}  // namespace wrk7::cli
