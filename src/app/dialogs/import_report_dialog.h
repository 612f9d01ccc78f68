#pragma once
#include <QDialog>

#include "lists/csv.h"
#include "lists/list_import.h"

#include <array>
#include <string>

class QLabel;
class QTableWidget;

namespace wrk7 {

using RowLabels = std::array<std::string, kSlotCount>;

// The report after an import: what came in and was passed over, and each
// row passed over or taken with a loss (line, where it goes, reason): a
// CHIRP list's by its Location, this program's by its BANK and CHANNEL, the
// other lists' by the row they went to.
class ImportReportDialog : public QDialog {
    Q_OBJECT
public:
    ImportReportDialog(const CsvImportResult& result, QWidget* parent = nullptr);
    // A list without slots of its own: the plan's summary and report.
    ImportReportDialog(const ListImportPlan& plan, QWidget* parent = nullptr);
    // A CHIRP list's: its rows stored get a Row column beside their Location
    // (rowLabels: the grid's labels of the image they went to), since a list
    // placed from a row goes elsewhere than its Location says.
    ImportReportDialog(const ListImportPlan& plan, const RowLabels& rowLabels, QWidget* parent = nullptr);

    QLabel* Summary() const { return summary_; }
    QTableWidget* Issues() const { return issues_; }

private:
    ImportReportDialog(const Message& summary, const QString& placeHeading, const std::vector<ImportIssue>& issues,
                       QWidget* parent, const RowLabels* rowLabels = nullptr);

    QLabel* summary_ = nullptr;
    QTableWidget* issues_ = nullptr;
};

}  // namespace wrk7
