#include "edit/command_availability.h"

#include <algorithm>

#include "core/memory_map.h"
#include "edit/memory_ops.h"
#include "edit/row_order.h"

namespace wrk7 {

void DescribeRows(CommandState& state, const CloneImage& image) {
    state.usedRows = 0;
    state.anyDisabledUsed = false;
    for (const int row : state.rows) {
        if (row < 1 || row > kSlotCount) continue;
        const auto slot = static_cast<std::size_t>(row - 1);
        if (image.memory.slot[slot].IsEmpty()) continue;
        ++state.usedRows;
        // A used channel is normally enabled (a disabled slot holds
        // nothing), so Enable applies to the rows that hold something all
        // the same.
        if (!image.memory.enabled[slot]) state.anyDisabledUsed = true;
    }
}

CommandAvailability AvailableCommands(const CommandState& state) {
    const bool memory = state.page == Page::kMemory;
    const bool vfo = state.page == Page::kSettings1;
    // Copy, find and go to only read the image, so they stay while a
    // transfer runs.
    const bool change = !state.readOnly;
    const bool list = change && memory;
    const std::vector<int>& rows = memory ? state.rows : std::vector<int>{};
    const bool anyUsed = state.usedRows > 0;
    const bool single = rows.size() == 1;
    const bool several = rows.size() >= 2;
    const int row = rows.empty() ? 1 : rows.front();
    std::vector<int> chosen;
    for (const int r : rows) chosen.push_back(r - 1);

    CommandAvailability a;
    a.modify = change && PageAllowsModify(state.page);
    a.cut = list && anyUsed;
    a.copy = memory || (vfo && state.bandCopyable);
    a.paste = change && (memory || vfo) && state.pasteReady;
    a.clear = list && anyUsed;
    a.enable = list && state.anyDisabledUsed;
    a.disable = list && anyUsed;
    // Delete and Insert shift the first 200 rows from the current one.
    a.insert = list && single && row <= kEditWindowRows;
    a.remove = a.insert;
    a.wholeList = list;
    a.find = memory;
    a.changeChannels = list && state.usedRows >= 2;
    a.sort = list && several;
    a.pack = list && several;
    a.moveUp = list && !MoveRefusal(chosen, Direction::kUp);
    a.moveDown = list && !MoveRefusal(chosen, Direction::kDown);
    a.findDuplicates = list;
    // One transfer at a time: every transfer command waits for the end.
    a.transfers = !state.transferRunning;
    return a;
}

}  // namespace wrk7
