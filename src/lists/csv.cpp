#include "lists/csv.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <memory>
#include <optional>
#include <set>

#include "codecs/record_layout.h"
#include "core/channel_limits.h"
#include "core/hex.h"
#include "core/slot_areas.h"
#include "core/tables.h"
#include "edit/channel_rules.h"
#include "edit/disabled_slots.h"
#include "files/text_file.h"
#include "lists/csv_records.h"
#include "lists/list_formats.h"
#include "lists/name_fit.h"

namespace wrk7 {

namespace {

constexpr std::array<std::string_view, 16> kTitles{
    "MODEL", "BANK",  "CHANNEL", "FREQUENCY", "MODE",  "STEP", "OPTION", "SECRET",
    "TRAIN", "TONE",  "SHIFT",   "SHIFT FREQUENCY", "NOTES", "NAME", "SKIP", "ENABLE"};

// The AREA of the band rows; the slots' areas are named by the slot-area table.
constexpr std::string_view kVfoArea = "VFO";
// A program-scan CHANNEL is its edge after this letter ("P3B").
constexpr char kScanEdgeMark = 'P';
constexpr std::string_view kTrue = "#TRUE#";
constexpr std::string_view kFalse = "#FALSE#";

void AppendQuoted(std::string& out, std::string_view text) {
    out += '"';
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            out += "\"\"";
        } else if (c == '\r' || c == '\n') {
            // A row stays on one line; CR LF is one break.
            out += ' ';
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += c;
        }
    }
    out += '"';
}

std::string Row(std::string_view area, const std::string& channel, const SlotFields& fields, bool skip,
                std::string_view enable, bool quoteEnable) {
    std::string row;
    row.reserve(160);
    AppendQuoted(row, kCsvModel);
    row += ',';
    AppendQuoted(row, area);
    row += ',';
    AppendQuoted(row, channel);
    for (int f = 0; f < kVfoFieldCount; ++f) {
        row += ',';
        AppendQuoted(row, fields.Text(f));
    }
    row += ',';
    AppendQuoted(row, skip ? kTrue : kFalse);
    row += ',';
    if (quoteEnable)
        AppendQuoted(row, enable);
    else
        row += enable;
    return row;
}

// Numbers of the channel lookups: the leading decimal part, rounded to the
// nearest integer with ties to even.
long long RoundedNumber(std::string_view text) {
    const double v = std::nearbyint(LeadingNumber(text));
    if (v > 1e9 || v < -1e9) return v > 0 ? 1000000000LL : -1000000000LL;
    return static_cast<long long>(v);
}

bool StartsWithDigit(std::string_view t) { return !t.empty() && t.front() >= '0' && t.front() <= '9'; }

// A field as the export writes them (CsvQuoting::kOwnExport).
struct Field {
    std::string text;
    bool quoted = false;
};

// A yes/no field: the export writes SKIP quoted and a spreadsheet may quote
// every text, so the value counts, quoted or not; nullopt for anything else.
std::optional<bool> YesNo(const Field& field) {
    const std::string text = TrimmedField(field.text);
    if (text == kTrue) return true;
    if (text == kFalse) return false;
    return std::nullopt;
}

// The next field of the export's rows; a row keeps to one line, so line
// breaks inside quotes become blanks.
Field NextField(CsvLexer& in) {
    const CsvToken& token = in.Next();
    return {token.quoted ? FlattenLineBreaks(token.text) : token.text, token.quoted};
}

// The next field of the row being read; nullopt once its line has ended, so
// a short row never takes fields from the next line.
std::optional<Field> NextInRow(CsvLexer& in) {
    if (in.RecordEnded()) return std::nullopt;
    return NextField(in);
}

std::string Upper(std::string text) {
    bool ascii = true;
    for (char& c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) ascii = false;
        else if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    if (ascii) return text;
    return QString::fromStdString(text).toUpper().toStdString();
}

std::string UpperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

int IndexOfUpper(std::string_view field, auto const& names, std::size_t count) {
    for (std::size_t i = 0; i < count && i < names.size(); ++i)
        if (UpperAscii(names[i]) == field) return static_cast<int>(i);
    return -1;
}

bool StartsWithNumber(std::string_view t) {
    return StartsWithDigit(t) || (!t.empty() && (t.front() == '-' || t.front() == '+'));
}

