// CHIRP lists: whatever the text, an import changes nothing but memory slots
// 0..999, gives the image that importing its rows one at a time gives, and
// the rows it skips change nothing (importing the rest alone gives the same
// image); exporting the result and importing that export into a new image
// gives back every written row's frequency, mode, name, skip, tone, shift and
// note.
#include <cmath>

#include "core/tables.h"
#include "fuzz_check.h"
#include "lists/chirp_csv.h"
#include "lists/csv_records.h"
#include "saved_form.h"

using namespace wrk7;

namespace {

// A record as one line of fields in quotes, so no field starts a comment
// or ends the line.
std::string QuotedLine(const std::vector<std::string>& fields) {
    std::string line;
    for (const std::string& f : fields) {
        if (!line.empty()) line += ',';
        line += '"';
        for (char c : f) line += c == '"' ? std::string("\"\"") : std::string(1, c);
        line += '"';
    }
    return line;
}

void RequireOnlyChannelsChanged(const CloneImage& before, const CloneImage& after) {
    bool same = after.vfo == before.vfo && after.banks == before.banks && after.groups == before.groups &&
                after.settings == before.settings && after.flags == before.flags && after.model == before.model;
    for (int slot = kChannelCount; slot < kSlotCount; ++slot)
        same = same && after.memory.slot[slot] == before.memory.slot[slot] &&
               after.memory.enabled[slot] == before.memory.enabled[slot];
    fuzz::Require(same, "an import changes memory slots 0..999 only");
}

long long Hz(double mhz) { return std::llround(mhz * 1e6); }

std::string Trimmed(std::string name) {
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name;
}

// The export writes a skip-marked option (codes 8..12) as a skipped row.
bool Skipped(const SlotFields& f) {
    const double option = f.Value(kOption);
    return f.Value(kSkip) != 0 ||
           (option >= kOptionSkipBit && option < kOptionSkipBit + static_cast<double>(SkippedOptionName.size()));
}

void RequireRoundTrip(const CloneImage& image) {
    const std::vector<std::string> lines = ChirpExportLines(image);
    std::string text;
    for (const std::string& l : lines) text += l + "\r\n";
    CloneImage back = fuzz::FreshImage(image.model);
    fuzz::Require(ImportChirpText(back, text).result.ok, "an export imports");
    for (int slot = 0; slot < kChannelCount; ++slot) {
        const SlotFields& a = image.memory.slot[slot];
        if (!image.memory.enabled[slot] || a.IsEmpty()) continue;
        const SlotFields& b = back.memory.slot[slot];
        const std::string where = "slot " + std::to_string(slot);
        fuzz::Require(back.memory.enabled[slot], "an exported row imports", where);
        fuzz::Require(Hz(a.Value(kFreq)) == Hz(b.Value(kFreq)), "the frequency comes back", where);
        for (int f : {kMode, kTone, kShift})
            fuzz::Require(a.Text(f) == b.Text(f), "mode, tone and shift come back", where + ": " + a.Text(f));
        fuzz::Require(Trimmed(a.Text(kName)) == Trimmed(b.Text(kName)), "the name comes back", where);
        fuzz::Require(a.Text(kNote) == b.Text(kNote), "the note comes back", where);
        fuzz::Require(Skipped(a) == (b.Value(kSkip) != 0), "the skip comes back", where);
    }
}

}  // namespace

// The first byte picks the model; the second, when odd, places the rows from
// the slot four times the third byte (past 999 too), else by Location; the
// rest is the list.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    const int model = fuzz::ModelOf(data, size);
    const std::optional<int> firstSlot = data[1] & 1 ? std::optional<int>(data[2] * 4) : std::nullopt;
    const std::string_view text(reinterpret_cast<const char*>(data + 3), size - 3);

    const CloneImage& start = fuzz::ChannelsInEveryArea(model);
    CloneImage whole = start;
    const ChirpImportResult r = ImportChirpText(whole, text, firstSlot);
    if (!r.result.ok) {
        fuzz::Require(whole == start, "a refused list changes nothing");
        return 0;
    }
    RequireOnlyChannelsChanged(start, whole);

    const std::vector<CsvRecord> records = ParseCsvRecords(text);
    const std::string header = QuotedLine(records.front().fields) + "\n";
    CloneImage oneByOne = start;
    std::optional<int> next = firstSlot;
    std::string kept = header;
    int skipped = 0;
    for (std::size_t i = 1; i < records.size(); ++i) {
        const std::string row = QuotedLine(records[i].fields) + "\n";
        const ChirpImportResult one = ImportChirpText(oneByOne, header + row, next);
        fuzz::Require(one.result.ok && one.imported + one.skipped <= 1, "one row imports alone");
        if (next) *next += one.imported;
        skipped += one.skipped;
        if (one.skipped == 0) kept += row;
    }
    fuzz::Require(oneByOne == whole, "rows imported one at a time give the same image");
    fuzz::Require(skipped == r.skipped, "the rows skipped alone are those skipped together");

    CloneImage withoutSkipped = start;
    const ChirpImportResult rest = ImportChirpText(withoutSkipped, kept, firstSlot);
    fuzz::Require(rest.skipped == 0 && withoutSkipped == whole, "a skipped row changes nothing");

    RequireRoundTrip(whole);
    return 0;
}
