#include "app/pages/grid_selection.h"

#include <QItemSelection>
#include <QTableView>

namespace wrk7 {

void SelectGridRows(QTableView* grid, const std::vector<int>& rows, int current) {
    QAbstractItemModel* model = grid->model();
    const int last = model->columnCount() - 1;
    QItemSelection selection;
    for (std::size_t i = 0; i < rows.size();) {
        std::size_t j = i;
        while (j + 1 < rows.size() && rows[j + 1] == rows[j] + 1) ++j;
        selection.select(model->index(rows[i], 0), model->index(rows[j], last));
        i = j + 1;
    }
    grid->selectionModel()->setCurrentIndex(model->index(current, 0), QItemSelectionModel::NoUpdate);
    grid->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

}  // namespace wrk7
