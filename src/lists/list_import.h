#pragma once
#include <optional>
#include <vector>

#include "core/image.h"
#include "core/message.h"
#include "lists/import_fit.h"
#include "lists/list_map.h"

namespace wrk7 {

// Where the chosen rows of a list go and what they do to the channels there.

enum class ListTarget {
    kFromSlot,    // consecutive memory slots from firstSlot
    kIntoBank,    // the slots of one bank, from its first
    kEmptySlots,  // only slots that hold no channel, from firstSlot
    kOwnLocations,  // CHIRP's: each row in the slot its Location names; of rows naming one the last wins
};

enum class DuplicateRule {
    kSkip,     // a row whose frequency (within 1 kHz) and mode a used slot holds is not imported
    kReplace,  // that row is stored in the slot that holds it
    kKeep,     // no row is a duplicate: each goes where the target puts it (CHIRP's own rule)
};

struct ListImportChoice {
    ListTarget target = ListTarget::kEmptySlots;
    int firstSlot = 0;      // kFromSlot, kEmptySlots: 0..999
    int bank = 0;           // kIntoBank: 0..49
    bool growBank = false;  // kIntoBank: take room from the banks after it, first the next
    DuplicateRule duplicates = DuplicateRule::kSkip;
    std::vector<bool> chosen;  // per row of the list; empty: every row
};

struct PlacedRow {
    int row = 0;   // index into the list's rows
    int slot = 0;  // memory slot 0..999
    bool replacesUsed = false;  // the slot held another channel
    bool alreadyThere = false;  // a duplicate replaced in its own slot
};

struct ListImportPlan {
    std::vector<PlacedRow> placed;  // in row order
    int replacingUsed = 0;   // placed rows that overwrite another channel
    int alreadyThere = 0;    // duplicates, skipped or replaced as the rule says
    int leftOut = 0;         // rows chosen but not imported (mapping)
    std::vector<int> leftOutByKind = std::vector<int>(kLeftOutKinds);  // by LeftOutKind
    int didNotFit = 0;       // importable rows beyond the room chosen
    int replacedByLater = 0;  // kOwnLocations: rows a later row replaces at their Location
    std::optional<std::vector<int>> grownCounts;  // kIntoBank with growBank: the new bank counts
    // "143 channels into bank 7: 12 replace used channels, 9 are already
    // there and are skipped, 31 are left out: digital", said before anything
    // changes.
    Message summary;
    // What the report after it lists, in file order: each chosen row left
    // out, skipped as a duplicate or beyond the room, each one imported with
    // something lost, and each one a later row replaced ("replaced by line
    // N"). A CHIRP row's issue names its Location and the slot it went to;
    // another list's names the row label it went to.
    std::vector<ImportIssue> report;
};

ListImportPlan PlanListImport(const CloneImage& image, const std::vector<ListMapping>& rows,
                              const ListImportChoice& choice);
// Stores the plan's rows (slot enabled) and the grown bank counts; nothing
// else changes.
void ApplyListImport(CloneImage& image, const std::vector<ListMapping>& rows, const ListImportPlan& plan);

}  // namespace wrk7
