#pragma once
#include <QWidget>


class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace wrk7 {

struct CloneImage;
class MemoryPage;

// The bar over the memory grid that finds rows (Ctrl+F: a frequency, a range
// such as "118-137", or text in names and notes) and goes to a row (Ctrl+G: a
// row label such as "07-012", "0A", "S5", "Pr10", or a slot number). The row
// found becomes the current row, selected and scrolled into view; when there
// is none the bar says so and the current row stays. A row gone to closes the
// bar and gives the grid the focus, so Enter then edits that row. After Find Duplicates
// the bar steps through the duplicates instead, found again at each step so
// that it follows the edits made meanwhile; the selection stays.
class FindBar : public QWidget {
    Q_OBJECT
public:
    enum class Mode { kFind, kGoTo, kDuplicates };

    FindBar(const CloneImage& image, MemoryPage* page, QWidget* parent = nullptr);

    // Shows the bar above the page's grid in mode, the box focused with its
    // text selected.
    void Open(Mode mode);
    // Shows the bar stepping through the duplicates, summary beside it.
    void OpenDuplicates(const QString& summary);
    Mode CurrentMode() const { return mode_; }

    // Enter, F3 and Shift+F3: the next or previous row that matches the
    // find text (which stays when the bar is closed).
    void FindNext() { Find(true); }
    void FindPrevious() { Find(false); }
    void GoTo();
    // Closes the bar and forgets its answer, leaving the focus where it is:
    // the image it spoke of has gone (the find text stays for F3).
    void Dismiss();

    QLineEdit* Box() const { return txtFind_; }
    QLabel* Result() const { return lblResult_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Find(bool forward);
    void Show(int slot);
    void StepThroughDuplicates(bool forward);
    void Close();
    // The answer to the last step, in the window's language.
    void ShowResult(const QString& answer);

    const CloneImage& image_;
    MemoryPage* page_;
    Mode mode_ = Mode::kFind;
    QString findText_;
    QString goToText_;
    QLabel* lblFind_ = nullptr;
    QLineEdit* txtFind_ = nullptr;
    QPushButton* cmdPrevious_ = nullptr;
    QPushButton* cmdNext_ = nullptr;
    QLabel* lblResult_ = nullptr;
    QToolButton* close_ = nullptr;
};

}  // namespace wrk7
