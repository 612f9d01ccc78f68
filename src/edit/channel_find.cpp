#include "edit/channel_find.h"

#include <algorithm>
#include <cmath>

#include "core/number_text.h"

namespace wrk7 {

namespace {

// Whole hertz, rounded as the receiver's records round them, kept in a
// double: exact for every frequency a channel can hold, and no query number
// is too large for it.
double Hz(double mhz) { return std::round(mhz * 1'000'000.0); }

bool AllDigits(std::string_view t) {
    return std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A number of the query. WholeDecimal gives none for digits beyond a
// double's range; they still name a number, as near as a double comes: past
// the largest it is infinite, below the smallest it is zero.
std::optional<double> QueryNumber(std::string_view text) {
    if (const auto mhz = WholeDecimal(text)) return mhz;
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    if (text.starts_with('+')) text.remove_prefix(1);
    const bool negative = text.starts_with('-');
    if (negative) text.remove_prefix(1);
    const std::size_t dot = std::min(text.find('.'), text.size());
    const std::string_view whole = text.substr(0, dot), fraction = text.substr(std::min(dot + 1, text.size()));
    if (text.empty() || text == "." || !AllDigits(whole) || !AllDigits(fraction)) return std::nullopt;
    const double magnitude = whole.find_first_not_of('0') == std::string_view::npos ? 0.0 : HUGE_VAL;
    return negative ? -magnitude : magnitude;
}

std::string Folded(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool Contains(const std::string& haystack, const std::string& foldedNeedle) {
    return Folded(haystack).find(foldedNeedle) != std::string::npos;
}

// "118-137": a dash between two numbers; a leading dash is no range.
std::optional<FindQuery> ParseRange(std::string_view text) {
    const std::size_t dash = text.find('-', 1);
    if (dash == std::string_view::npos) return std::nullopt;
    const auto a = QueryNumber(text.substr(0, dash));
    const auto b = QueryNumber(text.substr(dash + 1));
    if (!a || !b) return std::nullopt;
    FindQuery q;
    q.kind = FindQuery::Kind::kRange;
    q.low = std::min(*a, *b);
    q.high = std::max(*a, *b);
    return q;
}

}  // namespace

FindQuery ParseFindQuery(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    FindQuery q;
    if (text.empty()) return q;
    if (const auto mhz = QueryNumber(text)) {
        q.kind = FindQuery::Kind::kFrequency;
        q.low = q.high = *mhz;
        return q;
    }
    if (auto range = ParseRange(text)) return *range;
    q.kind = FindQuery::Kind::kText;
    q.text = Folded(text);
    return q;
}

bool SlotMatches(const CloneImage& image, int slot, const FindQuery& query) {
    if (!IsValidSlot(slot)) return false;
    const SlotFields& s = image.memory.slot[static_cast<std::size_t>(slot)];
    switch (query.kind) {
        case FindQuery::Kind::kNone: return false;
        case FindQuery::Kind::kFrequency:
        case FindQuery::Kind::kRange: {
            if (s.IsEmpty()) return false;
            // Compared in whole hertz, as the receiver holds frequencies.
            const double f = Hz(s.Value(kFreq));
            return f >= Hz(query.low) && f <= Hz(query.high);
        }
        case FindQuery::Kind::kText:
            return Contains(s.Text(kName), query.text) || Contains(s.Text(kNote), query.text);
    }
    return false;
}

std::optional<int> FindSlot(const CloneImage& image, const FindQuery& query, int from, bool forward) {
    if (query.kind == FindQuery::Kind::kNone) return std::nullopt;
    from = std::clamp(from, -1, kSlotCount);
    const int step = forward ? 1 : kSlotCount - 1;  // -1 modulo the slot count
    int slot = (from + kSlotCount) % kSlotCount;
    for (int tried = 0; tried < kSlotCount; ++tried) {
        slot = (slot + step) % kSlotCount;
        if (SlotMatches(image, slot, query)) return slot;
    }
    return std::nullopt;
}

std::optional<int> NextListedSlot(const std::vector<int>& slots, int from, bool forward) {
    if (slots.empty()) return std::nullopt;
    if (forward) {
        const auto next = std::upper_bound(slots.begin(), slots.end(), from);
        return next == slots.end() ? slots.front() : *next;
    }
    const auto next = std::lower_bound(slots.begin(), slots.end(), from);
    return next == slots.begin() ? slots.back() : *std::prev(next);
}

}  // namespace wrk7
