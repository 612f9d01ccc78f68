#include "app/transfer/write_question.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/translation/said.h"
#include "app/widgets/string_table.h"
#include "link/write_backup.h"

namespace wrk7 {

WriteQuestion::WriteQuestion(TransferPart part, const WriteChoice& last, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgWriteQuestion"));
    const StringTable strings = StringsOf(parent);
    setWindowTitle(strings.Text(1702));
    text_ = new QLabel(strings.Text(1703).arg(Said(link::PartsReplacedBy(part))));
    text_->setWordWrap(true);
    backUp_ = new QCheckBox(strings.Text(1704));
    backUp_->setObjectName(QStringLiteral("chkBackUpFirst"));
    backUp_->setChecked(last.backUpFirst);
    backUp_->setToolTip(strings.Text(1705));
    doNotAsk_ = new QCheckBox(strings.Text(1706));
    doNotAsk_->setObjectName(QStringLiteral("chkDoNotAskAgain"));
    // Write first, then Cancel: a box made with Cancel and given Write later
    // keeps Cancel out of the Tab order.
    auto* buttons = new QDialogButtonBox;
    write_ = buttons->addButton(strings.Text(1707), QDialogButtonBox::AcceptRole);
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
