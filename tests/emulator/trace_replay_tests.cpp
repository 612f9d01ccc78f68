// A trace made under each of the emulator's faults, replayed: the same
// transfer against the replay ends as the traced one did.
#include <gtest/gtest.h>

#include "codecs/new_image.h"
#include "emulator/emulator_port.h"
#include "emulator/memory_image.h"
#include "emulator/trace_replay.h"
#include "link/serial_trace.h"

namespace wrk7::emu {
namespace {

struct TransferRun {
    link::LinkResult result;
    CloneImage image;
    std::string trace;
};

TransferRun Traced(link::SerialPort& port, bool write) {
    TransferRun run;
    NewCloneImage(run.image);
    const CloneImage demo = DemoImage(0);
    link::SerialTrace trace;
    run.result = link::RunTraced(write ? "write all" : "read all", port, trace, {},
                                 [&](link::SerialPort& p, const link::LinkOptions& o) {
                                     return write ? link::WriteAll(demo, p, o) : link::ReadAll(run.image, p, o);
                                 });
    run.trace = trace.Text();
    return run;
}

std::vector<std::string> Said(const link::LinkResult& r) {
    std::vector<std::string> lines;
    for (const Message& m : r.messages) lines.push_back(m.English());
    return lines;
}

TEST(TraceReplay, EndsAsTheTracedTransferDid) {
    struct Case {
        const char* fault;  // "" for a receiver without fault
        bool write;
    };
    const Case cases[] = {
        {"", false},          {"", true},
        {"refuse-id", false}, {"silent-after=40", false},
        {"drop=5", false},    {"garbage=7", false},
        {"split", false},
        {"hangup-after=40", false}, {"hangup-after=300", true},
        {"re-on=00100", true},
    };
    for (const Case& c : cases) {
        FaultPlan faults;
        std::string error;
        ASSERT_TRUE(!*c.fault || AddFault(faults, c.fault, error)) << error;
        const auto original = MakeDemoEmulatorPort(0, faults);
        const TransferRun traced = Traced(*original, c.write);
        const std::optional<TraceScript> script = ParseTrace(traced.trace, error);
        ASSERT_TRUE(script) << c.fault << ": " << error;
        EmulatorPort replay(std::make_shared<ReplayReceiver>(*script, false));
        const TransferRun again = Traced(replay, c.write);
        EXPECT_EQ(again.result.outcome, traced.result.outcome) << c.fault;
        EXPECT_EQ(Said(again.result), Said(traced.result)) << c.fault << "\n" << again.trace;
        if (traced.result.ok() && !c.write) {
            EXPECT_EQ(again.image, traced.image) << c.fault;
        }
    }
}

TEST(TraceReplay, ACommandTheTraceDoesNotHoldGetsSilence) {
    std::string error;
    const std::string trace =
        "# wrk7 serial trace: read all\n"
        "       0.100 > KV~WR-K7J\\r\n"
        "       0.300 < KV~WR-K7J\\r\\r\\nOK\\r\\n\n"
        "       1.000 > KV~F00100R\\r\n"
        "       1.200 < KV~F00100R\\r\\r\\n\\x00garbage\n"
        "       1.500 ! port error: /dev/ttyUSB0: Input/output error\n";
    std::optional<TraceScript> script = ParseTrace(trace, error);
    ASSERT_TRUE(script) << error;
    ReplayReceiver replay(*script, false);
    auto text = [&](std::string_view command) {
        std::string out;
        for (const Piece& p : replay.Receive(command)) out += p.bytes;
        return out;
    };
    EXPECT_EQ(text("KV~F00A00R\r"), "") << "not in the trace";
    EXPECT_EQ(text("KV~WR-K7J\r"), "KV~WR-K7J\r\r\nOK\r\n");
    EXPECT_EQ(text("KV~WR-K7J\r"), "") << "held once only";
    EXPECT_FALSE(replay.HungUp());
    EXPECT_EQ(text("KV~F00100R\r"), std::string("KV~F00100R\r\r\n\0garbage", 21));
    EXPECT_TRUE(replay.HungUp());
    EXPECT_EQ(replay.UnknownCommands(), 2);
    for (const char* notATrace : {"", "# only a heading\n", "hello\nworld\n"}) EXPECT_FALSE(ParseTrace(notATrace, error)) << notATrace;
}

}  // namespace
}  // namespace wrk7::emu
