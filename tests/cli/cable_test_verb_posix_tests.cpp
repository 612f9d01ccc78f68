// wrk7 ports --test against the built-in emulator and `wrk7 emulate` on a
// pseudo-terminal.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "cli_support.h"
#include "files/rich_image.h"

namespace wrk7::cli {
namespace {

using namespace test;
using wrk7::testing::ReadAll;

TEST(CableTestVerb, ExitStatusAndWhatCameBack) {
    QTemporaryDir dir;
    QProcess refusing;
    refusing.start(Wrk7Path(), {"emulate", "--fault", "refuse-id"});
    ASSERT_TRUE(refusing.waitForReadyRead(10000));
    const QString pty = QString::fromUtf8(refusing.readLine()).trimmed().mid(5);  // "PORT /dev/pts/N"
    const QString trace = dir.filePath("trace.txt");
    const struct {
        QStringList args;
        int code;
        QString last;  // the meaning, the last line written
    } cases[] = {
        {{"--test", "emulator", "--trace", trace}, kExitOk,
         "The receiver echoed the identification of the WR-K7J and accepted it (OK): the cable, the port and the "
         "model are right."},
        {{"--test", pty, "--model", "wr-k70e"}, kExitRefused,
         "The receiver echoed the identification of the WR-K70E and refused it (RE): it is of another model or "
         "region. Choose the model it is."},
        // A receiver on the line is no loopback: its answers come back too.
        {{"--test", pty, "--loopback"}, kExitFailure,
         "First difference at offset 14: sent <0E><0F><10><11><12><13><14><15>, came back <CR><LF>RE<CR><LF><0E><0F>."},
        {{"--test", "emulator", "--model", "WR-K9"}, kExitUsage, ""},
    };
    for (const auto& c : cases) {
        const Ran r = InProcess(QStringList{"ports"} + c.args);
        SCOPED_TRACE((r.out + r.err).join('\n').toStdString());
        EXPECT_EQ(r.code, c.code);
        EXPECT_EQ(r.out.isEmpty() ? QString() : r.out.last(), c.last);
    }
    EXPECT_TRUE(ReadAll(trace).contains("> KV~WR-K7J\\r\n")) << ReadAll(trace).toStdString();
    refusing.terminate();
    EXPECT_TRUE(refusing.waitForFinished(10000));
}

}  // namespace
}  // namespace wrk7::cli
