#pragma once
// One of each dialog the window opens, for the tests that look at them all.
#include <memory>
#include <vector>

#include "app/dialogs/change_channels_dialog.h"
#include "app/dialogs/compare_dialog.h"
#include "app/dialogs/print_selection_dialog.h"
#include "app/dialogs/import_placement_dialog.h"
#include "app/dialogs/import_report_dialog.h"
#include "app/transfer/com_dialog.h"
#include "app/transfer/write_question.h"
#include "edit/bank.h"
#include "window_fixture.h"

namespace wrk7 {

inline std::vector<std::unique_ptr<QWidget>> DialogGallery(const CloneImage& image) {
    std::vector<std::unique_ptr<QWidget>> dialogs;
    dialogs.emplace_back(std::make_unique<ComDialog>());
    dialogs.emplace_back(std::make_unique<PrintSelectionDialog>());
    dialogs.emplace_back(std::make_unique<CompareDialog>(std::vector<DiffLine>{{"00-001", "Frequency", "1", "2"}},
                                                         QStringLiteral("other.WK7")));
    dialogs.emplace_back(std::make_unique<ImportPlacementDialog>(BuildRowLabels(image), 0));
    dialogs.emplace_back(std::make_unique<ImportReportDialog>(ChirpImportResult{}));
    dialogs.emplace_back(std::make_unique<WriteQuestion>(TransferPart::kAll, WriteChoice{}));
    dialogs.emplace_back(std::make_unique<ChangeChannelsDialog>(nullptr, image.model, SlotFields{}, 2));
    return dialogs;
}

// Runs check on the window at each page, on each dialog of the gallery and
// on the channel editor, each shown; what names the one checked.
inline void CheckEveryWindow(MainWindow& window, const std::function<std::string(QWidget*)>& check) {
    for (Page page : {Page::kSettings1, Page::kSettings2, Page::kMemory, Page::kBank}) {
        window.ClickTab(page);
        EXPECT_EQ(check(&window), "") << "page " << static_cast<int>(page);
    }
    for (auto& dialog : DialogGallery(window.Document().Image())) {
        dialog->show();
        EXPECT_EQ(check(dialog.get()), "") << dialog->metaObject()->className();
        dialog->hide();
    }
    const auto editor = OnNextModal([&check](QWidget* w) {
        EXPECT_EQ(check(w), "") << "the channel editor";
        static_cast<QDialog*>(w)->reject();
    });
    window.Cmds().EditMemoryRow(1);
}

}  // namespace wrk7
