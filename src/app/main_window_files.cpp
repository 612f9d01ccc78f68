// The File commands, the save question and the close sequence.
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QScreen>
#include <QSettings>

#include "app/bank_page.h"
#include "app/com_dialog.h"
#include "app/dlg_modify.h"
#include "app/main_window.h"
#include "app/memory_page.h"
#include "app/settings_pages.h"
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

bool MainWindow::NewImage() {
    if (runner_->IsRunning()) return true;  // the image is read-only meanwhile
    if (image_.Modified) {
        const Prompter::Answer answer = AskSaveChanges();
        if (answer == Prompter::Answer::kCancel) return true;
        if (answer == Prompter::Answer::kYes) Save();
    }
    NewCloneImage(image_);
    currentFile_.clear();
    ApplyImageToUi();
    UpdateCaption();
    return false;
}

void MainWindow::Open() {
    if (runner_->IsRunning()) return;
    if (image_.Modified) {
        const Prompter::Answer answer = AskSaveChanges();
        if (answer == Prompter::Answer::kCancel) return;
        if (answer == Prompter::Answer::kYes) Save();
    }
    const QString path = ChooseFile("mnuOpen", kCloneFileFilter, CurrentFolder(), false);
    if (path.isEmpty()) return;
    const FileResult r = LoadCloneFile(image_, path);
    if (!r.ok) {
        ShowMessages(r.messages);
        return;
    }
    currentFile_ = path;
    ApplyImageToUi();
    memoryPage_->SelectRow(1);
    UpdateCaption();
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
    UpdateCaption();
    // Saved during a transfer: the image as it was is the one now on disk.
    if (imageBeforeTransfer_) *imageBeforeTransfer_ = image_;
    return true;
}

void MainWindow::Import() {
    if (runner_->IsRunning()) return;
    const QString path = ChooseFile("mnuImport", kCsvFilter, CurrentFolder(), false);
    if (path.isEmpty()) return;
    if (ImportChirpList(path)) return;
    const CsvImportResult r = ImportCsv(image_, path);
    if (!r.result.ok) {
        ShowMessages(r.result.messages);
        return;
    }
    currentFile_.clear();
    ApplyImageToUi();
    memoryPage_->SelectRow(1);
    UpdateCaption();
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
