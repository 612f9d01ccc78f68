// The File commands, the save question and the close sequence.
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QScreen>
#include <QSettings>
#include <QTableView>

#include "app/bank_page.h"
#include "app/com_dialog.h"
#include "app/dlg_modify.h"
#include "app/image_history.h"
#include "app/main_window.h"
#include "app/memory_page.h"
#include "app/memory_table_model.h"
#include "app/settings_pages.h"
#include "app/vfo_table_model.h"
#include "codecs/new_image.h"
#include "files/chirp_csv.h"
#include "files/clone_file.h"
#include "files/csv.h"

namespace wrk7 {

QString MainWindow::ChooseFile(const char* command, std::string_view filter, const QString& suggestion, bool save,
                               QString* chosenFilter) {
    const FileRequest request{DialogTitle(Action(QString::fromLatin1(command))->text()), filter, suggestion, save,
                              chosenFilter};
    const QString path = chooseFile ? chooseFile(this, request) : RunFileDialog(this, request);
    // Open's filter shows only names with the extension, so a save never
    // leaves it off.
    return save ? WithExtension(path, FirstExtension(filter)) : path;
}

QString MainWindow::CurrentFolder() const {
    return currentFile_.isEmpty() ? QString() : QFileInfo(currentFile_).absolutePath();
}

Prompter::Answer MainWindow::AskSaveChanges() {
    return prompter_->AskYesNoCancel(this, QStringLiteral("Save Changes"), {QStringLiteral("Save changes to settings?")});
}

bool MainWindow::OfferToSave() {
    if (!image_.Modified) return true;
    const Prompter::Answer answer = AskSaveChanges();
    if (answer == Prompter::Answer::kCancel) return false;
    if (answer == Prompter::Answer::kYes) Save();
    return true;
}

bool MainWindow::NewImage() {
    if (runner_->IsRunning()) return true;  // the image is read-only meanwhile
    if (!OfferToSave()) return true;
    NewCloneImage(image_);
    currentFile_.clear();
    ApplyImageToUi();
    history_->Reset();
    return false;
}

void MainWindow::Open() {
    if (runner_->IsRunning() || !OfferToSave()) return;
    const QString path = ChooseFile("mnuOpen", kCloneFileFilter, CurrentFolder(), false);
    if (!path.isEmpty()) LoadFile(path);
}

void MainWindow::OpenFile(const QString& path) {
    if (runner_->IsRunning() || !OfferToSave()) return;
    LoadFile(path);
}

void MainWindow::LoadFile(const QString& path) {
    const FileResult r = LoadCloneFile(image_, path);
    if (!r.ok) {
        ShowMessages(r.messages);
        return;
    }
    currentFile_ = path;
    ApplyImageToUi();
    memoryPage_->SelectRow(1);
    history_->Reset();
    RememberFile(path);
}

bool MainWindow::Save() {
    if (currentFile_.isEmpty()) return SaveAs();
    return SaveTo(currentFile_);
}

bool MainWindow::SaveAs() {
    const QString path =
        ChooseFile("mnuSaveAs", kCloneFileFilter, currentFile_.isEmpty() ? SuggestedName(currentFile_, image_.RegionIndex, QStringLiteral("WK7")) : currentFile_, true);
    if (path.isEmpty()) return false;
    return SaveTo(path);
}

bool MainWindow::SaveTo(const QString& path) {
    bankPage_->CommitPendingEntry();
    bankPage_->CollectGroups();
    const FileResult r = SaveCloneFile(image_, path);
    // The save may have trimmed a bank table above 1000.
    bankPage_->ShowBankCounts();
    if (!r.ok) {
        ShowMessages(r.messages);
        return false;
    }
    currentFile_ = path;
    history_->MarkClean();
    RememberFile(path);
    // Saved during a transfer: the image as it was is the one now on disk.
    if (imageBeforeTransfer_) *imageBeforeTransfer_ = image_;
    return true;
}

void MainWindow::Import() {
    if (runner_->IsRunning()) return;
    const QString path = ChooseFile("mnuImport", kCsvFilter, CurrentFolder(), false);
    if (path.isEmpty()) return;
    ImportFile(path);
}

void MainWindow::ImportFile(const QString& path) {
    if (runner_->IsRunning() || ImportChirpList(path)) return;
    CsvImportResult r;
    // A failed import leaves the image as it was, so it records no step. An
    // import leaves the window without a file; undone, the file comes back.
    const QString fileBefore = currentFile_;
    history_->Record(QStringLiteral("Import ") + QFileInfo(path).fileName(), [&] { r = ImportCsv(image_, path); }, 0,
                     [this, fileBefore](bool undone) { currentFile_ = undone ? fileBefore : QString(); });
    if (!r.result.ok) {
        ShowMessages(r.result.messages);
        return;
    }
    currentFile_.clear();
    ApplyImageToUi();
    memoryPage_->SelectRow(1);
    // The import clears the modified flag: its result is the clean state.
    history_->MarkClean();
}

void MainWindow::Export() {
    bool chirp = false;
    const QString path = ChooseExportFile(&chirp);
    if (path.isEmpty()) return;
    const FileResult r = chirp ? ExportChirpCsv(image_, path) : ExportCsv(image_, path);
    if (!r.ok) ShowMessages(r.messages);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (runner_->IsRunning()) {
        // A stray Ctrl+Q must not break off a write half-way unasked.
        if (prompter_->Confirm(this, QStringLiteral("CANCEL OK"),
                               {QStringLiteral("A transfer with the receiver is running."),
                                QStringLiteral("Are you sure that you want to cancel it and close?")}) !=
            Prompter::Answer::kOk) {
            event->ignore();
            return;
        }
        // Stop after the exchange in flight; a read stopped so leaves the
        // image as it was.
        closingDuringTransfer_ = true;
        runner_->WaitForFinish();
        closingDuringTransfer_ = false;
    }
    bankPage_->CommitPendingEntry();
    if (image_.Modified) {
        const Prompter::Answer answer = AskSaveChanges();
        if (answer == Prompter::Answer::kCancel) {
            event->ignore();
            return;
        }
        // A save that fails or is cancelled does not stop the close.
        if (answer == Prompter::Answer::kYes) Save();
    }
    Unload();
    event->accept();
}

void MainWindow::Unload() {
    const FileResult written = options_.portDirs ? WritePortFile(*options_.portDirs, portNumber_)
                                                 : WritePortFile(portNumber_);
    (void)written;  // the program is ending; there is nobody left to tell
    if (dlgModify_) dlgModify_->hide();
    if (comDialog_) comDialog_->hide();
    const WindowPlacement placement{geometry().x(), geometry().y(), geometry().width(), geometry().height()};
    const std::unique_ptr<QSettings> store = SettingsStore();
    SavePlacement(*store, placement, logicalDpiX(), isMinimized());
    SaveLinkChoices(*store);
}

std::unique_ptr<QSettings> MainWindow::SettingsStore() const {
    if (options_.settingsFile.isEmpty())
        return std::make_unique<QSettings>(QString::fromUtf8(kSettingsOrganisation.data()),
                                           QString::fromUtf8(kSettingsApplication.data()));
    return std::make_unique<QSettings>(options_.settingsFile, QSettings::IniFormat);
}

}  // namespace wrk7
