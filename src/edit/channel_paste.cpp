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
void DropMissingOption(SlotFields& f, int modelIndex) {
    const int option = ChoiceIndex(f.Value(kOption), kOptionChoices);
    if (option >= 0 && !OfferedOptions(modelIndex)[static_cast<std::size_t>(option)]) f.Set(kOption, kOptionNone);
}

// Why a band cannot take the pasted values; none when it can.
std::optional<Message> VfoRowRefusal(const CloneImage& image, int band, const PasteRecord& pasted) {
    if (pasted.unreadable) return *pasted.unreadable;
    if (band < 0 || band >= VfoBandCount(image.model)) return Say(MessageId::kNoBand, Model(image.model).name, band);
    if (pasted.fields.IsEmpty()) return Say(MessageId::kEmptyRowBand);
    return std::nullopt;
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
Message AreaEndRefusal(const SlotArea& area) {
    static constexpr MessageId kEntryNames[] = {MessageId::kMemoryChannel, MessageId::kProgramScanEdge,
                                                MessageId::kSearchPassEntry, MessageId::kPriorityEntry};
    static_assert(std::size(kEntryNames) == kSlotAreas.size());
    if (&area == &kSlotAreas.back()) return Say(MessageId::kNoRowAfterLast);
    return Say(MessageId::kPasteStopsAt, Say(kEntryNames[static_cast<std::size_t>(area.id)]));
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
        std::optional<Message> why;
        if (record.unreadable) why = *record.unreadable;
        if (!why && record.enabled) why = MemoryEntryRefusal(after, slot, record.fields);
        if (why) {
            plan.refused.push_back({i, slot, std::move(*why)});
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
        if (std::optional<Message> why = VfoRowRefusal(image, band, pasted)) {
            plan.refused.push_back({i, band, std::move(*why)});
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

std::vector<Message> RefusalSummary(const PastePlan& plan, const std::vector<std::string>& targetLabels) {
    return RefusalLines(plan.refused, plan.rows, MessageId::kRowsNotPasted, targetLabels);
}

std::vector<Message> RefusalLines(const std::vector<RefusedRow>& refused, int rows, MessageId heading,
                                  const std::vector<std::string>& targetLabels) {
    std::vector<Message> lines;
    if (refused.empty()) return lines;
    lines.push_back(SayCount(heading, rows, static_cast<int>(refused.size())));
    const std::size_t listed = std::min<std::size_t>(refused.size(), kListedRefusals);
    for (std::size_t i = 0; i < listed; ++i) {
        const RefusedRow& r = refused[i];
        const bool named = r.target >= 0 && r.target < static_cast<int>(targetLabels.size());
        lines.push_back(named ? Say(MessageId::kRefusedRowNamed, r.row + 1,
                                    targetLabels[static_cast<std::size_t>(r.target)], r.reason)
                              : Say(MessageId::kRefusedRow, r.row + 1, r.reason));
    }
    if (refused.size() > listed)
        lines.push_back(Say(MessageId::kAndMore, static_cast<int>(refused.size() - listed)));
    return lines;
}

}  // namespace wrk7
