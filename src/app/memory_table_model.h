#pragma once
#include <QAbstractTableModel>
#include <QFont>
#include <array>
#include <string>

#include "core/image.h"
#include "edit/memory_ops.h"

namespace wrk7 {

// The memory grid (MSFlexGrid1): one row per slot, columns 0..10 showing
// fields 0..10 as the display rules of the model give them, row labels from
// the bank layout. It only reads the image; the window changes the image and
// then tells the model which rows to repaint.
class MemoryTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit MemoryTableModel(CloneImage& image, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // BuildRowLabels: the labels follow the current bank counts.
    void RebuildRowLabels();
    // WipeDisabledSlots, then repaints every row.
    void Refresh();
    // Repaints only the rows of slots (after an operation that refreshed the
    // image itself).
    void RefreshSlots(const SlotRange& range);
    // The heading of column 6 (carrier), which follows the model.
    void RefreshHeadings();
    void SetNoteFont(const QFont& font);

    const std::string& RowLabel(int slot) const { return labels_[slot]; }

private:
    CloneImage& image_;
    std::array<std::string, kSlotCount> labels_;
    QFont noteFont_;
    bool hasNoteFont_ = false;
};

}  // namespace wrk7
