#include "app/window/page_selection.h"

#include <QTableView>

#include "app/pages/grid_selection.h"
#include "app/pages/memory_page.h"
#include "app/window/page_switcher.h"

namespace wrk7 {

Page PageSelection::CurrentPage() const { return pages_.CurrentPage(); }

std::vector<int> PageSelection::SelectedRows() const { return memory_->SelectedRows(); }

int PageSelection::CurrentRow() const { return memory_->CurrentRow(); }

int PageSelection::CurrentBand() const {
    const QModelIndex current = vfoGrid_->currentIndex();
    return current.isValid() ? current.row() + 1 : 1;
}

void PageSelection::SelectRows(const std::vector<int>& rows, int current) {
    if (rows.size() == 1) {
        memory_->SelectRow(rows.front());
        return;
    }
    std::vector<int> indices;
    for (const int row : rows) indices.push_back(row - 1);
    SelectGridRows(memory_->Grid(), indices, current - 1);
    memory_->Grid()->scrollTo(memory_->Grid()->currentIndex());
}

void PageSelection::SelectBand(int band) { vfoGrid_->selectRow(band - 1); }

}  // namespace wrk7
