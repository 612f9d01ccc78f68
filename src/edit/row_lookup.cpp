#include "edit/row_lookup.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "edit/bank.h"

namespace wrk7 {

namespace {

std::string_view Trimmed(std::string_view t) {
    while (!t.empty() && std::isspace(static_cast<unsigned char>(t.front()))) t.remove_prefix(1);
    while (!t.empty() && std::isspace(static_cast<unsigned char>(t.back()))) t.remove_suffix(1);
    return t;
}

bool SameLetters(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// A run of 1..4 digits; longer runs could not name a bank, slot or row anyway.
std::optional<int> SmallNumber(std::string_view t) {
    if (t.empty() || t.size() > 4) return std::nullopt;
    int n = 0;
    for (char c : t) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

}  // namespace

std::optional<int> SlotForRowText(const CloneImage& image, std::string_view text) {
    text = Trimmed(text);
    if (text.empty()) return std::nullopt;
    const auto labels = BuildRowLabels(image);
    for (int slot = 0; slot < kSlotCount; ++slot)
        if (SameLetters(labels[slot], text)) return slot;
    if (const auto slot = SmallNumber(text)) {
        if (IsValidSlot(*slot)) return slot;
        return std::nullopt;
    }
    // "7-12": bank and slot without the label's padding.
    const std::size_t dash = text.find('-');
    if (dash == std::string_view::npos) return std::nullopt;
    const auto bank = SmallNumber(text.substr(0, dash));
    const auto inBank = SmallNumber(text.substr(dash + 1));
    if (!bank || !inBank) return std::nullopt;
    return BankToChannel(image, *bank, *inBank);
}

std::optional<int> MemoryChannelForRowText(const CloneImage& image, std::string_view text) {
    const auto slot = SlotForRowText(image, text);
    if (slot && *slot < kChannelCount) return slot;
    return std::nullopt;
}

}  // namespace wrk7
