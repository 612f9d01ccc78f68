#include "app/dialogs/print_selection_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>


namespace wrk7 {

PrintSelectionDialog::PrintSelectionDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("DlgPrint"));
    setWindowTitle(tr("Print Selection"));
    auto* layout = new QVBoxLayout(this);
    const QString sections[] = {tr("Settings"), tr("VFO Data"), tr("Memory")};
    for (int i = 0; i < 3; ++i) {
        auto* box = new QCheckBox(sections[i]);
        box->setObjectName(QStringLiteral("chkSelect%1").arg(i));
        box->setChecked(true);
        chkSelect_[static_cast<std::size_t>(i)] = box;
        layout->addWidget(box);
    }
    okButton_ = new QPushButton(tr("OK"));
    okButton_->setObjectName(QStringLiteral("OKButton"));
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, [this] {
        printAccepted_ = true;
        done(QDialog::Accepted);
    });
    cancelButton_ = new QPushButton(tr("Cancel"));
    cancelButton_->setObjectName(QStringLiteral("CancelButton"));
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    layout->addLayout(buttons);
    setMinimumWidth(220);
}

ListingSections PrintSelectionDialog::Checked() const {
    return {chkSelect_[0]->isChecked(), chkSelect_[1]->isChecked(), chkSelect_[2]->isChecked()};
}

std::optional<ListingSections> PrintSelectionDialog::Ask() {
    printAccepted_ = false;
    exec();
    if (!printAccepted_) return std::nullopt;
    return Checked();
}

}  // namespace wrk7
