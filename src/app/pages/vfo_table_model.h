#pragma once
#include <QAbstractTableModel>
#include <QFont>

#include "core/image.h"

namespace wrk7 {

// The VFO grid (MSFlexGrid2): bands 0..13 labelled "0".."13", the same eleven
// columns as the memory grid, texts after the display rules of the model.
class CloneDocument;

class VfoTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit VfoTableModel(const CloneImage& image, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // UpdateVFOData: repaints every band and the model-dependent heading.
    void Refresh();
    // Refreshes after the document's steps that change the bands or the model.
    void Follow(const CloneDocument& document);
    void SetNoteFont(const QFont& font);

private:
    const CloneImage& image_;
    QFont noteFont_;
    bool hasNoteFont_ = false;
};

}  // namespace wrk7
