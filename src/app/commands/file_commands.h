#pragma once
#include <QKeySequence>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/dialogs/file_dialogs.h"
#include "app/support/prompter.h"
#include "core/image.h"
#include "files/result.h"
#include "lists/channel_list.h"

class QAction;
class QWidget;

namespace wrk7 {

class CloneDocument;
class Selection;

// The File menu's commands on the document: New, Open, Save, Save As, the
// CSV and CHIRP imports, Export, Compare With, and the save question they and
// the close ask first; one action each, as Commands has them. The dialogs
// open over window; the rows an import filled are chosen through selection.
class FileCommands : public QObject {
    Q_OBJECT
public:
    FileCommands(CloneDocument& document, Selection& selection, Prompter& prompter, QWidget* window);

    QAction* newFile;
    QAction* open;
    QAction* save;
    QAction* saveAs;
    QAction* importList;
    QAction* exportList;
    QAction* compareWith;

    // Where files are chosen; tests answer without a dialog. A save's
    // extension is added to the answer afterwards, as the dialog adds it.
    std::function<QString(QWidget* parent, const FileRequest& request)> chooseFile;
    // A file opened or saved, for the recent files.
    std::function<void(const QString& path)> remember;

    // What replaces the image waits while it is read-only (a transfer).
    void Update();

    bool New();  // false when the save question was cancelled
    void Open();
    // Open without the dialog (recent files, a dropped file, the command
    // line): the save question first, then the file.
    void OpenFile(const QString& path);
    bool Save();
    bool SaveAs();
    void Import();
    // Import of path without the dialog (a dropped file): a CHIRP list or
    // this program's CSV.
    void ImportFile(const QString& path);
    void Export();
    void CompareWith();
    // Compare With's view of other (the clone file or backup at path) against
    // the image, over parent (the window when null).
    void ShowComparison(const CloneImage& other, const QString& path, QWidget* parent = nullptr);
    // Switches the document to model after the save question, which comes
    // only when there are unsaved changes; false when cancelled.
    bool SwitchModel(int model);
    // The save question when the document holds unsaved changes; false when
    // cancelled, or when the save it asked for did not happen.
    bool OfferToSave();
    // The close question: what the unsaved changes are to.
    QString SaveQuestion() const;
    void ShowMessages(const std::vector<Message>& messages);
    // A failed file operation's messages; with its reason, the file and the
    // reason go under them in the same box.
    void ShowFileFailure(const FileResult& result, const QString& path);

signals:
    // A row of the memory grid the user should see (a compare line, the
    // first row an import filled).
    void memorySlotRequested(int slot);
    // Another clone file replaced the image.
    void opened(const QString& path);

private:
    QAction* Make(const char* name, const QString& caption, const std::function<void()>& run, QKeySequence key = {});
    QString ChooseFile(const QAction* command, std::string_view filter, const QString& suggestion, bool save,
                       QString* chosenFilter = nullptr);
    QString CurrentFolder() const;
    void Load(const QString& path);  // after the save question
    bool SaveTo(const QString& path);
    // A channel list (not our own CSV), through its preview.
    void ImportChannelList(const QString& path, const std::string& text, ListFormat format);
    void ShowImportedRows(const std::vector<int>& rows);
    // A failed import in one box: what failed, then why.
    void ShowFailure(const std::vector<Message>& messages);

    void Remember(const QString& path);

    CloneDocument& document_;
    Selection& selection_;
    Prompter& prompter_;
    QWidget* window_;
};

}  // namespace wrk7
