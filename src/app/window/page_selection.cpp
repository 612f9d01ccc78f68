#include "app/window/page_selection.h"

#include <QTableView>
#include <QTimer>

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
    QTableView* grid = memory_->Grid();
    // The first row chosen at the top of the view, the rest below it rather
    // than out of sight; once more after the page just switched to has been
    // laid out, when the view knows its height.
    const auto bring = [grid, first = rows.front() - 1] {
        const QModelIndex index = grid->model()->index(first, 0);
        if (!grid->viewport()->rect().contains(grid->visualRect(index)))
            grid->scrollTo(index, QAbstractItemView::PositionAtTop);
    };
    bring();
    QTimer::singleShot(0, grid, bring);
}

void PageSelection::SelectBand(int band) { vfoGrid_->selectRow(band - 1); }

}  // namespace wrk7
