#pragma once
#include <QAbstractItemView>
#include <QWidget>
#include <functional>
#include <vector>

#include "core/image.h"
#include "edit/memory_ops.h"

class QComboBox;
class QPushButton;
class QTableView;

namespace wrk7 {

class CloneDocument;
class MemoryTableModel;
class Prompter;

// The "Memory" page: the memory grid (MSFlexGrid1) and the list buttons. The
// operations act on the image through the domain's memory-list operations,
// each as one step of the history, and repaint only the rows they changed.
// Rows are selected as in any list (Shift and Ctrl clicks, Shift+arrows,
// Ctrl+A): Clear, Enable and Disable act on every selected row; Delete and
// Insert on the current row only, within the first 200.
class MemoryPage : public QWidget {
    Q_OBJECT
public:
    // Rows of the window that Up and Down keep the current row in.
    static constexpr int kScrollWindowRows = 13;

    MemoryPage(CloneDocument& document, Prompter& prompter, QWidget* parent = nullptr);

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
    // How much wider the page must be to show every column of the grid
    // without scrolling sideways; laid out already, even behind another page.
    int MissingWidth() const;
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

    // "07-012" for one row, "3 Channels" for several (rows 1-based): the
    // undo step's name for a change to them.
    QString RowsName(const std::vector<int>& rows) const;

signals:
    void editRequested(int row);  // double-click: OpenMemoryEditor on row
    void readClicked();
    void writeClicked();

private:
    QPushButton* AddButton(const char* name, const QString& caption, void (MemoryPage::*slot)());
    // Asks once before a command acts on several rows; true to go on.
    bool ConfirmSeveral(const std::vector<int>& rows, const QString& title, const QString& verb,
                        const QString& consequence = {});
    // Asks before Disable empties one used row or several rows.
    bool ConfirmDisable(const std::vector<int>& rows);
    // Runs operation on the image as the step name.
    void Apply(const QString& name, const std::function<void(CloneImage&)>& operation);

    CloneDocument& document_;
    Prompter& prompter_;
    MemoryTableModel* model_ = nullptr;
    QTableView* grid_ = nullptr;
    QComboBox* cmbView_ = nullptr;
    QPushButton* readButton_ = nullptr;
    QPushButton* writeButton_ = nullptr;
    QList<QPushButton*> buttons_;
};

// Column widths of both grids, in twips (column 0 is the row label).
void ApplyGridColumnWidths(QTableView* grid, bool vfo);
// A read-only grid of whole rows over model, set up as both grids are.
QTableView* MakeImageGrid(QAbstractItemModel* model, const char* objectName,
                          QAbstractItemView::SelectionMode selection, bool vfo);
// The selected rows of a grid, 0-based and ascending; the current row (or
// the first) when none is selected.
std::vector<int> SelectedGridRows(const QTableView* grid);

}  // namespace wrk7
