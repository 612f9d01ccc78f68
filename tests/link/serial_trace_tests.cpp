// The serial trace: how characters are shown, how lines are joined, and what
// the tracing port records of a real exchange, a deadline and a port error.
#include <gtest/gtest.h>

#include <algorithm>

#include "link/serial_trace.h"
#include "link_support.h"

namespace wrk7::link {
namespace {

using namespace test;
using Strings = std::vector<std::string>;

// The marker and what follows it, without the time; a comment whole.
std::string Body(const std::string& line) { return line[0] != '#' && line.size() > 13 ? line.substr(13) : line; }

// The lines of text, or their bodies.
Strings Lines(const std::string& text, bool bodies = false) {
    Strings lines;
    std::size_t start = 0;
    for (std::size_t nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1)
        lines.push_back(bodies ? Body(text.substr(start, nl - start)) : text.substr(start, nl - start));
    EXPECT_EQ(start, text.size()) << "the last line ends with a newline";
    return lines;
}

// A transfer of the demo on bench, traced under title.
LinkResult Traced(Bench& bench, SerialTrace& trace, const std::string& title,
                  LinkResult (*run)(CloneImage&, SerialPort&, const LinkOptions&)) {
    CloneImage image = bench.demo;
    return RunTraced(title, *bench.port, trace, Quick(), [&](SerialPort& port, const LinkOptions& o) { return run(image, port, o); });
}

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
    EXPECT_EQ(Lines(trace.Text(), true), (Strings{"# port: emulator", "> KV~IM\\r", "< KV~IM\\r\\r\\nOK\\r\\n",
                                      "! deadline: 12 characters since the command", "< late", "= Successed!!"}));
    // Times run from the start and never go back.
    std::vector<double> times;
    for (std::size_t i = 1; i < lines.size(); ++i) times.push_back(std::stod(lines[i].substr(0, 12)));
    EXPECT_TRUE(times.front() >= 0 && std::ranges::is_sorted(times));
}

TEST(SerialTrace, ATransferRecordsTheLineRetriesDeadlinesAndItsResult) {
    Bench bench(0, Faults({"silent-after=3"}));  // settings block 1 is never answered
    SerialTrace trace;
    const LinkResult result = Traced(bench, trace, "read settings", &ReadSettingsSequence);
    EXPECT_EQ(English(result.messages), (Strings{"COM Port Error", "Read Failed..."}));
    const Strings lines = Lines(trace.Text(), true);
    ASSERT_GT(lines.size(), 12u);
    EXPECT_EQ(Strings(lines.begin(), lines.begin() + 2), (Strings{"# wrk7 serial trace: read settings", "# port: emulator"}));
    EXPECT_EQ(Strings(lines.begin() + 4, lines.begin() + 7),
              (Strings{"! open emulator", "> KV~WR-K7J\\r", "< KV~WR-K7J\\r\\r\\nOK\\r\\n"}));
    const auto firstTry = std::find(lines.begin(), lines.end(), "> KV~F00020R\\r");
    ASSERT_NE(firstTry, lines.end());
    EXPECT_EQ(Strings(firstTry + 1, firstTry + 3),
              (Strings{"! deadline: 0 characters since the command",
                       "! try 1 of 10 failed: fewer than 68 characters (ERROR01); sending again"}));
    EXPECT_EQ(Strings(lines.end() - 4, lines.end()),
              (Strings{"! try 10 of 10 failed: fewer than 68 characters (ERROR01); giving up", "= result 1",
                       "= COM Port Error", "= Read Failed..."}));

    auto missing = MakeDevicePort("/dev/no-such-serial-port");
    SerialTrace faults;
    auto tracedMissing = MakeTracingPort(*missing, faults);
    EXPECT_FALSE(tracedMissing->Open() || tracedMissing->Open());
    EXPECT_EQ(Lines(faults.Text()).size(), 1u) << "one error, told once";
    EXPECT_NE(faults.Text().find("! port error: /dev/no-such-serial-port: No such file"), std::string::npos);
}

TEST(SerialTrace, AFullReadsTraceHoldsEveryCommandInWellUnderAMebibyte) {
    Bench bench;
    SerialTrace trace;
    const LinkResult result = Traced(bench, trace, TransferTitle(TransferDirection::kRead, Part::kAll, false), &ReadAll);
    ASSERT_TRUE(result.ok());
    const auto lines = Lines(trace.Text());
    const auto sent = std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return Body(l)[0] == '>'; });
    EXPECT_EQ(sent, bench.receiver->CommandCount());
    EXPECT_LT(trace.Text().size(), 512u * 1024u) << trace.Text().size() << " bytes";
    // A settings read has nothing to be quick about; nor has a write.
    EXPECT_EQ(TransferTitle(TransferDirection::kRead, Part::kMemory, true) + "|" + TransferTitle(TransferDirection::kRead, Part::kSettings, true) +
                  "|" + TransferTitle(TransferDirection::kWrite, Part::kAll, true), "read memory (quick)|read settings|write all");
}

}  // namespace
}  // namespace wrk7::link
