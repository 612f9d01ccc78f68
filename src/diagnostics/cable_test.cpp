#include "diagnostics/cable_test.h"

#include <algorithm>
#include <memory>

#include "core/char_escapes.h"
#include "core/models.h"
#include "diagnostics/diagnostic_messages.h"
#include "link/link_operations.h"
#include "link/serial_trace.h"

namespace wrk7::diagnostics {

using link::Clock;

namespace {

constexpr std::string_view kOkFrame = "\r\nOK\r\n";
constexpr std::string_view kReFrame = "\r\nRE\r\n";
// 8N1: a start bit, eight data bits and a stop bit for every byte.
constexpr long long kBitsPerByte = 10;
constexpr long long kBaud = 38400;
// Beyond this many bytes a line shows the start of what came back only.
constexpr std::size_t kShownBytes = 64;
// Reads that take what waits at the deadline, at most.
constexpr std::size_t kDrainReads = 64;
// A line this long without a byte is quiet: the receiver's gap within an
// answer is far shorter.
constexpr std::chrono::milliseconds kQuietGap{30};
// Bytes the first difference shows of each side.
constexpr std::size_t kDifferenceBytes = 8;

bool EndsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

// Collects what arrives until done says so or the deadline passes; false
// when the port failed meanwhile. want: the bytes done needs at least, a
// hint that spares the port a wake-up per byte.
template <typename Done>
bool Collect(SerialPort& port, Clock::time_point deadline, std::size_t want, std::string& received, Done done) {
    for (;;) {
        received += port.ReadAvailable();
        if (port.HasFault()) return false;
        if (done(received)) return true;
        port.ExpectAtLeast(received.size() < want ? want - received.size() : 1);
        const SerialPort::Wait wait = port.WaitForData(deadline);
        if (wait == SerialPort::Wait::kFault) return false;
        if (wait == SerialPort::Wait::kTimeout) {
            // One read may not take all that is waiting (a tty hands it over
            // in pieces while fewer than the characters hinted are in), and
            // what arrived by the deadline counts. Bounded, as noise never
            // stops arriving.
            for (std::size_t tries = 0; tries < kDrainReads; ++tries) {
                const std::string more = port.ReadAvailable();
                if (more.empty()) break;
                received += more;
            }
            return !port.HasFault();
        }
    }
}

CableOutcome ClassifyLoopback(std::string_view sent, std::string_view received) {
    if (received.empty()) return CableOutcome::kLoopNothing;
    if (received == sent) return CableOutcome::kLoopWhole;
    return received.size() < sent.size() ? CableOutcome::kLoopPart : CableOutcome::kLoopWrong;
}

// Judged by the end, as a transfer judges its answers: a stray byte ahead of
// the echo (an adapter waking up) does not keep the line from working.
CableOutcome ClassifyAnswer(std::string_view command, std::string_view received) {
    if (received.empty()) return CableOutcome::kSilence;
    const std::string echo(command);
    if (EndsWith(received, echo + std::string(kOkFrame))) return CableOutcome::kAccepted;
    if (EndsWith(received, echo + std::string(kReFrame))) return CableOutcome::kRefused;
    if (EndsWith(received, echo)) return CableOutcome::kEchoOnly;
    return CableOutcome::kGarbage;
}

std::size_t MatchingPrefix(std::string_view a, std::string_view b) {
    const auto [ia, ib] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    return static_cast<std::size_t>(ia - a.begin());
}

std::string Title(CableTest test, int model) {
    if (test == CableTest::kLoopback) return "cable test: loopback";
    return "cable test: ask the receiver (" + std::string(Model(model).name) + ")";
}

std::string OutcomeName(CableOutcome outcome) {
    switch (outcome) {
        case CableOutcome::kPortNotOpened: return "port not opened";
        case CableOutcome::kPortFailed: return "port failed";
        case CableOutcome::kLoopWhole: return "loopback whole";
        case CableOutcome::kLoopNothing: return "loopback: nothing back";
        case CableOutcome::kLoopPart: return "loopback: part back";
        case CableOutcome::kLoopWrong: return "loopback: wrong bytes";
        case CableOutcome::kAccepted: return "echo and OK";
        case CableOutcome::kRefused: return "echo and RE";
        case CableOutcome::kEchoOnly: return "echo without a reply";
        case CableOutcome::kSilence: return "silence";
        case CableOutcome::kGarbage: return "garbage";
    }
    return "?";
}

CableTestResult Run(CableTest test, SerialPort& port, int model, const CableTestOptions& options) {
    CableTestResult result;
    result.test = test;
    result.model = model;
    result.port = port.Name();
    if (!port.IsOpen() && options.heldElsewhere && options.heldElsewhere(result.port)) {
        result.portError = "another program holds it; close that program and test again";
        return result;
    }
    if (!port.IsOpen() && !port.Open()) {
        result.portError = port.ErrorText();
        return result;
    }
    const bool loopback = test == CableTest::kLoopback;
    result.sent = loopback ? LoopbackPattern() : link::IdentificationCommand(model);
    // What was waiting, or still arrives (a receiver answering the pattern of
    // a loopback test just before), is no answer to this: taken off until
    // the line is quiet, within the reply deadline.
    const Clock::time_point settle = Clock::now() + options.replyDeadline;
    port.ExpectAtLeast(1);
    for (port.ReadAvailable(); !port.HasFault() && Clock::now() < settle; port.ReadAvailable())
        if (port.WaitForData(std::min(settle, Clock::now() + kQuietGap)) != SerialPort::Wait::kData) break;
    bool alive = !port.HasFault() && port.Write(result.sent);
    if (alive) {
        const std::chrono::milliseconds wait =
            loopback ? LoopbackDeadline(result.sent.size(), options.replyDeadline) : options.replyDeadline;
        const Clock::time_point deadline = Clock::now() + wait;
        if (loopback) {
            // To the deadline even once the pattern is in: bytes after it
            // mean something else answers on the line.
            alive = Collect(port, deadline, result.sent.size(), result.received,
                            [](const std::string&) { return false; });
        } else {
            const std::string command = result.sent;
            alive = Collect(port, deadline, command.size() + kOkFrame.size(), result.received,
                            [&command](const std::string& got) {
                                const CableOutcome now = ClassifyAnswer(command, got);
                                return now == CableOutcome::kAccepted || now == CableOutcome::kRefused;
                            });
        }
    }
    if (!alive) {
        result.outcome = CableOutcome::kPortFailed;
        result.portError = port.ErrorText();
    } else {
        result.outcome = loopback ? ClassifyLoopback(result.sent, result.received)
                                  : ClassifyAnswer(result.sent, result.received);
    }
    return result;
}

}  // namespace

link::LinkOutcome CableTestResult::ExitOutcome() const {
    if (Passed()) return link::LinkOutcome::kOk;
    return outcome == CableOutcome::kRefused ? link::LinkOutcome::kRefused : link::LinkOutcome::kFailed;
}

std::string LoopbackPattern() {
    std::string pattern;
    pattern.reserve(512);
    for (int b = 0; b < 256; ++b) pattern += static_cast<char>(b);
    for (int b = 255; b >= 0; --b) pattern += static_cast<char>(b);
    return pattern;
}

std::chrono::milliseconds LoopbackDeadline(std::size_t bytes, std::chrono::milliseconds margin) {
    const long long lineMs = (static_cast<long long>(bytes) * kBitsPerByte * 1000 + kBaud - 1) / kBaud;
    return std::chrono::milliseconds(lineMs) + margin;
}

CableTestResult RunCableTest(CableTest test, SerialPort& port, int model, const CableTestOptions& options) {
    CableTestResult result;
    if (options.trace) {
        SerialTrace& trace = *options.trace;
        link::TraceHeading(Title(test, model), port, trace);
        const std::unique_ptr<SerialPort> traced = link::MakeTracingPort(port, trace);
        result = Run(test, *traced, model, options);
        trace.Result(OutcomeName(result.outcome));
        for (const Message& said : DescribeCableTest(result)) trace.Result(said.English());
    } else {
        result = Run(test, port, model, options);
    }
    // A port held open would keep a transfer, or another program, off it.
    port.Close();
    return result;
}

std::string ShowLineBytes(std::string_view bytes) {
    static const CharEscapes kShown{{{'\r', "<CR>"}, {'\n', "<LF>"}}, "<%02X>", true};
    return EscapeChars(bytes, kShown);
}

std::vector<Message> DescribeCableTest(const CableTestResult& r) {
    using Id = DiagnosticId;
    if (r.outcome == CableOutcome::kPortNotOpened) return {Say(Id::kCablePortNotOpened, r.port, r.portError)};
    std::vector<Message> said;
    if (r.outcome == CableOutcome::kPortFailed) said.push_back(Say(Id::kCablePortFailed, r.port, r.portError));
    const auto count = static_cast<long long>(r.received.size());
    if (r.received.empty()) {
        said.push_back(Say(Id::kNothingCameBack));
    } else if (r.received.size() <= kShownBytes) {
        said.push_back(SayCount(Id::kCameBack, count, ShowLineBytes(r.received)));
    } else {
        said.push_back(Say(Id::kCameBackFirst, static_cast<int>(r.received.size()), static_cast<int>(kShownBytes),
                           ShowLineBytes(std::string_view(r.received).substr(0, kShownBytes))));
    }
    const std::string modelName(Model(r.model).name);
    const int sent = static_cast<int>(r.sent.size());
    const int back = static_cast<int>(r.received.size());
    const std::size_t same = MatchingPrefix(r.sent, r.received);
    switch (r.outcome) {
        case CableOutcome::kPortNotOpened:
        case CableOutcome::kPortFailed: break;
        case CableOutcome::kLoopWhole: said.push_back(Say(Id::kLoopWhole, sent)); break;
        case CableOutcome::kLoopNothing: said.push_back(Say(Id::kLoopNothing, sent)); break;
        case CableOutcome::kLoopPart:
        case CableOutcome::kLoopWrong:
            said.push_back(Say(r.outcome == CableOutcome::kLoopPart ? Id::kLoopPart : Id::kLoopWrong, back, sent,
                               static_cast<int>(same)));
            // Past the end of one side there is no byte to set against the other.
            if (same < r.sent.size() && same < r.received.size()) {
                const std::string where = std::to_string(same);
                said.push_back(Say(Id::kLoopFirstDifference, where,
                                   ShowLineBytes(std::string_view(r.sent).substr(same, kDifferenceBytes)),
                                   ShowLineBytes(std::string_view(r.received).substr(same, kDifferenceBytes))));
            }
            break;
        case CableOutcome::kAccepted: said.push_back(Say(Id::kAskAccepted, modelName)); break;
        case CableOutcome::kRefused: said.push_back(Say(Id::kAskRefused, modelName)); break;
        case CableOutcome::kEchoOnly: said.push_back(Say(Id::kAskEchoOnly, modelName)); break;
        case CableOutcome::kSilence: said.push_back(Say(Id::kAskSilence)); break;
        case CableOutcome::kGarbage: said.push_back(Say(Id::kAskGarbage)); break;
    }
    return said;
}

}  // namespace wrk7::diagnostics
