#include "edit/bank_entry.h"

#include "core/hex.h"

namespace wrk7 {

bool LinkAfterClick(std::string_view countBoxText, bool ticked) { return ticked && ParseDecimal(countBoxText) != 0; }

CountEntryResult LeaveCountBox(CloneImage& image, int bank, const std::array<std::string, kBanks>& boxTexts) {
    CountEntryResult result = ApplyCountEntry(image, bank, boxTexts);
    if (result.clearLink) image.banks.links[static_cast<std::size_t>(bank)] = false;
    return result;
}

}  // namespace wrk7
