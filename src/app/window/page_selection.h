#pragma once
#include "app/commands/selection.h"

class QTableView;

namespace wrk7 {

class MemoryPage;
class PageSwitcher;

// The commands' view of the window's pages: the page in front, the memory
// grid's rows and the VFO grid's band.
class PageSelection : public Selection {
public:
    PageSelection(const PageSwitcher& pages, MemoryPage* memory, QTableView* vfoGrid)
        : pages_(pages), memory_(memory), vfoGrid_(vfoGrid) {}

    Page CurrentPage() const override;
    std::vector<int> SelectedRows() const override;
    int CurrentRow() const override;
    int CurrentBand() const override;
    void SelectRows(const std::vector<int>& rows, int current) override;
    void SelectBand(int band) override;

private:
    const PageSwitcher& pages_;
    MemoryPage* memory_;
    QTableView* vfoGrid_;
};

}  // namespace wrk7
