#include "app/transfer/write_question.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/widgets/message_catalog.h"
#include "link/write_backup.h"

namespace wrk7 {

WriteQuestion::WriteQuestion(TransferPart part, const WriteChoice& last, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgWriteQuestion"));
    setWindowTitle(tr("Write"));
    const std::string_view parts = link::PartsReplacedBy(part);
    const QString replaced = QString::fromUtf8(parts.data(), static_cast<qsizetype>(parts.size()));
    text_ = new QLabel(tr("The write replaces %1 on the receiver.").arg(InUiLanguageOf(parent, replaced)));
    text_->setWordWrap(true);
    backUp_ = new QCheckBox(tr("&Back up the receiver first"));
    backUp_->setObjectName(QStringLiteral("chkBackUpFirst"));
    backUp_->setChecked(last.backUpFirst);
    backUp_->setToolTip(tr("Reads what the receiver holds into the backups folder before the write"));
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
    layout->addWidget(doNotAsk_);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}

WriteChoice WriteQuestion::Choice() const { return {backUp_->isChecked(), !doNotAsk_->isChecked()}; }

}  // namespace wrk7
