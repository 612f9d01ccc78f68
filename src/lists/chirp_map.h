#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/image.h"
#include "core/message.h"
#include "lists/left_out.h"

namespace wrk7 {

// One channel of the open multi-radio programming tool's (CHIRP's) generic
// CSV and a memory channel of the receiver, both ways. Only the columns
// below mean something to a receiver; the file layer finds them by header.

// The current 21-column layout, as the export writes it.
inline constexpr std::array<std::string_view, 21> kChirpColumns{
    "Location", "Name",         "Frequency",  "Duplex",    "Offset",  "Tone",    "rToneFreq",
    "cToneFreq", "DtcsCode",    "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode", "TStep",
    "Skip",      "Power",       "Comment",    "URCALL",    "RPT1CALL", "RPT2CALL", "DVCODE"};

// The fields of a row the import reads; a column the file lacks is empty.
struct ChirpRow {
    std::string name, frequency, duplex, offset, tone, cToneFreq, mode, tStep, skip, comment;
};

struct ChirpMapping {
    enum class Outcome {
        kNoChannel,  // empty or zero frequency: nothing to import, nothing to say
        kSkipped,    // the receiver cannot hold it; reason says why
        kImported,   // channel holds the slot's fields; a reason names what was lost
    };
    Outcome outcome = Outcome::kNoChannel;
    SlotFields channel;
    std::optional<Message> reason;
    LeftOutKind kind = LeftOutKind::kFrequency;  // kSkipped: what the summary counts it as
    // kImported: the note stored other than written (shortened, control
    // characters as blanks), as a line of the report.
    std::vector<Message> fitted;
    std::string writtenName;  // the row's Name, which the import fits with the list's others (FitListNames)
};

// A row as the memory channel the editor would store for image's model:
// its frequency checked by the editor's rule, its defaults those of an empty
// row, its note cut to what the editor takes and no name yet. That tool has no
// 8.33 kHz step, so a 6.25 kHz row on the 8.33 kHz raster of the airband
// (OnAirbandRaster) is taken as the 8.33 kHz channel our export wrote.
ChirpMapping MapChirpRow(const ChirpRow& row, const CloneImage& image);

// The memory slot a Location names (blanks around it allowed), or why it
// names none: not a number, or outside 0..999.
struct LocationSlot {
    int slot = -1;
    std::optional<Message> fault;
};
LocationSlot ChirpLocationSlot(const std::string& location);

// 118.000-136.975 MHz, both included, and k * 25/3 kHz (k = 0, 1, 2) above a
// 25 kHz boundary, to the nearest hertz: files give whole hertz (six
// decimals of MHz, as the export writes them), so 118.008333 and 118.016667
// are on it, 118.008300 and 118.006250 are not.
bool OnAirbandRaster(long long hz);

// The 21 fields of a memory channel held in slot, in kChirpColumns order,
// with values that tool accepts: steps it lacks become its largest step below,
// option "Tone" becomes TSQL, neutral values fill the columns a receiver has
// no use for.
std::vector<std::string> ChirpExportFields(int slot, const SlotFields& channel);

// A decimal text as an integer count of 10^-decimals units ("146.52", 6 ->
// 146520000), exactly; blanks around it allowed; more decimals only as
// trailing zeros. nullopt for anything else, a negative number or a count
// that does not fit (every digit is checked: no overflow).
std::optional<long long> ParseScaledDecimal(std::string_view text, int decimals);
// A decimal ParseScaledDecimal refuses only because the count does not fit
// in its type: too large for any field it stands for.
bool DecimalTooLarge(std::string_view text, int decimals);

}  // namespace wrk7
