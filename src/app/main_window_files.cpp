// The File commands, the save question and the close sequence.
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
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
#include "files/clone_file.h"
#include "files/csv.h"

namespace wrk7 {

namespace {

// "Text (*.x)|*.x|All Files (*.*)|*.*" -> "Text (*.x);;All Files (*.*)".
QString QtFilter(std::string_view filter) {
    const QStringList parts = QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size())).split(QLatin1Char('|'));
    QStringList names;
    for (int i = 0; i < parts.size(); i += 2) names << parts[i];
    return names.join(QStringLiteral(";;"));
}

QString DefaultChooser(QWidget* parent, const QString& filter, bool save) {
    return save ? QFileDialog::getSaveFileName(parent, QString(), QString(), filter)
                : QFileDialog::getOpenFileName(parent, QString(), QString(), filter, nullptr,
                                               QFileDialog::ReadOnly);
}

}  // namespace

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
    if (!OfferToSave()) return true;
    NewCloneImage(image_);
    currentFile_.clear();
    ApplyImageToUi();
    history_->Reset();
    return false;
}

void MainWindow::Open() {
    if (!OfferToSave()) return;
    const QString path = (chooseFile ? chooseFile : DefaultChooser)(this, QtFilter(kCloneFileFilter), false);
    if (path.isEmpty()) return;
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

void MainWindow::OpenFile(const QString& path) {
    if (runner_->IsRunning() || !OfferToSave()) return;
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
    const QString path = (chooseFile ? chooseFile : DefaultChooser)(this, QtFilter(kCloneFileFilter), true);
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
    return true;
}

void MainWindow::Import() {
    const QString path = (chooseFile ? chooseFile : DefaultChooser)(this, QtFilter(kCsvFilter), false);
    if (path.isEmpty()) return;
    ImportFile(path);
}

void MainWindow::ImportFile(const QString& path) {
    if (runner_->IsRunning()) return;
    CsvImportResult r;
    // One step even when the file ends part-way: the rows before it stay.
    history_->Record(QStringLiteral("Import ") + QFileInfo(path).fileName(), [&] { r = ImportCsv(image_, path); });
    if (!r.result.ok) {
        // The rows before the fault are stored; show them as they are.
        memoryPage_->Model()->RefreshSlots({0, kSlotCount - 1});
        vfoModel_->Refresh();
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
    const QString path = (chooseFile ? chooseFile : DefaultChooser)(this, QtFilter(kCsvFilter), true);
    if (path.isEmpty()) return;
    const FileResult r = ExportCsv(image_, path);
    if (!r.ok) ShowMessages(r.messages);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (runner_->IsRunning()) {
        // Stop after the exchange in flight; what has arrived is kept, and
        // the save question below offers to keep it.
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
