#pragma once
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#include "core/image.h"
#include "core/memory_map.h"
#include "edit/page_rules.h"
#include "link/link_operations.h"

class QAction;
class QProgressBar;
class QSettings;
class QPushButton;
class QWidget;

namespace wrk7 {

class Prompter;
class TransferController;

// The window's side of a transfer: the Tool menu's port, restore, quick read
// and trace commands, the progress row, the page a transfer command brings
// to the front first and what the window shows when one ends.
class TransferActions : public QObject {
    Q_OBJECT
public:
    TransferActions(TransferController& transfers, Prompter& prompter, QWidget* window, QString backupFolder);

    // What the actions ask of the window: its pages and its message boxes.
    std::function<Page()> currentPage;
    std::function<void(Page page)> clickTab;
    std::function<void(const std::vector<Message>& messages)> showMessages;
    std::function<void(const CloneImage& backup, const QString& path, QWidget* over)> compare;
    // The settings store, where the read each clone file came from is kept.
    std::function<std::unique_ptr<QSettings>()> openStore;

    QAction* comSetup = nullptr;
    QAction* quickRead = nullptr;
    QAction* verifyAfterWrite = nullptr;
    QAction* restore = nullptr;
    QAction* mergeReceiver = nullptr;
    QAction* openTrace = nullptr;
    QAction* reportProblem = nullptr;
    // The progress bar and its Cancel button, shown while a transfer runs.
    QWidget* ProgressRow() const { return progressRow_; }

    // A transfer from a menu or a page button. A write of a bank table that
    // does not add up to 1000 is refused here, in one box, before any page
    // switch could say it again.
    void Start(TransferDirection direction, TransferPart part);
    // Whether the window may close: while a transfer runs the user is asked,
    // and a yes stops it after the exchange in flight.
    bool MayClose();

signals:
    // A transfer started or ended: one at a time.
    void runningChanged(bool running);
    void finished(int code);
    void statusMessage(const QString& text);

private:
    void ShowRunning(bool running);
    void OnFinished(const link::LinkResult& result, TransferDirection direction, TransferPart part,
                    const QStringList& failure);
    void OpenRestoreDialog();
    void OnMergeRead(const std::shared_ptr<const CloneImage>& receiver, const QString& backup);
    void KeepOrigin(const QString& file);

    TransferController& transfers_;
    Prompter& prompter_;
    QWidget* window_;
    QString backupFolder_;
    QString origin_;  // the read backup the document's image came from, if known
    QWidget* progressRow_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* cancel_ = nullptr;
    bool closing_ = false;        // the close cancels the transfer and waits
    bool askingToClose_ = false;  // the close asks whether to cancel the transfer
};

}  // namespace wrk7
