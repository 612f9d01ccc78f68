#pragma once
#include <QAbstractItemView>
#include <QWidget>

#include "core/image.h"
#include "edit/memory_ops.h"

class QComboBox;
class QPushButton;
class QTableView;

namespace wrk7 {

class MemoryTableModel;
class Prompter;

// The "Memory" page: the memory grid (MSFlexGrid1) and the list buttons. The
// operations act on the image through the domain's memory-list operations
// and repaint only the rows they changed.
class MemoryPage : public QWidget {
    Q_OBJECT
public:
    // Rows of the window that Up and Down keep the current row in.
    static constexpr int kScrollWindowRows = 13;

    MemoryPage(CloneImage& image, Prompter& prompter, QWidget* parent = nullptr);

    QTableView* Grid() const { return grid_; }
    MemoryTableModel* Model() const { return model_; }
    QPushButton* Button(const char* objectName) const;
    QPushButton* ReadButton() const { return cmbRead_; }
    QPushButton* WriteButton() const { return cmbWrite_; }

    // The grid's current row, 1..1300 (1 when there is none).
    int CurrentRow() const;
    // Makes row the current row and selects the whole of it.
    void SelectRow(int row);
    // The first row the grid shows, 1-based.
    int TopRow() const;
    void SetTopRow(int row);

    void ClearAll();
    void Clear();
    void Delete();
    void Insert();
    void Enable();
    void Disable();
    void EnableAll();
    void DisableAll();
    void Up();
    void Down();

    // While false, the buttons that change the list are disabled; the grid,
    // Up and Down stay for viewing. Read and Write are the window's to switch.
    void SetEditable(bool editable);

signals:
    void editRequested(int row);  // double-click: OpenMemoryEditor on row
    void readClicked();
    void writeClicked();
    void imageModified();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* AddButton(const char* name, const QString& caption, void (MemoryPage::*slot)());
    void Changed(const SlotRange& range);

    CloneImage& image_;
    Prompter& prompter_;
    MemoryTableModel* model_ = nullptr;
    QTableView* grid_ = nullptr;
    QComboBox* cmbView_ = nullptr;
    QPushButton* cmbRead_ = nullptr;
    QPushButton* cmbWrite_ = nullptr;
    QList<QPushButton*> buttons_;
};

// Column widths of both grids, in twips (column 0 is the row label).
void ApplyGridColumnWidths(QTableView* grid, bool vfo);
// A read-only grid of whole rows over model, set up as both grids are.
QTableView* MakeImageGrid(QAbstractItemModel* model, const char* objectName,
                          QAbstractItemView::SelectionMode selection, bool vfo);

}  // namespace wrk7
