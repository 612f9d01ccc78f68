#include "link/serial_trace.h"

#include <cstdio>
#include <ctime>

#include "core/char_escapes.h"
#include "platform/local_time.h"

namespace wrk7::link {

namespace {

class TracingPort final : public SerialPort {
public:
    TracingPort(SerialPort& inner, SerialTrace& trace) : inner_(inner), trace_(trace) {}

    bool Open() override {
        const bool opened = inner_.Open();
        if (opened) {
            trace_.Event("open " + inner_.Name());
            if (const std::string notes = inner_.LineNotes(); !notes.empty()) trace_.Event(notes);
        } else {
            PortError();
        }
        return opened;
    }
    void Close() override { inner_.Close(); }
    bool IsOpen() const override { return inner_.IsOpen(); }
    bool Write(std::string_view data) override {
        trace_.Sent(data);
        sinceCommand_ = 0;
        const bool written = inner_.Write(data);
        if (!written) PortError();
        return written;
    }
    std::string ReadAvailable() override {
        std::string chars = inner_.ReadAvailable();
        if (!chars.empty()) {
            trace_.Received(chars);
            sinceCommand_ += chars.size();
        }
        if (inner_.HasFault()) PortError();
        return chars;
    }
    Wait WaitForData(Clock::time_point deadline) override {
        const Wait wait = inner_.WaitForData(deadline);
        if (wait == Wait::kTimeout)
            trace_.Event("deadline: " + std::to_string(sinceCommand_) + " characters since the command");
        if (wait == Wait::kFault) PortError();
        return wait;
    }
    void ExpectAtLeast(std::size_t count) override { inner_.ExpectAtLeast(count); }
    bool HasFault() const override { return inner_.HasFault(); }
    std::string ErrorText() const override { return inner_.ErrorText(); }
    std::string Name() const override { return inner_.Name(); }
    std::string LineNotes() const override { return inner_.LineNotes(); }

private:
    // A fault stays set until the next Open, so report each one once.
    void PortError() {
        const std::string text = inner_.ErrorText();
        if (text == lastError_) return;
        lastError_ = text;
        trace_.Event("port error: " + (text.empty() ? std::string("(no reason given)") : text));
    }

    SerialPort& inner_;
    SerialTrace& trace_;
    std::size_t sinceCommand_ = 0;
    std::string lastError_;
};

}  // namespace

std::unique_ptr<SerialPort> MakeTracingPort(SerialPort& inner, SerialTrace& trace) {
    return std::make_unique<TracingPort>(inner, trace);
}

std::string EscapeLineChars(std::string_view chars) {
    static const CharEscapes kEscaped{{{'\r', "\\r"}, {'\n', "\\n"}, {'\\', "\\\\"}}, "\\x%02X", true};
    return EscapeChars(chars, kEscaped);
}

SerialTrace::SerialTrace(Clock::time_point start) : start_(start) {}

void SerialTrace::StartLine(char marker) {
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start_).count();
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%12.3f %c ", ms, marker);
    if (receiving_) text_ += '\n';
    receiving_ = false;
    text_ += stamp;
}

void SerialTrace::Comment(std::string_view text) {
    if (receiving_) text_ += '\n';
    receiving_ = false;
    text_ += "# ";
    text_ += text;
    text_ += '\n';
}

void SerialTrace::Sent(std::string_view chars) {
    StartLine('>');
    text_ += EscapeLineChars(chars);
    text_ += '\n';
}

void SerialTrace::Received(std::string_view chars) {
    if (!receiving_) StartLine('<');
    text_ += EscapeLineChars(chars);
    receiving_ = true;
}

void SerialTrace::Event(std::string_view text) {
    StartLine('!');
    text_ += text;
    text_ += '\n';
}

void SerialTrace::Result(std::string_view text) {
    StartLine('=');
    text_ += text;
    text_ += '\n';
}

std::string TransferTitle(TransferDirection direction, Part part, bool quickRead) {
    const bool write = direction == TransferDirection::kWrite;
    static constexpr std::string_view kPartNames[] = {"all", "settings", "memory", "bank", "groups"};
    std::string title = write ? "write " : "read ";
    title += kPartNames[static_cast<std::size_t>(part)];
    const bool readsMemory = !write && (part == Part::kAll || part == Part::kMemory);
    if (quickRead && readsMemory) title += " (quick)";
    return title;
}

void TraceHeading(std::string_view title, const SerialPort& port, SerialTrace& trace) {
    const std::time_t now = std::time(nullptr);
    const std::tm local = platform::LocalTime(now);
    char started[32];
    std::strftime(started, sizeof started, "%Y-%m-%d %H:%M:%S", &local);
    trace.Comment("wrk7 serial trace: " + std::string(title));
    trace.Comment("port: " + port.Name() + (port.IsOpen() ? " (open from an earlier transfer)" : ""));
    if (const std::string notes = port.LineNotes(); port.IsOpen() && !notes.empty()) trace.Comment("line: " + notes);
    trace.Comment(std::string("started: ") + started);
    trace.Comment("time in ms since the start; > sent, < received, ! event, = result");
}

LinkResult RunTraced(std::string_view title, SerialPort& port, SerialTrace& trace, LinkOptions options,
                     const TracedOperation& op) {
    TraceHeading(title, port, trace);
    const std::unique_ptr<SerialPort> traced = MakeTracingPort(port, trace);
    options.trace = &trace;
    const LinkResult result = op(*traced, options);
    trace.Result("result " + std::to_string(NumberOf(result.outcome)) + (result.cancelled ? " (cancelled)" : ""));
    // A message of several lines (a cause under it) gives a result line each.
    for (const Message& said : result.messages) {
        const std::string message = said.English();
        std::string_view rest = message;
        for (std::size_t end; (end = rest.find('\n')) != std::string_view::npos; rest.remove_prefix(end + 1))
            trace.Result(rest.substr(0, end));
        trace.Result(rest);
    }
    return result;
}

}  // namespace wrk7::link
