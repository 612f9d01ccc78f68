#include "edit/page_rules.h"

#include "core/models.h"
#include "edit/bank.h"

namespace wrk7 {

bool CanLeaveBankPage(const CloneImage& image) { return BankTotal(image) == kChannelCount; }

bool PageAllowsModify(Page page) { return page == Page::kSettings1 || page == Page::kMemory; }

PageSwitch SwitchPage(const CloneImage& image, Page clicked, bool reselecting) {
    PageSwitch result;
    if (CanLeaveBankPage(image)) {
        result.page = clicked;
    } else {
        result.page = Page::kBank;
        result.showTotalError = !reselecting && !CanLeaveBankPage(image);
    }
    result.modifyEnabled = PageAllowsModify(result.page);
    result.rebuildMemoryGrid = result.page == Page::kMemory;
    return result;
}

std::string_view CarrierColumnHeading(int modelIndex) { return Model(modelIndex).gridHeading; }

bool ShowsWrK7Frames(int modelIndex) { return Model(modelIndex).wrK7Frames; }

}  // namespace wrk7
