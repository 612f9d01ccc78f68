// The serial trace: how characters are shown, how lines are joined, and what
// the tracing port records of a real exchange, a deadline and a port error.
#include <gtest/gtest.h>

#include <algorithm>

#include "link/serial_trace.h"
#include "link_support.h"

namespace wrk7::link {
namespace {

using test::Bench;
using test::Quick;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1)
        lines.push_back(text.substr(start, nl - start));
    EXPECT_EQ(start, text.size()) << "the last line ends with a newline";
    return lines;
}

// The marker and what follows it, without the time.
std::string Body(const std::string& line) { return line.size() > 13 ? line.substr(13) : line; }

TEST(SerialTrace, ShowsControlCharactersAndJoinsARunOfReceipts) {
    EXPECT_EQ(EscapeLineChars(std::string("KV~\r\n\x01\\ok\x7F\xE9", 11)), "KV~\\r\\n\\x01\\\\ok\\x7F\\xE9");

    SerialTrace trace;
    trace.Comment("port: emulator");
    trace.Sent("KV~IM\r");
    trace.Received("KV~I");
    trace.Received("M\r\r\nOK\r\n");
    trace.Event("deadline: 12 characters since the command");
    trace.Received("late");
    trace.Result("Successed!!");
    const auto lines = Lines(trace.Text());
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "# port: emulator");
    EXPECT_EQ(Body(lines[1]), "> KV~IM\\r");
    EXPECT_EQ(Body(lines[2]), "< KV~IM\\r\\r\\nOK\\r\\n");
    EXPECT_EQ(Body(lines[3]), "! deadline: 12 characters since the command");
    EXPECT_EQ(Body(lines[4]), "< late");
    EXPECT_EQ(Body(lines[5]), "= Successed!!");
    // Times run from the start and never go back.
    double last = -1;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const double ms = std::stod(lines[i].substr(0, 12));
        EXPECT_GE(ms, last);
        last = ms;
    }
}

TEST(SerialTrace, ATransferRecordsTheLineRetriesDeadlinesAndItsResult) {
    emu::FaultPlan silent;
    silent.silentAfter = 3;  // settings block 1 is never answered
    Bench bench(0, silent);
    SerialTrace trace;
    CloneImage image = bench.demo;
    const LinkResult result = RunTraced("read settings", *bench.port, trace, Quick(),
                                        [&](SerialPort& port, const LinkOptions& options) {
                                            return ReadSettingsSequence(image, port, options);
                                        });
    EXPECT_EQ(result.messages, (std::vector<std::string>{"COM Port Error", "Read Failed..."}));
    const auto lines = Lines(trace.Text());
    ASSERT_GT(lines.size(), 12u);
    EXPECT_EQ(lines[0], "# wrk7 serial trace: read settings");
    EXPECT_EQ(lines[1], "# port: emulator");
    EXPECT_EQ(Body(lines[4]), "! open emulator");
    EXPECT_EQ(Body(lines[5]), "> KV~WR-K7J\\r");
    EXPECT_EQ(Body(lines[6]), "< KV~WR-K7J\\r\\r\\nOK\\r\\n");
    const auto at = [&](const std::string& body) {
        return std::find_if(lines.begin(), lines.end(), [&](const std::string& l) { return Body(l) == body; });
    };
    auto firstTry = at("> KV~F00020R\\r");
    ASSERT_NE(firstTry, lines.end());
    EXPECT_EQ(Body(firstTry[1]), "! deadline: 0 characters since the command");
    EXPECT_EQ(Body(firstTry[2]), "! try 1 of 10 failed: fewer than 68 characters (ERROR01); sending again");
    const std::vector<std::string> tail(lines.end() - 4, lines.end());
    EXPECT_EQ(Body(tail[0]), "! try 10 of 10 failed: fewer than 68 characters (ERROR01); giving up");
    EXPECT_EQ(Body(tail[1]), "= result 1");
    EXPECT_EQ(Body(tail[2]), "= COM Port Error");
    EXPECT_EQ(Body(tail[3]), "= Read Failed...");

    auto missing = MakeDevicePort("/dev/no-such-serial-port");
    SerialTrace faults;
    auto tracedMissing = MakeTracingPort(*missing, faults);
    EXPECT_FALSE(tracedMissing->Open());
    EXPECT_FALSE(tracedMissing->Open());
    EXPECT_EQ(Lines(faults.Text()).size(), 1u) << "one error, told once";
    EXPECT_NE(faults.Text().find("! port error: /dev/no-such-serial-port: No such file"), std::string::npos);
}

TEST(SerialTrace, AFullReadsTraceHoldsEveryCommandInWellUnderAMebibyte) {
    Bench bench;
    SerialTrace trace;
    CloneImage image = bench.demo;
    const LinkResult result = RunTraced(TransferTitle(false, Part::kAll, false), *bench.port, trace, Quick(),
                                        [&](SerialPort& port, const LinkOptions& options) {
                                            return ReadAll(image, port, options);
                                        });
    ASSERT_TRUE(result.ok());
    const auto lines = Lines(trace.Text());
    const auto sent = std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return Body(l)[0] == '>'; });
    EXPECT_EQ(sent, bench.receiver->CommandCount());
    EXPECT_LT(trace.Text().size(), 512u * 1024u) << trace.Text().size() << " bytes";
    EXPECT_EQ(lines[0], "# wrk7 serial trace: read all");
    EXPECT_EQ(TransferTitle(false, Part::kMemory, true), "read memory (quick)");
    EXPECT_EQ(TransferTitle(false, Part::kSettings, true), "read settings") << "nothing to be quick about";
    EXPECT_EQ(TransferTitle(true, Part::kAll, true), "write all");
}

}  // namespace
}  // namespace wrk7::link
