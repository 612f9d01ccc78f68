#include "edit/channel_paste.h"

#include <algorithm>

#include "core/channel_limits.h"
#include "core/hex.h"
#include "core/models.h"
#include "core/slot_areas.h"
#include "edit/channel_rules.h"

namespace wrk7 {

namespace {

constexpr int kOptionNone = static_cast<int>(ChannelOption::kOff);

// Train or Secret on a model without it: "None", as the editor offers.
void DropMissingOption(SlotFields& f, int regionIndex) {
    const int option = ChoiceIndex(f.Value(kOption), kOptionChoices);
    if (option >= 0 && !OfferedOptions(regionIndex)[static_cast<std::size_t>(option)]) f.Set(kOption, kOptionNone);
}

// Why a band cannot take the pasted values; "" when it can.
std::string VfoRowRefusal(const CloneImage& image, int band, const PasteRecord& pasted) {
    if (!pasted.unreadable.empty()) return pasted.unreadable;
    if (band < 0 || band >= VfoBandCount(image.model))
        return "The " + std::string(Model(image.model).name) + " has no band " + std::to_string(band) + ".";
    if (pasted.fields.IsEmpty()) return "An empty row cannot replace a band.";
    return {};
}

// The band with the pasted values it can take: every value the editor would
// accept for it; the frequency, step, option and offset it would not accept
// stay as the band has them (a band's frequency only ever fits that band).
SlotFields MergedBand(const CloneImage& image, int band, const SlotFields& pasted) {
    SlotFields merged = image.vfo.bands[static_cast<std::size_t>(band)];
    for (int f : {kMode, kSecret, kCarrier, kTone, kShift}) merged.Set(f, pasted.Value(f));
    merged.SetText(kNote, pasted.Text(kNote));
    if (CheckVfoFrequency(image, band, pasted.Value(kFreq)).Accepted()) merged.Set(kFreq, pasted.Value(kFreq));
    if (CheckOffset(merged, pasted.Value(kOffset)).Accepted()) merged.Set(kOffset, pasted.Value(kOffset));
    const int step = ChoiceIndex(pasted.Value(kStep), kStepChoices);
    const StepOffer steps = VfoStepOffer(image.model, band, merged.Value(kStep));
    if (step >= 0 && steps.enabled[static_cast<std::size_t>(step)]) {
        merged.Set(kStep, step);
    } else if (steps.selected >= 0) {
        merged.Set(kStep, steps.selected);
    }
    const int option = ChoiceIndex(pasted.Value(kOption), kOptionChoices);
    if (option >= 0 && OfferedOptions(image.model)[static_cast<std::size_t>(option)]) merged.Set(kOption, option);
    return merged;
}

// A paste stays within the area its first row lies in, so channels never
// spill into the program-scan edges, or edges into the search-pass entries.
std::string AreaEndRefusal(const SlotArea& area) {
    if (&area == &kSlotAreas.back()) return "There is no row after the last one.";
    return "The paste stops at the last " + std::string(area.entryName) + ".";
}

}  // namespace

PastePlan PlanMemoryPaste(const CloneImage& image, int firstSlot, const std::vector<PasteRecord>& records) {
    PastePlan plan;
    const SlotArea& area = SlotAreaOf(firstSlot);
    plan.rows = static_cast<int>(records.size());
    // The search-pass check looks at the other entries as they will be after
    // the paste: targets start out empty and take their row once accepted
    // (or their old contents back when it is refused).
    CloneImage after = image;
    for (int i = 0; i < plan.rows; ++i)
        if (IsValidSlot(firstSlot + i) && firstSlot + i < area.End()) after.ClearSlot(firstSlot + i);

    for (int i = 0; i < plan.rows; ++i) {
        const int slot = firstSlot + i;
        if (!IsValidSlot(slot) || slot >= area.End()) {
            plan.refused.push_back({i, slot, AreaEndRefusal(area)});
            continue;
        }
        PasteRecord record = records[static_cast<std::size_t>(i)];
        record.enabled = record.enabled && !record.fields.IsEmpty();
        std::string why = record.unreadable;
        if (why.empty() && record.enabled) why = MemoryEntryRefusal(after, slot, record.fields);
        if (!why.empty()) {
            plan.refused.push_back({i, slot, std::move(why)});
            after.memory.slot[slot] = image.memory.slot[slot];
            after.memory.enabled[slot] = image.memory.enabled[slot];
            continue;
        }
        DropMissingOption(record.fields, image.model);
        after.memory.slot[slot] = record.fields;
        after.memory.enabled[slot] = record.enabled;
        // A disabled or empty row empties its slot.
        if (!after.memory.enabled[slot]) after.ClearSlot(slot);
        record.fields = after.memory.slot[slot];
        if (!image.memory.slot[slot].IsEmpty()) ++plan.overwrites;
        plan.writes.push_back({slot, std::move(record)});
    }
    return plan;
}

PastePlan PlanVfoPaste(const CloneImage& image, int firstBand, const std::vector<PasteRecord>& records) {
    PastePlan plan;
    plan.rows = static_cast<int>(records.size());
    for (int i = 0; i < plan.rows; ++i) {
        const int band = firstBand + i;
        const PasteRecord& pasted = records[static_cast<std::size_t>(i)];
        if (std::string why = VfoRowRefusal(image, band, pasted); !why.empty()) {
            plan.refused.push_back({i, band, std::move(why)});
            continue;
        }
        PasteRecord record;
        record.fields = MergedBand(image, band, pasted.fields);
        ++plan.overwrites;
        plan.writes.push_back({band, std::move(record)});
    }
    return plan;
}

SlotRange ApplyMemoryPaste(CloneImage& image, const PastePlan& plan) {
    SlotRange changed;
    for (const PastePlan::Write& w : plan.writes) {
        if (!IsValidSlot(w.target)) continue;
        image.memory.slot[w.target] = w.record.fields;
        image.memory.enabled[w.target] = w.record.enabled;
        changed.first = changed.Empty() ? w.target : std::min(changed.first, w.target);
        changed.last = std::max(changed.last, w.target);
    }
    return changed;
}

void ApplyVfoPaste(CloneImage& image, const PastePlan& plan) {
    for (const PastePlan::Write& w : plan.writes)
        if (IsValidBand(w.target)) image.vfo.bands[w.target] = w.record.fields;
}

std::vector<std::string> RefusalSummary(const PastePlan& plan, const std::vector<std::string>& targetLabels) {
    return RefusalLines(plan.refused, plan.rows, "pasted", targetLabels);
}

std::vector<std::string> RefusalLines(const std::vector<RefusedRow>& refused, int rows, std::string_view verb,
                                      const std::vector<std::string>& targetLabels) {
    std::vector<std::string> lines;
    if (refused.empty()) return lines;
    lines.push_back(std::to_string(refused.size()) + " of " + std::to_string(rows) +
                    (rows == 1 ? " row was" : " rows were") + " not " + std::string(verb) + ":");
    const std::size_t listed = std::min<std::size_t>(refused.size(), kListedRefusals);
    for (std::size_t i = 0; i < listed; ++i) {
        const RefusedRow& r = refused[i];
        const bool named = r.target >= 0 && r.target < static_cast<int>(targetLabels.size());
        lines.push_back("Row " + std::to_string(r.row + 1) +
                        (named ? " (" + targetLabels[static_cast<std::size_t>(r.target)] + ")" : std::string()) +
                        ": " + r.reason);
    }
    if (refused.size() > listed) lines.push_back("... and " + std::to_string(refused.size() - listed) + " more.");
    return lines;
}

}  // namespace wrk7
