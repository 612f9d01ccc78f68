#include "lists/channel_records_text.h"

#include <charconv>
#include <cmath>

#include "codecs/channel_codec.h"
#include "edit/field_names.h"

namespace wrk7 {

namespace {

// First line; a later layout gets a new number and is not read as this one.
constexpr std::string_view kHeader = "wrk7-channels 1";
// Per record: the enable flag, the numbers of fields 0..8 and 11, then the
// texts of the note, the name and the skip field. A cleared field (no text,
// as in an emptied slot) has an empty number cell.
constexpr int kNumberFields = kCodedFieldCount + 1;
constexpr int kColumns = 1 + kNumberFields + 3;

std::string Number(double v) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);  // shortest text that reads back exactly
    return std::string(buf, r.ptr);
}

std::optional<double> ReadNumber(std::string_view t) {
    double v = 0;
    const auto r = std::from_chars(t.data(), t.data() + t.size(), v);
    if (r.ec != std::errc() || r.ptr != t.data() + t.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

// Every code's own text is non-empty (a code outside its list may have none),
// so 0 without a text is a cleared field.
bool IsCleared(const SlotFields& fields, int field) {
    return fields.Value(field) == 0 && fields.Text(field).empty();
}

std::string Escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '\t': out += "\\t"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            default: out += c;
        }
    }
    return out;
}

std::optional<std::string> Unescaped(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) return std::nullopt;
        switch (text[i]) {
            case '\\': out += '\\'; break;
            case 't': out += '\t'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            default: return std::nullopt;
        }
    }
    return out;
}

std::vector<std::string_view> Split(std::string_view text, char by) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(by, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

std::optional<PasteRecord> ReadRecord(std::string_view line) {
    const auto cells = Split(line, '\t');
    if (static_cast<int>(cells.size()) != kColumns || (cells[0] != "0" && cells[0] != "1")) return std::nullopt;
    PasteRecord r;
    r.enabled = cells[0] == "1";
    for (int f = 0; f < kNumberFields; ++f) {
        const int field = f < kCodedFieldCount ? f : kSkip;
        const std::string_view cell = cells[static_cast<std::size_t>(1 + f)];
        if (cell.empty() && field != kSkip) {
            r.fields.Clear(field);
            continue;
        }
        const auto v = ReadNumber(cell);
        if (!v) return std::nullopt;
        // A code no record keeps would be saved as another one: the row is
        // refused as a pasted text's unreadable cell is.
        if (!RecordKeepsCode(field, *v) && !r.unreadable)
            r.unreadable = Say(MessageId::kCellCannotBeRead, kSlotFieldNames[static_cast<std::size_t>(field)], cell);
        r.fields.Set(field, *v);
    }
    const int texts[] = {kNote, kName, kSkip};
    for (int i = 0; i < 3; ++i) {
        auto t = Unescaped(cells[static_cast<std::size_t>(1 + kNumberFields + i)]);
        if (!t) return std::nullopt;
        r.fields.SetText(texts[i], std::move(*t));
    }
    return r;
}

}  // namespace

std::string EncodeChannelRecords(const std::vector<PasteRecord>& records) {
    std::string out(kHeader);
    out += '\n';
    for (const PasteRecord& r : records) {
        out += r.enabled ? '1' : '0';
        for (int f = 0; f < kCodedFieldCount; ++f)
            out += '\t' + (IsCleared(r.fields, f) ? std::string() : Number(r.fields.Value(f)));
        out += '\t' + Number(r.fields.Value(kSkip));
        for (int f : {kNote, kName, kSkip}) out += '\t' + Escaped(r.fields.Text(f));
        out += '\n';
    }
    return out;
}

std::optional<std::vector<PasteRecord>> DecodeChannelRecords(std::string_view text) {
    auto lines = Split(text, '\n');
    if (lines.empty() || lines.front() != kHeader) return std::nullopt;
    if (lines.back().empty()) lines.pop_back();
    std::vector<PasteRecord> records;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        auto r = ReadRecord(lines[i]);
        if (!r) return std::nullopt;
        records.push_back(std::move(*r));
    }
    return records;
}

}  // namespace wrk7
