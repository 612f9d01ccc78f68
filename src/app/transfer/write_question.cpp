#include "app/transfer/write_question.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/translation/said.h"
#include "link/write_backup.h"

namespace wrk7 {

WriteQuestion::WriteQuestion(TransferPart part, const WriteChoice& last, int checkSeconds, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("dlgWriteQuestion"));
    setWindowTitle(tr("Write"));
    text_ = new QLabel(tr("The write replaces %1 on the receiver.").arg(Said(link::PartsReplacedBy(part))));
    text_->setWordWrap(true);
    backUp_ = new QCheckBox(tr("&Back up the receiver first"));
    backUp_->setObjectName(QStringLiteral("chkBackUpFirst"));
    backUp_->setChecked(last.backUpFirst);
    backUp_->setToolTip(tr("Reads what the receiver holds into the backups folder before the write"));
    verify_ = new QCheckBox(tr("&Verify after writing (about %n s more)", nullptr, checkSeconds));
    verify_->setObjectName(QStringLiteral("chkVerifyAfterWrite"));
    verify_->setChecked(last.verify);
    verify_->setToolTip(tr("Reads back what the write sent and compares it; a difference fails the write"));
    doNotAsk_ = new QCheckBox(tr("&Do not ask again"));
    doNotAsk_->setObjectName(QStringLiteral("chkDoNotAskAgain"));
    // Write first, then Cancel: a box made with Cancel and given Write later
    // keeps Cancel out of the Tab order.
    auto* buttons = new QDialogButtonBox;
    write_ = buttons->addButton(tr("&Write"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    write_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(backUp_);
    layout->addWidget(verify_);
    layout->addWidget(doNotAsk_);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}

WriteChoice WriteQuestion::Choice() const {
    return {backUp_->isChecked(), !doNotAsk_->isChecked(), verify_->isChecked()};
}

}  // namespace wrk7
