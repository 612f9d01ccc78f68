#include "lists/chirp_csv.h"

#include <algorithm>

#include "files/text_file.h"
#include "lists/chirp_map.h"
#include "lists/csv_records.h"
#include "lists/name_fit.h"

namespace wrk7 {

namespace {

using Outcome = ChirpMapping::Outcome;

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
constexpr std::size_t kNoColumn = static_cast<std::size_t>(-1);

// Where each column the import reads sits in a record, kNoColumn when the
// header lacks it: the first field of each name in the first record, which
// is all this reads.
class HeaderReader : public CsvVisitor {
public:
    HeaderReader() { fields.fill(kNoColumn); }
    void Field(std::size_t index, std::string_view text) override {
        const std::string name = TrimmedField(text);
        auto take = [&](std::size_t& column, std::string_view header) {
            if (column == kNoColumn && name == header) column = index;
        };
        take(location, "Location");
        for (std::size_t i = 0; i < std::size(kRowColumns); ++i) take(fields[i], kRowColumns[i].header);
    }
    bool RecordEnd(int) override { return false; }
    // A list has both.
    bool IsList() const { return location != kNoColumn && fields[kFrequencyColumn] != kNoColumn; }

    std::size_t location = kNoColumn;
    std::array<std::size_t, std::size(kRowColumns)> fields{};  // ChirpRow members in kRowColumns order
};

// Slot of a row, or the reason it has none. next: the slot consecutive
// placement uses, advanced when taken.
struct Placement {
    int slot = -1;
    Message reason;
};

Placement Place(const std::string& location, std::optional<int>& next) {
    if (next) {
        if (*next >= kChannelCount) return {-1, Say(MessageId::kNoSlotLeft, kChannelCount - 1)};
        return {(*next)++, {}};
    }
    LocationSlot own = ChirpLocationSlot(location);
    return {own.slot, own.fault ? std::move(*own.fault) : Message{}};
}

// The row that last wrote a slot; line 0 for none.
struct Writer {
    int line = 0;
    std::string location;
};

}  // namespace

Message ImportSummary(const ChirpImportResult& result) {
    return SayCount(MessageId::kChirpSummary, result.imported, result.skipped);
}

CsvKind DetectCsvKind(std::string_view text) {
    // The first record that is neither blank nor a comment; its columns may
    // come in any order.
    HeaderReader header;
    VisitCsvRecords(text, header);
    return header.IsList() ? CsvKind::kChirp : CsvKind::kOwn;
}

namespace {

// The rows after the header: of a row only the columns the header names are
// kept.
class ChirpRowReader : public CsvVisitor {
public:
    void Field(std::size_t index, std::string_view text) override {
        if (!inRows_) return header_.Field(index, text);
        if (index == header_.location) row_.location = TrimmedField(text);
        for (std::size_t i = 0; i < std::size(kRowColumns); ++i)
            if (index == header_.fields[i]) row_.fields.*kRowColumns[i].member = text;
    }

    bool RecordEnd(int line) override {
        if (!inRows_) {
            inRows_ = true;
            return header_.IsList();
        }
        row_.line = line;
        rows_.push_back(std::move(row_));
        row_ = {};
        return true;
    }

    std::optional<std::vector<ChirpListRow>> Rows() && {
        if (!header_.IsList()) return std::nullopt;
        return std::move(rows_);
    }

private:
    HeaderReader header_;
    bool inRows_ = false;
    ChirpListRow row_;
    std::vector<ChirpListRow> rows_;
};

// The rows stored once all are read, since a name is fitted with the names
// of every row that becomes a channel.
class ChirpImporter {
public:
    ChirpImporter(CloneImage& image, std::optional<int> firstSlot) : image_(image), next_(firstSlot) {}

