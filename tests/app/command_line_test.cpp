// The command line before there is a QApplication: Qt's own options are put
// aside as QApplication would take them, so --help and a wrong argument are
// answered the same with them or without.
#include <gtest/gtest.h>

#include <QStringList>

#include "app/window/command_line.h"

namespace wrk7 {
namespace {

TEST(CommandLineTest, QtsOwnOptionsArePutAsideBeforeTheCommandLineIsRead) {
    const struct {
        QStringList given;
        QStringList left;
    } cases[] = {
        {{"wrk7-clone", "-platform", "offscreen", "x.WK7"}, {"wrk7-clone", "x.WK7"}},
        {{"wrk7-clone", "--platform", "xcb", "--help"}, {"wrk7-clone", "--help"}},
        {{"wrk7-clone", "-style=fusion", "-reverse", "--port", "emulator"}, {"wrk7-clone", "--port", "emulator"}},
        {{"wrk7-clone", "-stylesheet", "a.qss", "-qmljsdebugger=port:1", "-widgetcount"}, {"wrk7-clone"}},
        // Ours, and what no one knows, stay for the parse to judge.
        {{"wrk7-clone", "-h", "--lang", "ja", "--bogus"}, {"wrk7-clone", "-h", "--lang", "ja", "--bogus"}},
        {{"wrk7-clone", "-platformX", "a.WK7"}, {"wrk7-clone", "-platformX", "a.WK7"}},
        {{"wrk7-clone", "x.WK7", "-style"}, {"wrk7-clone", "x.WK7", "-style"}},  // no value: Qt leaves it too
        // The program's own name is never an option.
        {{"-platform", "offscreen"}, {"-platform", "offscreen"}},
    };
    for (const auto& c : cases) EXPECT_EQ(WithoutQtOptions(c.given), c.left) << c.given.join(' ').toStdString();
}

}  // namespace
}  // namespace wrk7
