#include "core/slot_areas.h"

namespace wrk7 {

std::string EntryLabel(int slot) {
    const SlotArea& area = SlotAreaOf(slot);
    const int entry = slot - area.first;
    if (!area.pairs) return std::to_string(entry);
    std::string label = std::to_string(PairOf(entry));
    label += EdgeOf(entry);
    return label;
}

std::string UpperRowLabel(int slot) {
    // Built by appending: gcc 12 misreports the prepend of a literal
    // (-Wrestrict) at -O2.
    std::string label(SlotAreaOf(slot).rowPrefix);
    label += EntryLabel(slot);
    return label;
}

}  // namespace wrk7
