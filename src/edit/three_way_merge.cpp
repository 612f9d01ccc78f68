#include "edit/three_way_merge.h"

#include <algorithm>
#include <span>

#include "core/flag_block.h"
#include "core/set_mode_catalogue.h"
#include "edit/bank.h"

namespace wrk7 {

namespace {

constexpr int kSlotMergeFields[] = {kFreq, kMode,  kStep, kOption, kSecret, kCarrier,
                                    kTone, kShift, kOffset, kName, kSkip, kEnableField};
constexpr int kBandMergeFields[] = {kFreq, kMode, kStep, kOption, kSecret, kCarrier, kTone, kShift, kOffset, kName};

bool Used(const CloneImage& image, int slot) { return image.memory.enabled[slot] && !image.memory.slot[slot].IsEmpty(); }

bool SameField(const SlotFields& a, const SlotFields& b, int field) {
    return a.Value(field) == b.Value(field) && a.Text(field) == b.Text(field);
}

bool SameSlotField(const CloneImage& a, const CloneImage& b, int slot, int field) {
    if (field == kEnableField) return a.memory.enabled[slot] == b.memory.enabled[slot];
    return SameField(a.memory.slot[slot], b.memory.slot[slot], field);
}

// A cleared field has no text, which no number gives it.
void CopyField(SlotFields& to, const SlotFields& from, int field) {
    if (field < kCodedFieldCount && from.Value(field) == 0 && from.Text(field).empty()) return to.Clear(field);
    if (field < kCodedFieldCount || field == kSkip) to.Set(field, from.Value(field));
    if (field >= kCodedFieldCount) to.SetText(field, from.Text(field));
}

void CopySlot(SlotFields& to, const SlotFields& from) {
    std::string note = to.Text(kNote);
    to = from;
    to.SetText(kNote, std::move(note));
}

void Take(CloneImage& to, const CloneImage& from, const MergeItem& item) {
    switch (item.kind) {
        case MergeKind::kSlotField:
            if (item.field == kEnableField)
                to.memory.enabled[item.index] = from.memory.enabled[item.index];
            else
                CopyField(to.memory.slot[item.index], from.memory.slot[item.index], item.field);
            break;
        case MergeKind::kSlot:
            CopySlot(to.memory.slot[item.index], from.memory.slot[item.index]);
            to.memory.enabled[item.index] = from.memory.enabled[item.index];
            break;
        case MergeKind::kBandField:
            CopyField(to.vfo.bands[item.index], from.vfo.bands[item.index], item.field);
            break;
        case MergeKind::kBankTable:
            std::copy_n(from.banks.counts.begin(), kBanks, to.banks.counts.begin());
            break;
        case MergeKind::kLink: to.banks.links[item.index] = from.banks.links[item.index]; break;
        case MergeKind::kGroup: to.groups.members[item.index] = from.groups.members[item.index]; break;
        case MergeKind::kSetting: {
            const SetModeSetting& setting = SetModeCatalogue()[static_cast<std::size_t>(item.index)];
            setting.Set(to.settings.values, setting.Get(from.settings.values));
            break;
        }
    }
}

// A note spoke of the channel mine has there; where the merge put another
// frequency it would describe the wrong one.
void KeepNotesWhereFrequencyStays(std::span<SlotFields> merged, std::span<const SlotFields> mine) {
    for (std::size_t i = 0; i < merged.size(); ++i)
        if (merged[i].Text(kFreq) != mine[i].Text(kFreq)) merged[i].SetText(kNote, {});
}

class Planner {
public:
    Planner(const CloneImage& base, const CloneImage& mine, const CloneImage& receiver)
        : base_(base), mine_(mine), receiver_(receiver) {}

    MergePlan Run() {
        for (int s = 0; s < kSlotCount; ++s) {
            const bool used = Used(base_, s);
            if (used == Used(mine_, s) && used == Used(receiver_, s)) {
                for (int field : kSlotMergeFields) Unit({MergeKind::kSlotField, s, field});
            } else {
                Unit({MergeKind::kSlot, s, 0});
            }
        }
        for (int band = 0; band < kBandCount; ++band)
            for (int field : kBandMergeFields) Unit({MergeKind::kBandField, band, field});
        Unit({MergeKind::kBankTable, 0, 0});
        for (int bank = 0; bank < kBanks; ++bank) Unit({MergeKind::kLink, bank, 0});
        for (int group = 0; group < kGroups; ++group) Unit({MergeKind::kGroup, group, 0});
        for (std::size_t i = 0; i < SetModeCatalogue().size(); ++i) Unit({MergeKind::kSetting, static_cast<int>(i), 0});
        return std::move(plan_);
    }

private:
    void Unit(const MergeItem& item) {
        const bool mineSame = SameInBoth(base_, mine_, item);
        const bool receiverSame = SameInBoth(base_, receiver_, item);
        if (mineSame && receiverSame) return;
        if (mineSame)
            plan_.fromReceiver.push_back(item);
        else if (receiverSame)
            plan_.fromMine.push_back(item);
        else if (SameInBoth(mine_, receiver_, item))
            plan_.same.push_back(item);
        else
            plan_.conflicts.push_back(item);
    }

    const CloneImage& base_;
    const CloneImage& mine_;
    const CloneImage& receiver_;
    MergePlan plan_;
};

}  // namespace

bool SameInBoth(const CloneImage& a, const CloneImage& b, const MergeItem& item) {
    switch (item.kind) {
        case MergeKind::kSlotField: return SameSlotField(a, b, item.index, item.field);
        case MergeKind::kSlot:
            return std::all_of(std::begin(kSlotMergeFields), std::end(kSlotMergeFields),
                               [&](int field) { return SameSlotField(a, b, item.index, field); });
        case MergeKind::kBandField: return SameField(a.vfo.bands[item.index], b.vfo.bands[item.index], item.field);
        case MergeKind::kBankTable:
            return std::equal(a.banks.counts.begin(), a.banks.counts.begin() + kBanks, b.banks.counts.begin());
        case MergeKind::kLink: return a.banks.links[item.index] == b.banks.links[item.index];
        case MergeKind::kGroup: return a.groups.members[item.index] == b.groups.members[item.index];
        case MergeKind::kSetting: {
            const SetModeSetting& setting = SetModeCatalogue()[static_cast<std::size_t>(item.index)];
            return setting.Get(a.settings.values) == setting.Get(b.settings.values);
        }
    }
    return true;
}

MergePlan PlanMerge(const CloneImage& base, const CloneImage& mine, const CloneImage& receiver) {
    return Planner(base, mine, receiver).Run();
}

CloneImage ApplyMerge(const CloneImage& mine, const CloneImage& receiver, const MergePlan& plan,
                      const std::vector<MergeSide>& choices) {
    CloneImage merged = mine;
    for (const MergeItem& item : plan.fromReceiver) Take(merged, receiver, item);
    for (std::size_t i = 0; i < plan.conflicts.size(); ++i)
        if (i < choices.size() && choices[i] == MergeSide::kReceiver) Take(merged, receiver, plan.conflicts[i]);
    KeepNotesWhereFrequencyStays(merged.memory.slot, mine.memory.slot);
    KeepNotesWhereFrequencyStays(merged.vfo.bands, mine.vfo.bands);
    UpdateBankTotal(merged);
    merged.banks.blocks = EncodeBankTable(merged);
    merged.groups.block = EncodeGroupBlock(merged);
    merged.flags.blocks = EncodeFlagBlock(merged);
    return merged;
}

std::vector<Message> MergeRefusal(const CloneImage& merged) { return BankTotalRefusal(merged, TransferPart::kAll); }

}  // namespace wrk7