// The slot a search-pass or priority CHANNEL names: its entry or the slot.
int NumberedSlot(SlotAreaId id, std::string_view text) {
    if (!StartsWithDigit(text)) return -1;
    return AreaSlot(AreaById(id), RoundedNumber(text));
}

// The target of a row: a band (area 0) or a slot (area k: kSlotAreas[k - 1]),
// or -1.
int Target(int area, const std::string& channel) {
    if (area == 0) {
        if (!StartsWithNumber(channel)) return -1;
        const long long n = RoundedNumber(channel);
        return n >= 0 && n < kBandCount ? static_cast<int>(n) : -1;
    }
    const SlotArea& slotArea = kSlotAreas[static_cast<std::size_t>(area - 1)];
    switch (slotArea.id) {
        case SlotAreaId::kChannels: return StartsWithNumber(channel) ? AreaSlot(slotArea, RoundedNumber(channel)) : -1;
        case SlotAreaId::kProgramScan: return ProgramScanSlot(channel);
        case SlotAreaId::kSearchPass: return SearchPassSlot(channel);
        case SlotAreaId::kPriority: return PrioritySlot(channel);
    }
    return -1;
}

// "bank "X" is not VFO, MEMORY, PROGRAM SCAN, SEARCH PASS or PRIORITY": the
// names as the file writes them, the words around them the template's.
Message NoSuchArea(const std::string& written) {
    static_assert(kSlotAreas.size() == 4, "kBankIsNot names every area");
    return Say(MessageId::kBankIsNot, written, kVfoArea, kSlotAreas[0].csvName, kSlotAreas[1].csvName,
               kSlotAreas[2].csvName, kSlotAreas[3].csvName);
}

// A row after its MODEL field, as read.
struct CsvRow {
    int area = -1;
    int target = -1;
    std::string place;                 // BANK and CHANNEL as written, as far as read
    std::array<std::string, 11> text;  // FREQUENCY .. NAME, upper-cased
    std::string name;                  // NAME as written
    bool skip = false;
    bool skipQuoted = false;  // as the export writes it
    bool enable = false;
    // SKIP and ENABLE as written where they are neither #TRUE# nor #FALSE#.
    std::optional<std::string> oddSkip, oddEnable;
};

enum class RowStatus { kComplete, kPassedOver, kCut };

// Reads the fields of one row up to its line end. A row short of fields is
// passed over; one that the end of the text cuts short is kCut. reason: why
// a row was passed over.
RowStatus ReadRow(CsvLexer& in, CsvRow& row, Message& reason) {
    std::size_t fields = 1;  // MODEL
    const auto next = [&] {
        auto field = NextInRow(in);
        if (field) ++fields;
        return field;
    };
    const auto missing = [&] {
        if (in.TextEnded()) return RowStatus::kCut;
        reason = Say(MessageId::kRowCutShort, std::to_string(fields), std::to_string(kTitles.size()));
        return RowStatus::kPassedOver;
    };
    const auto area = next();
    if (!area) return missing();
    row.place = area->text;
    const std::string areaText = Upper(area->text);
    if (areaText == kVfoArea) row.area = 0;
    for (std::size_t a = 0; a < kSlotAreas.size(); ++a)
        if (areaText == kSlotAreas[a].csvName) row.area = static_cast<int>(a) + 1;
    if (row.area < 0) {
        reason = NoSuchArea(area->text);
        return RowStatus::kPassedOver;
    }
    const auto channel = next();
    if (!channel) return missing();
    row.place += " " + channel->text;
    const std::string channelText = Upper(channel->text);
    row.target = channelText.empty() ? -1 : Target(row.area, channelText);
    if (row.target < 0) {
        reason = Say(MessageId::kNoSuchChannel, areaText, channel->text);
        return RowStatus::kPassedOver;
    }
    for (std::size_t i = 0; i < row.text.size(); ++i) {
        const auto field = next();
        if (!field) return missing();
        row.text[i] = Upper(field->text);
        if (i == static_cast<std::size_t>(kName)) row.name = field->text;
    }
    const auto skip = next();
    if (!skip) return missing();
    const auto enable = next();
    if (!enable) return missing();
    const std::optional<bool> skipValue = YesNo(*skip), enableValue = YesNo(*enable);
    row.skip = skipValue.value_or(false);
    row.skipQuoted = skip->quoted;
    row.enable = enableValue.value_or(false);
    if (!skipValue) row.oddSkip = skip->text;
    if (!enableValue) row.oddEnable = enable->text;
    return RowStatus::kComplete;
}

