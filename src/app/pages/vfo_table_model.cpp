#include "app/pages/vfo_table_model.h"

#include "app/document/clone_document.h"

#include "app/pages/memory_table_model.h"

#include "codecs/grid_text.h"
#include "edit/page_rules.h"

namespace wrk7 {

VfoTableModel::VfoTableModel(const CloneImage& image, QObject* parent)
    : QAbstractTableModel(parent), image_(image) {}

int VfoTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kBandCount;
}

int VfoTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(GridColumnHeading.size());
}

QVariant VfoTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !IsValidBand(index.row())) return {};
    if (role == Qt::DisplayRole) {
        const GridRow row = VfoGridRow(image_, index.row());
        return QString::fromStdString(row[static_cast<std::size_t>(index.column())]);
    }
    if (role == Qt::FontRole && index.column() == kNote && hasNoteFont_) return noteFont_;
    return {};
}

QVariant VfoTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return IsValidBand(section) ? QVariant(QString::number(section)) : QVariant();
    if (section < 0 || section >= columnCount()) return {};
    const auto heading = section == kCarrier ? CarrierColumnHeading(image_.model)
                                             : GridColumnHeading[static_cast<std::size_t>(section)];
    return GridHeadingShown(heading);
}

void VfoTableModel::Refresh() {
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    emit dataChanged(index(0, 0), index(kBandCount - 1, columnCount() - 1));
}

void VfoTableModel::SetNoteFont(const QFont& font) {
    noteFont_ = font;
    hasNoteFont_ = true;
    emit dataChanged(index(0, kNote), index(kBandCount - 1, kNote), {Qt::FontRole});
}

void VfoTableModel::Follow(const CloneDocument& document) {
    connect(&document, &CloneDocument::changed, this, [this](const EditedParts& parts) {
        if (parts.Has(ImagePart::kVfo) || parts.model) Refresh();
    });
}

}  // namespace wrk7
