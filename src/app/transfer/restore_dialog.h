#pragma once
#include <QDialog>
#include <functional>
#include <vector>

#include "app/transfer/backup_list.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace wrk7 {

class Prompter;

// Tool > Restore Receiver: the backups folder, newest first, each with when
// it was taken, its model, its channels and whether it came before a write or
// from a read. The chosen one is compared with the window's image or, after
// one question, written whole to the receiver; the window's image stays.
class RestoreDialog : public QDialog {
    Q_OBJECT
public:
    RestoreDialog(const QString& folder, int windowModel, Prompter& prompter, QWidget* parent = nullptr);

    // Compare With's view of a backup against the window's image, over this
    // dialog.
    std::function<void(const CloneImage& backup, const QString& path, QWidget* over)> compare;
    // Starts the write of a backup; false when it did not start.
    std::function<bool(const CloneImage& backup)> restore;

    const std::vector<BackupEntry>& Entries() const { return entries_; }
    QTableWidget* List() const { return list_; }
    QLabel* EmptyNote() const { return empty_; }
    QPushButton* CompareButton() const { return compare_; }
    QPushButton* RestoreButton() const { return restore_; }

private:
    const BackupEntry* Chosen() const;
    // The chosen backup's image; says why when it cannot be loaded.
    bool LoadChosen(CloneImage& image);
    void CompareChosen();
    void RestoreChosen();

    int windowModel_;
    Prompter& prompter_;
    std::vector<BackupEntry> entries_;
    QTableWidget* list_ = nullptr;
    QLabel* empty_ = nullptr;
    QPushButton* compare_ = nullptr;
    QPushButton* restore_ = nullptr;
};

}  // namespace wrk7
