#include "app/dialogs/import_report_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/translation/said.h"
#include "app/widgets/text_table.h"

namespace wrk7 {

ImportReportDialog::ImportReportDialog(const CsvImportResult& result, QWidget* parent)
    : ImportReportDialog(ImportSummary(result), tr("Channel"), result.issues, parent) {}

ImportReportDialog::ImportReportDialog(const ListImportPlan& plan, QWidget* parent)
    : ImportReportDialog(plan.summary, tr("Row"), plan.report, parent) {}

ImportReportDialog::ImportReportDialog(const ListImportPlan& plan, const RowLabels& rowLabels, QWidget* parent)
    : ImportReportDialog(plan.summary, tr("Location"), plan.report, parent, &rowLabels) {}

ImportReportDialog::ImportReportDialog(const Message& summary, const QString& placeHeading,
                                       const std::vector<ImportIssue>& issues, QWidget* parent,
                                       const RowLabels* rowLabels)
    : QDialog(parent) {
    setObjectName(QStringLiteral("dlgImportReport"));
    setWindowTitle(tr("Import"));
    setAttribute(Qt::WA_DeleteOnClose);
    summary_ = new QLabel(Said(summary));
    summary_->setObjectName(QStringLiteral("lblSummary"));
    const bool withRow = rowLabels != nullptr;
    std::vector<QStringList> rows;
    for (const ImportIssue& issue : issues) {
        // A note on the import as a whole (a bank grown for it) has no line.
        QStringList row{issue.line > 0 ? QString::number(issue.line) : QString(),
                        QString::fromStdString(issue.location)};
        if (withRow)
            row << (issue.slot >= 0 && issue.slot < kSlotCount
                        ? QString::fromStdString((*rowLabels)[static_cast<std::size_t>(issue.slot)])
                        : QString());
        rows.push_back(row << Said(issue.reason));
    }
    QStringList headings{tr("Line"), placeHeading};
    if (withRow) headings << tr("Row");
    issues_ = MakeTextTable("grdIssues", headings << tr("Reason"), rows);
    issues_->setAccessibleName(tr("Rows not taken whole"));
    issues_->setVisible(!rows.empty());
    // A long reason wraps in its column rather than running off its edge;
    // the rows grow with it whenever the column is resized.
    issues_->setWordWrap(true);
    issues_->setTextElideMode(Qt::ElideNone);
    issues_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(issues_, 1);
    layout->addWidget(buttons);
    resize(rows.empty() ? 320 : 620, rows.empty() ? 100 : 360);
}

}  // namespace wrk7