// Values as a save and a reopen give them back: whole hertz within the
// record's 32-bit count, one-byte codes limited as the decoder limits them.
double AsRecordedMHz(double mhz) { return LittleEndianHexToMHz(HzToLittleEndianHex(mhz)); }
int AsRecordedCode(int field, double value) {
    return LimitedCode(field, static_cast<int>(std::clamp(std::llround(value), 0LL, 255LL)));
}

// Option names in any case, the skip forms included; 0 when none matches.
int OptionCode(std::string_view field) {
    const int plain = IndexOfUpper(field, OptionName, OptionName.size());
    if (plain >= 0) return plain;
    const int skipped = IndexOfUpper(field, SkippedOptionName, SkippedOptionName.size());
    return skipped >= 0 ? kOptionSkipBit + skipped : 0;
}

// "JR", or a carrier in hertz from 300 to 3000 in steps of 100; JR for any other.
int CarrierCode(std::string_view field) {
    if (field == "JR") return kCarrierJR;
    const double hz = std::nearbyint(LeadingNumber(field));
    const double code = std::nearbyint(hz / 100 - 3);
    return code >= 0 && code <= 27 ? static_cast<int>(code) : kCarrierJR;
}

// The tone of the same numeric value; 88.5 Hz when there is none.
int ToneCode(std::string_view field) {
    const double value = LeadingNumber(field);
    for (std::size_t t = 0; t < ToneName.size(); ++t)
        if (LeadingNumber(ToneName[t]) == value) return static_cast<int>(t);
    return 8;
}

// A written number: digits after blanks, a sign or a point.
bool WrittenAsNumber(std::string_view text) {
    std::size_t i = text.find_first_not_of(" \t");
    if (i != std::string_view::npos && (text[i] == '+' || text[i] == '-')) ++i;
    if (i < text.size() && text[i] == '.') ++i;
    return i < text.size() && text[i] >= '0' && text[i] <= '9';
}

// What became of a complete row.
struct Stored {
    bool ok = false;
    bool silent = false;  // passed over without a word: an empty slot's row
    Message reason = {};  // why it was passed over
    std::vector<Message> lost = {};  // stored: the note fitted, a SKIP read as off
};

// Why a complete row cannot be stored as it is, or "": its frequency, mode
// and step, in the order the format has always checked them. freq: the
// frequency as recorded.
std::optional<Message> RowRefusal(const CloneImage& image, const CsvRow& row, double freq, int mode, int step) {
    const std::string& text = row.text[0];
    const double written = LeadingNumber(text);
    if (written == 0)
        return WrittenAsNumber(text) ? Say(MessageId::kFrequencyTextOutside, text, ChannelRangeText())
                                     : Say(MessageId::kFrequencyNotNumber, text);
    if (mode < 0) return Say(MessageId::kModeNotAvailable, row.text[1]);
    if (step < 0) return Say(MessageId::kStepNotAvailable, row.text[2]);
    // Whole hertz within the range stay within it; outside it the written
    // number says what was meant (5000, not the record's largest count).
    const double checked = InChannelRange(freq) ? freq : written;
    // A band is held to the same rule: rows out of its own edges have always
    // been taken, and the editor puts the band's own frequency back.
    return MemoryFrequencyRefusal(image, checked);
}

