#pragma once
#include <string>
#include <string_view>

namespace wrk7 {

// What a memory channel can hold on any model; a model may refuse more (its
// cellular ranges, edit/channel_rules.h).

// The frequencies, MHz, both included.
inline constexpr double kLowestChannelMHz = 0.1;
inline constexpr double kHighestChannelMHz = 1299.995;
constexpr bool InChannelRange(double mhz) { return mhz >= kLowestChannelMHz && mhz <= kHighestChannelMHz; }
// The range as messages and the editor write it, without trailing zeros:
// "0.1-1299.995".
std::string ChannelRangeText();

// A name: what the receiver's display shows, one byte a character.
inline constexpr int kNameLength = 6;
constexpr bool IsNameCharacter(char32_t c) { return c >= 32 && c <= 126; }
// At most kNameLength characters, each a name character.
bool NameFits(std::string_view name);

// A note: the program's own, never sent to the receiver.
inline constexpr int kNoteLength = 30;
// At most kNoteLength characters (UTF-8).
bool NoteFits(std::string_view note);
// Its first kNoteLength characters: what a note that does not fit keeps.
std::string FittedNote(std::string_view note);

}  // namespace wrk7
