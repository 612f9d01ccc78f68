#pragma once
#include <QWidget>
#include <array>

#include "core/image.h"
#include "edit/bank.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace wrk7 {

class CloneDocument;
class Prompter;

// The "Bank" page: 50 count boxes (txtBank), their Link boxes (chkLink), the
// scan-group boxes (chkGrp, index 50 * group + bank; group 0 hidden), the
// total label lblAll, Text4 (the group box clicked last) and the four
// transfer buttons. Every change the
// boxes make to the image is one step of the history.
class BankPage : public QWidget {
    Q_OBJECT
public:
    BankPage(CloneDocument& document, Prompter& prompter, QWidget* parent = nullptr);

    // Count boxes and Link boxes from the bank table, and the total label.
    void ShowBankCounts();
    // Group boxes from the group table.
    void ShowGroups();
    // A count box that has the focus and was edited is taken now, as leaving
    // it would (so a page switch sees the total the user typed).
    void CommitPendingEntry();
    // While false, the count, Link and group boxes are disabled. The transfer
    // buttons run the window's transfer commands, which it binds them to.
    void SetEditable(bool editable);

    QLineEdit* CountBox(int bank) const { return txtBank_[static_cast<std::size_t>(bank)]; }
    QCheckBox* LinkBox(int bank) const { return chkLink_[static_cast<std::size_t>(bank)]; }
    QCheckBox* GroupBox(int index) const { return chkGrp_[static_cast<std::size_t>(index)]; }
    QLabel* TotalLabel() const { return lblAll_; }
    QPushButton* ReadBankButton() const { return cmdReadBank_; }
    QPushButton* WriteBankButton() const { return cmdWriteBank_; }
    QPushButton* ReadGroupButton() const { return cmdReadGroup_; }
    QPushButton* WriteGroupButton() const { return cmdWriteGroup_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildBankFrame(int firstBank);
    void LeaveCountBox(int bank);
    void OfferMove(int bank, const std::string& typed, CountEntryResult& result);
    void FocusCountBox(int bank);
    int BoxIndex(QObject* object) const;

    void ClickLink(int bank);
    void ClickGroup(int index);
    // "GRP3, bank 12": what Text4 says of a group box.
    static QString GroupBoxText(int group, int bank);

    CloneDocument& document_;
    const CloneImage& image_;
    Prompter& prompter_;
    bool applying_ = false;
    std::array<QLineEdit*, kBanks> txtBank_{};
    std::array<QCheckBox*, kBanks> chkLink_{};
    std::array<QCheckBox*, kBanks * kGroups> chkGrp_{};
    QLabel* lblAll_ = nullptr;
    QLineEdit* groupIndexBox_ = nullptr;
    QPushButton* cmdReadBank_ = nullptr;
    QPushButton* cmdWriteBank_ = nullptr;
    QPushButton* cmdReadGroup_ = nullptr;
    QPushButton* cmdWriteGroup_ = nullptr;
};

}  // namespace wrk7
