#include "core/image.h"

#include <cmath>

#include "core/hex.h"

namespace wrk7 {

namespace {

// A list entry for a code, or fallback when the code is outside the list.
template <typename List>
std::string Entry(const List& list, double value, std::string_view fallback = "") {
    if (!(value >= 0) || value >= static_cast<double>(list.size())) return std::string(fallback);
    return std::string(list[static_cast<std::size_t>(value)]);
}

// Text cut to at most max bytes without splitting a UTF-8 sequence.
void CutAtCharacter(std::string& text, std::size_t max) {
    if (text.size() <= max) return;
    std::size_t end = max;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    text.resize(end);
}

std::string OptionText(double code) {
    if (code >= kOptionSkipBit) return Entry(SkippedOptionName, code - kOptionSkipBit, kUnknownOptionName);
    return Entry(OptionName, code, kUnknownOptionName);
}

std::string WholeNumberText(double value) {
    if (!std::isfinite(value)) return "0";
    return std::to_string(static_cast<long long>(std::llround(value)));
}

}  // namespace

std::string FieldText(int field, double value) {
    switch (field) {
        case kFreq: return FormatFrequency(value);
        case kMode: return Entry(ModeName, value);
        case kStep: return Entry(StepName, value);
        case kOption: return OptionText(value);
        case kSecret: return WholeNumberText(value);
        case kCarrier:
            return value >= 0 && value <= kCarrierJR ? CarrierName(static_cast<int>(value)) : "";
        case kTone: return Entry(ToneName, value);
        case kShift: return value == 1 || value == 2 ? Entry(ShiftName, value) : std::string(ShiftName[0]);
        case kOffset: return FormatOffset(value);
        default: return "";
    }
}

void SlotFields::Set(int field, double value) {
    if (field < 0 || field >= kFieldCount || field == kNote || field == kName) return;
    if (!std::isfinite(value)) value = 0;
    values_[field] = value;
    if (field < kCodedFieldCount) texts_[field] = FieldText(field, value);
}

void SlotFields::SetText(int field, std::string text) {
    if (field != kNote && field != kName && field != kSkip) return;
    CutAtCharacter(text, kMaxTextBytes);
    texts_[field] = std::move(text);
}

void SlotFields::Clear(int field) {
    if (field < 0 || field >= kFieldCount) return;
    values_[field] = 0;
    texts_[field].clear();
}

void SlotFields::ClearAll() {
    values_.fill(0);
    for (auto& t : texts_) t.clear();
}

CloneImage::CloneImage() { ResetBankTable(); }

void CloneImage::ResetBankTable() {
    banks.counts.fill(0);
    for (int b = 0; b < kDefaultBanks; ++b) banks.counts[b] = kDefaultBankSize;
}

void CloneImage::ClearSlot(int slot) {
    if (!IsValidSlot(slot)) return;
    memory.slot[slot].ClearAll();
    memory.enabled[slot] = false;
}

}  // namespace wrk7
