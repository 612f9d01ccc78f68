#include "files/chirp_csv.h"

#include <algorithm>

#include "files/chirp_map.h"
#include "files/csv_records.h"
#include "files/text_file.h"

namespace wrk7 {

namespace {

using Outcome = ChirpMapping::Outcome;

// Where each column the import reads sits in a record, -1 when the header
// lacks it.
struct ColumnMap {
    int location = -1;
    std::array<int, 10> fields{};  // ChirpRow members in kRowColumns order
};

struct RowColumn {
    std::string_view header;
    std::string ChirpRow::*member;
};
constexpr RowColumn kRowColumns[] = {
    {"Name", &ChirpRow::name},   {"Frequency", &ChirpRow::frequency}, {"Duplex", &ChirpRow::duplex},
    {"Offset", &ChirpRow::offset}, {"Tone", &ChirpRow::tone},          {"cToneFreq", &ChirpRow::cToneFreq},
    {"Mode", &ChirpRow::mode},   {"TStep", &ChirpRow::tStep},         {"Skip", &ChirpRow::skip},
    {"Comment", &ChirpRow::comment}};
constexpr int kFrequencyColumn = 1;

int IndexOf(const std::vector<std::string>& header, std::string_view name) {
    for (std::size_t i = 0; i < header.size(); ++i)
        if (TrimmedField(header[i]) == name) return static_cast<int>(i);
    return -1;
}

ColumnMap MapColumns(const std::vector<std::string>& header) {
    ColumnMap map;
    map.location = IndexOf(header, "Location");
    for (std::size_t i = 0; i < std::size(kRowColumns); ++i) map.fields[i] = IndexOf(header, kRowColumns[i].header);
    return map;
}

std::string FieldAt(const std::vector<std::string>& fields, int index) {
    return index >= 0 && index < static_cast<int>(fields.size()) ? fields[static_cast<std::size_t>(index)]
                                                                   : std::string();
}

ChirpRow RowOf(const CsvRecord& record, const ColumnMap& map) {
    ChirpRow row;
    for (std::size_t i = 0; i < std::size(kRowColumns); ++i)
        row.*kRowColumns[i].member = FieldAt(record.fields, map.fields[i]);
    return row;
}

// Slot of a row, or the reason it has none. next: the slot consecutive
// placement uses, advanced when taken.
struct Placement {
    int slot = -1;
    std::string reason;
};

// The channels a Location can name, as the reasons write them.
std::string OutsideChannels(const std::string& location) {
    return "Location " + location + " is outside 0-" + std::to_string(kChannelCount - 1);
}

Placement Place(const std::string& location, std::optional<int>& next) {
    if (next) {
        if (*next >= kChannelCount) return {-1, "no memory slot left after " + std::to_string(kChannelCount - 1)};
        return {(*next)++, {}};
    }
    const bool negative = location.starts_with('-');
    const std::string digits = negative ? location.substr(1) : location;
    const auto n = ParseScaledDecimal(digits, 0);
    if ((n && negative && *n > 0) || (!n && DecimalTooLarge(digits, 0))) return {-1, OutsideChannels(location)};
    if (!n) return {-1, "Location \"" + TrimmedField(location) + "\" is not a number"};
    if (*n >= kChannelCount) return {-1, OutsideChannels(std::to_string(*n))};
    return {static_cast<int>(*n), {}};
}

// The row that last wrote a slot; line 0 for none.
struct Writer {
    int line = 0;
    std::string location;
    std::string storedName, writtenName;
    bool nameFitted = false;
};

// A name fitted to the display can meet another row's different name: each
// later row of such a pair is an issue naming the first.
void AddNameClashes(const std::vector<Writer>& writers, std::vector<ChirpIssue>& issues) {
    std::vector<const Writer*> rows;
    for (const Writer& w : writers)
        if (w.line > 0 && w.storedName.find_first_not_of(' ') != std::string::npos) rows.push_back(&w);
    std::sort(rows.begin(), rows.end(), [](const Writer* a, const Writer* b) { return a->line < b->line; });
    for (auto later = rows.begin(); later != rows.end(); ++later) {
        const Writer& w = **later;
        const auto first = std::find_if(rows.begin(), later, [&w](const Writer* e) {
            return e->storedName == w.storedName && e->writtenName != w.writtenName && (e->nameFitted || w.nameFitted);
        });
        if (first == later) continue;
        const Writer& e = **first;
        issues.push_back({w.line, w.location,
                          "names \"" + e.writtenName + "\" (line " + std::to_string(e.line) + ") and \"" +
                              w.writtenName + "\" became the same: \"" + w.storedName + "\""});
    }
}

}  // namespace

std::string ImportSummary(const ChirpImportResult& result) {
    return std::to_string(result.imported) + " channels imported, " + std::to_string(result.skipped) + " skipped";
}

CsvKind DetectCsvKind(std::string_view text) {
    // The first record that is neither blank nor a comment; its columns may
    // come in any order.
    const std::vector<CsvRecord> records = ParseCsvRecords(text);
    if (records.empty()) return CsvKind::kOwn;
    const std::vector<std::string>& header = records.front().fields;
    const bool chirp = IndexOf(header, "Location") >= 0 && IndexOf(header, "Frequency") >= 0;
    return chirp ? CsvKind::kChirp : CsvKind::kOwn;
}

ChirpImportResult ImportChirpText(CloneImage& image, std::string_view text, std::optional<int> firstSlot) {
    ChirpImportResult out;
    const std::vector<CsvRecord> records = ParseCsvRecords(text);
    const ColumnMap columns = records.empty() ? ColumnMap{} : MapColumns(records.front().fields);
    if (columns.location < 0 || columns.fields[kFrequencyColumn] < 0) {
        out.result = FileResult::Failure(kFileOpenError);
        return out;
    }
    std::optional<int> next = firstSlot;
    // A later row naming the same Location replaces the slot's writer, in
    // file order.
    std::vector<Writer> writer(kChannelCount);
    for (std::size_t r = 1; r < records.size(); ++r) {
        const CsvRecord& record = records[r];
        const std::string location = TrimmedField(FieldAt(record.fields, columns.location));
        ChirpMapping mapped = MapChirpRow(RowOf(record, columns), image);
        if (mapped.outcome == Outcome::kNoChannel) continue;
        const Placement place = mapped.outcome == Outcome::kImported ? Place(location, next) : Placement{};
        if (mapped.outcome == Outcome::kSkipped || place.slot < 0) {
            ++out.skipped;
            out.issues.push_back({record.line, location, mapped.outcome == Outcome::kSkipped ? mapped.reason : place.reason});
            continue;
        }
        const auto slot = static_cast<std::size_t>(place.slot);
        Writer& earlier = writer[slot];
        if (earlier.line > 0) {
            out.issues.push_back({earlier.line, earlier.location, "replaced by line " + std::to_string(record.line)});
        } else {
            ++out.imported;
            if (!image.memory.slot[slot].IsEmpty()) ++out.replacedUsed;
        }
        earlier = {record.line, location, mapped.channel.Text(kName), mapped.writtenName, mapped.nameFitted};
        image.memory.slot[slot] = std::move(mapped.channel);
        image.memory.enabled[slot] = true;
        if (!mapped.reason.empty()) out.issues.push_back({record.line, location, mapped.reason});
        for (std::string& fitted : mapped.fitted) out.issues.push_back({record.line, location, std::move(fitted)});
    }
    AddNameClashes(writer, out.issues);
    std::stable_sort(out.issues.begin(), out.issues.end(),
                     [](const ChirpIssue& a, const ChirpIssue& b) { return a.line < b.line; });
    for (int slot = 0; slot < kChannelCount; ++slot)
        if (writer[static_cast<std::size_t>(slot)].line > 0) out.filled.push_back(slot);
    if (out.imported > 0) image.MarkModified();
    return out;
}

std::vector<std::string> ChirpExportLines(const CloneImage& image) {
    std::vector<std::string> lines;
    lines.push_back(CsvLine(std::vector<std::string>(kChirpColumns.begin(), kChirpColumns.end())));
    for (int slot = 0; slot < kChannelCount; ++slot) {
        const SlotFields& channel = image.memory.slot[static_cast<std::size_t>(slot)];
        if (image.memory.enabled[static_cast<std::size_t>(slot)] && !channel.IsEmpty())
            lines.push_back(CsvLine(ChirpExportFields(slot, channel)));
    }
    return lines;
}

FileResult ExportChirpCsv(const CloneImage& image, const QString& path) {
    if (path.isEmpty() || !WriteFileAtomically(path, JoinLinesCrLf(ChirpExportLines(image))))
        return FileResult::Failure(kFileOpenError);
    return FileResult::Success();
}

}  // namespace wrk7
