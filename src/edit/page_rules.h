#pragma once
#include <optional>
#include <string_view>

#include "core/image.h"
#include "core/memory_map.h"

namespace wrk7 {

// The main window's four pages, numbered as their tabs.
enum class Page : int { kSettings1 = 1, kSettings2 = 2, kMemory = 3, kBank = 4 };

// Every page but the bank page relies on the bank counts covering all 1000
// channels, so the bank page cannot be left until they do.
bool CanLeaveBankPage(const CloneImage& image);

// What a tab click leads to. "reselecting" is true for the tab event that
// the switch itself causes by putting the bank page back in front, so the
// refusal is shown once.
struct PageSwitch {
    Page page = Page::kBank;          // the page shown afterwards
    bool showTotalError = false;      // show kTotalMustBe1000Message (bank.h)
    bool modifyEnabled = false;       // Edit > Modify(&M)
    bool rebuildMemoryGrid = false;   // row labels, grid font and refresh
};
PageSwitch SwitchPage(const CloneImage& image, Page clicked, bool reselecting);

// Modify(&M) opens the VFO editor on "Settings 1" and the memory editor on
// "Memory"; elsewhere it does nothing.
bool PageAllowsModify(Page page);

// The page a transfer's command brings to the front before it starts, when
// not the one in front: the memory page for the memory, Settings 1 for the
// settings and for everything from the pages without them.
std::optional<Page> PageBeforeTransfer(Page current, TransferDirection direction, TransferPart part);
// After a transfer of everything that ended well the memory page shows what
// it holds.
std::optional<Page> PageAfterTransfer(Page current, TransferPart part, bool ok);

// Heading of grid column 6 (the carrier column) of both grids for a model.
std::string_view CarrierColumnHeading(int modelIndex);
// The bug settings and the recording rate exist on the WR-K7J only.
bool ShowsWrK7Frames(int modelIndex);

}  // namespace wrk7
