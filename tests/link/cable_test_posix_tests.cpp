#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "link/cable_test.h"
#include "link/serial_trace.h"
#include "link_support.h"
#include "platform/pseudo_terminal.h"

namespace wrk7::link {
namespace {

// The far end of a pseudo-terminal standing in for the cable: it sends back
// what it is sent through change, from a thread, until it goes.
class FarEnd {
public:
    using Change = std::string (*)(std::string_view got, std::size_t& total);
    explicit FarEnd(Change change) : change_(change) {
        std::string error;
        EXPECT_TRUE(pty_.Open({}, error)) << error;
        thread_ = std::thread([this] { Serve(); });
    }
    ~FarEnd() {
        stop_ = true;
        thread_.join();
    }
    const std::string& Path() const { return pty_.DevicePath(); }

private:
    void Serve() {
        std::size_t total = 0;
        char buffer[256];
        while (!stop_) {
            if (pty_.Wait(false, std::chrono::milliseconds(5)) != platform::PseudoTerminal::Wake::kInput) continue;
            std::string answer = change_(std::string_view(buffer, pty_.Read(buffer, sizeof buffer)), total);
            for (std::string_view rest = answer; !rest.empty() && !stop_;) rest.remove_prefix(pty_.Write(rest));
        }
    }
    platform::PseudoTerminal pty_;
    Change change_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

std::string Echo(std::string_view got, std::size_t&) { return std::string(got); }
std::string Silent(std::string_view, std::size_t&) { return {}; }
// A wrong speed as the far end hears it: every byte comes back, none right.
std::string Garbled(std::string_view got, std::size_t&) {
    std::string out(got);
    for (char& c : out) c = static_cast<char>(c ^ 0x5A);
    return out;
}
// A wire that drops out after the first 100 bytes.
std::string First100(std::string_view got, std::size_t& total) {
    const std::size_t take = total < 100 ? std::min<std::size_t>(100 - total, got.size()) : 0;
    total += got.size();
    return std::string(got.substr(0, take));
}

TEST(CableTest, WhatCameBackTellsWhatIsWrong) {
    using Out = CableOutcome;
    enum class End { kEmulator, kRefusingEmulator, kPty, kNoDevice };
    const struct {
        End end;
        FarEnd::Change change;
        CableTest test;
        Out outcome;
        const char* said;  // part of what the description says
    } cases[] = {
        {End::kEmulator, nullptr, CableTest::kAskReceiver, Out::kAccepted,
         "Came back (16 bytes): KV~WR-K7J<CR><CR><LF>OK<CR><LF>"},
        {End::kRefusingEmulator, nullptr, CableTest::kAskReceiver, Out::kRefused, "refused it (RE)"},
        {End::kPty, Echo, CableTest::kLoopback, Out::kLoopWhole, "All 512 bytes sent came back unchanged"},
        {End::kPty, Echo, CableTest::kAskReceiver, Out::kEchoOnly, "Came back (10 bytes): KV~WR-K7J<CR>\n"},
        {End::kPty, Silent, CableTest::kAskReceiver, Out::kSilence, "Came back: nothing"},
        {End::kPty, Silent, CableTest::kLoopback, Out::kLoopNothing, "None of the 512 bytes"},
        {End::kPty, Garbled, CableTest::kAskReceiver, Out::kGarbage, "Came back (10 bytes): <11><0C>$"},
        {End::kPty, Garbled, CableTest::kLoopback, Out::kLoopWrong,
         "First difference at offset 0: sent <00><01><02><03><04><05><06><07>, came back Z[XY^_\\]"},
        {End::kPty, First100, CableTest::kLoopback, Out::kLoopPart, "Only 100 of the 512 bytes sent came back, the first 100"},
        {End::kNoDevice, nullptr, CableTest::kAskReceiver, Out::kPortNotOpened, "/nonexistent/tty could not be opened"},
    };
    for (const auto& c : cases) {
        std::unique_ptr<FarEnd> far;
        std::unique_ptr<SerialPort> port;
        if (c.end == End::kPty) {
            far = std::make_unique<FarEnd>(c.change);
            port = MakeDevicePort(far->Path());
        } else if (c.end == End::kNoDevice) {
            port = MakeDevicePort("/nonexistent/tty");
        } else {
            port = emu::MakeDemoEmulatorPort(0, c.end == End::kRefusingEmulator ? test::Faults({"refuse-id"})
                                                                                : emu::FaultPlan{});
        }
        SerialTrace trace;
        const CableTestResult r = RunCableTest(c.test, *port, 0, {std::chrono::milliseconds(200), &trace});
        std::string said;
        for (const Message& m : DescribeCableTest(r)) said += m.English() + "\n";
        SCOPED_TRACE(said + trace.Text());
        EXPECT_EQ(r.outcome, c.outcome);
        EXPECT_NE(said.find(c.said), std::string::npos);
        EXPECT_FALSE(port->IsOpen()) << "left to a transfer or another program";
        // The trace holds what went out, or why nothing did.
        const bool opened = c.outcome != Out::kPortNotOpened;
        EXPECT_NE(trace.Text().find(opened ? "> " + EscapeLineChars(r.sent) + "\n" : "! port error"), std::string::npos);
    }
}

}  // namespace
}  // namespace wrk7::link
