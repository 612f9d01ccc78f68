// The CHIRP list import and export, and File > Compare With...
#include <QFileInfo>
#include <QTableView>

#include "app/bank_page.h"
#include "app/compare_dialog.h"
#include "app/file_dialogs.h"
#include "app/image_history.h"
#include "app/import_placement_dialog.h"
#include "app/import_report_dialog.h"
#include "app/main_window.h"
#include "app/memory_page.h"
#include "app/memory_table_model.h"
#include "edit/bank.h"
#include "files/chirp_csv.h"
#include "files/clone_file.h"
#include "files/csv.h"
#include "files/image_diff.h"

namespace wrk7 {

bool MainWindow::ImportChirpList(const QString& path) {
    const auto text = ReadCsvFile(path);
    if (!text || DetectCsvKind(*text) != CsvKind::kChirp) return false;
    const int currentSlot = memoryPage_->CurrentRow() - 1;
    auto* dialog = new ImportPlacementDialog(BuildRowLabels(image_), currentSlot < kChannelCount ? currentSlot : 0, this);
    const QString step = QStringLiteral("Import ") + QFileInfo(path).fileName();
    connect(dialog, &QDialog::accepted, this,
            [this, dialog, list = *text, step] { PlaceChirpList(list, dialog->FirstSlot(), step); });
    dialog->open();
    return true;
}

void MainWindow::PlaceChirpList(const std::string& text, std::optional<int> firstSlot, const QString& step) {
    ChirpImportResult r;
    history_->Record(step, [&] {
        r = ImportChirpText(image_, text, firstSlot);
        // The refresh wipes disabled slots: part of the same step.
        if (r.result.ok) memoryPage_->Model()->Refresh();
    });
    if (!r.result.ok) {
        ShowMessages(r.result.messages);
        return;
    }
    // The channels join the image being edited, so its file and the save
    // question stay as they are.
    (new ImportReportDialog(r, this))->open();
}

QString MainWindow::ChooseExportFile(bool* chirp) {
    // This program's CSV first (the default type), then CHIRP's, then the rest.
    static const std::string filter = [] {
        const std::string own(kCsvFilter);
        const std::size_t firstType = own.find('|', own.find('|') + 1) + 1;
        return own.substr(0, firstType) + std::string(kChirpCsvFilter) + '|' + own.substr(firstType);
    }();
    QString chosen;
    const QString path =
        ChooseFile("mnuExport", filter, SuggestedName(currentFile_, image_.RegionIndex, QStringLiteral("csv")), true, &chosen);
    *chirp = chosen == QtFilter(kChirpCsvFilter);
    return path;
}

void MainWindow::CompareWith() {
    const QString path = ChooseFile("mnuCompare", kCloneFileFilter, CurrentFolder(), false);
    if (path.isEmpty()) return;
    CloneImage other;
    other.RegionIndex = image_.RegionIndex;
    const FileResult loaded = LoadCloneFile(other, path);
    if (!loaded.ok) {
        ShowMessages(loaded.messages);
        return;
    }
    // What the bank page shows is what the image holds, as for a save.
    bankPage_->CommitPendingEntry();
    bankPage_->CollectGroups();
    auto* dialog = new CompareDialog(DiffImages(image_, other), path, this);
    connect(dialog, &CompareDialog::memorySlotActivated, this, &MainWindow::SelectMemorySlot);
    dialog->show();
}

void MainWindow::SelectMemorySlot(int slot) {
    if (CurrentPage() != Page::kMemory) ClickTab(Page::kMemory);
    if (CurrentPage() != Page::kMemory) return;  // the bank total kept the bank page
    memoryPage_->SelectRow(slot + 1);
    memoryPage_->Grid()->scrollTo(memoryPage_->Grid()->currentIndex());
}

}  // namespace wrk7
