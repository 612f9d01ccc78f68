#include "app/widgets/memory_row_box.h"

#include <algorithm>

#include "edit/bank.h"
#include "edit/row_lookup.h"

namespace wrk7 {

namespace {

QString LabelOf(const CloneImage& image, int slot) {
    return QString::fromStdString(BuildRowLabels(image)[static_cast<std::size_t>(slot)]);
}

}  // namespace

MemoryRowBox::MemoryRowBox(const CloneImage& image, int offeredSlot, QWidget* parent)
    : QLineEdit(parent), image_(image) {
    setText(LabelOf(image_, std::clamp(offeredSlot, 0, kChannelCount - 1)));
    setPlaceholderText(QStringLiteral("07-000"));
    setMaxLength(12);
    setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("000-0000")) + 4 * fontMetrics().averageCharWidth());
    connect(this, &QLineEdit::editingFinished, this, [this] {
        if (const auto slot = Slot()) setText(LabelOf(image_, *slot));
    });
}

std::optional<int> MemoryRowBox::Slot() const { return MemoryChannelForRowText(image_, text().toStdString()); }

QString MemoryRowBox::Refusal() const {
    if (Slot()) return {};
    return tr("There is no memory row \"%1\": give a row label such as 07-000, or a slot 0-999.").arg(text().trimmed());
}

}  // namespace wrk7
