#pragma once
#include <compare>
#include <vector>

#include "core/image.h"
#include "core/message.h"

namespace wrk7 {

// A three-way merge of the read an edit started from (base), the edited
// image (mine) and the receiver as it is now (theirs). Not the merge of a
// transfer into the image being edited (edit/transfer_merge.h): that one
// takes whole areas from one side.

enum class MergeSide { kMine, kReceiver };

// What is merged as one unit. A slot is merged field by field while it holds
// a channel (or none) on all three sides; where a channel came or went on
// some side its fields say nothing on their own, so the slot is one unit.
// The bank table is one unit too: counts moved on both sides never add up
// by being mixed.
enum class MergeKind {
    kSlotField,  // index: slot, field: a Field other than kNote, or kEnableField
    kSlot,       // index: slot
    kBandField,  // index: VFO band, field: a Field below kVfoFieldCount other than kNote
    kBankTable,
    kLink,       // index: bank
    kGroup,      // index: scan group 0..10
    kSetting,    // index: position in SetModeCatalogue()
};
inline constexpr int kEnableField = kFieldCount;

struct MergeItem {
    MergeKind kind = MergeKind::kSlotField;
    int index = 0;
    int field = 0;
    auto operator<=>(const MergeItem&) const = default;
};

// Every unit that differs between the sides, in image order. Notes are the
// computer's own and no unit: the merge keeps mine's where the frequency
// stays as mine has it.
struct MergePlan {
    std::vector<MergeItem> fromReceiver;  // changed on the receiver only
    std::vector<MergeItem> fromMine;      // changed in mine only
    std::vector<MergeItem> same;          // changed alike on both sides
    std::vector<MergeItem> conflicts;     // changed differently on both sides
};

MergePlan PlanMerge(const CloneImage& base, const CloneImage& mine, const CloneImage& receiver);

// Mine with the receiver's changes taken and each conflict decided by
// choices (one per conflict, in order; a missing one keeps mine). The
// transfer forms of the bank table, the groups and the enable map follow.
CloneImage ApplyMerge(const CloneImage& mine, const CloneImage& receiver, const MergePlan& plan,
                      const std::vector<MergeSide>& choices);

// Why a merged image is not taken: a bank table that does not add up to 1000
// (what a write would refuse). Empty when it may be taken.
std::vector<Message> MergeRefusal(const CloneImage& merged);

// Whether item holds the same in a and b (what the plan compares).
bool SameInBoth(const CloneImage& a, const CloneImage& b, const MergeItem& item);

}  // namespace wrk7
