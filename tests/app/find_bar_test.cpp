// The find bar on a memory page of its own, no window: what only the bar
// does with the grid. What it finds is FindSlot's (tests/edit).
#include "app/pages/find_bar.h"

#include <QTableView>
#include <gtest/gtest.h>

#include "app/pages/memory_page.h"
#include "put_channel.h"

namespace wrk7 {
namespace {

TEST(FindBarTest, DuplicatesStepThroughTheListedRowsAndTheSelectionStays) {
    CloneImage image;
    for (const int slot : {2, 3, 500}) PutChannel(image, slot, 145.0);
    MemoryPage page(image);
    FindBar bar(image, &page, &page);
    page.SelectOnly({3, 4, 501});
    bar.OpenDuplicates(QStringLiteral("1 group of duplicates (3 rows) is selected."));
    std::vector<int> visited;
    for (int press = 0; press < 3; ++press) {
        bar.FindNext();
        visited.push_back(page.CurrentRow());
    }
    EXPECT_EQ(visited, (std::vector<int>{4, 501, 3}));  // listed rows only, round the end
    EXPECT_EQ(page.SelectedRows(), (std::vector<int>{3, 4, 501}));
}

}  // namespace
}  // namespace wrk7
