#pragma once
#include <vector>

#include "app/commands/selection.h"

namespace wrk7 {

// The rows a test has chosen, as a grid would report them.
struct ChosenRows : Selection {
    Page page = Page::kMemory;
    std::vector<int> rows{1};
    int current = 1;
    int band = 1;

    Page CurrentPage() const override { return page; }
    std::vector<int> SelectedRows() const override { return rows; }
    int CurrentRow() const override { return current; }
    int CurrentBand() const override { return band; }
    void SelectRows(const std::vector<int>& chosen, int now) override { rows = chosen, current = now; }
    void SelectBand(int b) override { band = b; }
    void Choose(int first, int last) {
        rows.clear();
        for (int r = first; r <= last; ++r) rows.push_back(r);
        current = first;
    }
};

}  // namespace wrk7
