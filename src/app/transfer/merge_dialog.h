#pragma once
#include <QDialog>
#include <optional>
#include <vector>

#include "app/transfer/backup_list.h"
#include "edit/three_way_merge.h"

class QComboBox;
class QLabel;
class QTableWidget;

namespace wrk7 {

class Prompter;

// Tool > Merge with Receiver: what a merge of the read the window's image
// started from (chosen among the read backups of its model), the window's
// image and the receiver as just read would do, before it is taken. Each
// change that comes from the receiver and each that stays from the window is
// a row; each conflict a row with its choice (mine or the receiver's).
// Accepting hands back the merged image; the dialog changes nothing itself.
class MergeDialog : public QDialog {
    Q_OBJECT
public:
    MergeDialog(const CloneImage& mine, const CloneImage& receiver, std::vector<BackupEntry> bases, int chosen,
                Prompter& prompter, QWidget* parent = nullptr);

    // The image the merge makes with the choices shown; nullopt until a base
    // could be loaded.
    std::optional<CloneImage> Merged() const;
    const MergePlan& Plan() const { return plan_; }
    QComboBox* BaseBox() const { return base_; }
    QTableWidget* Rows() const { return rows_; }
    // The choice box of conflict i (the table's rows after the changes).
    QComboBox* ChoiceBox(int conflict) const;

    void accept() override;

private:
    void LoadBase(int index);
    void Fill();

    const CloneImage& mine_;
    const CloneImage& receiver_;
    std::vector<BackupEntry> bases_;
    Prompter& prompter_;
    std::optional<CloneImage> baseImage_;
    MergePlan plan_;
    QComboBox* base_ = nullptr;
    QLabel* summary_ = nullptr;
    QTableWidget* rows_ = nullptr;
    int firstConflictRow_ = 0;
};

}  // namespace wrk7
