#include "link/exchange.h"

#include "core/hex.h"
#include "link/serial_trace.h"

namespace wrk7::link {

namespace {

constexpr std::size_t kFrameLength = 68;  // CR LF + 64 digits + CR LF
constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kOkFrame = "\r\nOK\r\n";
constexpr std::string_view kReFrame = "\r\nRE\r\n";
// The trace's note when a port fault ends the retries of a command.
constexpr std::string_view kNoResendAfterFault = "port fault: the command is not sent again";

bool EndsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

// How many characters the answer to command likely has in all: a read's
// frame comes after the echo of the command, once what came so far is that
// echo. Only a hint to the port: the answer is complete by want and its end.
std::size_t LikelyLength(std::string_view command, std::string_view buffer, std::size_t want, bool echoed) {
    const bool echoing = echoed && !buffer.empty() && command.substr(0, buffer.size()) == buffer.substr(0, command.size());
    return echoing ? want + command.size() : want;
}

}  // namespace

LinkExchange::LinkExchange(SerialPort& port, LinkOptions options) : port_(port), options_(std::move(options)) {}

bool LinkExchange::EnsureOpen() {
    if (port_.IsOpen()) return true;
    // An open that failed is not tried again before the one reopen of
    // Exchange: the operations ask for the port before their first command
    // too, and a missing device would otherwise be opened over and over.
    if (openFailed_) return false;
    openFailed_ = !port_.Open();
    return !openFailed_;
}

bool LinkExchange::CheckCancel() {
    if (!cancelled_ && options_.cancel && options_.cancel->load()) cancelled_ = true;
    return cancelled_;
}

// A line that failed before anything came back (a cable pulled and put
// back, a receiver switched off and on, a device that came back under the
// same name) often works once opened anew: the port is closed and opened
// again once, and the command sent again, before the operation gives up with
// its port fault. A fault once the receiver has answered ends it at once.
std::string LinkExchange::Exchange(std::string_view command, std::size_t want, bool echoed, bool& fault) {
    std::string buffer = ExchangeOnce(command, want, echoed, fault);
    if (fault && !answered_ && !reopened_) {
        reopened_ = true;
        Note("port fault before the first answer: closing the port and opening it again");
        port_.Close();
        openFailed_ = false;
        buffer = ExchangeOnce(command, want, echoed, fault);
    }
    if (!fault) answered_ = true;
    return buffer;
}

// Sends command and collects what arrives until complete(buffer) or the
// deadline; fault is set on any port failure.
std::string LinkExchange::ExchangeOnce(std::string_view command, std::size_t want, bool echoed, bool& fault) {
    fault = false;
    if (!EnsureOpen()) {
        fault = true;
        return {};
    }
    port_.ReadAvailable();  // late characters of an earlier answer
    if (port_.HasFault() || !port_.Write(command)) {
        fault = true;
        return {};
    }
    std::string buffer;
    const auto deadline = Clock::now() + options_.replyDeadline;
    for (;;) {
        buffer += port_.ReadAvailable();
        if (port_.HasFault()) {
            fault = true;
            return {};
        }
        if (buffer.size() >= want && EndsWith(buffer, kCrLf)) break;
        // Short of the length, nothing can complete the answer before the
        // missing characters are in; past it, each new one may end it.
        const std::size_t likely = LikelyLength(command, buffer, want, echoed);
        port_.ExpectAtLeast(buffer.size() < likely ? likely - buffer.size() : 1);
        const SerialPort::Wait wait = port_.WaitForData(deadline);
        if (wait == SerialPort::Wait::kFault) {
            fault = true;
            return {};
        }
        if (wait == SerialPort::Wait::kTimeout) {
            buffer += port_.ReadAvailable();
            if (port_.HasFault()) fault = true;
            break;
        }
    }
    return buffer;
}

ReadReply LinkExchange::SendRead(std::string_view command) {
    using Kind = ReadReply::Kind;
    bool fault = false;
    const std::string buffer = Exchange(command, kFrameLength, true, fault);
    if (fault) return {Kind::kPortFault, {}};
    if (buffer.size() < kFrameLength) return {Kind::kTimeout, {}};
    std::string frame = buffer.substr(buffer.size() - kFrameLength);
    if (frame.substr(0, 2) != kCrLf || !EndsWith(frame, kCrLf)) return {Kind::kBadReply, {}};
    // A frame whose digits were garbled on the line is as malformed as a
    // broken frame: retried, never decoded into the image.
    if (!IsUpperHex(std::string_view(frame).substr(2, kBlockDigits))) return {Kind::kBadReply, {}};
    return {Kind::kData, std::move(frame)};
}

WriteReply LinkExchange::SendWrite(std::string_view command) {
    bool fault = false;
    const std::size_t want = command.size() + kOkFrame.size();
    const std::string buffer = Exchange(command, want, false, fault);
    if (fault) return WriteReply::kPortFault;
    if (buffer.size() < want) return WriteReply::kNoReply;
    const std::string_view tail = std::string_view(buffer).substr(buffer.size() - kOkFrame.size());
    if (tail == kOkFrame) return WriteReply::kAccepted;
    if (tail == kReFrame) return WriteReply::kRefused;
    return WriteReply::kBadReply;
}

void LinkExchange::Note(std::string_view text) {
    if (options_.trace) options_.trace->Event(text);
}

void LinkExchange::NoteFailedTry(int tries, std::string_view why) {
    if (!options_.trace) return;
    const std::string count = "try " + std::to_string(tries) + " of " + std::to_string(options_.maxTries);
    Note(count + " failed: " + std::string(why) + (tries < options_.maxTries ? "; sending again" : "; giving up"));
}

CommandOutcome LinkExchange::Read(int address, ReadReply& reply) {
    const std::string command = ReadCommand(address);
    for (int tries = 0; tries < options_.maxTries; ++tries) {
        if (CheckCancel()) {
            Note("cancelled");
            return CommandOutcome::kCancelled;
        }
        reply = SendRead(command);
        if (reply.kind == ReadReply::Kind::kPortFault) {
            Note(kNoResendAfterFault);
            return CommandOutcome::kPortFault;
        }
        if (reply.kind == ReadReply::Kind::kData) return CommandOutcome::kOk;
        NoteFailedTry(tries + 1, reply.kind == ReadReply::Kind::kTimeout ? "fewer than 68 characters (ERROR01)"
                                                                        : "malformed reply (ERROR02)");
    }
    return CommandOutcome::kRetriesExhausted;
}

CommandOutcome LinkExchange::Write(std::string_view command) {
    for (int tries = 0; tries < options_.maxTries; ++tries) {
        if (CheckCancel()) {
            Note("cancelled");
            return CommandOutcome::kCancelled;
        }
        const WriteReply reply = SendWrite(command);
        if (reply == WriteReply::kAccepted) return CommandOutcome::kOk;
        if (reply == WriteReply::kPortFault) {
            Note(kNoResendAfterFault);
            return CommandOutcome::kPortFault;
        }
        if (reply == WriteReply::kRefused) {
            Note("refused (RE)");
            return CommandOutcome::kRefused;
        }
        NoteFailedTry(tries + 1, reply == WriteReply::kNoReply ? "no complete reply (2)" : "neither OK nor RE (1)");
    }
    return CommandOutcome::kRetriesExhausted;
}

}  // namespace wrk7::link
