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

// A note as the editor takes it: control characters as blanks (line breaks
// as FlattenLineBreaks makes them), its first kNoteLength characters. Names
// are fitted a list at a time (FitListNames).
struct ImportedNote {
    std::string text;
    // A report line for each change beyond the line breaks: "note "X" held
    // control characters: stored as "Y"", "note "X" shortened to "Y"".
    std::vector<Message> changes;
};
ImportedNote FitImportedNote(std::string_view note);

// Why the channel editor would refuse mhz for a memory channel of the
// image's model (its range, its cellular ranges), as a report line; "" when
// it would take it. The search-pass rule is left out: it depends on the
// entries a list may replace later.
std::optional<Message> MemoryFrequencyRefusal(const CloneImage& image, double mhz);

}  // namespace wrk7
