#pragma once
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "link/link_operations.h"
#include "link/serial_port.h"

namespace wrk7::link {

// What passed over the line during one transfer, for a user to send when a
// transfer with a real receiver goes wrong. Everything is collected in
// memory and written out once at the end, so recording costs the transfer
// nothing but an append.
//
// One line per event, the time since the start first:
//       12.345 > KV~F00A00R\r              a command sent
//       15.020 < KV~F00A00R\r\r\n1A2B...   characters received (a run of
//                                          receipts joins one line)
//      512.700 ! deadline: ...             a deadline, retry or port error
//     4200.000 = Read Failed...            the result and its messages
// CR and LF are shown as \r and \n, a backslash as \\, every other byte
// outside printable ASCII as \xNN.
class SerialTrace {
public:
    explicit SerialTrace(Clock::time_point start = Clock::now());

    // A heading line ("# ..."), without time: the port, the operation.
    void Comment(std::string_view text);
    void Sent(std::string_view chars);
    void Received(std::string_view chars);
    void Event(std::string_view text);
    void Result(std::string_view text);

    // Every line so far, each ended by a newline.
    std::string Text() const { return receiving_ ? text_ + '\n' : text_; }

private:
    void StartLine(char marker);

    Clock::time_point start_;
    std::string text_;
    bool receiving_ = false;  // the last line is a receipt still open
};

// chars as one trace line shows them.
std::string EscapeLineChars(std::string_view chars);

// A port that records into trace everything passing through inner: what is
// written and read, a deadline passing and every port error. It owns
// neither; both must outlive it.
std::unique_ptr<SerialPort> MakeTracingPort(SerialPort& inner, SerialTrace& trace);

// "read all", "write memory", "read memory (quick)": what a trace is of.
std::string TransferTitle(TransferDirection direction, Part part, bool quickRead);

// The heading every trace starts with: title, the port, the local date and
// time, and how to read the lines.
void TraceHeading(std::string_view title, const SerialPort& port, SerialTrace& trace);

// Runs op on port with everything recorded in trace: a heading (title, the
// port, the local date and time), the line, every retry and port error, and
// at the end the result code, each message and a cancel.
using TracedOperation = std::function<LinkResult(SerialPort& port, const LinkOptions& options)>;
LinkResult RunTraced(std::string_view title, SerialPort& port, SerialTrace& trace, LinkOptions options,
                     const TracedOperation& op);

}  // namespace wrk7::link
