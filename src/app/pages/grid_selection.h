#pragma once
#include <vector>

class QTableView;

namespace wrk7 {

// Selects whole rows of a grid (0-based, ascending, each a row of the grid)
// and makes current the current row without scrolling. Runs of consecutive
// rows are one range each, so a thousand rows select at once.
void SelectGridRows(QTableView* grid, const std::vector<int>& rows, int current);

}  // namespace wrk7
