#include "app/widgets/text_table.h"

#include <QHeaderView>
#include <QTableWidget>

namespace wrk7 {

QTableWidget* MakeTextTable(const char* objectName, const QStringList& headings,
                            const std::vector<QStringList>& rows) {
    auto* table = new QTableWidget(static_cast<int>(rows.size()), static_cast<int>(headings.size()));
    table->setObjectName(QString::fromLatin1(objectName));
    table->setHorizontalHeaderLabels(headings);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(20);
    table->setWordWrap(false);
    table->setTabKeyNavigation(false);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; c < rows[static_cast<std::size_t>(r)].size() && c < headings.size(); ++c)
            table->setItem(r, c, new QTableWidgetItem(rows[static_cast<std::size_t>(r)][c]));
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

}  // namespace wrk7
