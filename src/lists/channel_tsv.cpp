#include "lists/channel_tsv.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "codecs/grid_text.h"
#include "core/channel_limits.h"
#include "core/channel_options.h"
#include "core/hex.h"
#include "core/number_text.h"
#include "core/tables.h"
#include "edit/bank.h"
#include "edit/channel_rules.h"
#include "edit/page_rules.h"
#include "files/text_file.h"
#include "lists/name_fit.h"

namespace wrk7 {

namespace {

using Cells = std::vector<std::string>;

constexpr int kEnableColumn = -1;  // not a field: the slot's enable flag
constexpr int kUnknownColumn = -2;

// Headings a paste knows, lower case: the grid's and the CSV file's.
struct Heading {
    std::string_view name;
    int field;
};
constexpr Heading kHeadings[] = {
    {"frequency", kFreq},   {"mode", kMode},       {"step", kStep},         {"option", kOption},
    {"skip", kSkip},        {"carrier", kCarrier}, {"train", kCarrier},     {"scr", kSecret},
    {"secret", kSecret},    {"tone", kTone},       {"shift", kShift},       {"shiftfreq.", kOffset},
    {"shift frequency", kOffset}, {"note", kNote}, {"notes", kNote},        {"name", kName},
    {"enable", kEnableColumn},
};

constexpr int kStepChoiceCount = 18;

std::string Lower(std::string_view t) {
    std::string out(t);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string_view Trimmed(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t' || t.back() == '\r')) t.remove_suffix(1);
    return t;
}

bool SameText(std::string_view a, std::string_view b) { return Lower(a) == Lower(b); }

template <typename List>
std::optional<double> IndexIn(const List& names, std::string_view cell, std::size_t count) {
    for (std::size_t i = 0; i < count && i < names.size(); ++i)
        if (SameText(names[i], cell)) return static_cast<double>(i);
    return std::nullopt;
}

std::optional<double> WholeCode(std::string_view cell, int highest) {
    const auto v = WholeDecimal(cell);
    if (!v || *v != std::floor(*v) || *v < 0 || *v > highest) return std::nullopt;
    return v;
}

std::string_view WithoutHz(std::string_view cell) {
    if (cell.size() > 2 && SameText(cell.substr(cell.size() - 2), "hz")) cell.remove_suffix(2);
    return cell;
}

std::optional<double> CarrierCode(std::string_view cell) {
    if (SameText(cell, "JR")) return kCarrierJR;
    const auto hz = WholeDecimal(WithoutHz(cell));
    if (!hz || std::fmod(*hz, 100) != 0) return std::nullopt;
    const double code = *hz / 100 - 3;
    if (code < 0 || code >= kCarrierJR) return std::nullopt;
    return code;
}

std::optional<double> ToneCode(std::string_view cell) {
    const auto hz = WholeDecimal(WithoutHz(cell));
    if (!hz) return std::nullopt;
    for (std::size_t t = 0; t < ToneName.size(); ++t)
        if (LeadingNumber(ToneName[t]) == *hz) return static_cast<double>(t);
    return std::nullopt;
}

std::optional<double> ShiftCode(std::string_view cell) {
    if (cell == "+") return 1;
    if (cell == "-") return 2;
    return IndexIn(ShiftName, cell, ShiftName.size());
}

std::optional<double> OptionCode(std::string_view cell) {
    if (auto code = IndexIn(OptionName, cell, OptionName.size())) return code;
    // The channel editor's captions too, beside the grid's texts.
    return IndexIn(OptionCaption, cell, OptionCaption.size());
}

// The number a cell gives a coded field; nullopt when it reads as none.
std::optional<double> ReadCode(int field, std::string_view cell) {
    switch (field) {
        case kFreq:
        case kOffset: return WholeDecimal(DecimalCommaAsPoint(cell));
        case kMode: return IndexIn(ModeName, cell, ModeName.size());
        case kStep: return IndexIn(StepName, cell, kStepChoiceCount);
        case kOption: return OptionCode(cell);
        case kSecret: return WholeCode(cell, 28);
        case kCarrier: return CarrierCode(cell);
        case kTone: return ToneCode(cell);
        case kShift: return ShiftCode(cell);
        default: return std::nullopt;
    }
}

bool IsOneOf(std::string_view cell, std::initializer_list<std::string_view> words) {
    return std::any_of(words.begin(), words.end(), [&](std::string_view w) { return SameText(cell, w); });
}

// Spreadsheet text: cells split at tabs, rows at line breaks; a cell that
// starts with a quote runs to the closing quote ("" inside is one quote).
std::vector<Cells> ReadRows(std::string_view text) {
    std::vector<Cells> rows(1, Cells(1));
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        std::string& cell = rows.back().back();
        if (c == '"' && cell.empty()) {
            for (++i; i < text.size(); ++i) {
                if (text[i] != '"') {
                    cell += text[i];
                } else if (i + 1 < text.size() && text[i + 1] == '"') {
                    cell += '"';
                    ++i;
                } else {
                    break;
                }
            }
        } else if (c == '\t') {
            rows.back().emplace_back();
        } else if (c == '\n') {
            rows.emplace_back(1);
        } else if (c != '\r') {
            cell += c;
        }
    }
    auto blank = [](const Cells& row) {
        return std::all_of(row.begin(), row.end(), [](const std::string& c) { return Trimmed(c).empty(); });
    };
    while (!rows.empty() && blank(rows.back())) rows.pop_back();
    return rows;
}

std::vector<int> ColumnFields(const Cells& headings) {
    std::vector<int> fields;
    for (const std::string& h : headings) {
        int field = kUnknownColumn;
        for (const Heading& known : kHeadings)
            if (Lower(Trimmed(h)) == known.name) field = known.field;
        fields.push_back(field);
    }
    return fields;
}

// "-" stands in a code column the model has no use for.
bool NotApplicable(int field, std::string_view cell) {
    return cell == "-" && (field == kSecret || field == kCarrier);
}

PasteRecord ReadRecord(const Cells& row, const Cells& headings, const std::vector<int>& fields, TsvRows rows) {
    PasteRecord record;
    bool blank = true;  // the row label alone makes no channel
    for (std::size_t c = 0; c < row.size() && c < fields.size(); ++c)
        blank = blank && (fields[c] == kUnknownColumn || Trimmed(row[c]).empty());
    if (blank) {
        record.enabled = false;  // an empty row
        return record;
    }
    record.fields = EmptyRowDefaults();
    bool hasFrequency = false;
    for (std::size_t c = 0; c < row.size() && c < fields.size(); ++c) {
        const int field = fields[c];
        const std::string_view cell = Trimmed(row[c]);
        if (field == kNote || field == kName) {
            // One line, as the editor's boxes and the clone file hold them.
            record.fields.SetText(field, FlattenLineBreaks(row[c]));
        } else if (field == kSkip && rows == TsvRows::kVfoBands) {
            // Text copied from the VFO grid by earlier versions held the
            // secret code under the Skip heading; a memory row's mark there
            // means nothing to a band.
            if (const auto code = ReadCode(kSecret, cell)) record.fields.Set(kSecret, *code);
        } else if (field == kSkip) {
            record.fields.Set(kSkip, IsOneOf(cell, {"*", "yes", "true", "#true#", "x"}) ? 1 : 0);
        } else if (field == kEnableColumn) {
            record.enabled = !IsOneOf(cell, {"no", "false", "#false#", "0"});
        } else if (field >= 0 && !cell.empty() && !NotApplicable(field, cell)) {
            const auto code = ReadCode(field, cell);
            if (!code) {
                record.unreadable = Say(MessageId::kCellCannotBeRead, Trimmed(headings[c]), cell);
                return record;
            }
            record.fields.Set(field, *code);
            hasFrequency = hasFrequency || field == kFreq;
        }
    }
    if (!hasFrequency) record.unreadable = Say(MessageId::kRowHasNoFrequency);
    return record;
}

// A cell as a spreadsheet takes it back.
std::string Cell(std::string_view text) {
    if (text.find_first_of("\t\r\n") == std::string_view::npos && (text.empty() || text.front() != '"'))
        return std::string(text);
    std::string out = "\"";
    for (char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + '"';
}

std::string_view ColumnHeading(int column, int modelIndex) {
    return column == kCarrier ? CarrierColumnHeading(modelIndex) : GridColumnHeading[static_cast<std::size_t>(column)];
}

constexpr auto kMemoryGridColumns = [] {
    std::array<int, std::tuple_size_v<GridRow>> all{};
    for (std::size_t c = 0; c < all.size(); ++c) all[c] = static_cast<int>(c);
    return all;
}();

// Only the columns the grid shows, so that each text sits under the heading
// the user sees over it.
template <std::size_t N>
std::string HeadingLine(int modelIndex, const std::array<int, N>& columns) {
    std::string line;
    for (const int c : columns) {
        line += '\t';
        line += ColumnHeading(c, modelIndex);
    }
    return line + '\n';
}

template <std::size_t N>
void AppendRow(std::string& out, const std::string& label, const GridRow& row, const std::array<int, N>& columns) {
    out += Cell(label);
    for (const int c : columns) out += '\t' + Cell(row[static_cast<std::size_t>(c)]);
    out += '\n';
}

}  // namespace

std::string MemoryRowsAsTsv(const CloneImage& image, const std::vector<int>& slotList) {
    const auto labels = BuildRowLabels(image);
    std::string out = HeadingLine(image.model, kMemoryGridColumns);
    for (int slot : slotList)
        if (IsValidSlot(slot))
            AppendRow(out, labels[static_cast<std::size_t>(slot)], MemoryGridRow(image, slot), kMemoryGridColumns);
    return out;
}

std::string VfoRowsAsTsv(const CloneImage& image, const std::vector<int>& bands) {
    std::string out = HeadingLine(image.model, kVfoGridColumns);
    for (int band : bands)
        if (IsValidBand(band)) AppendRow(out, std::to_string(band), VfoGridRow(image, band), kVfoGridColumns);
    return out;
}

bool LooksLikeChannelTsv(std::string_view text) {
    const std::vector<Cells> rows = ReadRows(text.substr(0, text.find('\n')));
    if (rows.empty()) return false;
    const std::vector<int> fields = ColumnFields(rows.front());
    return std::find(fields.begin(), fields.end(), kFreq) != fields.end();
}

std::vector<PasteRecord> ParseChannelTsv(std::string_view text, TsvRows target) {
    const std::vector<Cells> rows = ReadRows(text);
    std::vector<PasteRecord> records;
    if (rows.empty()) return records;
    const std::vector<int> fields = ColumnFields(rows.front());
    for (std::size_t r = 1; r < rows.size(); ++r) records.push_back(ReadRecord(rows[r], rows.front(), fields, target));
    // A name the display cannot hold is fitted by the rule every import
    // fits a list's names by, among the names of the rows pasted with it; a
    // name that fits stays as copied.
    std::vector<std::string> names;
    for (const PasteRecord& r : records) names.push_back(r.fields.Text(kName));
    const std::vector<FittedName> fitted = FitListNames(names);
    for (std::size_t r = 0; r < records.size(); ++r)
        if (!NameFits(names[r])) records[r].fields.SetText(kName, fitted[r].stored);
    return records;
}

}  // namespace wrk7
