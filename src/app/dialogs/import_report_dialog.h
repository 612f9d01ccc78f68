#pragma once
#include <QDialog>

#include "files/chirp_csv.h"

class QLabel;
class QTableWidget;

namespace wrk7 {

// The report after a CHIRP list was imported: how many channels came in and
// were skipped, and each row skipped or imported with a loss (line, Location,
// reason).
class ImportReportDialog : public QDialog {
    Q_OBJECT
public:
    ImportReportDialog(const ChirpImportResult& result, QWidget* parent = nullptr);

    QLabel* Summary() const { return summary_; }
    QTableWidget* Issues() const { return issues_; }

private:
    QLabel* summary_ = nullptr;
    QTableWidget* issues_ = nullptr;
};

}  // namespace wrk7
