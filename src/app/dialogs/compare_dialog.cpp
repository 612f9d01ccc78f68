#include "app/dialogs/compare_dialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/widgets/text_table.h"

namespace wrk7 {

CompareDialog::CompareDialog(const std::vector<DiffLine>& lines, const QString& otherFile, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("dlgCompare"));
    const QString other = QFileInfo(otherFile).fileName();
    setWindowTitle(tr("Compare With %1").arg(other));
    setAttribute(Qt::WA_DeleteOnClose);
    summary_ = new QLabel(lines.empty() ? tr("The images are the same.") : tr("%1 differences").arg(lines.size()));
    summary_->setObjectName(QStringLiteral("lblSummary"));
    std::vector<QStringList> rows;
    for (const DiffLine& l : lines) {
        rows.push_back({QString::fromStdString(l.place), QString::fromStdString(l.field), QString::fromStdString(l.a),
                        QString::fromStdString(l.b)});
        slots_.push_back(l.slot);
    }
    table_ = MakeTextTable("grdCompare",
                           {tr("Place"), tr("Field"), tr("This image"), other},
                           rows);
    table_->setAccessibleName(tr("Differences"));
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        if (row >= 0 && row < static_cast<int>(slots_.size()) && slots_[static_cast<std::size_t>(row)] >= 0)
            emit memorySlotActivated(slots_[static_cast<std::size_t>(row)]);
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(table_, 1);
    layout->addWidget(buttons);
    resize(680, 420);
}

}  // namespace wrk7
