#include "app/commands/file_commands.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <memory>

#include "app/commands/selection.h"
#include "app/dialogs/compare_dialog.h"
#include "app/dialogs/import_report_dialog.h"
#include "app/dialogs/list_import_dialog.h"
#include "app/document/clone_document.h"
#include "app/support/named_action.h"
#include "app/translation/said.h"
#include "app/translation/string_table.h"
#include "edit/bank.h"
#include "files/clone_file.h"
#include "edit/image_diff.h"
#include "edit/image_edit.h"
#include "link/link_operations.h"
#include "lists/channel_list.h"
#include "lists/clone_file_load.h"
#include "lists/csv.h"
#include "lists/list_export.h"
#include "lists/sdr_export.h"

namespace wrk7 {

namespace {

QString BankTableTitle() { return Said(MessageId::kBankTable); }

}  // namespace

FileCommands::FileCommands(CloneDocument& document, Selection& selection, Prompter& prompter, QWidget* window)
    : QObject(window), document_(document), selection_(selection), prompter_(prompter), window_(window) {
    // The numbers are the original's captions: the window's caption table
    // puts them in when it loads.
    newFile = Make("mnuNew", QStringLiteral("1001"), [this] { New(); }, QKeySequence(Qt::CTRL | Qt::Key_N));
    open = Make("mnuOpen", QStringLiteral("1002"), [this] { Open(); }, QKeySequence(Qt::CTRL | Qt::Key_O));
    save = Make("mnuSave", QStringLiteral("1003"), [this] { Save(); }, QKeySequence(Qt::CTRL | Qt::Key_S));
    saveAs = Make("mnuSaveAs", QStringLiteral("1004"), [this] { SaveAs(); },
                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    importList = Make("mnuImport", QStringLiteral("1201"), [this] { Import(); });
    exportList = Make("mnuExport", QStringLiteral("1202"), [this] { Export(); });
    compareWith = Make("mnuCompare", tr("Compare With(&C)..."), [this] { CompareWith(); });
}

QAction* FileCommands::Make(const char* name, const QString& caption, const std::function<void()>& run,
                             QKeySequence key) {
    QAction* action = NamedAction(window_, name, caption, key);
    connect(action, &QAction::triggered, this, run);
    return action;
}

void FileCommands::Update() {
    const bool editable = !document_.IsReadOnly();
    for (QAction* a : {newFile, open, importList}) a->setEnabled(editable);
}

void FileCommands::Remember(const QString& path) {
    if (remember) remember(path);
}

QString FileCommands::ChooseFile(const QAction* command, std::string_view filter, const QString& suggestion, bool save,
                                 QString* chosenFilter) {
    const FileRequest request{DialogTitle(command->text()), filter, suggestion, save, chosenFilter};
    const QString path = chooseFile ? chooseFile(window_, request) : RunFileDialog(window_, request);
    // Open's filter shows only names with the extension, so a save never
    // leaves it off.
    return save ? WithExtension(path, ChosenExtension(filter, chosenFilter ? *chosenFilter : QString())) : path;
}

QString FileCommands::CurrentFolder() const {
    return document_.FileName().isEmpty() ? QString() : QFileInfo(document_.FileName()).absolutePath();
}

void FileCommands::ShowMessages(const std::vector<Message>& messages) {
    for (std::size_t i = 0; i < messages.size(); ++i) {
        const Message& m = messages[i];
        if (m.id != link::kMsgSuccess) {
            prompter_.Error(window_, ErrorTitle(), {Said(m)});
            continue;
        }
        QStringList lines{Said(m)};
        // A write read back and found as sent says so in its success box.
        if (i + 1 < messages.size() && messages[i + 1].id == MessageId::kWriteChecked) lines << Said(messages[++i]);
        prompter_.Inform(window_, Said(link::kSuccessTitle), lines);
    }
}

void FileCommands::ShowFileFailure(const FileResult& result, const QString& path) {
    if (!result.detail) return ShowMessages(result.messages);
    prompter_.ErrorWithDetail(window_, ErrorTitle(), Said(result.messages),
                              QDir::toNativeSeparators(path) + QLatin1Char('\n') + Said(*result.detail));
}

void FileCommands::ShowFailure(const std::vector<Message>& messages) {
    prompter_.Error(window_, ErrorTitle(), Said(messages));
}

QString FileCommands::SaveQuestion() const {
    const std::vector<ChangeTopic> topics = TopicsOf(document_.UnsavedParts());
    // The settings alone: the original's words.
    if (topics == std::vector{ChangeTopic::kSettings}) return tr("Save changes to settings?");
    if (topics.empty() && document_.HoldsUnsavedRepairs()) return tr("Save the repairs made when the file was opened?");
    QStringList named;
    for (const ChangeTopic topic : topics) {
        switch (topic) {
            case ChangeTopic::kChannels: named << tr("the channels"); break;
            case ChangeTopic::kBankTable: named << tr("the bank table"); break;
            case ChangeTopic::kScanGroups: named << tr("the scan groups"); break;
            case ChangeTopic::kSettings: named << tr("the settings"); break;
        }
    }
    // Changed and changed back since: the history still says modified.
    if (named.isEmpty()) return tr("Save changes?");
    const QString last = named.takeLast();
    const QString list = named.isEmpty() ? last : tr("%1 and %2").arg(named.join(tr(", ")), last);
    return tr("Save changes to %1?").arg(list);
}

bool FileCommands::OfferToSave() {
    document_.CommitPendingEntries();
    if (!document_.IsModified()) return true;
    // The question names what changed, then which file it is about.
    const QString file = document_.FileName().isEmpty() ? tr("Untitled") : QFileInfo(document_.FileName()).fileName();
    const Prompter::Answer answer =
        prompter_.AskYesNoCancel(window_, tr("Save Changes"), {SaveQuestion(), file});
    if (answer == Prompter::Answer::kCancel) return false;
    // A save that did not happen (its dialog cancelled, or it failed) keeps
    // the changes, and so the window.
    if (answer == Prompter::Answer::kYes) return Save();
    return true;
}

bool FileCommands::New() {
    if (document_.IsReadOnly() || !OfferToSave()) return false;
    document_.New();
    return true;
}

bool FileCommands::SwitchModel(int model) {
    if (document_.IsReadOnly() || model == document_.Model()) return false;
    if (!OfferToSave()) return false;
    document_.SwitchModel(model);
    return true;
}

void FileCommands::Open() {
    if (document_.IsReadOnly() || !OfferToSave()) return;
    const QString path = ChooseFile(open, kCloneFileFilter, CurrentFolder(), false);
    if (!path.isEmpty()) Load(path);
}

void FileCommands::OpenFile(const QString& path) {
    if (document_.IsReadOnly() || !OfferToSave()) return;
    Load(path);
}

void FileCommands::Load(const QString& path) {
    const FileResult r = document_.Open(path);
    if (!r.ok) return ShowFileFailure(r, path);
    selection_.SelectRows({1}, 1);
    Remember(path);
    emit opened(path);
    // What was repaired and the bank table's total in one box: a user meets
    // one warning per file opened.
    QStringList lines;
    if (!r.repairs.empty()) {
        lines << Said(MessageId::kOpenedWithRepairs) << Said(r.repairs);
    }
    if (const auto warning = BankTotalWarning(document_.Image())) lines << Said(*warning);
    if (lines.isEmpty()) return;
    prompter_.Warn(window_, r.repairs.empty() ? BankTableTitle() : Said(MessageId::kCloneFile), lines);
}

bool FileCommands::Save() {
    if (document_.FileName().isEmpty()) return SaveAs();
    return SaveTo(document_.FileName());
}

bool FileCommands::SaveAs() {
    const QString& current = document_.FileName();
    const QString path = ChooseFile(saveAs, kCloneFileFilter,
                                    current.isEmpty() ? SuggestedName(current, document_.Model(), QStringLiteral("WK7"))
                                                      : current,
                                    true);
    return !path.isEmpty() && SaveTo(path);
}

bool FileCommands::SaveTo(const QString& path) {
    document_.CommitPendingEntries();
    const auto warning = BankTotalWarning(document_.Image());
    if (warning && prompter_.ConfirmAction(window_, BankTableTitle(), {Said(*warning)}, tr("Save anyway")) !=
                       Prompter::Answer::kOk)
        return false;
    const FileResult r = document_.Save(path);
    if (!r.ok) {
        ShowFileFailure(r, path);
        return false;
    }
    Remember(path);
    return true;
}

namespace {

const std::string& ListFilter() {
    static const std::string filter = ListImportFilter();
    return filter;
}

}  // namespace

void FileCommands::Import() {
    if (document_.IsReadOnly()) return;
    const QString path = ChooseFile(importList, ListFilter(), CurrentFolder(), false);
    if (!path.isEmpty()) ImportFile(path);
}

void FileCommands::ImportFile(const QString& path) {
    if (document_.IsReadOnly()) return;
    // Read once: the content tells the list, and the import takes the same text.
    auto text = ReadCsvFile(path);
    // A text no reader knows goes to our own CSV import, which says why it
    // holds no channel rows.
    const std::optional<ListFormat> format = text ? DetectListFormat(*text) : std::nullopt;
    if (format) return ImportChannelList(path, *text, *format);
    const CsvImportResult r = document_.ImportCsv(path, text);
    if (!r.result.ok) return ShowFailure(r.result.messages);
    selection_.SelectRows({1}, 1);
    // A clean list says nothing; rows passed over or texts fitted are listed.
    if (!r.issues.empty()) (new ImportReportDialog(r, window_))->open();
}

void FileCommands::ShowImportedRows(const std::vector<int>& rows) {
    // From whichever page the import was chosen, the rows it filled are shown.
    emit memorySlotRequested(rows.front() - 1);
    selection_.SelectRows(rows, rows.front());
}

void FileCommands::ImportChannelList(const QString& path, const std::string& text, ListFormat format) {
    ChannelList list = ReadChannelList(text, format);
    if (list.failure)
        return ShowFailure({Say(MessageId::kNoChannelRows, QFileInfo(path).fileName().toStdString()), *list.failure});
    const int currentSlot = selection_.CurrentRow() - 1;
    auto* dialog = new ListImportDialog(document_.Image(), std::move(list), QFileInfo(path).fileName(),
                                        currentSlot >= 0 && currentSlot < kChannelCount ? currentSlot : 0, window_);
    connect(dialog, &QDialog::accepted, this, [this, dialog, path, format] {
        // The dialog planned on the image as it opened; modal, so it is the same.
        const ListImportPlan& plan = dialog->Plan();
        if (!document_.ImportList(path, dialog->Rows(), plan)) return;
        std::vector<int> rows;
        for (const PlacedRow& placed : plan.placed) rows.push_back(placed.slot + 1);
        std::sort(rows.begin(), rows.end());
        ShowImportedRows(rows);
        // A CHIRP list's rows name their Locations; the report names them too.
        if (format == ListFormat::kChirp)
            (new ImportReportDialog(plan, BuildRowLabels(document_.Image()), window_))->open();
        else
            (new ImportReportDialog(plan, window_))->open();
    });
    dialog->open();
}

namespace {

const std::string& ExportFilter() {
    static const std::string filter = ListExportFilter();
    return filter;
}

}  // namespace

void FileCommands::Export() {
    QString chosen;
    const QString path = ChooseFile(exportList, ExportFilter(),
                                    SuggestedName(document_.FileName(), document_.Model(), QStringLiteral("csv")),
                                    true, &chosen);
    if (path.isEmpty()) return;
    // The type chosen writes; any other choice (All Files) is this program's CSV.
    ListFileType type = ListFileType::kOwnCsv;
    for (const ListFileInfo& file : kListFiles)
        if (IsWritten(file.type) && chosen == QtFilter(file.exportFilter)) type = file.type;
    document_.CommitPendingEntries();
    const FileResult r = ExportListFile(document_.Image(), type, path);
    if (!r.ok) ShowMessages(r.messages);
}

void FileCommands::CompareWith() {
    const QString path = ChooseFile(compareWith, kCloneFileFilter, CurrentFolder(), false);
    if (path.isEmpty()) return;
    CloneImage other;
    other.model = document_.Model();
    const FileResult loaded = LoadCloneFile(other, path);
    if (!loaded.ok) return ShowMessages(loaded.messages);
    ShowComparison(other, path);
}

void FileCommands::ShowComparison(const CloneImage& other, const QString& path, QWidget* parent) {
    // What the bank page shows is what the image holds, as for a save.
    document_.CommitPendingEntries();
    auto* dialog = new CompareDialog(DiffImages(document_.Image(), other), path, parent ? parent : window_);
    connect(dialog, &CompareDialog::memorySlotActivated, this, &FileCommands::memorySlotRequested);
    dialog->show();
}

}  // namespace wrk7
