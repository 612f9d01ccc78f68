#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "core/memory_map.h"
#include "link/commands.h"
#include "link/link_options.h"
#include "link/serial_port.h"

namespace wrk7::link {

// What one read exchange brought.
struct ReadReply {
    enum class Kind {
        kData,       // a well-formed frame
        kTimeout,    // fewer characters than a frame by the deadline
        kBadReply,   // a frame's length, but broken framing or digits
        kPortFault,  // the port failed while opening, sending or receiving
    };
    Kind kind = Kind::kTimeout;
    std::string frame;  // kData: the 68 characters, CR LF + 64 digits + CR LF

    // The 64 digits of a kData frame; empty for the other kinds.
    std::string_view Data() const {
        return kind == Kind::kData ? std::string_view(frame).substr(2, kBlockDigits) : std::string_view();
    }
    bool operator==(const ReadReply&) const = default;
};

// What one write exchange brought.
enum class WriteReply {
    kAccepted,   // the echo, then OK
    kBadReply,   // as long as an answer, but neither OK nor RE
    kNoReply,    // shorter than an answer by the deadline
    kPortFault,  // the port failed while opening, sending or receiving
    kRefused,    // the echo, then RE
};

// How a command ended once its retries are through.
enum class CommandOutcome { kOk, kRetriesExhausted, kPortFault, kRefused, kCancelled };

// The exchange of one command with the receiver: sent, its answer collected
// to the deadline, and sent again (up to options.maxTries) while the answer
// is missing or malformed. The port is opened on the first command if it is
// not open; it is left open.
class LinkExchange {
public:
    LinkExchange(SerialPort& port, LinkOptions options);

    // One exchange, no retry.
    ReadReply SendRead(std::string_view command);
    WriteReply SendWrite(std::string_view command);

    // The command with its retries; reply is what the last try brought.
    CommandOutcome Read(int address, ReadReply& reply);
    CommandOutcome Write(std::string_view command);

    // Opens the port unless it is open or an open failed already.
    bool EnsureOpen();
    bool Cancelled() const { return cancelled_; }
    const LinkOptions& Options() const { return options_; }

private:
    bool CheckCancel();
    // A note in the trace, when there is one.
    void Note(std::string_view text);
    // Notes a try that failed and whether the command is sent again.
    void NoteFailedTry(int tries, std::string_view why);
    // One exchange; a port fault before the receiver's first answer in this
    // session closes and opens the port once and sends the command again.
    // echoed: want leaves out the echo of the command that comes first.
    std::string Exchange(std::string_view command, std::size_t want, bool echoed, bool& fault);
    std::string ExchangeOnce(std::string_view command, std::size_t want, bool echoed, bool& fault);

    SerialPort& port_;
    LinkOptions options_;
    bool cancelled_ = false;
    bool answered_ = false;    // an exchange of this session ended without a port fault
    bool reopened_ = false;    // the one reopen after a port fault is spent
    bool openFailed_ = false;  // the last open failed; only the reopen tries again
};

}  // namespace wrk7::link
