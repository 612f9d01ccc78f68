#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/image.h"
#include "core/message.h"

namespace wrk7 {

// What both CSV imports (this program's and CHIRP's) say of the rows they
// could not take whole, and the editor's rules they fit every row to, so the
// image holds what a save and a reopen give back.

// A row an import passed over, or took with something changed.
struct ImportIssue {
    int line = 0;          // 1-based line of the file where the row starts
    std::string location;  // where the row goes as written: CHIRP's Location, our BANK and CHANNEL; "" for none
    Message reason;
    int slot = -1;  // the memory slot the row was stored in, where that can differ from location; else -1
};

// A name and a note as the editor takes them: the name's first kNameLength
// characters upper-cased, those the display lacks as blanks (what the
// record keeps); the note's first kNoteLength characters.
struct FittedTexts {
    std::string name;
    std::string note;
    // A report line for each text stored other than written, upper-casing
    // aside: "name "X" shortened to "Y"", "name "X" stored as "Y"", "note ...".
    std::vector<Message> lost;
    bool nameFitted = false;  // the name is among them
};
FittedTexts FitNameAndNote(std::string_view name, std::string_view note);

// Why the channel editor would refuse mhz for a memory channel of the
// image's model (its range, its cellular ranges), as a report line; "" when
// it would take it. The search-pass rule is left out: it depends on the
// entries a list may replace later.
std::optional<Message> MemoryFrequencyRefusal(const CloneImage& image, double mhz);

}  // namespace wrk7
