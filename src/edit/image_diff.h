#pragma once
#include <string>
#include <vector>

#include "core/image.h"

namespace wrk7 {

// One difference between two images, as `wrk7 diff` prints it and the
// compare window lists it.
struct DiffLine {
    std::string place;  // "Memory 07-012", "VFO 3", "Bank 7", "Group 2", "Settings"
    std::string field;  // grid heading, "Skip", "Enable", "Channel", "Count", "Banks" or a control's caption
    std::string a;      // the value in the first image
    std::string b;      // the value in the second image
    int slot = -1;      // the memory slot of a "Memory" line, else -1

    bool operator==(const DiffLine&) const = default;
};

// Every difference, memory slots first (labelled by a's bank table), then
// the VFO bands, the bank counts, the scan groups and the settings. A slot
// used in one image and empty in the other is one "Channel" line with
// "empty" on its empty side; a slot without a frequency on both sides differs
// in its "Enable" line ("on" / "off") and, when enabled on both, in its
// fields. Two codes of the same text (a shift byte above 2 shows "OFF") are
// written with their numbers: "OFF (0)", "OFF (240)". Empty when the images
// hold the same.
std::vector<DiffLine> DiffImages(const CloneImage& a, const CloneImage& b);

// How a line shows a slot field's value, a used slot ("145.0000 FM") and a
// scan group's banks ("0,7" or "none").
std::string SlotFieldValue(const SlotFields& slot, int field);
std::string ChannelSummary(const SlotFields& slot);
std::string GroupMembersText(const CloneImage& image, int group);

// PLACE, FIELD, A and B joined with tabs.
std::string DiffLineText(const DiffLine& line);

}  // namespace wrk7
