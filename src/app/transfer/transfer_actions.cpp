#include "app/transfer/transfer_actions.h"

#include <QAction>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QDir>
#include <QPushButton>
#include <QSettings>
#include <algorithm>

#include "app/document/clone_document.h"
#include "app/support/named_action.h"
#include "app/support/prompter.h"
#include "app/transfer/merge_dialog.h"
#include "app/transfer/read_origins.h"
#include "app/transfer/restore_dialog.h"
#include "app/transfer/transfer_controller.h"
#include "link/write_check.h"

namespace wrk7 {

TransferActions::TransferActions(TransferController& transfers, Prompter& prompter, QWidget* window,
                                 QString backupFolder)
    : QObject(window),
      transfers_(transfers),
      prompter_(prompter),
      window_(window),
      backupFolder_(std::move(backupFolder)) {
    auto make = [this](const char* name, const QString& caption, auto slot) {
        QAction* a = NamedAction(window_, name, caption);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    // Captions of the original's menus are numbers of the caption table; the
    // table replaces them when the window loads.
    comSetup = make("mnuComSetup", QStringLiteral("1013"), [this] { transfers_.ChoosePort(); });
    quickRead = make("mnuQuickRead", tr("Quick Read(&Q) (used channels only)"),
                     [this](bool on) { transfers_.SetQuickRead(on); });
    quickRead->setCheckable(true);
    verifyAfterWrite = make("mnuVerifyAfterWrite", tr("Verify After Writing(&V)"),
                            [this](bool on) { transfers_.SetVerifyAfterWrite(on); });
    verifyAfterWrite->setCheckable(true);
    // The most a check can add: a Write All of every slot read back.
    CloneImage full;
    for (SlotFields& slot : full.memory.slot) slot.Set(kFreq, 145.0);
    const auto seconds = (link::CheckLineTime(TransferPart::kAll, full).count() + 999) / 1000;
    verifyAfterWrite->setStatusTip(
        tr("Reads back what a write sent and compares it: about %n s more for a Write All of every channel", nullptr,
           static_cast<int>(seconds)));
    restore = make("mnuRestoreReceiver", tr("Restore Receiver(&S)..."), [this] { OpenRestoreDialog(); });
    mergeReceiver = make("mnuMergeReceiver", tr("Merge with Receiver(&M)..."), [this] { transfers_.StartMergeRead(); });
    openTrace = make("mnuOpenTrace", tr("Open Last Serial Trace(&T)"), [this] { transfers_.OpenLastTrace(); });
    reportProblem = make("mnuReportProblem", tr("Report a Problem(&P)..."), [this] { transfers_.ReportProblem(); });

    progress_ = new QProgressBar;
    progress_->setObjectName(QStringLiteral("ProgressBar1"));
    progress_->setTextVisible(false);
    progress_->setRange(0, 1299);
    cancel_ = new QPushButton(QStringLiteral("Cancel"));
    cancel_->setObjectName(QStringLiteral("cmdCancelTransfer"));
    connect(cancel_, &QPushButton::clicked, &transfers_, &TransferController::Cancel);
    // Escape stops a transfer as it closes a dialog; the button is shown only
    // while one runs, so the key means nothing at other times.
    cancel_->setShortcut(Qt::Key_Escape);
    progressRow_ = new QWidget;
    auto* row = new QHBoxLayout(progressRow_);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(progress_, 1);
    row->addWidget(cancel_);
    progress_->hide();
    cancel_->hide();

    connect(&transfers_, &TransferController::progress, this, [this](int done, int total) {
        progress_->setMaximum(std::max(total, 1));
        progress_->setValue(std::min(done, std::max(total, 1)));
    });
    connect(&transfers_, &TransferController::started, this, [this] { ShowRunning(true); });
    connect(&transfers_, &TransferController::finished, this, &TransferActions::OnFinished);
    connect(&transfers_, &TransferController::statusMessage, this, &TransferActions::statusMessage);
    connect(&transfers_, &TransferController::mergeReadFinished, this, &TransferActions::OnMergeRead);

    // The read an image came from: a read taken, or the one kept for the
    // file opened; a save keeps it for the file saved.
    CloneDocument& document = transfers_.Document();
    connect(&transfers_, &TransferController::readBackupSaved, this, [this](const QString& path) { origin_ = path; });
    connect(&document, &CloneDocument::replaced, this, [this, &document] {
        const auto store = openStore ? openStore() : nullptr;
        origin_ = store && !document.FileName().isEmpty() ? ReadOriginOf(*store, document.FileName()) : QString();
    });
    connect(&document, &CloneDocument::saved, this, &TransferActions::KeepOrigin);
}

void TransferActions::KeepOrigin(const QString& file) {
    if (origin_.isEmpty() || !openStore) return;
    if (const auto store = openStore()) KeepReadOrigin(*store, file, origin_);
}

void TransferActions::OnMergeRead(const std::shared_ptr<const CloneImage>& receiver, const QString& backup) {
    CloneDocument& document = transfers_.Document();
    // The bases: the reads of the window's model, newest first, but not the
    // one just made, which is the receiver's side.
    std::vector<BackupEntry> bases;
    int chosen = 0;
    for (BackupEntry& e : ListBackups(backupFolder_)) {
        if (e.kind != BackupKind::kRead || !e.Usable() || e.model.value_or(document.Model()) != document.Model() ||
            QDir::cleanPath(e.path) == QDir::cleanPath(backup))
            continue;
        if (!origin_.isEmpty() && QDir::cleanPath(e.path) == QDir::cleanPath(origin_)) chosen = static_cast<int>(bases.size());
        bases.push_back(std::move(e));
    }
    if (bases.empty()) {
        prompter_.Error(window_, tr("Merge with Receiver"),
                        {tr("No earlier read of this model is kept to merge from: the backups folder holds none."),
                         tr("The receiver's image was kept as a read backup; the window's image is unchanged.")});
        return;
    }
    MergeDialog dialog(document.Image(), *receiver, std::move(bases), chosen, prompter_, window_);
    if (dialog.exec() != QDialog::Accepted) return;
    const std::optional<CloneImage> merged = dialog.Merged();
    if (!merged) return;
    // One step; a merge that changes nothing makes none.
    document.Edit(tr("Merge with Receiver"), [&merged](CloneImage& image) { image = *merged; });
    // Accepted, the image stands on this read: the next merge starts there.
    origin_ = backup;
    if (!document.FileName().isEmpty() && !document.IsModified()) KeepOrigin(document.FileName());
}

void TransferActions::Start(TransferDirection direction, TransferPart part) {
    if (transfers_.IsRunning()) return;
    // The receiver refuses a bank table that does not add up to 1000 before
    // anything is sent: say it once, and why, instead of a page switch's box
    // and the write's two.
    if (direction == TransferDirection::kWrite && transfers_.RefusesWrite(part)) return;
    if (const std::optional<Page> front = PageBeforeTransfer(currentPage(), direction, part)) clickTab(*front);
    transfers_.Start(direction, part);
    // The question before the write may have changed it.
    verifyAfterWrite->setChecked(transfers_.VerifyAfterWrite());
}

void TransferActions::ShowRunning(bool running) {
    progress_->setVisible(running);
    cancel_->setVisible(running);
    if (running) progress_->setValue(0);
    // One transfer at a time: every transfer command (and its buttons) waits
    // for the end, and the port stays as it is meanwhile.
    emit runningChanged(running);
    comSetup->setEnabled(!running);
    restore->setEnabled(!running);
}

void TransferActions::OnFinished(const link::LinkResult& result, TransferDirection direction, TransferPart part,
                                 const QStringList& failure) {
    ShowRunning(false);
    if (closing_) return;  // the close asks its own question
    // The question whether to cancel it and close has lost its object; the
    // close goes on once the transfer's own words are seen.
    if (askingToClose_) prompter_.DismissOpenBox();
    if (const std::optional<Page> front = PageAfterTransfer(currentPage(), part, result.ok())) clickTab(*front);
    if (result.cancelled && direction == TransferDirection::kRead) {
        // The user stopped it: nothing failed, and nothing changed.
        emit statusMessage(tr("Read cancelled; nothing changed."));
    } else if (result.ok()) {
        showMessages(result.messages);
    } else if (!failure.isEmpty()) {
        prompter_.Error(window_, ErrorTitle(), failure);
    }
    emit finished(link::NumberOf(result.outcome));
}

void TransferActions::OpenRestoreDialog() {
    if (transfers_.IsRunning()) return;
    RestoreDialog dialog(backupFolder_, transfers_.Document().Model(), prompter_, window_);
    dialog.compare = compare;
    dialog.restore = [this](const CloneImage& backup) { return transfers_.StartRestore(backup); };
    dialog.exec();
}

bool TransferActions::MayClose() {
    if (!transfers_.IsRunning()) return true;
    // A stray Ctrl+Q must not break off a write half-way unasked.
    askingToClose_ = true;
    const Prompter::Answer answer =
        prompter_.Confirm(window_, tr("CANCEL OK"),
                          {tr("A transfer with the receiver is running."),
                           tr("Are you sure that you want to cancel it and close?")});
    askingToClose_ = false;
    const bool endedMeanwhile = !transfers_.IsRunning();
    if (answer != Prompter::Answer::kOk && !endedMeanwhile) return false;
    // Stop after the exchange in flight; a read stopped so leaves the image
    // as it was.
    closing_ = true;
    transfers_.CancelAndWait();
    closing_ = false;
    return true;
}

}  // namespace wrk7
