#pragma once
#include <QDialog>
#include <optional>

#include "core/image.h"

class QComboBox;
class QRadioButton;

namespace wrk7 {

// Asked before a CHIRP list is imported: each row into the slot its Location
// names, or all rows into consecutive slots from a chosen memory row.
class ImportPlacementDialog : public QDialog {
    Q_OBJECT
public:
    // labels: the memory grid's row labels; offeredSlot: the row offered
    // first (a memory channel, 0..999).
    ImportPlacementDialog(const std::array<std::string, kSlotCount>& labels, int offeredSlot,
                          QWidget* parent = nullptr);

    // nullopt: at each row's Location; otherwise the first slot.
    std::optional<int> FirstSlot() const;

    QRadioButton* AtLocation() const { return atLocation_; }
    QRadioButton* FromRow() const { return fromRow_; }
    QComboBox* FirstRow() const { return firstRow_; }

private:
    QRadioButton* atLocation_ = nullptr;
    QRadioButton* fromRow_ = nullptr;
    QComboBox* firstRow_ = nullptr;
};

}  // namespace wrk7
