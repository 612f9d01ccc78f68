#pragma once
#include <array>
#include <string>
#include <vector>

#include "core/message.h"
#include "edit/three_way_merge.h"
#include "edit/image_diff.h"

namespace wrk7 {

// A unit of a merge as `wrk7 diff` names it: place and field as a
// difference line has them, a the value in mine, b the receiver's. A whole
// slot is its "Channel" ("145.0000 FM" or "empty"), the bank table "Banks"
// "Count" with the counts that differ ("3=90 4=110"), a link "Bank 7" "Link".
// Memory rows are labelled by mine's bank table.
class MergeLines {
public:
    MergeLines(const CloneImage& mine, const CloneImage& receiver);
    DiffLine Line(const MergeItem& item) const;
    std::vector<DiffLine> Lines(const std::vector<MergeItem>& items) const;

private:
    const CloneImage& mine_;
    const CloneImage& receiver_;
    std::array<std::string, kSlotCount> labels_;
};

// "Memory 07-012 Frequency: mine 145.0000, the receiver's 146.0000".
Message ConflictMessage(const DiffLine& line);

}  // namespace wrk7
