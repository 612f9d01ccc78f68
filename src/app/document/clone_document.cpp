#include "app/document/clone_document.h"

#include <QFileInfo>
#include <QUndoCommand>
#include <memory>

#include "codecs/new_image.h"
#include "codecs/settings_codec.h"
#include "codecs/vfo_codec.h"
#include "edit/disabled_slots.h"
#include "edit/transfer_merge.h"
#include "files/clone_file.h"
#include "files/program_log.h"
#include "lists/clone_file_load.h"

namespace wrk7 {

// One named step of the history. It is pushed after its change was made, so
// the first redo (QUndoStack::push calls it) does nothing.
class DocumentStep : public QUndoCommand {
public:
    DocumentStep(CloneDocument& document, const QString& name, ImageEdit edit, MergeKey mergeKey,
                 std::optional<CloneDocument::FileNameChange> file)
        : QUndoCommand(name),
          document_(document),
          edit_(std::move(edit)),
          file_(std::move(file)),
          mergeKey_(mergeKey),
          saves_(document.saves_) {}

    void undo() override { document_.Restore(edit_, true, FileChange()); }
    void redo() override {
        if (done_) {
            done_ = false;
            return;
        }
        document_.Restore(edit_, false, FileChange());
    }
    int id() const override { return mergeKey_ == MergeKey::kNone ? -1 : static_cast<int>(mergeKey_); }
    bool mergeWith(const QUndoCommand* other) override {
        edit_.Absorb(static_cast<const DocumentStep*>(other)->edit_);
        // Dragged back to where it started: no step at all.
        setObsolete(edit_.Empty());
        return true;
    }

private:
    // A save since the step named the file for good: undo and redo of the
    // step neither bring back the name before it nor take the saved one away.
    std::optional<CloneDocument::FileNameChange> FileChange() const {
        return saves_ == document_.saves_ ? file_ : std::nullopt;
    }

