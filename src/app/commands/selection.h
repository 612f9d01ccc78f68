#pragma once
#include <vector>

#include "edit/page_rules.h"

namespace wrk7 {

// The two grids of channels: the memory page's and the VFO bands of Settings 1.
enum class GridKind { kMemory, kVfo };

// What the commands need to know of the window: the page in front and the
// rows chosen on its grid. The window answers for its pages; the command
// tests answer with a plain list, so no grid has to exist.
class Selection {
public:
    virtual ~Selection() = default;

    virtual Page CurrentPage() const = 0;
    // The memory grid's selected rows, 1-based and ascending; the current
    // row when none is selected.
    virtual std::vector<int> SelectedRows() const = 0;
    // The memory grid's current row, 1..1300.
    virtual int CurrentRow() const = 0;
    // The VFO grid's current band, 1..14.
    virtual int CurrentBand() const = 0;
    // Selects rows (1-based, ascending, not empty) with current among them
    // as the current row, and brings it into view.
    virtual void SelectRows(const std::vector<int>& rows, int current) = 0;
    virtual void SelectBand(int band) = 0;
};

}  // namespace wrk7
