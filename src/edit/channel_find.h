#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/image.h"

namespace wrk7 {

// Find in the memory grid. A query is a frequency ("145.5": that frequency
// exactly, to the hertz), a frequency range ("118-137": both ends included,
// either order) or else a text looked for in the channels' names and notes,
// ignoring the case of Latin letters. A number with more digits than a double
// holds stands for the nearest it can: beyond the largest it is infinite
// ("0-" and 400 nines takes every channel), below the smallest it is zero.
struct FindQuery {
    enum class Kind { kNone, kFrequency, kRange, kText };
    Kind kind = Kind::kNone;
    double low = 0, high = 0;  // MHz; equal for kFrequency
    std::string text;          // kText, folded to lower case
};
FindQuery ParseFindQuery(std::string_view text);

bool SlotMatches(const CloneImage& image, int slot, const FindQuery& query);

// The next slot after from (or before it, backwards) that matches, going
// round the end of the grid and coming back to from itself last; nullopt
// when none matches. from may be -1 to start before slot 0.
std::optional<int> FindSlot(const CloneImage& image, const FindQuery& query, int from, bool forward);

// The same step through a list of slots (ascending) found another way, such
// as the duplicates: the next one after from (or before it), going round.
std::optional<int> NextListedSlot(const std::vector<int>& slots, int from, bool forward);

}  // namespace wrk7
