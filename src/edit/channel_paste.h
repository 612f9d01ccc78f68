#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/image.h"
#include "core/message.h"
#include "edit/memory_ops.h"

namespace wrk7 {

// Pasting channels into the memory grid or the VFO grid: each row is checked
// with the channel editor's rules for the place it lands on, so a paste can
// store nothing the editor would refuse.

// One channel as copied: the fields of a memory slot or a VFO band and the
// slot's enable flag. A record without a frequency is an empty row.
struct PasteRecord {
    SlotFields fields;
    bool enabled = true;
    std::optional<Message> unreadable;  // why a row of pasted text could not be read: refused
    bool operator==(const PasteRecord&) const = default;
};

struct RefusedRow {
    int row = 0;     // 0-based position among the pasted rows
    int target = 0;  // slot or band it would have replaced
    Message reason;
};

struct PastePlan {
    struct Write {
        int target = 0;  // slot or band
        PasteRecord record;
    };
    std::vector<Write> writes;       // in paste order
    std::vector<RefusedRow> refused;
    int rows = 0;                    // rows offered
    int overwrites = 0;              // used slots that a write replaces
};

// Rows land on consecutive slots from firstSlot. Every row is checked as the
// editor checks an entry (frequency range, the model's cellular ranges, a
// search-pass frequency another enabled entry holds — the pasted rows
// included —, the offset limit, NameFits and NoteFits). An option the model lacks becomes
// "None", as the editor offers none. An empty row empties its slot; rows past
// the end of the area firstSlot lies in (the memory channels, the
// program-scan edges, the search-pass or the priority entries) are refused.
PastePlan PlanMemoryPaste(const CloneImage& image, int firstSlot, const std::vector<PasteRecord>& records);

// Rows land on consecutive bands from firstBand and give each band the values
// the editor would accept for it: a frequency outside the band (or in the
// model's cellular ranges), a step or option the band does not offer and an
// offset of 100 MHz or more are left as the band has them (a band's step the
// band no longer offers becomes the one the editor preselects). Mode, codes,
// tone, shift and note are taken; the name, skip and enable flags are not.
// A band the model lacks and an empty row are refused.
PastePlan PlanVfoPaste(const CloneImage& image, int firstBand, const std::vector<PasteRecord>& records);

// Stores the plan's writes and gives the slots
// that changed (the memory list refresh included).
SlotRange ApplyMemoryPaste(CloneImage& image, const PastePlan& plan);
void ApplyVfoPaste(CloneImage& image, const PastePlan& plan);

// The lines of the one message that tells which rows were refused and why
// (at most kListedRefusals of them named); empty when none was. labels name
// the targets as the grid does.
inline constexpr int kListedRefusals = 10;
std::vector<Message> RefusalSummary(const PastePlan& plan, const std::vector<std::string>& targetLabels);
// The same lines for any command that leaves rows out: heading (a template
// like "%1 of %n rows were not changed:", %1 the rows refused, %n those
// offered), then the rows.
std::vector<Message> RefusalLines(const std::vector<RefusedRow>& refused, int rows, MessageId heading,
                                  const std::vector<std::string>& targetLabels);

}  // namespace wrk7
