#pragma once
#include "app/commands/selection.h"
#include <QObject>
#include <vector>

#include "core/image.h"
#include "edit/channel_paste.h"

class QTableView;
class QWidget;

namespace wrk7 {

class CloneDocument;
class MemoryPage;
class Prompter;

// Cut, copy and paste of whole rows on the memory grid and the VFO grid.
// Copy puts the rows on the system clipboard twice: as tab-separated text
// under the grid's headings (for a spreadsheet) and as exact records under a
// private MIME type (for a paste here or in another running window). Paste
// takes the exact records when they are there and the text otherwise. A cut
// and a paste are one undo step each.
class GridClipboard : public QObject {
    Q_OBJECT
public:

    GridClipboard(CloneDocument& document, Prompter& prompter, MemoryPage* memory, QTableView* vfoGrid,
                  QWidget* window);

    void Copy(GridKind grid);
    void Cut();  // memory grid: copy, then empty the rows without asking
    void Paste(GridKind grid);
    // The clipboard holds rows a paste can read (looked at once per change
    // of the clipboard, which may belong to another program).
    bool CanPaste() const { return canPaste_; }


signals:
    void canPasteChanged();

private:
    QTableView* View(GridKind grid) const;
    std::vector<PasteRecord> ClipboardRecords(GridKind grid) const;
    void PasteIntoMemory(const std::vector<PasteRecord>& records);
    void PasteIntoVfo(const std::vector<PasteRecord>& records);
    void ReportRefusals(const PastePlan& plan, const std::vector<std::string>& labels);
    void LookAtClipboard();

    CloneDocument& document_;
    const CloneImage& image_;
    Prompter& prompter_;
    MemoryPage* memory_;
    QTableView* vfoGrid_;
    QWidget* window_;
    bool canPaste_ = false;
};

}  // namespace wrk7