    CloneDocument& document_;
    ImageEdit edit_;
    std::optional<CloneDocument::FileNameChange> file_;
    MergeKey mergeKey_;
    int saves_;  // the document's saves when the step was made
    bool done_ = true;
};

CloneDocument::CloneDocument(QObject* parent) : QObject(parent) {
    stack_.setUndoLimit(kStepLimit);
    // The start-up image: the first model's settings and VFO defaults, the
    // default bank table, every slot empty.
    image_.settings.block0 = DefaultSettingsBlock0(image_.model);
    image_.settings.block1 = DefaultSettingsBlock1(image_.model);
    DecodeSettings(image_);
    SetVfoDefaults(image_);
    cleanImage_ = image_;
}

CloneDocument::~CloneDocument() {
    // The steps refer back to the document: they go before it does.
    stack_.clear();
}

void CloneDocument::SetReadOnly(bool readOnly) {
    if (readOnly_ == readOnly) return;
    readOnly_ = readOnly;
    emit readOnlyChanged(readOnly_);
    emit historyChanged();
}

bool CloneDocument::Edit(const QString& name, const std::function<void(CloneImage&)>& change, MergeKey mergeKey) {
    if (readOnly_) return false;
    if (recording_ > 0) {
        change(image_);
        return true;
    }
    // The image is too large for the stack of a deep call.
    const auto before = std::make_unique<CloneImage>(image_);
    ++recording_;
    change(image_);
    --recording_;
    return Record(name, *before, mergeKey, std::nullopt);
}

bool CloneDocument::Record(const QString& name, const CloneImage& before, MergeKey mergeKey,
                           std::optional<FileNameChange> file, Arrived arrived) {
    // Whatever the change turned off holds nothing from here on, once: what
    // a CSV file or the receiver brings arrives so already.
    if (arrived == Arrived::kToWipe) WipeDisabledSlots(image_);
    ImageEdit edit = ImageEdit::Between(before, image_);
    const bool fileMoved = file && file->before != file->after;
    if (edit.Empty() && !fileMoved) {
        AfterHistoryMove();
        return false;
    }
    const EditedParts parts = edit.Parts();
    stack_.push(new DocumentStep(*this, name, std::move(edit), mergeKey, std::move(file)));
    AfterHistoryMove();
    emit changed(parts);
    return true;
}

void CloneDocument::Undo() {
    if (!CanUndo()) return;
    // An entry still being typed is a step of its own, and the one taken back.
    CommitPendingEntries();
    stack_.undo();
    AfterHistoryMove();
}

void CloneDocument::Redo() {
    if (!CanRedo()) return;
    CommitPendingEntries();
    stack_.redo();
    AfterHistoryMove();
}

void CloneDocument::Restore(const ImageEdit& edit, bool undo, const std::optional<FileNameChange>& file) {
    if (undo) {
        edit.Undo(image_);
    } else {
        edit.Redo(image_);
    }
    if (file) SetFileName(undo ? file->before : file->after);
    emit changed(edit.Parts());
}

void CloneDocument::AfterHistoryMove() {
    emit historyChanged();
}

void CloneDocument::AddPendingEntry(std::function<void()> commit) { pendingEntries_.push_back(std::move(commit)); }

void CloneDocument::CommitPendingEntries() {
    if (readOnly_) return;
    for (const auto& commit : pendingEntries_) commit();
}

void CloneDocument::SetFileName(const QString& fileName) {
    if (fileName_ == fileName) return;
    fileName_ = fileName;
    emit fileNameChanged(fileName_);
}

void CloneDocument::StartHistory() {
    stack_.clear();
    stack_.setClean();
    cleanImage_ = image_;
    repairsUnsaved_ = false;
    AfterHistoryMove();
}

void CloneDocument::Replace(const CloneImage& image, const QString& fileName) {
    // A clone file is read with its disabled slots wiped, and a new image
    // has no channel at all.
    image_ = image;
    SetFileName(fileName);
    StartHistory();
    emit changed(EditedParts::All());
    emit replaced();
}

void CloneDocument::New() {
    if (readOnly_) return;
    const auto next = std::make_unique<CloneImage>(image_);
    NewCloneImage(*next);
    Replace(*next, QString());
}

void CloneDocument::SwitchModel(int model) {
    if (readOnly_ || model == image_.model) return;
    const auto next = std::make_unique<CloneImage>(image_);
    next->model = model;
    NewCloneImage(*next);
    Replace(*next, QString());
}

FileResult CloneDocument::Open(const QString& path) {
    if (readOnly_) return {};
    const auto next = std::make_unique<CloneImage>(image_);
    const FileResult r = LoadCloneFile(*next, path);
    LogFileResult("open", path, r);
    if (!r.ok) return r;
    Replace(*next, path);
    if (!r.repairs.empty()) {
        // No step leads back to the file as it lay on the disk.
        stack_.resetClean();
        repairsUnsaved_ = true;
        AfterHistoryMove();
    }
    return r;
}

EditedParts CloneDocument::UnsavedParts() const { return ImageEdit::Between(cleanImage_, image_).Parts(); }

FileResult CloneDocument::Save(const QString& path) {
    CommitPendingEntries();
    const FileResult r = SaveCloneFile(image_, path);
    LogFileResult("save", path, r);
    if (!r.ok) return r;
    SetFileName(path);
    ++saves_;
    stack_.setClean();
    cleanImage_ = image_;
    repairsUnsaved_ = false;
    AfterHistoryMove();
    emit saved(path);
    return r;
}

// The file as the user named it, in the step of either import.
QString CloneDocument::ImportStepName(const QString& path) { return tr("Import %1").arg(QFileInfo(path).fileName()); }

CsvImportResult CloneDocument::ImportCsv(const QString& path) { return ImportCsv(path, ReadCsvFile(path)); }

CsvImportResult CloneDocument::ImportCsv(const QString& path, const std::optional<std::string>& text) {
    CsvImportResult r;
    if (readOnly_) return r;
    const auto before = std::make_unique<CloneImage>(image_);
    r = ImportCsvFile(image_, path, text);
    // A failed import leaves the image as it was and records nothing.
    if (!r.result.ok) return r;
    const FileNameChange file{fileName_, QString()};
    SetFileName(QString());
    Record(ImportStepName(path), *before, MergeKey::kNone, file, Arrived::kWiped);
    return r;
}

bool CloneDocument::ImportList(const QString& path, const std::vector<ListMapping>& rows, const ListImportPlan& plan) {
    if (readOnly_ || plan.placed.empty()) return false;
    const QString stepName = ImportStepName(path);
    const auto before = std::make_unique<CloneImage>(image_);
    ApplyListImport(image_, rows, plan);
    // As after the other imports: a save asks for a name.
    const FileNameChange file{fileName_, QString()};
    SetFileName(QString());
    Record(stepName, *before, MergeKey::kNone, file);
    return true;
}

bool CloneDocument::EndTransfer(const CloneImage* read, TransferPart part, const QString& stepName) {
    // Editable again first: the read is taken as an edit.
    SetReadOnly(false);
    if (!read) return false;
    const auto before = std::make_unique<CloneImage>(image_);
    TakeReadAreas(image_, *read, part);
    const bool changed = Record(stepName, *before, MergeKey::kNone, std::nullopt, Arrived::kWiped);
    if (part == TransferPart::kAll || part == TransferPart::kMemory) emit replaced();
    return changed;
}

}  // namespace wrk7
