#include "emulator/trace_replay.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <utility>

namespace wrk7::emu {

namespace {

// The reply timer is 500 ms; a gap well below any deadline changes nothing
// a replay is run for.
constexpr std::chrono::milliseconds kGapThatMatters{50};

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
}

// The trace's escapes undone: \r, \n, \\ and \xNN.
std::string Unescaped(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char e = text[++i];
        if (e == 'r') out += '\r';
        else if (e == 'n') out += '\n';
        else if (e == 'x' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 && HexDigit(text[i + 2]) >= 0) {
            out += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
            i += 2;
        } else out += e;  // "\\" and anything a later trace may add
    }
    return out;
}

struct TraceLine {
    double ms = 0;
    char marker = 0;
    std::string_view rest;
};

// "   12.345 > KV~F00A00R\r": time, marker, text; nullopt for a heading.
std::optional<TraceLine> Split(std::string_view line) {
    const std::size_t start = line.find_first_not_of(' ');
    if (start == std::string_view::npos || line[start] == '#') return std::nullopt;
    line.remove_prefix(start);
    TraceLine out;
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), out.ms);
    if (error != std::errc() || end + 2 > line.data() + line.size() || end[0] != ' ') return std::nullopt;
    out.marker = end[1];
    const std::size_t textAt = static_cast<std::size_t>(end - line.data()) + 2;
    out.rest = textAt < line.size() ? line.substr(textAt + (line[textAt] == ' ' ? 1 : 0)) : std::string_view();
    return out;
}

}  // namespace

std::optional<TraceScript> ParseTrace(std::string_view text, std::string& error) {
    TraceScript script;
    double last = 0;
    std::size_t lines = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);  // a trace passed through Windows
        ++lines;
        const std::optional<TraceLine> l = Split(line);
        if (!l) continue;
        const auto since = [&] {
            const auto gap = std::chrono::duration<double, std::milli>(std::max(0.0, l->ms - last));
            last = l->ms;
            return std::chrono::duration_cast<std::chrono::microseconds>(gap);
        };
        switch (l->marker) {
            case '>':
                since();
                script.steps.push_back({Unescaped(l->rest), {}, false});
                break;
            case '<':
                // Characters before the first command (a line's noise at
                // open) have nothing to answer.
                if (script.steps.empty()) break;
                script.steps.back().answer.push_back({Unescaped(l->rest), since()});
                break;
            case '!':
                if (!script.steps.empty() && l->rest.substr(0, 11) == "port error:") script.steps.back().hangUp = true;
                break;
            default: break;
        }
    }
    if (script.steps.empty()) {
        error = lines == 0 ? "the trace is empty" : "the file holds no command sent: it is not a serial trace";
        return std::nullopt;
    }
    return script;
}

ReplayReceiver::ReplayReceiver(TraceScript script, bool paced)
    : script_(std::move(script)), paced_(paced) {}

std::vector<Piece> ReplayReceiver::Receive(std::string_view bytes) {
    std::vector<Piece> out;
    for (const char c : bytes) {
        if (hungUp_) break;
        line_ += c;
        if (c != '\r') continue;
        const std::string command = std::exchange(line_, {});
        auto step = std::find_if(script_.steps.begin() + static_cast<std::ptrdiff_t>(next_), script_.steps.end(),
                                 [&](const ReplayStep& s) { return s.command == command; });
        if (step == script_.steps.end()) {
            ++unknown_;
            continue;
        }
        next_ = static_cast<std::size_t>(step - script_.steps.begin()) + 1;
        for (Piece piece : step->answer) {
            if (!paced_ && piece.delay < kGapThatMatters) piece.delay = {};
            out.push_back(std::move(piece));
        }
        if (step->hangUp) hungUp_ = true;
    }
    return out;
}

}  // namespace wrk7::emu
