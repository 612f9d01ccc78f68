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
#include "app/main_window.h"
#include "app/memory_page.h"
#include "app/memory_table_model.h"
#include "app/settings_pages.h"
#include "app/vfo_table_model.h"
#include "link/emulator_port.h"
#include "link/port_names.h"

namespace wrk7 {

std::unique_ptr<link::SerialPort> MakePortFor(const QString& portText, int model) {
    const link::PortChoice choice = link::ResolvePortName(portText.toStdString());
    if (choice.kind == link::PortChoice::Kind::kEmulator) return link::MakeDemoEmulatorPort(model);
    return link::MakeDevicePort(choice.device);
}

void MainWindow::ResetPort() {
    runner_->SetPortFactory([this, text = RunPortText()] { return MakePortFor(text, image_.RegionIndex); });
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

    bankPage_->CommitPendingEntry();
    if (write) bankPage_->CollectGroups();
    rememberedRow_ = memoryPage_->CurrentRow();
    transferWrite_ = write;
    transferPart_ = part;
    TransferRunner::Operation op = [write, part](CloneImage& image, link::SerialPort& port,
                                                 const link::LinkOptions& options) {
        return write ? link::RunWrite(part, image, port, options) : link::RunRead(part, image, port, options);
    };
    if (!runner_->Start(image_, std::move(op))) return;
    SetTransferUi(true);
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
}

void MainWindow::MergeTransfer(const CloneImage& worked) {
    using link::Part;
    const Part part = transferPart_;
    const bool settings = part == Part::kAll || part == Part::kSettings;
    const bool memory = part == Part::kAll || part == Part::kMemory;
    const bool bank = memory || part == Part::kBank;
    const bool groups = bank || part == Part::kGroups;
    if (settings) {
        image_.SettingsBlock0 = worked.SettingsBlock0;
        image_.SettingsBlock1 = worked.SettingsBlock1;
        if (!transferWrite_) {
            image_.Settings = worked.Settings;
            image_.Vfo = worked.Vfo;
        }
    }
    if (bank) {
        image_.BankCount = worked.BankCount;
        image_.BankBlock = worked.BankBlock;
    }
    if (groups) {
        image_.GroupBlock = worked.GroupBlock;
        if (!transferWrite_) image_.GroupMember = worked.GroupMember;
    }
    if (memory && !transferWrite_) {
        image_.FlagBlock = worked.FlagBlock;
        image_.ChannelEnable = worked.ChannelEnable;
        image_.Mem = worked.Mem;
    }
    if (worked.Modified) image_.Modified = true;
}

void MainWindow::OnTransferFinished(const link::LinkResult& result) {
    MergeTransfer(runner_->WorkedImage());
    SetTransferUi(false);
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
    if (closingDuringTransfer_) return;  // the close asks its own question
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

}  // namespace wrk7
