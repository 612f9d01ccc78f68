#pragma once
#include <QObject>
#include <QString>
#include <QUndoCommand>
#include <QUndoStack>
#include <functional>

#include "core/image.h"
#include "edit/image_edit.h"

namespace wrk7 {

class ImageHistory;

// One named step on the undo stack: an ImageEdit and the history that
// repaints its views when it is undone or redone. The step is pushed after
// its change was made, so the first redo (QUndoStack::push calls it) does
// nothing. Steps pushed with the same merge key (not 0) one after another
// become one step, as a slider dragged over several values should.
class ImageUndoCommand : public QUndoCommand {
public:
    ImageUndoCommand(ImageHistory& history, const QString& name, ImageEdit edit, int mergeKey);

    void undo() override;
    void redo() override;
    int id() const override { return mergeKey_ ? mergeKey_ : -1; }
    bool mergeWith(const QUndoCommand* other) override;

    const ImageEdit& Edit() const { return edit_; }

    // What the window keeps beside the image and the step changed too (the
    // file name an import clears): run after undo (true) and redo (false).
    using Companion = std::function<void(bool undone)>;
    void SetCompanion(Companion companion) { companion_ = std::move(companion); }

private:
    ImageHistory& history_;
    ImageEdit edit_;
    Companion companion_;
    int mergeKey_;
    bool done_ = true;  // the change is in the image already when pushed
};

// The undo history of the window's image. Every change a user makes goes
// through Record (or Push), which keeps it as one named step; Undo and Redo
// take steps back and forth, and `restored` tells the window which parts to
// repaint. The image's Modified flag follows the history's clean point: the
// state last saved (or opened, or imported) is clean, and an undo or redo
// that arrives there clears the flag, one that leaves it sets the flag. A
// change that records nothing (it left the image as it was) leaves the flag
// as the change itself set it.
//
// Adding a new kind of change (paste, for example):
//
//     history.Record(QStringLiteral("Paste 3 Channels"), [&] { PasteRows(image, ...); });
//
// or, when the change is already made and a copy of the image from before
// it was kept:
//
//     history.Push(QStringLiteral("Paste 3 Channels"), imageBefore);
//
// The change marks the image modified itself, as every domain operation does.
class ImageHistory : public QObject {
    Q_OBJECT
public:
    // Steps kept; the oldest goes when a new one would exceed this.
    static constexpr int kStepLimit = 100;

    explicit ImageHistory(CloneImage& image, QObject* parent = nullptr);

    // Runs change and records what it did to the image as the step name.
    // Called again from inside a change, it only runs the inner change: the
    // outer step covers both.
    void Record(const QString& name, const std::function<void()>& change, int mergeKey = 0,
                ImageUndoCommand::Companion companion = {});
    // Records the difference between before and the image as it is now.
    void Push(const QString& name, const CloneImage& before, int mergeKey = 0,
              ImageUndoCommand::Companion companion = {});

    void Undo();
    void Redo();
    bool CanUndo() const { return stack_.canUndo(); }
    bool CanRedo() const { return stack_.canRedo(); }
    QString UndoName() const { return stack_.undoText(); }
    QString RedoName() const { return stack_.redoText(); }
    int Count() const { return stack_.count(); }
    const QUndoStack& Stack() const { return stack_; }

    // New, Open and a model switch: no steps, and the image as it is now is
    // the clean state.
    void Reset();
    // The image as it is now is what the file holds (save, import).
    void MarkClean();

    // ImageUndoCommand: the command has put parts back into the image.
    void Restored(const EditedParts& parts);
    CloneImage& Image() { return image_; }

signals:
    // After an undo or redo: the views of these parts repaint.
    void restored(const EditedParts& parts);
    // After anything that may have changed the image or the steps: a step
    // recorded (or a change that recorded nothing), an undo, a redo, a reset.
    void changed();

private:
    void FollowCleanPoint();

    CloneImage& image_;
    QUndoStack stack_;
    int recording_ = 0;
};

}  // namespace wrk7
