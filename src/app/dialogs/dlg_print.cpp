#include "app/dialogs/dlg_print.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/widgets/string_table.h"

namespace wrk7 {

DlgPrint::DlgPrint(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("DlgPrint"));
    const StringTable strings = StringsOf(parent);
    setWindowTitle(strings.Text(1720));
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < 3; ++i) {
        auto* box = new QCheckBox(strings.Text(1721 + i));
        box->setObjectName(QStringLiteral("chkSelect%1").arg(i));
        box->setChecked(true);
        chkSelect_[static_cast<std::size_t>(i)] = box;
        layout->addWidget(box);
    }
    okButton_ = new QPushButton(strings.Text(1724));
    okButton_->setObjectName(QStringLiteral("OKButton"));
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, [this] {
        printAccepted_ = true;
        done(QDialog::Accepted);
    });
    cancelButton_ = new QPushButton(strings.Text(1725));
    cancelButton_->setObjectName(QStringLiteral("CancelButton"));
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    layout->addLayout(buttons);
    setMinimumWidth(220);
}

ListingSections DlgPrint::Checked() const {
    return {chkSelect_[0]->isChecked(), chkSelect_[1]->isChecked(), chkSelect_[2]->isChecked()};
}

std::optional<ListingSections> DlgPrint::Ask() {
    printAccepted_ = false;
    exec();
    if (!printAccepted_) return std::nullopt;
    return Checked();
}

}  // namespace wrk7
