#pragma once
#include <string>
#include <string_view>

#include "core/image.h"

namespace wrk7 {

// The 32-byte memory channel record, carried as 64 hex digits. Decoders take
// the reply text as the receiver sends it: two framing characters, then the
// digits (record byte k at 0-based text positions 2 + 2k, 3 + 2k).

// Fills fields 0..8, 10 and 11 of slot from the record; true when the slot now
// holds a channel. "FFFFFFFF" in the frequency returns false and writes
// nothing; frequency 0 wipes all twelve fields. Never touches the note or
// memory.enabled. Out-of-range bytes are repaired silently.
bool DecodeChannel(CloneImage& image, std::string_view reply, int slot);

// 64 hex digits of slot, with the option adjusted for image.model.
std::string EncodeChannel(const CloneImage& image, int slot);

// Name field: up to kNameLength characters, one byte each, 00 after the
// last. Longer names are cut; bytes that are no name character
// (IsNameCharacter) are written as spaces.
std::string EncodeName(std::string_view name);
// Always kNameLength characters; bytes that are no name character give spaces.
std::string DecodeName(std::string_view hex12);

// Whether a record gives value of a one-byte field (mode, step, option,
// secret, carrier, tone, shift, skip) back as it is: a whole number up to the
// decoder's limit for the field, any byte for the option and the shift. Other
// fields: true.
bool RecordKeepsCode(int field, double value);

// The option code a model writes to the receiver: the option a model lacks
// ("Scr" on WR-K7J, "Train" on WR-K70E, both on the others) is sent as OFF.
int WrittenOptionCode(int model, double option);

}  // namespace wrk7
