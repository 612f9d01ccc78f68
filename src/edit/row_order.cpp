#include "edit/row_order.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "core/slot_areas.h"
#include "edit/channel_rules.h"

namespace wrk7 {

namespace {

// One grid row as it moves: every field and the enable flag.
struct Row {
    SlotFields fields;
    bool enabled = false;
};

// The size of each step code, kHz: codes 16 and 17 came last to the list.
constexpr double kStepKHz[kStepChoices] = {5,   6.25, 8.33, 10,  12.5, 15,  20,   25, 30,
                                           50,  100,  125,  150, 200,  500, 1000, 1,  9};

long long Hz(const SlotFields& f) { return std::llround(f.Value(kFreq) * 1'000'000.0); }

std::string Folded(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// A code no step has sorts after every step.
double StepKHz(const SlotFields& f) {
    const int code = ChoiceIndex(f.Value(kStep), kStepChoices);
    return code < 0 ? std::numeric_limits<double>::infinity() : kStepKHz[code];
}

bool KeyLess(SortKey key, const SlotFields& a, const SlotFields& b) {
    switch (key) {
        case SortKey::kFrequency: return Hz(a) < Hz(b);
        case SortKey::kName: return Folded(a.Text(kName)) < Folded(b.Text(kName));
        case SortKey::kNote: return Folded(a.Text(kNote)) < Folded(b.Text(kNote));
        case SortKey::kMode: return a.Text(kMode) < b.Text(kMode);
        case SortKey::kStep: return StepKHz(a) < StepKHz(b);
    }
    return false;
}

std::vector<int> Distinct(std::vector<int> slots) {
    std::erase_if(slots, [](int s) { return !IsValidSlot(s); });
    std::sort(slots.begin(), slots.end());
    slots.erase(std::unique(slots.begin(), slots.end()), slots.end());
    return slots;
}

// "memory channels", "Search Pass entries".
Message Plural(const SlotArea& area) {
    static constexpr MessageId kNames[] = {MessageId::kMemoryChannels, MessageId::kProgramScanEdges,
                                           MessageId::kSearchPassEntries, MessageId::kPriorityEntries};
    static_assert(std::size(kNames) == kSlotAreas.size());
    return Say(kNames[static_cast<std::size_t>(area.id)]);
}

// Takes the rows of slots, lets order rearrange them and puts them back.
template <typename Order>
RowOrderResult Reorder(CloneImage& image, const std::vector<int>& given, MessageId refusal, Order order) {
    RowOrderResult result;
    const std::vector<int> slots = Distinct(given);
    result.refusal = OneAreaRefusal(slots, refusal);
    if (result.refusal) return result;
    std::vector<Row> rows;
    rows.reserve(slots.size());
    for (const int s : slots) rows.push_back({image.memory.slot[s], image.memory.enabled[s]});
    order(rows);
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const int s = slots[i];
        if (rows[i].fields == image.memory.slot[s] && rows[i].enabled == image.memory.enabled[s]) continue;
        image.memory.slot[s] = std::move(rows[i].fields);
        image.memory.enabled[s] = rows[i].enabled;
    }
    result.selection = slots;
    return result;
}

}  // namespace

std::optional<Message> OneAreaRefusal(const std::vector<int>& chosen, MessageId refusal) {
    std::vector<const SlotArea*> areas;
    for (const int s : chosen)
        if (IsValidSlot(s) && std::find(areas.begin(), areas.end(), &SlotAreaOf(s)) == areas.end())
            areas.push_back(&SlotAreaOf(s));
    if (areas.size() < 2) return std::nullopt;
    std::sort(areas.begin(), areas.end());
    // "a, b and c": the last two joined by "and", the others by commas.
    Message names = Plural(*areas.front());
    for (std::size_t i = 1; i < areas.size(); ++i)
        names = Say(i + 1 == areas.size() ? MessageId::kListTwo : MessageId::kListMore, std::move(names),
                    Plural(*areas[i]));
    return Say(refusal, std::move(names));
}

RowOrderResult SortSlots(CloneImage& image, const std::vector<int>& slots, SortKey key, bool descending) {
    return Reorder(image, slots, MessageId::kOneAreaSort, [key, descending](std::vector<Row>& rows) {
        std::stable_sort(rows.begin(), rows.end(), [key, descending](const Row& a, const Row& b) {
            const bool aEmpty = a.fields.IsEmpty(), bEmpty = b.fields.IsEmpty();
            if (aEmpty || bEmpty) return !aEmpty && bEmpty;
            return descending ? KeyLess(key, b.fields, a.fields) : KeyLess(key, a.fields, b.fields);
        });
    });
}

RowOrderResult PackSlots(CloneImage& image, const std::vector<int>& slots) {
    return Reorder(image, slots, MessageId::kOneAreaPack, [](std::vector<Row>& rows) {
        std::stable_partition(rows.begin(), rows.end(), [](const Row& r) { return !r.fields.IsEmpty(); });
    });
}

std::optional<Message> MoveRefusal(const std::vector<int>& given, Direction direction) {
    const std::vector<int> slots = Distinct(given);
    if (slots.empty()) return Say(MessageId::kNoRowSelected);
    if (std::optional<Message> refusal = OneAreaRefusal(slots, MessageId::kOneAreaMove)) return refusal;
    const SlotArea& area = SlotAreaOf(slots.front());
    if (direction == Direction::kUp && slots.front() == area.first) return Say(MessageId::kRowsAtTop, Plural(area));
    if (direction == Direction::kDown && slots.back() == area.End() - 1) return Say(MessageId::kRowsAtEnd, Plural(area));
    return std::nullopt;
}

RowOrderResult MoveSlots(CloneImage& image, const std::vector<int>& given, Direction direction) {
    RowOrderResult result;
    result.refusal = MoveRefusal(given, direction);
    if (result.refusal) return result;
    const std::vector<int> slots = Distinct(given);
    const bool up = direction == Direction::kUp;
    auto& fields = image.memory.slot;
    auto& enabled = image.memory.enabled;
    for (std::size_t i = 0; i < slots.size();) {
        std::size_t j = i;
        while (j + 1 < slots.size() && slots[j + 1] == slots[j] + 1) ++j;
        // The run and the row it passes turn round by one place.
        const int from = up ? slots[i] - 1 : slots[i];
        const int to = up ? slots[j] + 1 : slots[j] + 2;  // one past the end
        const int middle = up ? from + 1 : to - 1;
        std::rotate(fields.begin() + from, fields.begin() + middle, fields.begin() + to);
        std::rotate(enabled.begin() + from, enabled.begin() + middle, enabled.begin() + to);
        i = j + 1;
    }
    for (const int s : slots) result.selection.push_back(s + (up ? -1 : 1));
    return result;
}

Duplicates FindDuplicates(const CloneImage& image) {
    std::vector<std::pair<std::pair<long long, long long>, int>> keyed;
    for (int s = 0; s < kSlotCount; ++s) {
        const SlotFields& f = image.memory.slot[s];
        if (!f.IsEmpty()) keyed.push_back({{Hz(f), std::llround(f.Value(kMode))}, s});
    }
    std::sort(keyed.begin(), keyed.end());
    Duplicates d;
    for (std::size_t i = 0; i < keyed.size();) {
        std::size_t j = i + 1;
        while (j < keyed.size() && keyed[j].first == keyed[i].first) ++j;
        if (j - i > 1) {
            ++d.groups;
            for (std::size_t k = i; k < j; ++k) d.members.push_back(keyed[k].second);
        }
        i = j;
    }
    std::sort(d.members.begin(), d.members.end());
    return d;
}

}  // namespace wrk7