// Stores a complete row in its band or slot, unless its frequency, mode or
// step is one the receiver cannot hold.
Stored StoreRow(CloneImage& image, const CsvRow& row) {
    const auto& f = row.text;
    if (f[0].find_first_not_of(" \t") == std::string::npos) return {false, true, Say(MessageId::kFrequencyMissing), {}};
    const double freq = AsRecordedMHz(LeadingNumber(f[0]));
    int mode = -1;
    for (std::size_t m = 0; m < ModeName.size(); ++m)
        if (f[1] == ModeName[m]) mode = static_cast<int>(m);
    const int step = IndexOfUpper(f[2], StepName, 18);
    std::optional<Message> refusal = RowRefusal(image, row, freq, mode, step);
    if (refusal) return {false, false, std::move(*refusal), {}};
    // A channel whose ENABLE cannot be read is neither emptied nor taken:
    // the slot keeps what it holds. The bands have no enable flag.
    const bool slot = row.area != 0;
    if (slot && row.oddEnable) return {false, false, Say(MessageId::kEnableNotYesNo, *row.oddEnable), {}};
    // The unquoted yes/no value has always joined the option; the quoted
    // text is what the export writes from the skip flag, and goes back there.
    int option = OptionCode(f[3]);
    if (row.skip && !row.skipQuoted) option |= kOptionSkipBit;
    const int shift = f[7] == "+SHIFT" ? 1 : f[7] == "-SHIFT" ? 2 : 0;
    ImportedNote note = FitImportedNote(f[9]);

    SlotFields& dst = row.area == 0 ? image.vfo.bands[row.target] : image.memory.slot[row.target];
    dst.Set(kFreq, freq);
    dst.Set(kMode, mode);
    dst.Set(kStep, step);
    dst.Set(kOption, option);
    dst.Set(kSecret, AsRecordedCode(kSecret, LeadingNumber(f[4])));
    dst.Set(kCarrier, CarrierCode(f[5]));
    dst.Set(kTone, ToneCode(f[6]));
    dst.Set(kShift, shift);
    dst.Set(kOffset, AsRecordedMHz(LeadingNumber(f[8])));
    dst.SetText(kNote, note.text);
    dst.SetText(kName, {});  // fitted with the other rows' names once all are read
    if (slot) {
        dst.SetText(kSkip, row.skip ? "True" : "False");
        if (row.skipQuoted || row.oddSkip) dst.Set(kSkip, row.skip ? 1 : 0);
        image.memory.enabled[row.target] = row.enable;
        if (row.oddSkip) note.changes.push_back(Say(MessageId::kSkipNotYesNo, *row.oddSkip));
    }
    return {true, false, {}, std::move(note.changes)};
}

// A line whose first field is not the model: the heading, a blank line, or a
// row of something else, passed over field by field.
struct OtherLine {
    int line = 0;  // 0: none is being read
    std::string first;
    bool content = false;             // it holds a field that is not empty
    std::vector<std::string> fields;  // the first line's, for the heading
};

}  // namespace

int ProgramScanSlot(std::string_view text) {
    if (text.empty()) return -1;
    const SlotArea& area = AreaById(SlotAreaId::kProgramScan);
    if (text.front() == kScanEdgeMark) {
        const long long n = RoundedNumber(text.substr(1, 2));
        const char last = text.back();
        if (last == 'A' || last == 'B') return PairSlot(area, n, last);
        return AreaSlot(area, n);
    }
    if (StartsWithDigit(text)) return AreaSlot(area, RoundedNumber(text));
    return -1;
}

int SearchPassSlot(std::string_view text) { return NumberedSlot(SlotAreaId::kSearchPass, text); }

int PrioritySlot(std::string_view text) { return NumberedSlot(SlotAreaId::kPriority, text); }

std::vector<std::string> CsvExportLines(const CloneImage& image) {
    std::vector<std::string> lines;
    lines.reserve(1 + kCsvRows);
    std::string title;
    for (std::size_t i = 0; i < kTitles.size(); ++i) {
        if (i) title += ',';
        AppendQuoted(title, kTitles[i]);
    }
    lines.push_back(std::move(title));
    for (int b = 0; b < kBandCount; ++b)
        lines.push_back(Row(kVfoArea, std::to_string(b), image.vfo.bands[b], false, kTrue, true));
    for (int s = 0; s < kSlotCount; ++s) {
        const SlotArea& area = SlotAreaOf(s);
        std::string channel;
        if (area.pairs) channel.assign(1, kScanEdgeMark);
        channel += EntryLabel(s);
        lines.push_back(Row(area.csvName, channel, image.memory.slot[s], image.memory.slot[s].Value(kSkip) != 0,
                            image.memory.enabled[s] ? kTrue : kFalse, false));
    }
    return lines;
}

FileResult ExportCsv(const CloneImage& image, const QString& path) {
    if (path.isEmpty() || !WriteFileAtomically(path, JoinLinesCrLf(CsvExportLines(image))))
        return FileResult::Failure(MessageId::kFileOpenError);
    return FileResult::Success();
}

