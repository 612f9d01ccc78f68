#pragma once
#include <QDialog>
#include <optional>

#include "core/image.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace wrk7 {

class MemoryRowBox;

// Asked before a CHIRP list is imported: each row into the slot its Location
// names, or all rows into consecutive slots from a chosen memory row.
class ImportPlacementDialog : public QDialog {
    Q_OBJECT
public:
    // image: the one imported into (its bank table names the rows), which
    // outlives the dialog; offeredSlot: the row offered first (a memory
    // channel, 0..999).
    ImportPlacementDialog(const CloneImage& image, int offeredSlot, QWidget* parent = nullptr);

    // nullopt: at each row's Location; otherwise the first slot.
    std::optional<int> FirstSlot() const;

    QRadioButton* AtLocation() const { return atLocation_; }
    QRadioButton* FromRow() const { return fromRow_; }
    MemoryRowBox* FirstRow() const { return firstRow_; }

    // Not while the box names no row: the rows would go to their Locations.
    void accept() override;

private:
    // OK waits for a row the box names, said beneath it otherwise.
    void CheckRow();

    QRadioButton* atLocation_ = nullptr;
    QRadioButton* fromRow_ = nullptr;
    MemoryRowBox* firstRow_ = nullptr;
    QLabel* refusal_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace wrk7
