#pragma once
// One of each dialog the window opens, for the tests that look at them all.
#include <memory>
#include <vector>

#include "app/dialogs/change_channels_dialog.h"
#include "app/dialogs/compare_dialog.h"
#include "app/dialogs/dlg_print.h"
#include "app/dialogs/import_placement_dialog.h"
#include "app/dialogs/import_report_dialog.h"
#include "app/transfer/com_dialog.h"
#include "app/transfer/write_question.h"
#include "edit/bank.h"

namespace wrk7 {

inline std::vector<std::unique_ptr<QWidget>> DialogGallery(const CloneImage& image) {
    std::vector<std::unique_ptr<QWidget>> dialogs;
    dialogs.emplace_back(std::make_unique<ComDialog>());
    dialogs.emplace_back(std::make_unique<DlgPrint>());
    dialogs.emplace_back(std::make_unique<CompareDialog>(std::vector<DiffLine>{{"00-001", "Frequency", "1", "2"}},
                                                         QStringLiteral("other.WK7")));
    dialogs.emplace_back(std::make_unique<ImportPlacementDialog>(BuildRowLabels(image), 0));
    dialogs.emplace_back(std::make_unique<ImportReportDialog>(ChirpImportResult{}));
    dialogs.emplace_back(std::make_unique<WriteQuestion>(TransferPart::kAll, WriteChoice{}));
    dialogs.emplace_back(std::make_unique<ChangeChannelsDialog>(nullptr, image.model, SlotFields{}, 2));
    return dialogs;
}

}  // namespace wrk7