Message ImportSummary(const CsvImportResult& result) {
    return SayCount(MessageId::kCsvSummary, result.rowsStored, result.rowsRejected);
}

CsvImportResult ImportCsvText(CloneImage& image, std::string_view text) {
    CsvImportResult out;
    // Rows go into a copy, so a text that ends inside a row changes nothing.
    CloneImage next = image;
    CsvLexer in(text, CsvQuoting::kOwnExport);
    OtherLine other;
    // The rows stored, in file order: their names are fitted together.
    struct NamedRow {
        int line;
        std::string place;
        SlotFields* fields;
        std::string written;
        bool kept;  // a band, or an enabled slot
    };
    std::vector<NamedRow> named;
    const auto passOver = [&out](ImportIssue issue, bool silent) {
        if (out.firstPassedOver.line == 0) out.firstPassedOver = issue;
        if (!silent) out.issues.push_back(std::move(issue));
    };
    while (!in.AtEnd()) {
        const bool lineStart = in.RecordEnded();
        const int line = in.Line();
        auto field = NextField(in);
        if (field.text != kCsvModel) {
            if (lineStart) other = {line, field.text, false, {}};
            if (other.line == 0) continue;  // the rest of a row passed over
            other.content = other.content || !field.text.empty();
            if (other.line == 1 && other.fields.size() <= kTitles.size()) other.fields.push_back(std::move(field.text));
            if (!in.RecordEnded()) continue;
            if (other.line == 1) {
                out.ownHeading = std::equal(other.fields.begin(), other.fields.end(), kTitles.begin(), kTitles.end());
            } else if (other.content) {
                ++out.otherLines;
                passOver({other.line, {}, Say(MessageId::kModelIsNot, other.first, kCsvModel)}, false);
            }
            other = {};
            continue;
        }
        other = {};  // a row that starts further on its line
        CsvRow row;
        Message reason;
        const RowStatus status = ReadRow(in, row, reason);
        if (status == RowStatus::kCut) {
            CsvImportResult cut;
            cut.result = FileResult::Failure(MessageId::kFileOpenError);
            return cut;
        }
        if (status == RowStatus::kPassedOver) {
            ++out.rowsRejected;
            passOver({line, row.place, std::move(reason)}, false);
            continue;
        }
        Stored stored = StoreRow(next, row);
        if (!stored.ok) {
            ++out.rowsRejected;
            passOver({line, row.place, std::move(stored.reason)}, stored.silent);
            continue;
        }
        ++out.rowsStored;
        for (Message& lost : stored.lost) out.issues.push_back({line, row.place, std::move(lost)});
        named.push_back({line, row.place, &(row.area == 0 ? next.vfo.bands[row.target] : next.memory.slot[row.target]),
                         std::move(row.name), row.area == 0 || row.enable});
    }
    // Of rows naming the same band or slot the last one stays, and a disabled
    // slot is wiped below: only the channels kept share the display.
    std::vector<NamedRow> last;
    std::set<const SlotFields*> seen;
    for (auto n = named.rbegin(); n != named.rend(); ++n)
        if (seen.insert(n->fields).second && n->kept) last.push_back(std::move(*n));
    std::reverse(last.begin(), last.end());
    named = std::move(last);
    std::vector<std::string> written;
    for (const NamedRow& n : named) written.push_back(n.written);
    std::vector<FittedName> names = FitListNames(written);
    // A row's name comes first in its lines of the report, as in the file.
    std::vector<ImportIssue> issues;
    for (std::size_t i = 0; i < named.size(); ++i) {
        named[i].fields->SetText(kName, names[i].stored);
        if (names[i].change) issues.push_back({named[i].line, named[i].place, std::move(*names[i].change)});
    }
    std::move(out.issues.begin(), out.issues.end(), std::back_inserter(issues));
    std::stable_sort(issues.begin(), issues.end(),
                     [](const ImportIssue& a, const ImportIssue& b) { return a.line < b.line; });
    out.issues = std::move(issues);
    WipeDisabledSlots(next);
    image = std::move(next);
    return out;
}

