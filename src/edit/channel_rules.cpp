#include "edit/channel_rules.h"

#include <cmath>

#include "core/channel_limits.h"
#include "core/hex.h"
#include "core/message_titles.h"
#include "core/models.h"
#include "core/slot_areas.h"

namespace wrk7 {

namespace {

constexpr double kOffsetLimit = 100;

// Step codes (StepName).
constexpr int kStep10KHz = 3, kStep12_5KHz = 4, kStep1KHz = 16, kStep9KHz = 17;
constexpr int kOptionNone = static_cast<int>(ChannelOption::kOff);

Verdict Accepted(std::string text) {
    Verdict verdict;
    verdict.kind = Verdict::Kind::kAccepted;
    verdict.text = std::move(text);
    return verdict;
}
Verdict Restored(std::string text) {
    Verdict verdict;
    verdict.kind = Verdict::Kind::kRestored;
    verdict.text = std::move(text);
    return verdict;
}

Verdict CellularRefusal(std::string restoredText) {
    return {Verdict::Kind::kRefused, std::move(restoredText), Say(MessageId::kCellularTitle),
            {Say(MessageId::kCellularFrequency), Say(MessageId::kCellularNotSettable)}};
}

Verdict SearchPassRefusal(std::string restoredText) {
    return {Verdict::Kind::kRefused, std::move(restoredText), Say(MessageId::kErrorTitle),
            {Say(MessageId::kSearchPassSameFrequency)}};
}

long long Hz(double mhz) { return std::llround(mhz * 1'000'000.0); }

constexpr const SlotArea& kSearchPass = AreaById(SlotAreaId::kSearchPass);

// Another enabled search-pass entry holds mhz; compared in whole hertz, as
// the receiver holds them.
bool SearchPassHolds(const CloneImage& image, int slot, double mhz) {
    for (int other = kSearchPass.first; other < kSearchPass.End(); ++other) {
        if (other == slot || !image.memory.enabled[other]) continue;
        const SlotFields& o = image.memory.slot[other];
        if (!o.IsEmpty() && Hz(o.Value(kFreq)) == Hz(mhz)) return true;
    }
    return false;
}

const SlotFields& SlotOrEmpty(const std::array<SlotFields, kSlotCount>& mem, int slot) {
    static const SlotFields empty;
    return IsValidSlot(slot) ? mem[static_cast<std::size_t>(slot)] : empty;
}

}  // namespace

Verdict CheckMemoryFrequency(const CloneImage& image, int slot, double mhz) {
    const SlotFields& stored = SlotOrEmpty(image.memory.slot, slot);
    std::string restored = stored.IsEmpty() ? EmptyRowDefaults().Text(kFreq) : stored.Text(kFreq);
    if (!InChannelRange(mhz)) return Restored(std::move(restored));
    if (InCellularGap(Model(image.model), mhz)) return CellularRefusal(std::move(restored));
    if (kSearchPass.Holds(slot) && SearchPassHolds(image, slot, mhz)) return SearchPassRefusal(std::move(restored));
    return Accepted(FormatFrequency(mhz));
}

// Appended rather than "(" + text: gcc 12 at -O3 warns falsely (-Wrestrict)
// on a literal prepended to a temporary string.
std::string MemoryFrequencyRange() {
    std::string range = "(";
    range += ChannelRangeText();
    range += "MHz)";
    return range;
}

Verdict CheckVfoFrequency(const CloneImage& image, int band, double mhz) {
    const Band& edges = BandPlan(image.model, band);
    const ModelInfo& model = Model(image.model);
    const bool inBand = !(mhz < edges.low || mhz > edges.high);
    if (inBand && !InCellularGap(model, mhz)) return Accepted(FormatFrequency(mhz));
    // Back to the band's own frequency; a band that holds none (or one outside
    // its range, from a file) gets its lower edge instead, so OK never stores
    // a frequency the band cannot tune.
    const double stored = IsValidBand(band) ? image.vfo.bands[static_cast<std::size_t>(band)].Value(kFreq) : 0;
    const bool storedTunable = stored >= edges.low && stored <= edges.high && !InCellularGap(model, stored);
    std::string restored = FormatFrequency(storedTunable ? stored : edges.low);
    return inBand ? CellularRefusal(std::move(restored)) : Restored(std::move(restored));
}

Verdict CheckOffset(const SlotFields& stored, double mhz) {
    if (!(mhz >= kOffsetLimit || mhz < 0)) return Accepted(FormatOffset(mhz));
    double restored = stored.Value(kOffset);
    if (!(restored >= 0 && restored < kOffsetLimit)) restored = 0;
    return Restored(FormatOffset(restored));
}

Message OneLine(const std::vector<Message>& lines) {
    if (lines.empty()) return Verbatim("");
    Message out = lines.front();
    for (std::size_t i = 1; i < lines.size(); ++i) out = Say(MessageId::kSentences, std::move(out), lines[i]);
    return out;
}

std::optional<Message> MemoryEntryRefusal(const CloneImage& image, int slot, const SlotFields& f) {
    const Verdict freq = CheckMemoryFrequency(image, slot, f.Value(kFreq));
    if (freq.kind == Verdict::Kind::kRestored)
        return Say(MessageId::kFrequencyBetween, FormatFrequency(kLowestChannelMHz),
                   FormatFrequency(kHighestChannelMHz));
    if (freq.kind == Verdict::Kind::kRefused) return OneLine(freq.lines);
    for (const int field : {kOffset, kName, kNote})
        if (std::optional<Message> why = FieldRefusal(f, field)) return why;
    return std::nullopt;
}

std::optional<Message> FieldRefusal(const SlotFields& f, int field) {
    if (field == kOffset && !CheckOffset(f, f.Value(kOffset)).Accepted()) return Say(MessageId::kOffsetBelow100);
    if (field == kName && !NameFits(f.Text(kName))) return Say(MessageId::kNameHoldsAtMost, kNameLength);
    if (field == kNote && !NoteFits(f.Text(kNote))) return Say(MessageId::kNoteHoldsAtMost, kNoteLength);
    return std::nullopt;
}

std::optional<OffRaster> OffStepRaster(double mhz, int stepCode) {
    // In thirds of a hertz, so the 8.33 kHz step is a whole number too.
    constexpr long long kThirdsPerStep[kStepChoices] = {
        15000,  18750,  25000,  30000,   37500,   45000,   60000,   75000, 90000,
        150000, 300000, 375000, 450000,  600000,  1500000, 3000000, 3000,  27000};
    if (stepCode < 0 || stepCode >= kStepChoices || !std::isfinite(mhz) || mhz <= 0) return std::nullopt;
    const long long step = kThirdsPerStep[stepCode];
    const long long thirds = Hz(mhz) * 3;
    const long long below = thirds / step * step;
    const long long above = below + step;
    // A raster frequency of the 8.33 kHz step is a whole hertz only to the
    // nearest hertz: within one hertz of it is on it.
    if (thirds - below <= 3 || above - thirds <= 3) return std::nullopt;
    return OffRaster{(below + 1) / 3, (above + 1) / 3};
}

StepOffer VfoStepOffer(int modelIndex, int band, double storedStep) {
    StepOffer offer;
    // A model number the table does not know gets the 14-band models' band 1.
    const ModelInfo* model = FindModel(modelIndex);
    const bool band1OneStep = model == nullptr || model->band1OneStep;
    if (band == 0 || (band == 1 && band1OneStep)) {
        // These bands tune in one step only.
        const int only = band == 0 ? kStep1KHz : kStep9KHz;
        offer.enabled[only] = true;
        offer.selected = only;
        return offer;
    }
    offer.enabled.fill(true);
    offer.enabled[kStep1KHz] = offer.enabled[kStep9KHz] = false;
    const int stored = ChoiceIndex(storedStep, kStepChoices);
    const int replacement = band == 1 ? kStep10KHz : kStep12_5KHz;
    offer.selected = stored == kStep1KHz || stored == kStep9KHz ? replacement : stored;
    return offer;
}

std::array<bool, kOptionChoices> OfferedOptions(int modelIndex) {
    std::array<bool, kOptionChoices> offered;
    for (int code = 0; code < kOptionChoices; ++code)
        offered[static_cast<std::size_t>(code)] = OffersOption(Model(modelIndex), *OptionOfCode(code));
    return offered;
}

int VfoOptionChoice(int modelIndex, double storedOption) {
    const int option = ChoiceIndex(storedOption, kOptionChoices);
    if (option >= 0 && !OfferedOptions(modelIndex)[static_cast<std::size_t>(option)]) return kOptionNone;
    return option;
}

SlotFields EmptyRowDefaults() {
    SlotFields d;
    d.Set(kFreq, 145);
    d.Set(kMode, 0);     // FM
    d.Set(kStep, 6);     // 20KHz
    d.Set(kOption, kOptionNone);
    d.Set(kSecret, kUnsetSecretCode);
    d.Set(kCarrier, kUnsetCarrierCode);
    d.Set(kTone, 8);     // 88.5Hz
    d.Set(kShift, 0);    // OFF
    d.Set(kOffset, 0.6);
    return d;
}

int ChoiceIndex(double value, int count) {
    if (!std::isfinite(value) || value < 0 || value >= count) return -1;
    const double whole = std::floor(value);
    return whole == value ? static_cast<int>(whole) : -1;
}

}  // namespace wrk7
