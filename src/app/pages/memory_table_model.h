#pragma once
#include <QAbstractTableModel>
#include <QFont>
#include <array>
#include <string>
#include <string_view>

#include "core/image.h"
#include "edit/memory_ops.h"

namespace wrk7 {

// A grid column's heading (GridColumnHeading, a model's carrier heading) in
// the window's language; both grids show their headings through it.
QString GridHeadingShown(std::string_view heading);

// The memory grid (MSFlexGrid1): one row per slot, columns 0..10 showing
// fields 0..10 as the display rules of the model give them, row labels from
// the bank layout. It only reads the image; the document's `changed` tells it
// which rows to repaint.
class MemoryTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit MemoryTableModel(const CloneImage& image, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // BuildRowLabels: the labels follow the current bank counts.
    void RebuildRowLabels();
    // Repaints every row; it only paints, never writes the image.
    void Refresh();
    // Repaints only the rows of slots.
    void RefreshSlots(const SlotRange& range);
    // The heading of column 6 (carrier), which follows the model.
    void RefreshHeadings();
    void SetNoteFont(const QFont& font);

    const std::string& RowLabel(int slot) const { return labels_[slot]; }

private:
    const CloneImage& image_;
    std::array<std::string, kSlotCount> labels_;
    QFont noteFont_;
    bool hasNoteFont_ = false;
};

}  // namespace wrk7
