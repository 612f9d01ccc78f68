#pragma once
#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/image.h"
#include "core/memory_map.h"
#include "edit/image_edit.h"
#include "files/result.h"
#include "lists/csv.h"
#include "lists/list_import.h"

namespace wrk7 {

// The edits that run together into one step while they follow each other:
// the drag of each slider.
enum class MergeKey { kNone, kSquelchDrag, kVolumeDrag };

// The image being edited, together with everything that belongs to it and
// nothing that belongs to a window: its undo history, the clone file it came
// from or was saved to, whether it holds unsaved changes and whether it may
// be changed at all (not while a transfer works on a copy of it).
//
// Every change goes through Edit (or one of the whole-image commands), which
// records it as one named step, so "modified" is simply "the history is away
// from the point last saved, opened or started". After every change it takes
// (an edit, an import, a read, a new or opened image) no disabled slot holds
// anything (WipeDisabledSlots), wiped once: by the document after an edit
// or a CHIRP or list import, by the reader of a clone file, a CSV file or
// the receiver for what they bring. After each change, undo and
// redo, `changed` names the parts of the image that moved: the views repaint
// those and never write the image themselves.
class CloneDocument : public QObject {
    Q_OBJECT
public:
    // Steps kept; the oldest goes when a new one would exceed this.
    static constexpr int kStepLimit = 100;

    explicit CloneDocument(QObject* parent = nullptr);
    ~CloneDocument() override;

    const CloneImage& Image() const { return image_; }
    int Model() const { return image_.model; }
    // The clone file the image was opened from or saved to; empty before the
    // first save and after an import not saved since.
    const QString& FileName() const { return fileName_; }
    bool IsModified() const { return !stack_.isClean(); }
    // What differs from the image last opened, saved or started (what a
    // save would keep), and whether the file opened was repaired on the way
    // in: a repair changes nothing the history knows, yet a save keeps it,
    // so the document opens modified.
    EditedParts UnsavedParts() const;
    bool HoldsUnsavedRepairs() const { return repairsUnsaved_; }
    // While read-only, every change is refused (Edit returns false) and undo
    // and redo wait.
    bool IsReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);

    // Runs change on the image and records what it did as the step name.
    // Steps with the same merge key (not kNone) one after another become one
    // step, as a slider dragged over several values should. A change nested
    // in another one belongs to the outer step. False when the document is
    // read-only (change is not run) or the change left the image as it was.
    // change runs to its end without waiting for the user: a dialog asks
    // first and hands back what to change (the channel editor's entry), so
    // nothing can reach the document while a step is half made.
    bool Edit(const QString& name, const std::function<void(CloneImage&)>& change, MergeKey mergeKey = MergeKey::kNone);

    bool CanUndo() const { return !readOnly_ && stack_.canUndo(); }
    bool CanRedo() const { return !readOnly_ && stack_.canRedo(); }
    QString UndoName() const { return stack_.undoText(); }
    QString RedoName() const { return stack_.redoText(); }
    int StepCount() const { return stack_.count(); }
    void Undo();
    void Redo();

    // An entry still being typed in a view (a bank count box) that becomes
    // part of the image once the user leaves it. Every command that reads or
    // replaces the whole image takes such entries first, so it sees what the
    // user sees.
    void AddPendingEntry(std::function<void()> commit);
    void CommitPendingEntries();

    // The whole-image commands. New, Open and a model switch start a new
    // history at a clean point; Save makes the current state the clean one.
    void New();
    void SwitchModel(int model);
    FileResult Open(const QString& path);
    FileResult Save(const QString& path);
    // Every import is one step and leaves the document without a file name
    // (undone, the name comes back), so Save asks for one rather than
    // overwrite the clone file with a mix. Once saved, the name saved stays
    // through undo and redo of the steps before the save.
    CsvImportResult ImportCsv(const QString& path);
    // The same with the file's text read already (ReadCsvFile's result).
    CsvImportResult ImportCsv(const QString& path, const std::optional<std::string>& text);
    // The planned rows of a channel list (not our own CSV), stored; false
    // when read-only or the plan places nothing.
    bool ImportList(const QString& path, const std::vector<ListMapping>& rows, const ListImportPlan& plan);
    // Ends a transfer: the document is editable again and, given the copy a
    // read worked on (null after a write or a cancelled read), takes the areas
    // part covers from it as one step (stepName). A write changes nothing.
    // True when the read changed the image.
    bool EndTransfer(const CloneImage* read, TransferPart part, const QString& stepName);

signals:
    // The parts of the image that changed (an edit, an undo, a redo, a load).
    void changed(const EditedParts& parts);
    void fileNameChanged(const QString& fileName);
    // The image was saved to path.
    void saved(const QString& path);
    void readOnlyChanged(bool readOnly);
    // The steps, their names or the modified state may have changed.
    void historyChanged();
    // The image the window showed gave way to another: New, Open, a model
    // switch, or a read that brought memory rows (all or memory, finished or
    // failed with what arrived kept). What a view said about the old one
    // (a find result, the duplicates) no longer holds.
    void replaced();

private:
    static QString ImportStepName(const QString& path);
    friend class DocumentStep;
    struct FileNameChange {
        QString before;
        QString after;
    };

    // Whether the image's disabled slots still need wiping after a change.
    enum class Arrived { kToWipe, kWiped };
    bool Record(const QString& name, const CloneImage& before, MergeKey mergeKey, std::optional<FileNameChange> file,
                Arrived arrived = Arrived::kToWipe);
    void Replace(const CloneImage& image, const QString& fileName);
    void SetFileName(const QString& fileName);
    void StartHistory();
    void AfterHistoryMove();
    // DocumentStep: a step put back or done again.
    void Restore(const ImageEdit& edit, bool undo, const std::optional<FileNameChange>& file);

    CloneImage image_;
    CloneImage cleanImage_;  // the image at the history's clean point
    bool repairsUnsaved_ = false;
    QString fileName_;
    bool readOnly_ = false;
    int recording_ = 0;
    int saves_ = 0;  // successful saves: a step made before the last one keeps the file name as it is
    QUndoStack stack_;
    std::vector<std::function<void()>> pendingEntries_;
};

}  // namespace wrk7
