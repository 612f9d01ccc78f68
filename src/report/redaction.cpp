#include "report/redaction.h"

#include <cctype>
#include <vector>

#include "codecs/record_layout.h"
#include "core/memory_map.h"

namespace wrk7::report {

namespace {

// Where a record's name lies in its 64 hex digits.
constexpr std::size_t kNameDigit = 2 * 26;
constexpr std::size_t kNameDigits = 12;
static_assert(kRecordLayout.back().field == kName && kRecordLayout.back().offset == 26 && kRecordLayout.back().width == 6);

bool Hex(char c) { return std::isdigit(static_cast<unsigned char>(c)) || (c >= 'A' && c <= 'F'); }

bool HexRun(std::string_view text, std::size_t at, std::size_t count) {
    if (at + count > text.size()) return false;
    for (std::size_t i = at; i < at + count; ++i)
        if (!Hex(text[i])) return false;
    return true;
}

// "KV~BCbbpppW" + 64 digits at the start of text.
bool ChannelWriteAt(std::string_view text, std::size_t at) {
    return text.substr(at, 5) == "KV~BC" && at + 11 <= text.size() && text[at + 10] == 'W' && HexRun(text, at + 11, kBlockDigits);
}

// "KV~FaaaaaR" reading a block of the channel records.
bool ReadsChannelRecords(std::string_view command) {
    if (command.size() < 10 || command.substr(0, 4) != "KV~F" || command[9] != 'R' || !HexRun(command, 4, 5)) return false;
    const int address = std::stoi(std::string(command.substr(4, 5)), nullptr, 16);
    const MemoryArea& area = AreaOf(Area::kChannelRecords);
    return address >= area.address && address < area.address + kBlockBytes * area.blocks;
}

void Blank(std::string& text, std::size_t digits) {
    for (std::size_t i = digits; i < digits + kNameDigits; ++i) text[i] = '0';
}

struct Line {
    std::string text;
    char marker = 0;
    std::size_t restAt = 0;  // where the marker's text starts
};

// A step's received characters as one text, each mapped back to where its
// character stands in the lines (escapes count as one character).
struct Stream {
    std::string chars;
    std::vector<std::pair<std::size_t, std::size_t>> at;  // line, position
};

void Redact(std::vector<Line>& lines, const std::vector<std::size_t>& receipts, bool channelRead) {
    Stream s;
    for (const std::size_t l : receipts) {
        const std::string& t = lines[l].text;
        for (std::size_t i = lines[l].restAt; i < t.size(); ++i) {
            s.at.push_back({l, i});
            if (t[i] == '\\' && i + 1 < t.size()) {
                const char e = t[++i];
                s.chars += e == 'r' ? '\r' : e == 'n' ? '\n' : e == 'x' ? '?' : e;
                if (e == 'x') i += 2;
            } else {
                s.chars += t[i];
            }
        }
    }
    auto blank = [&](std::size_t digits) {
        for (std::size_t k = digits; k < digits + kNameDigits; ++k) lines[s.at[k].first].text[s.at[k].second] = '0';
    };
    for (std::size_t k = 0; k < s.chars.size(); ++k) {
        if (ChannelWriteAt(s.chars, k)) blank(k + 11 + kNameDigit);  // the echo of a channel write
        else if (channelRead && s.chars.compare(k, 2, "\r\n") == 0 && HexRun(s.chars, k + 2, kBlockDigits)) blank(k + 2 + kNameDigit);
    }
}

}  // namespace

void LeaveOutNamesAndNotes(CloneImage& image) {
    for (SlotFields& slot : image.memory.slot) {
        slot.SetText(kName, {});
        slot.SetText(kNote, {});
    }
    for (SlotFields& band : image.vfo.bands) {
        band.SetText(kName, {});
        band.SetText(kNote, {});
    }
}

std::string LeaveOutNamesInTrace(std::string_view trace) {
    std::vector<Line> lines;
    while (!trace.empty()) {
        const std::size_t end = trace.find('\n');
        Line line{std::string(trace.substr(0, end)), 0, 0};
        trace.remove_prefix(end == std::string_view::npos ? trace.size() : end + 1);
        const std::size_t stamp = line.text.find_first_not_of(" 0123456789.");
        if (stamp != std::string::npos && stamp > 0 && stamp + 1 < line.text.size() && line.text[stamp + 1] == ' ') {
            line.marker = line.text[stamp];
            line.restAt = stamp + 2;
        }
        lines.push_back(std::move(line));
    }
    std::vector<std::size_t> receipts;
    bool channelRead = false;
    auto flush = [&] {
        Redact(lines, receipts, channelRead);
        receipts.clear();
    };
    for (std::size_t l = 0; l < lines.size(); ++l) {
        Line& line = lines[l];
        if (line.marker == '<') receipts.push_back(l);
        if (line.marker != '>') continue;
        flush();
        const std::string_view command = std::string_view(line.text).substr(line.restAt);
        channelRead = ReadsChannelRecords(command);
        if (ChannelWriteAt(line.text, line.restAt)) Blank(line.text, line.restAt + 11 + kNameDigit);
    }
    flush();
    std::string out;
    for (const Line& line : lines) out += line.text + '\n';
    return out;
}

}  // namespace wrk7::report
