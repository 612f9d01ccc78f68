#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "diagnostics/cable_test.h"
#include "link/serial_trace.h"
#include "link/link_support.h"
#include "platform/pseudo_terminal.h"

namespace wrk7::diagnostics {
namespace {

// The far end of a pseudo-terminal standing in for the cable, served from a
// thread: of what it is sent, the first `echoed` bytes come back, each XOR flip.
struct FarEnd {
    platform::PseudoTerminal pty;
    std::atomic<bool> stop{false};
    std::thread thread;
    FarEnd(std::size_t echoed, char flip) {
        std::string error;
        EXPECT_TRUE(pty.Open({}, error)) << error;
        thread = std::thread([this, echoed, flip] {
            char buffer[256];
            for (std::size_t total = 0; !stop;) {
                if (pty.Wait(false, std::chrono::milliseconds(5)) != platform::PseudoTerminal::Wake::kInput) continue;
                const std::size_t got = pty.Read(buffer, sizeof buffer);
                std::string back(buffer, std::min(got, echoed - std::min(echoed, total)));
                total += got;
                for (char& c : back) c = static_cast<char>(c ^ flip);
                for (std::string_view rest = back; !rest.empty() && !stop;) rest.remove_prefix(pty.Write(rest));
            }
        });
    }
    ~FarEnd() {
        stop = true;
        thread.join();
    }
};

TEST(CableTest, WhatCameBackTellsWhatIsWrong) {
    using Out = CableOutcome;
    enum class End { kEmulator, kRefusingEmulator, kPty, kNoDevice, kHeld };
    constexpr std::size_t kAll = SIZE_MAX;
    const struct {
        End end;
        std::size_t echoed;  // on a pseudo-terminal
        char flip;           // a wrong speed as the far end hears it: every byte, none right
        CableTest test;
        Out outcome;
        const char* said;  // part of what the description says
    } cases[] = {
        {End::kEmulator, 0, 0, CableTest::kAskReceiver, Out::kAccepted,
         "Came back (16 bytes): KV~WR-K7J<CR><CR><LF>OK<CR><LF>"},
        {End::kRefusingEmulator, 0, 0, CableTest::kAskReceiver, Out::kRefused, "refused it (RE)"},
        {End::kPty, kAll, 0, CableTest::kLoopback, Out::kLoopWhole, "All 512 bytes sent came back unchanged"},
        {End::kPty, kAll, 0, CableTest::kAskReceiver, Out::kEchoOnly, "Came back (10 bytes): KV~WR-K7J<CR>\n"},
        {End::kPty, 0, 0, CableTest::kAskReceiver, Out::kSilence, "Came back: nothing"},
        {End::kPty, 0, 0, CableTest::kLoopback, Out::kLoopNothing, "None of the 512 bytes"},
        {End::kPty, kAll, 0x5A, CableTest::kAskReceiver, Out::kGarbage, "Came back (10 bytes): <11><0C>$"},
        {End::kPty, kAll, 0x5A, CableTest::kLoopback, Out::kLoopWrong,
         "First difference at offset 0: sent <00><01><02><03><04><05><06><07>, came back Z[XY^_\\]"},
        // A wire that drops out.
        {End::kPty, 100, 0, CableTest::kLoopback, Out::kLoopPart, "Only 100 of the 512 bytes sent came back, the first 100"},
        {End::kNoDevice, 0, 0, CableTest::kAskReceiver, Out::kPortNotOpened, "/nonexistent/tty could not be opened"},
        // Another program's bytes would be blamed on the cable.
        {End::kHeld, kAll, 0, CableTest::kLoopback, Out::kPortNotOpened, "another program holds it"},
    };
    for (const auto& c : cases) {
        std::unique_ptr<FarEnd> far;
        std::unique_ptr<SerialPort> port;
        if (c.end == End::kPty || c.end == End::kHeld) {
            far = std::make_unique<FarEnd>(c.echoed, c.flip);
            port = link::MakeDevicePort(far->pty.DevicePath());
        } else if (c.end == End::kNoDevice) {
            port = link::MakeDevicePort("/nonexistent/tty");
        } else {
            port = emu::MakeDemoEmulatorPort(0, c.end == End::kRefusingEmulator ? link::test::Faults({"refuse-id"})
                                                                                : emu::FaultPlan{});
        }
        SerialTrace trace;
        CableTestOptions options;
        options.replyDeadline = std::chrono::milliseconds(200);
        options.trace = &trace;
        const std::string device = c.end == End::kHeld ? port->Name() : std::string();
        options.heldElsewhere = [&device](const std::string& asked) { return asked == device; };
        const CableTestResult r = RunCableTest(c.test, *port, 0, options);
        std::string said;
        for (const Message& m : DescribeCableTest(r)) said += m.English() + "\n";
        SCOPED_TRACE(said + trace.Text());
        EXPECT_EQ(r.outcome, c.outcome);
        EXPECT_NE(said.find(c.said), std::string::npos);
        EXPECT_FALSE(port->IsOpen()) << "left to a transfer or another program";
        // The trace holds what went out, or why nothing did.
        const std::string why = c.end == End::kHeld ? "another program holds it" : "! port error";
        EXPECT_NE(trace.Text().find(r.sent.empty() ? why : "> " + link::EscapeLineChars(r.sent) + "\n"),
                  std::string::npos);
    }
}

}  // namespace
}  // namespace wrk7::diagnostics
