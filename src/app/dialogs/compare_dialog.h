#pragma once
#include <QDialog>
#include <vector>

#include "edit/image_diff.h"

class QLabel;
class QTableWidget;

namespace wrk7 {

// File > Compare With...: what differs between the image being edited and a
// clone file, one line per difference. Double-clicking a memory line asks
// for that row to be selected.
class CompareDialog : public QDialog {
    Q_OBJECT
public:
    CompareDialog(const std::vector<DiffLine>& lines, const QString& otherFile, QWidget* parent = nullptr);

    QLabel* Summary() const { return summary_; }
    QTableWidget* Lines() const { return table_; }

signals:
    void memorySlotActivated(int slot);

private:
    std::vector<int> slots_;  // per table row: the memory slot, or -1
    QLabel* summary_ = nullptr;
    QTableWidget* table_ = nullptr;
};

}  // namespace wrk7
