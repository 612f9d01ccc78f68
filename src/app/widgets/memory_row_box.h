#pragma once
#include <QLineEdit>
#include <optional>

#include "core/image.h"

namespace wrk7 {

// Where imported channels start: a memory row typed as the memory grid labels
// it ("07-000"), loosely ("7-0"), or as a slot 0..999, read as Go To and
// `wrk7 import --at` read it. Leaving the box shows the row's own label.
class MemoryRowBox : public QLineEdit {
    Q_OBJECT
public:
    // image must outlive the box: its bank table makes the labels.
    MemoryRowBox(const CloneImage& image, int offeredSlot, QWidget* parent = nullptr);

    // The memory channel named; nullopt when the text names none.
    std::optional<int> Slot() const;
    // Why the text is refused, for the dialog to show; empty when it names a row.
    QString Refusal() const;

private:
    const CloneImage& image_;
};

}  // namespace wrk7
