#include "app/pages/memory_table_model.h"

#include <QCoreApplication>

#include "codecs/grid_text.h"
#include "edit/bank.h"
#include "edit/page_rules.h"

namespace wrk7 {

namespace {

// The headings of both grids, for lupdate.
[[maybe_unused]] constexpr const char* kHeadings[] = {
    QT_TRANSLATE_NOOP("wrk7::GridHeading", "Frequency"),
    QT_TRANSLATE_NOOP("wrk7::GridHeading", "Mode"),
    QT_TRANSLATE_NOOP("wrk7::GridHeading", "Step"),
    QT_TRANSLATE_NOOP("wrk7::GridHeading", "Option"),
    QT_TRANSLATE_NOOP("wrk7::GridHeading", "Skip"),
    QT_TRANSLATE_NOOP("wrk7::GridHeading", "Carrier"),
    QT_TRANSLATE_NOOP("wrk7::GridHeading", "Scr"),
    QT_TRANSLATE_NOOP("wrk7::GridHeading", "Tone"),
    QT_TRANSLATE_NOOP("wrk7::GridHeading", "Shift"),
    QT_TRANSLATE_NOOP("wrk7::GridHeading", "ShiftFreq."),
    QT_TRANSLATE_NOOP("wrk7::GridHeading", "Note"),
    QT_TRANSLATE_NOOP("wrk7::GridHeading", "Name"),
};

}  // namespace

QString GridHeadingShown(std::string_view heading) {
    return QCoreApplication::translate("wrk7::GridHeading", std::string(heading).c_str());
}

MemoryTableModel::MemoryTableModel(const CloneImage& image, QObject* parent)
    : QAbstractTableModel(parent), image_(image) {
    labels_ = BuildRowLabels(image_);
}

int MemoryTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kSlotCount;
}

int MemoryTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(GridColumnHeading.size());
}

QVariant MemoryTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !IsValidSlot(index.row())) return {};
    if (role == Qt::DisplayRole) {
        const GridRow row = MemoryGridRow(image_, index.row());
        return QString::fromStdString(row[static_cast<std::size_t>(index.column())]);
    }
    if (role == Qt::FontRole && index.column() == kNote && hasNoteFont_) return noteFont_;
    return {};
}

QVariant MemoryTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) {
        if (!IsValidSlot(section)) return {};
        return QString::fromStdString(labels_[static_cast<std::size_t>(section)]);
    }
    if (section < 0 || section >= columnCount()) return {};
    if (section == kCarrier) return GridHeadingShown(CarrierColumnHeading(image_.model));
    return GridHeadingShown(GridColumnHeading[static_cast<std::size_t>(section)]);
}

void MemoryTableModel::RebuildRowLabels() {
    labels_ = BuildRowLabels(image_);
    emit headerDataChanged(Qt::Vertical, 0, kSlotCount - 1);
}

void MemoryTableModel::Refresh() {
    emit dataChanged(index(0, 0), index(kSlotCount - 1, columnCount() - 1));
}

void MemoryTableModel::RefreshSlots(const SlotRange& range) {
    if (range.Empty()) return;
    const int first = std::max(range.first, 0);
    const int last = std::min(range.last, kSlotCount - 1);
    if (last < first) return;
    emit dataChanged(index(first, 0), index(last, columnCount() - 1));
}

void MemoryTableModel::RefreshHeadings() {
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void MemoryTableModel::SetNoteFont(const QFont& font) {
    noteFont_ = font;
    hasNoteFont_ = true;
    emit dataChanged(index(0, kNote), index(kSlotCount - 1, kNote), {Qt::FontRole});
}

}  // namespace wrk7
