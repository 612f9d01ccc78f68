#include "app/support/column_stretch.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

namespace wrk7 {

ColumnStretcher::ColumnStretcher(QTableView* grid) : QObject(grid), grid_(grid) {
    QHeaderView* header = grid_->horizontalHeader();
    for (int c = 0; c < header->count(); ++c) own_.push_back(grid_->columnWidth(c));
    connect(header, &QHeaderView::sectionResized, this, [this](int column, int, int size) {
        if (!fitting_ && column >= 0 && column < static_cast<int>(own_.size()))
            own_[static_cast<std::size_t>(column)] = size;
    });
    viewport_ = grid_->viewport();
    viewport_->installEventFilter(this);
}

int ColumnStretcher::OwnTotal() const {
    int total = 0;
    for (std::size_t c = 0; c < own_.size(); ++c)
        if (!grid_->isColumnHidden(static_cast<int>(c))) total += own_[c];
    return total;
}

int ColumnStretcher::NaturalGridWidth(const QTableView* grid) {
    int columns = 0;
    if (const auto* stretcher = grid->findChild<ColumnStretcher*>()) {
        columns = stretcher->OwnTotal();
    } else {
        for (int c = 0; c < grid->horizontalHeader()->count(); ++c)
            if (!grid->isColumnHidden(c)) columns += grid->columnWidth(c);
    }
    return grid->verticalHeader()->width() + columns + grid->verticalScrollBar()->sizeHint().width() +
           2 * grid->frameWidth();
}

bool ColumnStretcher::eventFilter(QObject* watched, QEvent* event) {
    // The grid is no longer a whole scroll area while it is being destroyed,
    // and its viewport still gets events then: compare with the viewport
    // kept at the start, without asking the grid.
    if (event->type() == QEvent::Resize && watched == viewport_) Fit();
    return QObject::eventFilter(watched, event);
}

void ColumnStretcher::Fit() {
    const int room = grid_->viewport()->width();
    const int own = OwnTotal();
    if (own <= 0) return;
    fitting_ = true;
    const double scale = room > own ? double(room) / own : 1.0;
    int used = 0;
    int last = -1;
    for (std::size_t c = 0; c < own_.size(); ++c) {
        const int column = static_cast<int>(c);
        if (grid_->isColumnHidden(column)) continue;
        const int width = static_cast<int>(own_[c] * scale);
        grid_->setColumnWidth(column, width);
        used += width;
        last = column;
    }
    // What rounding left over goes to the last column, so the columns end
    // exactly at the grid's edge.
    if (scale > 1.0 && last >= 0) grid_->setColumnWidth(last, grid_->columnWidth(last) + room - used);
    fitting_ = false;
}

}  // namespace wrk7
