#include "edit/page_rules.h"

#include "core/models.h"
#include "edit/bank.h"

namespace wrk7 {

bool CanLeaveBankPage(const CloneImage& image) { return BankTotal(image) == kChannelCount; }

std::optional<Page> PageBeforeTransfer(Page current, TransferDirection direction, TransferPart part) {
    const bool write = direction == TransferDirection::kWrite;
    switch (part) {
        case TransferPart::kMemory:
            if (current != Page::kMemory) return Page::kMemory;
            break;
        case TransferPart::kSettings:
            if (current == Page::kMemory || (write && current == Page::kBank)) return Page::kSettings1;
            break;
        case TransferPart::kAll:
            if (current == Page::kMemory || current == Page::kBank) return Page::kSettings1;
            break;
        case TransferPart::kBank:
        case TransferPart::kGroups:
            break;
    }
    return std::nullopt;
}

std::optional<Page> PageAfterTransfer(Page current, TransferPart part, bool ok) {
    if (ok && part == TransferPart::kAll && current != Page::kMemory) return Page::kMemory;
    return std::nullopt;
}

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
