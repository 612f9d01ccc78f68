#include "edit/page_rules.h"

#include "core/models.h"
#include "edit/bank.h"

namespace wrk7 {

bool CanLeaveBankPage(const CloneImage& image) { return BankTotal(image) == kChannelCount; }

bool PageAllowsModify(Page page) { return page == Page::kSettings1 || page == Page::kMemory; }

PageSwitch SwitchPage(const CloneImage& image, int clickedTab, bool reselecting) {
    PageSwitch result;
    const bool known = clickedTab >= static_cast<int>(Page::kSettings1) &&
                       clickedTab <= static_cast<int>(Page::kBank);
    if (CanLeaveBankPage(image) && known) {
        result.page = static_cast<Page>(clickedTab);
    } else {
        // A tab number that no page has falls back to the bank page, which
        // is always safe to show.
        result.page = Page::kBank;
        result.showTotalError = !reselecting && !CanLeaveBankPage(image);
    }
    result.modifyEnabled = PageAllowsModify(result.page);
    result.rebuildMemoryGrid = result.page == Page::kMemory;
    return result;
}

std::string_view CarrierColumnHeading(int regionIndex) { return Model(regionIndex).gridHeading; }

bool ShowsWrK7Frames(int regionIndex) { return Model(regionIndex).wrK7Frames; }

}  // namespace wrk7
