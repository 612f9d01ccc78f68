#pragma once
#include <QStringList>
#include <vector>

class QTableWidget;

namespace wrk7 {

// A read-only table of text rows with whole-row selection, as the import
// report and the compare window list their lines.
QTableWidget* MakeTextTable(const char* objectName, const QStringList& headings,
                            const std::vector<QStringList>& rows);

}  // namespace wrk7
