#pragma once
#include "app/commands/selection.h"
#include <QAbstractItemView>
#include <QWidget>
#include <vector>

#include "core/image.h"
#include "edit/image_edit.h"
#include "edit/memory_ops.h"

class QComboBox;
class QPushButton;
class QTableView;

namespace wrk7 {

class CloneDocument;
class MemoryTableModel;

// The "Memory" page: the memory grid (MSFlexGrid1) and the list buttons.
// Rows are selected as in any list (Shift and Ctrl clicks, Shift+arrows,
// Ctrl+A). The buttons but Up and Down run the window's commands (the
// window binds them), which decide when each may run.
class MemoryPage : public QWidget {
    Q_OBJECT
public:
    // Rows of the window that Up and Down keep the current row in.
    static constexpr int kScrollWindowRows = 13;

    explicit MemoryPage(const CloneImage& image, QWidget* parent = nullptr);

    // Repaints what the document's steps change, from now on.
    void Follow(const CloneDocument& document);
    // The headings, row labels and rows parts names; the first row a
    // partial change touched comes into view, the selection stays.
    void Show(const EditedParts& parts);

    QTableView* Grid() const { return grid_; }
    MemoryTableModel* Model() const { return model_; }
    QPushButton* Button(const char* objectName) const;
    QPushButton* ReadButton() const { return readButton_; }
    QPushButton* WriteButton() const { return writeButton_; }

    // The grid's current row, 1..1300 (1 when there is none).
    int CurrentRow() const;
    // Makes row the current row and selects the whole of it (only it).
    void SelectRow(int row);
    // Selects rows first..last (1-based) and makes first the current row.
    void SelectRows(int first, int last);
    // Selects only rows (1-based, ascending, not empty), makes the first the
    // current row and brings it into view: the rows a paste or import filled.
    void SelectOnly(const std::vector<int>& rows);
    // The selected rows in order, 1-based; the current row when none is.
    std::vector<int> SelectedRows() const;
    // How much wider a page of pageWidth (the page in front: all of them
    // share its size) must be to show every column of the grid without
    // scrolling sideways.
    int MissingWidth(int pageWidth) const;
    // The first row the grid shows, 1-based.
    int TopRow() const;
    void SetTopRow(int row);

    void Up();
    void Down();

private:
    QPushButton* AddButton(const char* name, const QString& caption);

    MemoryTableModel* model_ = nullptr;
    QTableView* grid_ = nullptr;
    QComboBox* cmbView_ = nullptr;
    QPushButton* readButton_ = nullptr;
    QPushButton* writeButton_ = nullptr;
    QList<QPushButton*> buttons_;
};

// Column widths of both grids, in twips (column 0 is the row label).
void ApplyGridColumnWidths(QTableView* grid, GridKind kind);
// A read-only grid of whole rows over model, set up as both grids are.
QTableView* MakeImageGrid(QAbstractItemModel* model, const char* objectName,
                          QAbstractItemView::SelectionMode selection, GridKind kind);
// The selected rows of a grid, 0-based and ascending; the current row (or
// the first) when none is selected.
std::vector<int> SelectedGridRows(const QTableView* grid);

}  // namespace wrk7
