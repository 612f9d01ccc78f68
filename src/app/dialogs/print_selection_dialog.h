#pragma once
#include <QDialog>
#include <array>
#include <optional>

#include "files/listing.h"

class QCheckBox;
class QPushButton;

namespace wrk7 {

// "Print Selection" (PrintSelectionDialog): which sections the listing prints. Made once
// and only hidden after use, so the check marks stay for the next listing.
// There is no cancel button: closing the window is the cancel.
class PrintSelectionDialog : public QDialog {
    Q_OBJECT
public:
    explicit PrintSelectionDialog(QWidget* parent = nullptr);

    // Clears the print-accepted flag and shows the dialog modally. The
    // checked sections when "OK" ended it, nothing when it was closed.
    std::optional<ListingSections> Ask();
    bool PrintAccepted() const { return printAccepted_; }
    ListingSections Checked() const;

    QCheckBox* Select(int index) const { return chkSelect_[static_cast<std::size_t>(index)]; }
    QPushButton* OkButton() const { return okButton_; }
    QPushButton* CancelButton() const { return cancelButton_; }

private:
    std::array<QCheckBox*, 3> chkSelect_{};
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    bool printAccepted_ = false;
};

}  // namespace wrk7
