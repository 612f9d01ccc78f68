#include "app/transfer/merge_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/support/prompter.h"
#include "app/translation/said.h"
#include "files/merge_lines.h"

namespace wrk7 {

MergeDialog::MergeDialog(const CloneImage& mine, const CloneImage& receiver, std::vector<BackupEntry> bases,
                         int chosen, Prompter& prompter, QWidget* parent)
    : QDialog(parent), mine_(mine), receiver_(receiver), bases_(std::move(bases)), prompter_(prompter) {
    setObjectName(QStringLiteral("dlgMerge"));
    setWindowTitle(tr("Merge with Receiver"));
    base_ = new QComboBox;
    base_->setObjectName(QStringLiteral("cboMergeBase"));
    for (const BackupEntry& e : bases_) base_->addItem(QFileInfo(e.path).fileName(), e.path);
    base_->setCurrentIndex(chosen);
    summary_ = new QLabel;
    summary_->setWordWrap(true);
    rows_ = new QTableWidget(0, 5);
    rows_->setObjectName(QStringLiteral("grdMerge"));
    rows_->setHorizontalHeaderLabels({tr("Change"), tr("Place"), tr("Field"), tr("Window"), tr("Receiver")});
    rows_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    rows_->verticalHeader()->hide();
    rows_->horizontalHeader()->setStretchLastSection(true);
    auto* form = new QFormLayout;
    form->addRow(tr("The read the window's image came from:"), base_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &MergeDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &MergeDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(summary_);
    layout->addWidget(rows_, 1);
    layout->addWidget(buttons);
    connect(base_, &QComboBox::currentIndexChanged, this, &MergeDialog::LoadBase);
    LoadBase(chosen);
    resize(760, 480);
}

void MergeDialog::LoadBase(int index) {
    baseImage_.reset();
    plan_ = {};
    if (index >= 0 && index < static_cast<int>(bases_.size())) {
        CloneImage base;
        QString why;
        if (LoadBackup(bases_[static_cast<std::size_t>(index)].path, mine_.model, base, &why))
            baseImage_ = std::move(base);
        else
            prompter_.Error(this, windowTitle(), {why});
    }
    if (baseImage_) plan_ = PlanMerge(*baseImage_, mine_, receiver_);
    Fill();
}

void MergeDialog::Fill() {
    const MergeLines lines(mine_, receiver_);
    rows_->setRowCount(0);
    auto add = [this](const QString& change, const DiffLine& line) {
        const int row = rows_->rowCount();
        rows_->insertRow(row);
        const QString cells[] = {change, QString::fromStdString(line.place), QString::fromStdString(line.field),
                                 QString::fromStdString(line.a), QString::fromStdString(line.b)};
        for (int c = 0; c < 5; ++c) rows_->setItem(row, c, new QTableWidgetItem(cells[c]));
    };
    for (const DiffLine& line : lines.Lines(plan_.fromReceiver)) add(tr("from the receiver"), line);
    for (const DiffLine& line : lines.Lines(plan_.fromMine)) add(tr("stays from the window"), line);
    firstConflictRow_ = rows_->rowCount();
    for (const DiffLine& line : lines.Lines(plan_.conflicts)) {
        add({}, line);
        auto* choice = new QComboBox;
        choice->addItems({tr("mine"), tr("the receiver's")});
        choice->setAccessibleName(tr("Conflict: %1 %2").arg(QString::fromStdString(line.place),
                                                             QString::fromStdString(line.field)));
        rows_->setCellWidget(rows_->rowCount() - 1, 0, choice);
    }
    rows_->resizeColumnsToContents();
    summary_->setText(!baseImage_ ? tr("No read to merge from: choose one above.")
                                  : tr("%1 from the receiver, %2 from the window, %3 conflicts (choose a side for each).")
                                        .arg(plan_.fromReceiver.size())
                                        .arg(plan_.fromMine.size())
                                        .arg(plan_.conflicts.size()));
}

QComboBox* MergeDialog::ChoiceBox(int conflict) const {
    return qobject_cast<QComboBox*>(rows_->cellWidget(firstConflictRow_ + conflict, 0));
}

std::optional<CloneImage> MergeDialog::Merged() const {
    if (!baseImage_) return std::nullopt;
    std::vector<MergeSide> choices;
    for (int i = 0; i < static_cast<int>(plan_.conflicts.size()); ++i)
        choices.push_back(ChoiceBox(i)->currentIndex() == 1 ? MergeSide::kReceiver : MergeSide::kMine);
    return ApplyMerge(mine_, receiver_, plan_, choices);
}

void MergeDialog::accept() {
    const std::optional<CloneImage> merged = Merged();
    if (!merged) return;
    // The receiver would refuse such a table: the user chooses again.
    if (const std::vector<Message> refusal = MergeRefusal(*merged); !refusal.empty()) {
        prompter_.Error(this, windowTitle(), Said(refusal));
        return;
    }
    QDialog::accept();
}

}  // namespace wrk7