    ChirpImportResult Finish(const std::vector<ChirpListRow>& rows) {
        std::vector<Stored> stored = MapAndPlace(rows);
        // A row that a later one replaces keeps no name from the others.
        std::vector<bool> kept(stored.size());
        std::vector<bool> slotTaken(kChannelCount, false);
        std::vector<std::string> written;
        for (std::size_t i = stored.size(); i-- > 0;) {
            kept[i] = !slotTaken[static_cast<std::size_t>(stored[i].slot)];
            slotTaken[static_cast<std::size_t>(stored[i].slot)] = true;
        }
        for (std::size_t i = 0; i < stored.size(); ++i)
            if (kept[i]) written.push_back(stored[i].mapped.writtenName);
        std::vector<FittedName> names = FitListNames(written);
        for (std::size_t i = 0, next = 0; i < stored.size(); ++i)
            Store(stored[i], kept[i] ? std::move(names[next++]) : FittedName{});
        std::stable_sort(out_.issues.begin(), out_.issues.end(),
                         [](const ImportIssue& a, const ImportIssue& b) { return a.line < b.line; });
        for (int slot = 0; slot < kChannelCount; ++slot)
            if (writer_[static_cast<std::size_t>(slot)].line > 0) out_.filled.push_back(slot);
        return std::move(out_);
    }

private:
    struct Stored {
        const ChirpListRow* row;
        int slot;
        ChirpMapping mapped;
    };

    // The rows that become channels, with their slots, in file order; the
    // others are counted and said.
    std::vector<Stored> MapAndPlace(const std::vector<ChirpListRow>& rows) {
        std::vector<Stored> stored;
        for (const ChirpListRow& row : rows) {
            ChirpMapping mapped = MapChirpRow(row.fields, image_);
            if (mapped.outcome == Outcome::kNoChannel) continue;
            const Placement place = mapped.outcome == Outcome::kImported ? Place(row.location, next_) : Placement{};
            if (mapped.outcome == Outcome::kSkipped || place.slot < 0) {
                ++out_.skipped;
                const Message reason =
                    mapped.outcome == Outcome::kSkipped && mapped.reason ? *mapped.reason : place.reason;
                out_.issues.push_back({row.line, row.location, reason});
                continue;
            }
            stored.push_back({&row, place.slot, std::move(mapped)});
        }
        return stored;
    }

    void Store(Stored& s, FittedName name) {
        const ChirpListRow& row = *s.row;
        const auto slot = static_cast<std::size_t>(s.slot);
        Writer& earlier = writer_[slot];
        if (earlier.line > 0) {
            out_.issues.push_back({earlier.line, earlier.location, Say(MessageId::kReplacedByLine, row.line), s.slot});
        } else {
            ++out_.imported;
            if (!image_.memory.slot[slot].IsEmpty()) ++out_.replacedUsed;
        }
        earlier = {row.line, row.location};
        s.mapped.channel.SetText(kName, name.stored);
        image_.memory.slot[slot] = std::move(s.mapped.channel);
        image_.memory.enabled[slot] = true;
        if (s.mapped.reason) out_.issues.push_back({row.line, row.location, *s.mapped.reason, s.slot});
        if (name.change) out_.issues.push_back({row.line, row.location, std::move(*name.change), s.slot});
        for (Message& fitted : s.mapped.fitted) out_.issues.push_back({row.line, row.location, std::move(fitted), s.slot});
    }

    CloneImage& image_;
    std::optional<int> next_;
    // The row that wrote each slot so far, line 0 for none: a later row
    // naming the same Location replaces it, in file order.
    std::vector<Writer> writer_ = std::vector<Writer>(kChannelCount);
    ChirpImportResult out_;
};

}  // namespace

std::optional<std::vector<ChirpListRow>> ReadChirpRows(std::string_view text) {
    ChirpRowReader reader;
    VisitCsvRecords(text, reader);
    return std::move(reader).Rows();
}

ChirpImportResult ImportChirpText(CloneImage& image, std::string_view text, std::optional<int> firstSlot) {
    const auto rows = ReadChirpRows(text);
    if (!rows) {
        ChirpImportResult failed;
        failed.result = FileResult::Failure(MessageId::kFileOpenError);
        return failed;
    }
    return ChirpImporter(image, firstSlot).Finish(*rows);
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
        return FileResult::Failure(MessageId::kFileOpenError);
    return FileResult::Success();
}

}  // namespace wrk7
