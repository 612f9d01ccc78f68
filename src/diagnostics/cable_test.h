#pragma once
#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/message.h"
#include "link/link_operations.h"
#include "link/serial_port.h"

namespace wrk7::link {
class SerialTrace;
}

namespace wrk7::diagnostics {

using link::SerialPort;
using link::SerialTrace;

// Two checks of the line before a transfer, for a user whose transfers fail
// and who cannot tell the port, the adapter, the cable and the receiver
// apart.
enum class CableTest {
    // Transmit and receive joined at the receiver end: a pattern sent must
    // come back whole.
    kLoopback,
    // The receiver on the cable: the identification of the chosen model, sent
    // once, and whatever answers it.
    kAskReceiver,
};

enum class CableOutcome {
    kPortNotOpened,  // the port would not open (its reason in portError)
    kPortFailed,     // the port failed during the test
    // Loopback.
    kLoopWhole,    // the pattern came back unchanged: the pass
    kLoopNothing,  // not a byte came back
    kLoopPart,     // fewer bytes than sent
    kLoopWrong,    // as many or more, but not the pattern
    // Ask the receiver.
    kAccepted,  // echo, then OK: the pass
    kRefused,   // echo, then RE: another model or region
    kEchoOnly,  // the echo alone: the line works, the receiver does not answer
    kSilence,   // nothing at all
    kGarbage,   // neither echo nor reply
};

struct CableTestOptions {
    // Ask the receiver: how long it may take to answer. Loopback: the margin
    // on top of the time the pattern takes on the line at 38400 baud.
    std::chrono::milliseconds replyDeadline{500};
    // Where the line and the outcome are recorded; may be null.
    SerialTrace* trace = nullptr;
    // Whether another program holds the port's device (the port doctor's
    // busy verdict): such a port is not opened, as what that program sends
    // and takes would be blamed on the cable. Unset: not asked.
    std::function<bool(const std::string& device)> heldElsewhere;
};

struct CableTestResult {
    CableTest test = CableTest::kLoopback;
    CableOutcome outcome = CableOutcome::kPortNotOpened;
    int model = 0;
    std::string port;       // the port's name
    std::string sent;       // everything written
    std::string received;   // everything that came back after it
    std::string portError;  // the port's reason, for the two port outcomes

    bool Passed() const { return outcome == CableOutcome::kLoopWhole || outcome == CableOutcome::kAccepted; }
    // kOk on a pass, kRefused for RE, kFailed otherwise: wrk7's exit status,
    // as for a transfer.
    link::LinkOutcome ExitOutcome() const;
};

// 0x00..0xFF up, then down: every value of every bit, including those flow
// control or a 7-bit line would swallow, long enough (512 bytes, 133 ms at
// 38400 baud) that a line dropping now and then misses some of it.
std::string LoopbackPattern();

// The time the pattern takes on the line, plus options.replyDeadline.
std::chrono::milliseconds LoopbackDeadline(std::size_t bytes, std::chrono::milliseconds margin);

// Runs test on port (opened here if it is not open, closed at the end) for
// model, recording into options.trace when there is one. Blocks up to the
// deadline; run it on a worker thread in the desktop program.
CableTestResult RunCableTest(CableTest test, SerialPort& port, int model, const CableTestOptions& options = {});

// bytes for a person: printable ASCII as it is, CR and LF as <CR> and <LF>,
// every other byte as two hex digits in angle brackets (<1B>).
std::string ShowLineBytes(std::string_view bytes);

// What came back and what it means, in the order shown.
std::vector<Message> DescribeCableTest(const CableTestResult& result);

}  // namespace wrk7::diagnostics
