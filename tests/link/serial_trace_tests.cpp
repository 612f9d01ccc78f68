// The serial trace: how characters are shown, how lines are joined, and what
// the tracing port records of a real exchange, a deadline and a port error.
#include <gtest/gtest.h>

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

TEST(SerialTrace, ThePortRecordsTheLineItsDeadlinesAndItsErrors) {
    emu::FaultPlan silent;
    silent.silentAfter = 3;
    Bench bench(0, silent);
    SerialTrace trace;
    auto traced = MakeTracingPort(*bench.port, trace);
    CloneImage image = bench.demo;
    ReadSettingsSequence(image, *traced, Quick());
    const auto lines = Lines(trace.Text());
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(Body(lines[0]), "! open emulator");
    EXPECT_EQ(Body(lines[1]), "> KV~WR-K7J\\r");
    EXPECT_EQ(Body(lines[2]), "< KV~WR-K7J\\r\\r\\nOK\\r\\n");
    EXPECT_EQ(Body(lines.back()), "! deadline: 0 characters since the command");

    auto missing = MakeDevicePort("/dev/no-such-serial-port");
    SerialTrace faults;
    auto tracedMissing = MakeTracingPort(*missing, faults);
    EXPECT_FALSE(tracedMissing->Open());
    EXPECT_FALSE(tracedMissing->Open());
    EXPECT_EQ(Lines(faults.Text()).size(), 1u) << "one error, told once";
    EXPECT_NE(faults.Text().find("! port error: /dev/no-such-serial-port: No such file"), std::string::npos);
}

}  // namespace
}  // namespace wrk7::link
