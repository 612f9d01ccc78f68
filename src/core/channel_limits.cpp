#include "core/channel_limits.h"

#include <algorithm>

#include "core/hex.h"

namespace wrk7 {

namespace {

std::string Trimmed(std::string decimal) {
    decimal.erase(decimal.find_last_not_of('0') + 1);
    if (decimal.ends_with('.')) decimal.pop_back();
    return decimal;
}

// A UTF-8 lead byte starts a character.
bool StartsCharacter(char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }

}  // namespace

std::string ChannelRangeText() {
    return Trimmed(FormatFrequency(kLowestChannelMHz)) + "-" + Trimmed(FormatFrequency(kHighestChannelMHz));
}

bool NameFits(std::string_view name) {
    return name.size() <= static_cast<std::size_t>(kNameLength) &&
           std::all_of(name.begin(), name.end(),
                       [](char c) { return IsNameCharacter(static_cast<unsigned char>(c)); });
}

bool NoteFits(std::string_view note) {
    return std::count_if(note.begin(), note.end(), StartsCharacter) <= kNoteLength;
}

std::string FittedNote(std::string_view note) {
    int characters = 0;
    for (std::size_t i = 0; i < note.size(); ++i)
        if (StartsCharacter(note[i]) && ++characters > kNoteLength) return std::string(note.substr(0, i));
    return std::string(note);
}

}  // namespace wrk7
