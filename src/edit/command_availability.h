#pragma once
#include <vector>

#include "core/image.h"
#include "edit/page_rules.h"

namespace wrk7 {

// What decides which of the image's commands may run: the page in front,
// the memory rows chosen on it and what they hold, and whether the image may
// change at all.
struct CommandState {
    Page page = Page::kSettings1;
    bool readOnly = false;
    bool transferRunning = false;
    bool pasteReady = false;       // the clipboard holds rows the grid in front takes
    bool bandCopyable = false;     // the VFO grid's current band exists on the model
    std::vector<int> rows;         // the memory page's selected rows, 1-based; none on other pages
    int usedRows = 0;              // of rows, those that hold a channel
    bool anyDisabledUsed = false;  // of rows, one holds a channel but is not enabled
};

// Fills usedRows and anyDisabledUsed from what image holds in state.rows.
void DescribeRows(CommandState& state, const CloneImage& image);

struct CommandAvailability {
    bool modify = false;
    bool cut = false;
    bool copy = false;
    bool paste = false;
    bool clear = false;
    bool enable = false;
    bool disable = false;
    bool insert = false;
    bool remove = false;
    bool wholeList = false;  // Clear All, Enable All, Disable All
    bool find = false;       // Find, Find Next, Find Previous, Go To
    bool changeChannels = false;
    bool sort = false;
    bool pack = false;
    bool moveUp = false;
    bool moveDown = false;
    bool findDuplicates = false;
    bool transfers = false;  // every read and write

    bool operator==(const CommandAvailability&) const = default;
};

CommandAvailability AvailableCommands(const CommandState& state);

}  // namespace wrk7
