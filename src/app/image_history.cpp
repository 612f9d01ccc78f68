#include "app/image_history.h"

#include <memory>

namespace wrk7 {

ImageUndoCommand::ImageUndoCommand(ImageHistory& history, const QString& name, ImageEdit edit, int mergeKey)
    : QUndoCommand(name), history_(history), edit_(std::move(edit)), mergeKey_(mergeKey) {}

void ImageUndoCommand::undo() {
    edit_.Undo(history_.Image());
    if (companion_) companion_(true);
    history_.Restored(edit_.Parts());
}

void ImageUndoCommand::redo() {
    if (done_) {
        done_ = false;
        return;
    }
    edit_.Redo(history_.Image());
    if (companion_) companion_(false);
    history_.Restored(edit_.Parts());
}

bool ImageUndoCommand::mergeWith(const QUndoCommand* other) {
    const auto* later = static_cast<const ImageUndoCommand*>(other);
    edit_.Absorb(later->edit_);
    // Dragged back to where it started: no step at all.
    setObsolete(edit_.Empty());
    return true;
}

ImageHistory::ImageHistory(CloneImage& image, QObject* parent) : QObject(parent), image_(image) {
    stack_.setUndoLimit(kStepLimit);
}

void ImageHistory::Record(const QString& name, const std::function<void()>& change, int mergeKey,
                          ImageUndoCommand::Companion companion) {
    if (recording_ > 0) {
        change();
        return;
    }
    // The image is too large for the stack of a deep call.
    const auto before = std::make_unique<CloneImage>(image_);
    ++recording_;
    change();
    --recording_;
    Push(name, *before, mergeKey, std::move(companion));
}

void ImageHistory::Push(const QString& name, const CloneImage& before, int mergeKey,
                        ImageUndoCommand::Companion companion) {
    ImageEdit edit = ImageEdit::Between(before, image_);
    if (!edit.Empty()) {
        auto* step = new ImageUndoCommand(*this, name, std::move(edit), mergeKey);
        step->SetCompanion(std::move(companion));
        stack_.push(step);
    }
    emit changed();
}

void ImageHistory::Undo() {
    if (!stack_.canUndo()) return;
    stack_.undo();
    FollowCleanPoint();
}

void ImageHistory::Redo() {
    if (!stack_.canRedo()) return;
    stack_.redo();
    FollowCleanPoint();
}

void ImageHistory::FollowCleanPoint() {
    image_.Modified = !stack_.isClean();
    emit changed();
}

void ImageHistory::Reset() {
    stack_.clear();
    emit changed();
}

void ImageHistory::MarkClean() {
    stack_.setClean();
    emit changed();
}

void ImageHistory::Restored(const EditedParts& parts) { emit restored(parts); }

}  // namespace wrk7
