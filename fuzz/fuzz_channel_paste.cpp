// A paste of copied channels, as spreadsheet text or as exact records: every
// row is written or refused, nothing outside the rows it lands on changes, a
// refused row leaves its slot or band as it was, a written channel is one the
// editor accepts, and what a paste writes is what its record gives back.
#include <cmath>

#include "codecs/channel_codec.h"
#include "codecs/vfo_codec.h"
#include "core/channel_limits.h"
#include "core/slot_areas.h"
#include "edit/channel_paste.h"
#include "files/text_file.h"
#include "fuzz_check.h"
#include "lists/channel_records_text.h"
#include "lists/channel_tsv.h"
#include "saved_form.h"

using namespace wrk7;

namespace {

// Channels in every third slot of every area, each frequency its own, so a
// search-pass paste can meet a frequency already held.
CloneImage MakeStartImage(int model) {
    CloneImage image = fuzz::FreshImage(model);
    for (int slot = 0; slot < kSlotCount; slot += 3) {
        SlotFields& f = image.memory.slot[slot];
        f.Set(kFreq, 118.0 + 0.025 * slot);
        f.Set(kTone, slot % 39);
        f.SetText(kName, "CH" + std::to_string(slot % 1000));
        image.memory.enabled[slot] = true;
    }
    return image;
}

const CloneImage& StartImage(int model) {
    static const CloneImage images[] = {MakeStartImage(0), MakeStartImage(1), MakeStartImage(2), MakeStartImage(3)};
    return images[model];
}

long long Hz(double mhz) { return std::llround(mhz * 1e6); }

std::string Trimmed(std::string name) {
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name;
}

// What a record keeps of a slot or band: the codes, the frequencies to the
// hertz, the name without trailing blanks and the note on one line.
bool SameKept(const SlotFields& a, const SlotFields& b, bool withName) {
    for (int f : {kMode, kStep, kOption, kSecret, kCarrier, kTone, kShift, kSkip})
        if (a.Value(f) != b.Value(f)) return false;
    return Hz(a.Value(kFreq)) == Hz(b.Value(kFreq)) && Hz(a.Value(kOffset)) == Hz(b.Value(kOffset)) &&
           (!withName || Trimmed(a.Text(kName)) == Trimmed(b.Text(kName))) &&
           FlattenLineBreaks(a.Text(kNote)) == FlattenLineBreaks(b.Text(kNote));
}

// A slot or band as a save and a reopen give it back: its record line
// decoded (the note line keeps the note, the flattening SameKept allows for).
SlotFields ReopenedSlot(const CloneImage& image, int slot) {
    static CloneImage reopened;
    reopened.model = image.model;
    reopened.memory.slot[slot] = SlotFields{};
    DecodeChannel(reopened, "\r\n" + EncodeChannel(image, slot), slot);
    reopened.memory.slot[slot].SetText(kNote, image.memory.slot[slot].Text(kNote));
    return reopened.memory.slot[slot];
}

SlotFields ReopenedBand(const CloneImage& image, int band) {
    static CloneImage reopened;
    reopened.model = image.model;
    reopened.vfo.bands[band] = SlotFields{};
    DecodeVfoBand(reopened, "\r\n" + EncodeVfoBand(image, band), band);
    reopened.vfo.bands[band].SetText(kNote, image.vfo.bands[band].Text(kNote));
    return reopened.vfo.bands[band];
}

// Every row is written or refused, once, in order.
void RequireEveryRowOnce(const PastePlan& plan, std::size_t rows) {
    fuzz::Require(plan.rows == static_cast<int>(rows) && plan.writes.size() + plan.refused.size() == rows,
                  "every row is written or refused");
    for (std::size_t i = 1; i < plan.refused.size(); ++i)
        fuzz::Require(plan.refused[i - 1].row < plan.refused[i].row, "refusals in row order");
}

void MemoryPaste(const CloneImage& start, int first, const std::vector<PasteRecord>& records) {
    const PastePlan plan = PlanMemoryPaste(start, first, records);
    RequireEveryRowOnce(plan, records.size());
    CloneImage after = start;
    ApplyMemoryPaste(after, plan);

    CloneImage rest = after;
    for (const PastePlan::Write& w : plan.writes) {
        fuzz::Require(w.target >= first && w.target < first + plan.rows && w.target < SlotAreaOf(first).End(),
                      "a row lands in its place within the area", std::to_string(w.target));
        rest.memory.slot[w.target] = start.memory.slot[w.target];
        rest.memory.enabled[w.target] = start.memory.enabled[w.target];
    }
    fuzz::Require(rest == start, "a paste changes the rows it writes only");

    for (const PastePlan::Write& w : plan.writes) {
        const SlotFields& f = after.memory.slot[w.target];
        const std::string where = "slot " + std::to_string(w.target);
        if (!after.memory.enabled[w.target]) {
            fuzz::Require(f == SlotFields{}, "a disabled row empties its slot", where);
            continue;
        }
        fuzz::Require(InChannelRange(f.Value(kFreq)) && f.Value(kOffset) >= 0 && f.Value(kOffset) < 100 &&
                          NameFits(f.Text(kName)) && NoteFits(f.Text(kNote)),
                      "a written channel is one the editor accepts", where);
        fuzz::Require(SameKept(f, ReopenedSlot(after, w.target), true), "a written channel saves and reopens as it is",
                      where);
    }
}

void VfoPaste(const CloneImage& start, int first, const std::vector<PasteRecord>& records) {
    const PastePlan plan = PlanVfoPaste(start, first, records);
    RequireEveryRowOnce(plan, records.size());
    CloneImage after = start;
    ApplyVfoPaste(after, plan);

    CloneImage rest = after;
    for (const PastePlan::Write& w : plan.writes) {
        fuzz::Require(w.target >= first && w.target < first + plan.rows && IsValidBand(w.target),
                      "a row lands on its band", std::to_string(w.target));
        rest.vfo.bands[w.target] = start.vfo.bands[w.target];
    }
    fuzz::Require(rest == start, "a paste changes the bands it writes only");

    for (const PastePlan::Write& w : plan.writes)
        fuzz::Require(SameKept(after.vfo.bands[w.target], ReopenedBand(after, w.target), false),
                      "a written band saves and reopens as it is", std::to_string(w.target));
}

}  // namespace

// The first byte picks the model; in the second, bit 0 reads the text as
// exact records (else as spreadsheet text) and bit 1 pastes on the VFO grid;
// the next two bytes choose the first slot (or the third alone the first
// band, 14 and 15 being none); the rest is the clipboard's text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    const int model = fuzz::ModelOf(data, size);
    const bool exact = data[1] & 1, vfo = data[1] & 2;
    const std::string_view text(reinterpret_cast<const char*>(data + 4), size - 4);

    std::vector<PasteRecord> records;
    if (exact) {
        auto decoded = DecodeChannelRecords(text);
        if (!decoded) return 0;
        records = std::move(*decoded);
    } else {
        if (!LooksLikeChannelTsv(text)) return 0;
        records = ParseChannelTsv(text);
    }
    const CloneImage& start = StartImage(model);
    if (vfo) {
        VfoPaste(start, data[2] % 16, records);
    } else {
        MemoryPaste(start, ((data[2] << 8) | data[3]) % kSlotCount, records);
    }
    return 0;
}
