#pragma once
#include <string>
#include <string_view>
#include <optional>
#include <vector>

#include "core/image.h"
#include "core/message.h"
#include "edit/memory_ops.h"

namespace wrk7 {

// Reordering memory rows: sort, pack and move. Each takes the chosen slots
// (0-based, in any order, repeats ignored) and moves whole rows among them:
// every field, the note, the name and the enable flag go together, as slots
// and not as bank places (a block may cross a bank boundary; the bank table
// never changes). The slots must lie in one area (slot_areas.h): channels
// never turn into program-scan edges. A refusal changes nothing and says why
// in a line for a message box.
struct RowOrderResult {
    std::optional<Message> refusal;
    std::vector<int> selection;  // where the moved rows are now, ascending
};

enum class SortKey { kFrequency, kName, kNote, kMode, kStep };

// Stable: rows with equal keys keep their order, either way. Empty rows go
// last either way. Names and notes compare without regard to the case of
// Latin letters, modes by their names, steps by their size.
RowOrderResult SortSlots(CloneImage& image, const std::vector<int>& chosen, SortKey key, bool descending);
// The used rows to the top of the chosen slots in their order, the empty ones after.
RowOrderResult PackSlots(CloneImage& image, const std::vector<int>& chosen);
// Which way Move takes the rows: the slot number changes by the value.
enum class Direction { kUp = -1, kDown = 1 };

// Each run of consecutive chosen slots moves by one slot and the
// row it passes takes the run's other end.
RowOrderResult MoveSlots(CloneImage& image, const std::vector<int>& chosen, Direction direction);
// Why MoveSlots would refuse; none when it would move.
std::optional<Message> MoveRefusal(const std::vector<int>& chosen, Direction direction);
// Why a command refuses the chosen slots for lying in more than one area
// (refusal: its template, %1 the areas); none when they lie in one (or none
// is given).
std::optional<Message> OneAreaRefusal(const std::vector<int>& chosen, MessageId refusal);

// Every used slot whose frequency (to the hertz) and mode another used slot
// also holds (members, ascending), and how many different frequency-and-mode
// pairs they hold.
struct Duplicates {
    std::vector<int> members;
    int groups = 0;
};
Duplicates FindDuplicates(const CloneImage& image);

}  // namespace wrk7
