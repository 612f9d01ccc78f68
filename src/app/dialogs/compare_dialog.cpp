#include "app/dialogs/compare_dialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/widgets/caption_catalog.h"
#include "app/widgets/string_table.h"
#include "app/widgets/text_table.h"

namespace wrk7 {

CompareDialog::CompareDialog(const std::vector<DiffLine>& lines, const QString& otherFile, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("dlgCompare"));
    const StringTable strings = StringsOf(parent);
    const QString other = QFileInfo(otherFile).fileName();
    setWindowTitle(strings.Text(1735).arg(other));
    setAttribute(Qt::WA_DeleteOnClose);
    summary_ = new QLabel(lines.empty() ? strings.Text(1736) : strings.Text(1737).arg(lines.size()));
    summary_->setObjectName(QStringLiteral("lblSummary"));
    std::vector<QStringList> rows;
    for (const DiffLine& l : lines) {
        rows.push_back({QString::fromStdString(l.place), QString::fromStdString(l.field), QString::fromStdString(l.a),
                        QString::fromStdString(l.b)});
        slots_.push_back(l.slot);
    }
    table_ = MakeTextTable("grdCompare",
                           {strings.Text(1738), strings.Text(1739), strings.Text(1740), other},
                           rows);
    table_->setAccessibleName(CaptionInUiLanguage(QStringLiteral("Differences"), strings.Language()));
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