namespace {

bool IsAscii(QByteArrayView bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Decodes line by line, so a legacy CP932 note does not spoil the rest.
std::string DecodeCsvBytes(const QByteArray& bytes) {
    std::string text;
    text.reserve(static_cast<std::size_t>(bytes.size()));
    qsizetype start = 0;
    if (bytes.startsWith("\xEF\xBB\xBF")) start = 3;
    while (start < bytes.size()) {
        qsizetype nl = bytes.indexOf('\n', start);
        if (nl < 0) nl = bytes.size();
        const QByteArrayView line(bytes.constData() + start, nl - start);
        // ASCII is UTF-8 as it is: most lines need no decoder.
        if (IsAscii(line))
            text.append(line.data(), static_cast<std::size_t>(line.size()));
        else
            text += DecodeLine(bytes.mid(start, nl - start));
        if (nl < bytes.size()) text += '\n';
        start = nl + 1;
    }
    return text;
}

}  // namespace

std::optional<std::string> ReadCsvFile(const QString& path) {
    const auto bytes = ReadRegularFile(path, kMaxCsvBytes);
    if (!bytes) return std::nullopt;
    return DecodeCsvBytes(*bytes);
}

CsvImportResult ImportCsvBytes(CloneImage& image, const QByteArray& bytes) {
    return ImportCsvText(image, DecodeCsvBytes(bytes));
}

FileResult NoChannelRows(const QString& path, std::string_view text, int passedOver) {
    const std::string name = QFileInfo(path).fileName().toStdString();
    FileResult out = FileResult::Failure(Say(MessageId::kNoChannelRows, name));
    // Two searches for one character each: far quicker than find_first_of on
    // a long text.
    const auto firstLineEnd = std::min(text.find('\r'), text.find('\n'));
    const std::string_view rest =
        firstLineEnd == std::string_view::npos ? std::string_view() : text.substr(firstLineEnd);
    if (passedOver > 0) {
        out.messages.push_back(SayCount(MessageId::kRowsNotTaken, passedOver));
    } else if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        out.messages.push_back(Say(MessageId::kFileIsEmpty));
    } else if (text.find(',') == std::string_view::npos) {
        out.messages.push_back(Say(MessageId::kNotCsv));
    } else if (rest.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        out.messages.push_back(Say(MessageId::kHeaderAlone));
    } else {
        out.messages.push_back(Say(MessageId::kHeaderUnknown, ListFileTitles()));
    }
    return out;
}

namespace {

// The failure for a file with our heading whose rows were all passed over:
// how many and why the first was.
FileResult NoRowRead(const QString& path, const CsvImportResult& imported) {
    const std::string name = QFileInfo(path).fileName().toStdString();
    FileResult out = FileResult::Failure(Say(MessageId::kNoChannelRows, name));
    const int rows = imported.rowsRejected + imported.otherLines;
    out.messages.push_back(SayCount(MessageId::kRowsNotRead, rows));
    const ImportIssue& first = imported.firstPassedOver;
    out.messages.push_back(first.location.empty()
                               ? Say(MessageId::kLineWhy, first.line, first.reason)
                               : Say(MessageId::kLineWhereWhy, first.line, first.location, first.reason));
    return out;
}

}  // namespace

CsvImportResult ImportCsv(CloneImage& image, const QString& path) {
    return ImportCsvFile(image, path, ReadCsvFile(path));
}

CsvImportResult ImportCsvFile(CloneImage& image, const QString& path, const std::optional<std::string>& text) {
    if (!text) {
        CsvImportResult out;
        out.result = FileResult::Failure(MessageId::kFileOpenError);
        return out;
    }
    // Into a copy, so an import that takes nothing changes nothing.
    auto next = std::make_unique<CloneImage>(image);
    CsvImportResult out = ImportCsvText(*next, *text);
    if (out.result.ok && out.rowsStored == 0) {
        const bool rowsOfOurs = out.ownHeading && out.firstPassedOver.line > 0;
        out.result = rowsOfOurs ? NoRowRead(path, out) : NoChannelRows(path, *text, out.rowsRejected);
        // A text that is no list of ours at all: the reason says what it is,
        // its lines need no report each.
        if (!out.ownHeading && out.rowsRejected == 0) out.issues.clear();
    }
    if (out.result.ok) image = std::move(*next);
    return out;
}

}  // namespace wrk7
