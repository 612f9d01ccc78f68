#pragma once
#include <QObject>
#include <vector>

class QTableView;
class QWidget;

namespace wrk7 {

// Lets a grid's columns fill a window wider than they need: the room beyond
// the columns' own widths is shared out in proportion to those widths. In a
// narrower window the columns keep their own widths and the grid scrolls. A
// column the user widens or narrows by hand keeps that as its own width.
class ColumnStretcher : public QObject {
    Q_OBJECT
public:
    // The grid's column widths as they are now become the columns' own widths.
    explicit ColumnStretcher(QTableView* grid);

    // The width grid needs to show every column at its own width: row
    // labels, columns, the vertical scroll bar and the frame.
    static int NaturalGridWidth(const QTableView* grid);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Fit();
    int OwnTotal() const;

    QTableView* grid_;
    QWidget* viewport_;
    std::vector<int> own_;
    bool fitting_ = false;
};

}  // namespace wrk7
