#include "files/merge_lines.h"

#include "core/set_mode_catalogue.h"
#include "edit/bank.h"
#include "edit/field_names.h"
#include "edit/settings_texts.h"

namespace wrk7 {

namespace {

std::string OnOff(bool on) { return on ? "on" : "off"; }

std::string SlotValue(const CloneImage& image, int slot, int field) {
    if (field == kEnableField) return OnOff(image.memory.enabled[slot]);
    return SlotFieldValue(image.memory.slot[slot], field);
}

std::string ChannelValue(const CloneImage& image, int slot) {
    const bool used = image.memory.enabled[slot] && !image.memory.slot[slot].IsEmpty();
    return used ? ChannelSummary(image.memory.slot[slot]) : "empty";
}

// Only the banks whose counts the two tables disagree on, so a line stays
// short enough to read.
std::string CountsApart(const CloneImage& image, const CloneImage& other) {
    std::string out;
    for (int bank = 0; bank < kBanks; ++bank) {
        if (image.banks.counts[bank] == other.banks.counts[bank]) continue;
        if (!out.empty()) out += ' ';
        out += std::to_string(bank) + '=' + std::to_string(image.banks.counts[bank]);
    }
    return out;
}

std::string FieldName(int field) { return field == kEnableField ? "Enable" : std::string(kSlotFieldNames[field]); }

}  // namespace

MergeLines::MergeLines(const CloneImage& mine, const CloneImage& receiver)
    : mine_(mine), receiver_(receiver), labels_(BuildRowLabels(mine)) {}

DiffLine MergeLines::Line(const MergeItem& item) const {
    const int i = item.index;
    switch (item.kind) {
        case MergeKind::kSlotField:
            return {"Memory " + labels_[i], FieldName(item.field), SlotValue(mine_, i, item.field),
                    SlotValue(receiver_, i, item.field), i};
        case MergeKind::kSlot:
            return {"Memory " + labels_[i], "Channel", ChannelValue(mine_, i), ChannelValue(receiver_, i), i};
        case MergeKind::kBandField:
            return {"VFO " + std::to_string(i), FieldName(item.field), SlotFieldValue(mine_.vfo.bands[i], item.field),
                    SlotFieldValue(receiver_.vfo.bands[i], item.field)};
        case MergeKind::kBankTable:
            return {"Banks", "Count", CountsApart(mine_, receiver_), CountsApart(receiver_, mine_)};
        case MergeKind::kLink:
            return {"Bank " + std::to_string(i), "Link", OnOff(mine_.banks.links[i]), OnOff(receiver_.banks.links[i])};
        case MergeKind::kGroup:
            return {"Group " + std::to_string(i), "Banks", GroupMembersText(mine_, i), GroupMembersText(receiver_, i)};
        case MergeKind::kSetting: {
            const SetModeSetting& setting = SetModeCatalogue()[static_cast<std::size_t>(i)];
            return {"Settings", std::string(setting.caption), SettingValueText(setting, mine_.settings.values),
                    SettingValueText(setting, receiver_.settings.values)};
        }
    }
    return {};
}

std::vector<DiffLine> MergeLines::Lines(const std::vector<MergeItem>& items) const {
    std::vector<DiffLine> out;
    out.reserve(items.size());
    for (const MergeItem& item : items) out.push_back(Line(item));
    return out;
}

Message ConflictMessage(const DiffLine& line) {
    return Say(MessageId::kMergeConflict, line.place, line.field, line.a, line.b);
}

}  // namespace wrk7
