#include "app/dialogs/import_placement_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/widgets/memory_row_box.h"

namespace wrk7 {

ImportPlacementDialog::ImportPlacementDialog(const CloneImage& image, int offeredSlot, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("dlgImportPlace"));
    setWindowTitle(tr("Import"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* frame = new QGroupBox(tr("Place the channels of the list"));
    atLocation_ = new QRadioButton(tr("At each row's Location"));
    atLocation_->setObjectName(QStringLiteral("opbPlace0"));
    atLocation_->setChecked(true);
    fromRow_ = new QRadioButton(tr("In consecutive slots from row"));
    fromRow_->setObjectName(QStringLiteral("opbPlace1"));
    firstRow_ = new MemoryRowBox(image, offeredSlot);
    firstRow_->setObjectName(QStringLiteral("cbbFirstRow"));
    firstRow_->setAccessibleName(tr("First row"));
    firstRow_->setEnabled(false);
    refusal_ = new QLabel;
    refusal_->setObjectName(QStringLiteral("lblFirstRowRefusal"));
    refusal_->setWordWrap(true);
    refusal_->hide();
    connect(fromRow_, &QRadioButton::toggled, firstRow_, &QWidget::setEnabled);
    connect(fromRow_, &QRadioButton::toggled, this, &ImportPlacementDialog::CheckRow);
    connect(firstRow_, &QLineEdit::textChanged, this, &ImportPlacementDialog::CheckRow);

    auto* grid = new QGridLayout(frame);
    grid->addWidget(atLocation_, 0, 0, 1, 2);
    grid->addWidget(fromRow_, 1, 0);
    grid->addWidget(firstRow_, 1, 1);
    grid->addWidget(refusal_, 2, 0, 1, 2);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(buttons);
}

void ImportPlacementDialog::CheckRow() {
    const QString refusal = fromRow_->isChecked() ? firstRow_->Refusal() : QString();
    refusal_->setText(refusal);
    refusal_->setVisible(!refusal.isEmpty());
    ok_->setEnabled(refusal.isEmpty());
    // The refusal's lines come and go under the box: the dialog's height follows them.
    layout()->activate();
    const int height = heightForWidth(width());
    resize(width(), height > 0 ? height : sizeHint().height());
}

void ImportPlacementDialog::accept() {
    if (fromRow_->isChecked() && !firstRow_->Slot()) return CheckRow();
    QDialog::accept();
}

std::optional<int> ImportPlacementDialog::FirstSlot() const {
    if (!fromRow_->isChecked()) return std::nullopt;
    return firstRow_->Slot();
}

}  // namespace wrk7
