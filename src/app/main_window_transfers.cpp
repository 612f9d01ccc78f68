// Transfers with the receiver: starting them on the worker, the progress bar
// and Cancel, and taking the worked image back.
#include <QDateTime>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>

#include "app/backups.h"
#include "app/bank_page.h"
#include "app/elided_label.h"
#include "app/image_history.h"
#include "app/main_window.h"
#include "app/memory_page.h"
#include "app/memory_table_model.h"
#include "app/settings_pages.h"
#include "app/vfo_table_model.h"
#include "edit/transfer_merge.h"
#include "link/serial_trace.h"
#include "ports/port_factory.h"

namespace wrk7 {

void MainWindow::ResetPort() {
    runner_->SetPortFactory(
        [this, text = RunPortText().toStdString()] { return ports::MakePortFor(text, image_.RegionIndex); });
}

void MainWindow::StartRead(link::Part part) { Start(false, part); }
void MainWindow::StartWrite(link::Part part) { Start(true, part); }

void MainWindow::Start(bool write, link::Part part) {
    if (runner_->IsRunning()) return;
    // The page the command belongs to comes to the front first.
    const Page page = CurrentPage();
    if (part == link::Part::kMemory && page != Page::kMemory) ClickTab(Page::kMemory);
    if (part == link::Part::kSettings &&
        (page == Page::kMemory || (write && page == Page::kBank)))
        ClickTab(Page::kSettings1);
    if (part == link::Part::kAll && (page == Page::kMemory || page == Page::kBank)) ClickTab(Page::kSettings1);

    // The image takes what the count and group boxes show, so it is whole:
    // a write sends it, and a cancelled read gives it back.
    bankPage_->CommitPendingEntry();
    bankPage_->CollectGroups();
    rememberedRow_ = memoryPage_->CurrentRow();
    transferWrite_ = write;
    transferPart_ = part;
    SetTransferUi(true);
    imageBeforeTransfer_ = image_;
    // The operation's copy starts unmarked, so that at the end it tells
    // whether the operation itself marked the image.
    CloneImage work = image_;
    work.Modified = false;
    const bool quick = QuickRead();
    TransferRunner::Operation op = [write, part, quick](CloneImage& image, link::SerialPort& port,
                                                        const link::LinkOptions& options) {
        link::LinkOptions chosen = options;
        chosen.quickRead = quick;
        return write ? link::RunWrite(part, image, port, chosen) : link::RunRead(part, image, port, chosen);
    };
    if (!runner_->Start(work, std::move(op), link::TransferTitle(write, part, quick))) {
        imageBeforeTransfer_.reset();
        SetTransferUi(false);
    }
}

void MainWindow::CancelTransfer() { runner_->Cancel(); }

void MainWindow::SetTransferUi(bool running) {
    progress_->setVisible(running);
    cmdCancel_->setVisible(running);
    if (running) progress_->setValue(0);
    // One transfer at a time: every transfer command waits for the end.
    for (QAction* a : transferActions_) a->setEnabled(!running);
    if (actComSetup_) actComSetup_->setEnabled(!running);
    for (QPushButton* b : settingsPages_->ReadButtons()) b->setEnabled(!running);
    for (QPushButton* b : settingsPages_->WriteButtons()) b->setEnabled(!running);
    memoryPage_->ReadButton()->setEnabled(!running);
    memoryPage_->WriteButton()->setEnabled(!running);
    bankPage_->ReadBankButton()->setEnabled(!running);
    bankPage_->WriteBankButton()->setEnabled(!running);
    bankPage_->ReadGroupButton()->setEnabled(!running);
    bankPage_->WriteGroupButton()->setEnabled(!running);
    SetImageEditable(!running);
}

void MainWindow::MergeTransfer(const CloneImage& worked) {
    TakeTransferredAreas(image_, worked, transferPart_, transferWrite_);
}

namespace {

// The history's name for what a read did to the image.
QString ReadStepName(link::Part part) {
    switch (part) {
        case link::Part::kAll: return QStringLiteral("Read All");
        case link::Part::kSettings: return QStringLiteral("Read Settings");
        case link::Part::kMemory: return QStringLiteral("Read Memory");
        case link::Part::kBank: return QStringLiteral("Read Bank");
        case link::Part::kGroups: return QStringLiteral("Read Group");
    }
    return QStringLiteral("Read");
}

}  // namespace

void MainWindow::OnTransferFinished(const link::LinkResult& result) {
    // Cancel means nothing happened: a cancelled read gives back the image as
    // it was, and leaves no step. A write only re-encodes the image, and a
    // read that fails on its own keeps what arrived, so both are taken as
    // they ended; whatever a read brought in, finished or not, is one step,
    // and undoing it gives back the image as it was before the read.
    const bool undone = result.cancelled && !transferWrite_;
    SetTransferUi(false);
    KeepTrace();
    if (undone) {
        RestoreImage(*imageBeforeTransfer_);
    } else if (transferWrite_) {
        TakeTransfer();
    } else {
        history_->Record(ReadStepName(transferPart_), [this] { TakeTransfer(); });
    }
    imageBeforeTransfer_.reset();
    if (closingDuringTransfer_) return;  // the close asks its own question
    using link::Part;
    const Part part = transferPart_;
    if (result.ok() && part == Part::kAll && CurrentPage() != Page::kMemory) ClickTab(Page::kMemory);
    if (result.ok() && !transferWrite_) {
        QString error;
        const QString saved = SaveReadBackup(image_, options_.backupFolder, QDateTime::currentDateTime(), &error);
        statusText_->SetFullText(saved.isEmpty() ? QStringLiteral("Backup not saved: %1").arg(error)
                                                 : QStringLiteral("Backup: %1").arg(saved));
    }
    ShowMessages(result.messages);
    emit transferFinished(result.code);
}

void MainWindow::TakeTransfer() {
    MergeTransfer(runner_->WorkedImage());
    // The grid's refresh wipes the slots the read left disabled: part of
    // the same step.
    ShowTransferredParts();
}

void MainWindow::ShowTransferredParts() {
    using link::Part;
    const Part part = transferPart_;
    if (part == Part::kAll || part == Part::kSettings) {
        settingsPages_->Load();
        vfoModel_->Refresh();
        vfoGrid_->selectRow(0);
    }
    if (part != Part::kSettings) {
        bankPage_->ShowBankCounts();
        if (!transferWrite_) bankPage_->ShowGroups();
    }
    if (part == Part::kAll || part == Part::kMemory || (transferWrite_ && part == Part::kBank)) {
        memoryPage_->Model()->RebuildRowLabels();
        memoryPage_->SelectRow(rememberedRow_);
        memoryPage_->Model()->Refresh();
        memoryPage_->SelectRow(rememberedRow_);
    }
}

}  // namespace wrk7
