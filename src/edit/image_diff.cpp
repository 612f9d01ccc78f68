#include "edit/image_diff.h"

#include <cmath>

#include "edit/bank.h"
#include "edit/field_names.h"
#include "edit/settings_texts.h"

namespace wrk7 {

namespace {

constexpr std::string_view kEnableField = "Enable";
constexpr std::string_view kChannelField = "Channel";
constexpr std::string_view kEmpty = "empty";

std::string WithoutTrailingBlanks(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

std::string OnOff(bool on) { return on ? "on" : "off"; }

bool Used(const CloneImage& image, int slot) { return image.memory.enabled[slot] && !image.memory.slot[slot].IsEmpty(); }

class Differ {
public:
    Differ(const CloneImage& a, const CloneImage& b) : a_(a), b_(b) {}

    std::vector<DiffLine> Run() {
        const auto labels = BuildRowLabels(a_);
        for (int s = 0; s < kSlotCount; ++s) Slot(s, "Memory " + labels[static_cast<std::size_t>(s)]);
        for (int band = 0; band < kBandCount; ++band)
            Fields("VFO " + std::to_string(band), a_.vfo.bands[band], b_.vfo.bands[band], kVfoFieldCount, -1);
        for (int bank = 0; bank < kBanks; ++bank)
            Add("Bank " + std::to_string(bank), "Count", std::to_string(a_.banks.counts[bank]),
                std::to_string(b_.banks.counts[bank]));
        for (int group = 1; group < kGroups; ++group)
            Add("Group " + std::to_string(group), "Banks", GroupMembersText(a_, group), GroupMembersText(b_, group));
        const auto settingsA = SettingTexts(a_.settings.values);
        const auto settingsB = SettingTexts(b_.settings.values);
        for (std::size_t i = 0; i < settingsA.size(); ++i)
            Add("Settings", std::string(settingsA[i].caption), settingsA[i].value, settingsB[i].value);
        return std::move(lines_);
    }

private:
    void Add(std::string place, std::string field, std::string a, std::string b, int slot = -1) {
        if (a != b) lines_.push_back({std::move(place), std::move(field), std::move(a), std::move(b), slot});
    }

    void Slot(int s, const std::string& place) {
        const bool inA = Used(a_, s), inB = Used(b_, s);
        if (inA != inB) {
            Add(place, std::string(kChannelField), inA ? ChannelSummary(a_.memory.slot[s]) : std::string(kEmpty),
                inB ? ChannelSummary(b_.memory.slot[s]) : std::string(kEmpty), s);
            return;
        }
        // An enabled slot is listed and exported even without a frequency,
        // so its fields count then too; a disabled one holds nothing.
        const bool onA = a_.memory.enabled[s], onB = b_.memory.enabled[s];
        if (onA && onB) {
            Fields(place, a_.memory.slot[s], b_.memory.slot[s], kVfoFieldCount, s);
            Add(place, std::string(kSlotFieldNames[kSkip]), SlotFieldValue(a_.memory.slot[s], kSkip),
                SlotFieldValue(b_.memory.slot[s], kSkip), s);
        }
        Add(place, std::string(kEnableField), OnOff(onA), OnOff(onB), s);
    }

    void Fields(const std::string& place, const SlotFields& a, const SlotFields& b, int count, int slot) {
        for (int f = 0; f < count; ++f) {
            std::string valueA = SlotFieldValue(a, f), valueB = SlotFieldValue(b, f);
            // A shift or option byte kept as received shows as "OFF" or
            // "None" like other codes; the file keeps the code, so it tells.
            if (valueA == valueB && f >= kMode && f <= kShift) {
                valueA += " (" + std::to_string(std::llround(a.Value(f))) + ")";
                valueB += " (" + std::to_string(std::llround(b.Value(f))) + ")";
            }
            Add(place, std::string(kSlotFieldNames[static_cast<std::size_t>(f)]), std::move(valueA), std::move(valueB),
                slot);
        }
    }

    const CloneImage& a_;
    const CloneImage& b_;
    std::vector<DiffLine> lines_;
};

}  // namespace

std::string SlotFieldValue(const SlotFields& slot, int field) {
    if (field == kSkip) return OnOff(slot.Value(kSkip) != 0);
    return field == kName ? WithoutTrailingBlanks(slot.Text(kName)) : slot.Text(field);
}

std::string ChannelSummary(const SlotFields& slot) { return slot.Text(kFreq) + " " + slot.Text(kMode); }

std::string GroupMembersText(const CloneImage& image, int group) {
    std::string out;
    for (int bank = 0; bank < kBanks; ++bank) {
        if (!image.groups.members[group][bank]) continue;
        if (!out.empty()) out += ',';
        out += std::to_string(bank);
    }
    return out.empty() ? "none" : out;
}

std::vector<DiffLine> DiffImages(const CloneImage& a, const CloneImage& b) { return Differ(a, b).Run(); }

std::string DiffLineText(const DiffLine& line) {
    return line.place + '\t' + line.field + '\t' + line.a + '\t' + line.b;
}

}  // namespace wrk7
