#include "app/dialogs/import_placement_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>


namespace wrk7 {

ImportPlacementDialog::ImportPlacementDialog(const std::array<std::string, kSlotCount>& labels, int offeredSlot,
                                             QWidget* parent)
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
    firstRow_ = new QComboBox;
    firstRow_->setObjectName(QStringLiteral("cbbFirstRow"));
    firstRow_->setAccessibleName(tr("First row"));
    for (int slot = 0; slot < kChannelCount; ++slot)
        firstRow_->addItem(QString::fromStdString(labels[static_cast<std::size_t>(slot)]));
    firstRow_->setCurrentIndex(std::clamp(offeredSlot, 0, kChannelCount - 1));
    firstRow_->setEnabled(false);
    connect(fromRow_, &QRadioButton::toggled, firstRow_, &QComboBox::setEnabled);

    auto* grid = new QGridLayout(frame);
    grid->addWidget(atLocation_, 0, 0, 1, 2);
    grid->addWidget(fromRow_, 1, 0);
    grid->addWidget(firstRow_, 1, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(buttons);
}

std::optional<int> ImportPlacementDialog::FirstSlot() const {
    if (!fromRow_->isChecked()) return std::nullopt;
    return firstRow_->currentIndex();
}

}  // namespace wrk7
