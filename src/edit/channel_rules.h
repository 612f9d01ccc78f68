#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/channel_options.h"
#include "core/image.h"
#include "core/message.h"

namespace wrk7 {

// The rules of the channel editor, free of any dialog: what a frequency or an
// offset entry leads to, which steps and options a band and model offer, and
// what an empty row starts with. The editor binds its controls to them; an
// import or a paste can apply the same rules to its values.

// The outcome of checking one entry. The text is what the entry shows
// afterwards: reformatted when accepted, the value it falls back to
// otherwise. A refusal the user must be told about carries its message.
struct Verdict {
    enum class Kind { kAccepted, kRestored, kRefused };
    Kind kind = Kind::kAccepted;
    std::string text;
    Message title = Verbatim("");  // kRefused: the message box title
    std::vector<Message> lines;  // kRefused: its lines

    bool Accepted() const { return kind == Kind::kAccepted; }
};

// A memory slot's frequency: the range every channel has (InChannelRange),
// the model's cellular ranges, and for a search-pass entry the frequencies the
// other enabled entries hold.
Verdict CheckMemoryFrequency(const CloneImage& image, int slot, double mhz);
// The range CheckMemoryFrequency accepts, written as the band labels are:
// "(" + ChannelRangeText() + "MHz)". The editor shows it beside the frequency box, so an
// entry outside it that is silently put back is no surprise.
std::string MemoryFrequencyRange();
// A refusal's lines as one line.
Message OneLine(const std::vector<Message>& lines);
// A VFO band's frequency: the band's edges and the model's cellular ranges.
Verdict CheckVfoFrequency(const CloneImage& image, int band, double mhz);
// An offset below 100 MHz and not negative; stored: the slot or band edited.
Verdict CheckOffset(const SlotFields& stored, double mhz);
// Why the editor would not store fields in a memory slot, as one line for the
// summary of refused rows; none when it would: CheckMemoryFrequency (the
// other enabled search-pass entries as image holds them), CheckOffset,
// NameFits and NoteFits. A paste and a change of many channels both ask it.
std::optional<Message> MemoryEntryRefusal(const CloneImage& image, int slot, const SlotFields& fields);
// The line MemoryEntryRefusal gives for the offset, the name or the note of
// fields, each checked on its own; none when it passes (and for other fields).
std::optional<Message> FieldRefusal(const SlotFields& fields, int field);

inline constexpr int kStepChoices = 18;    // steps a user can pick (codes 0..17)

// A frequency off the raster of its step (whole multiples of the step; the
// 8.33 kHz step: thirds of 25 kHz, to the nearest hertz), with the raster's
// frequencies either side, in hertz. The receiver stores any whole hertz and
// tunes from it in steps of that size, so such a channel is kept, and the
// editor only says so. None when on the raster, or for no step code.
struct OffRaster {
    long long belowHz = 0;
    long long aboveHz = 0;
};
std::optional<OffRaster> OffStepRaster(double mhz, int stepCode);
inline constexpr int kOptionChoices = kChannelOptionCount;  // OptionCaption
inline constexpr int kShiftChoices = 3;
inline constexpr int kModeChoices = 3;

// The steps a VFO band offers and the one preselected (-1: none).
struct StepOffer {
    std::array<bool, kStepChoices> enabled{};
    int selected = -1;
};
StepOffer VfoStepOffer(int modelIndex, int band, double storedStep);

// The options a model offers, by code (OffersOption; a code it lacks is
// never stored through the editor).
std::array<bool, kOptionChoices> OfferedOptions(int modelIndex);
// The option a VFO band opens with: its own, or None when the model lacks it
// (-1: the stored value is no option code).
int VfoOptionChoice(int modelIndex, double storedOption);

// What an empty memory row opens with; enabled, no note, no name.
SlotFields EmptyRowDefaults();
// The codes stored when the secret or carrier list has nothing selected.
inline constexpr int kUnsetSecretCode = 11;
inline constexpr int kUnsetCarrierCode = kCarrierJR;

// A stored code as a choice index: -1 unless a whole number in 0..count-1
// (a value from a file may be anything).
int ChoiceIndex(double value, int count);

}  // namespace wrk7
