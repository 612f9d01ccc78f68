// Find over a full memory: any query parses into a query of its kind, a text
// query matches exactly the slots whose name or note holds it in any case,
// and a find from anywhere, either way, gives the first matching slot in that
// direction round the end. Each input costs one parse, one pass of matches
// and eight finds over all 1300 slots: work bounded by the image, so a find
// that takes more than milliseconds stops the run at libFuzzer's -timeout.
#include <algorithm>
#include <optional>

#include "edit/channel_find.h"
#include "fuzz_check.h"
#include "saved_form.h"

using namespace wrk7;

namespace {

std::string_view Trimmed(std::string_view t) {
    while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
    while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
    return t;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool HoldsIgnoringCase(std::string_view haystack, std::string_view needle) {
    return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end(),
                       [](char a, char b) { return Lower(a) == Lower(b); }) != haystack.end();
}

// Every slot in use, a frequency each (0.1 MHz up in 1 MHz steps), names and
// notes taken in turn from the lines of texts.
CloneImage FullImage(int model, std::string_view texts) {
    std::vector<std::string_view> pieces;
    for (std::size_t at = 0; at < texts.size();) {
        const std::size_t end = std::min(texts.find('\n', at), texts.size());
        pieces.push_back(texts.substr(at, end - at));
        at = end + 1;
    }
    CloneImage image = fuzz::FreshImage(model);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        SlotFields& f = image.memory.slot[slot];
        f.Set(kFreq, 0.1 + slot);
        if (!pieces.empty()) {
            f.SetText(kName, std::string(pieces[(2 * static_cast<std::size_t>(slot)) % pieces.size()].substr(0, 6)));
            f.SetText(kNote, std::string(pieces[(2 * static_cast<std::size_t>(slot) + 1) % pieces.size()]));
        }
        image.memory.enabled[slot] = true;
    }
    return image;
}

void RequireQueryOfItsKind(const FindQuery& q, std::string_view typed) {
    const std::string_view t = Trimmed(typed);
    fuzz::Require((q.kind == FindQuery::Kind::kNone) == t.empty(), "only a blank query finds nothing");
    if (q.kind == FindQuery::Kind::kFrequency) fuzz::Require(q.low == q.high, "a frequency is its own range");
    if (q.kind == FindQuery::Kind::kRange) fuzz::Require(q.low <= q.high, "a range runs upwards");
    if (q.kind == FindQuery::Kind::kText)
        fuzz::Require(q.text.size() == t.size() &&
                          std::equal(t.begin(), t.end(), q.text.begin(), [](char a, char b) { return Lower(a) == b; }),
                      "a text query is the typed text in lower case");
}

// The first match after from going forward (before it going back), from itself last.
std::optional<int> FirstMatch(const std::vector<bool>& matches, int from, bool forward) {
    for (int k = 1; k <= kSlotCount; ++k) {
        const int slot = ((from + (forward ? k : -k)) % kSlotCount + kSlotCount) % kSlotCount;
        if (matches[static_cast<std::size_t>(slot)]) return slot;
    }
    return std::nullopt;
}

}  // namespace

// The first byte picks the model, the second the slot a find starts from
// (five times it); the text up to the first line break is the query, the
// lines after it the names and notes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const int model = fuzz::ModelOf(data, size);
    const int start = data[1] * 5;
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
    const std::size_t lineEnd = std::min(text.find('\n'), text.size());
    const std::string_view typed = text.substr(0, lineEnd);
    const CloneImage image = FullImage(model, text.substr(std::min(lineEnd + 1, text.size())));

    const FindQuery q = ParseFindQuery(typed);
    RequireQueryOfItsKind(q, typed);
    std::vector<bool> matches(kSlotCount);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const bool match = SlotMatches(image, slot, q);
        matches[static_cast<std::size_t>(slot)] = match;
        if (q.kind != FindQuery::Kind::kText) continue;
        const SlotFields& f = image.memory.slot[slot];
        fuzz::Require(match == (HoldsIgnoringCase(f.Text(kName), q.text) || HoldsIgnoringCase(f.Text(kNote), q.text)),
                      "a text matches the names and notes that hold it", std::to_string(slot));
    }
    // From -1 and from the last slot a forward find starts at slot 0.
    for (int from : {-1, 0, start, kSlotCount - 1})
        for (bool forward : {true, false})
            fuzz::Require(FindSlot(image, q, from, forward) == FirstMatch(matches, from, forward),
                          "a find gives the first match round the end", std::to_string(from));
    return 0;
}
