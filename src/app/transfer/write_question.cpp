#include "app/transfer/write_question.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/write_backup.h"

namespace wrk7 {

WriteQuestion::WriteQuestion(TransferPart part, const WriteChoice& last, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgWriteQuestion"));
    setWindowTitle(QStringLiteral("Write"));
    const std::string_view parts = link::PartsReplacedBy(part);
    text_ = new QLabel(QStringLiteral("The write replaces %1 on the receiver.")
                           .arg(QString::fromUtf8(parts.data(), static_cast<qsizetype>(parts.size()))));
    text_->setWordWrap(true);
    backUp_ = new QCheckBox(QStringLiteral("&Back up the receiver first"));
    backUp_->setObjectName(QStringLiteral("chkBackUpFirst"));
    backUp_->setChecked(last.backUpFirst);
    backUp_->setToolTip(QStringLiteral("Reads what the receiver holds into the backups folder before the write"));
    doNotAsk_ = new QCheckBox(QStringLiteral("&Do not ask again"));
    doNotAsk_->setObjectName(QStringLiteral("chkDoNotAskAgain"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    write_ = buttons->addButton(QStringLiteral("&Write"), QDialogButtonBox::AcceptRole);
    write_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(backUp_);
    layout->addWidget(doNotAsk_);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}

WriteChoice WriteQuestion::Choice() const { return {backUp_->isChecked(), !doNotAsk_->isChecked()}; }

}  // namespace wrk7
