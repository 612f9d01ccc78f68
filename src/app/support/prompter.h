#pragma once
#include <QPointer>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

class QAbstractButton;
class QMessageBox;
class QWidget;

namespace wrk7 {

// Every message box of the desktop program goes through one of these, so
// widget tests can answer them without a modal loop.
class Prompter {
public:
    enum class Answer { kOk, kCancel, kYes, kNo };

    virtual ~Prompter() = default;
    // Critical icon, OK only. The lines are joined with line breaks.
    virtual void Error(QWidget* parent, const QString& title, const QStringList& lines) = 0;
    // Information icon, OK only.
    virtual void Inform(QWidget* parent, const QString& title, const QStringList& lines) = 0;
    // Exclamation icon, OK and Cancel, Cancel the default: kOk or kCancel.
    virtual Answer Confirm(QWidget* parent, const QString& title, const QStringList& lines) = 0;
    // Question with Yes, No and Cancel: kYes, kNo or kCancel.
    virtual Answer AskYesNoCancel(QWidget* parent, const QString& title, const QStringList& lines) = 0;
    // Exclamation icon, a button named for the action and Cancel, Cancel the
    // default: kOk for the action (Alt and its first letter) or kCancel.
    virtual Answer ConfirmAction(QWidget* parent, const QString& title, const QStringList& lines,
                                 const QString& action) = 0;
    // Exclamation icon, a button per choice in order: the index of the one
    // chosen. byDefault is the default button and what Escape gives.
    virtual int Choose(QWidget* parent, const QString& title, const QStringList& lines, const QStringList& choices,
                       int byDefault) = 0;
    // Exclamation icon, OK only.
    virtual void Warn(QWidget* parent, const QString& title, const QStringList& lines) = 0;
    // Critical icon, OK only, with the detail (which file, and why) under the
    // lines.
    virtual void ErrorWithDetail(QWidget* parent, const QString& title, const QStringList& lines,
                                 const QString& detail) = 0;
    // Information icon with the path, "Copy Path", "Open Folder" and Close:
    // for a file the desktop could not show.
    virtual void ShowFileLocation(QWidget* parent, const QString& title, const QStringList& lines,
                                  const QString& path) = 0;
    // Closes the box being shown, as Cancel would: for a question that
    // events have answered (the transfer it asks about has ended).
    virtual void DismissOpenBox() = 0;
};

// The real thing: QMessageBox.
class MessageBoxPrompter : public Prompter {
public:
    void Error(QWidget* parent, const QString& title, const QStringList& lines) override;
    void Inform(QWidget* parent, const QString& title, const QStringList& lines) override;
    Answer Confirm(QWidget* parent, const QString& title, const QStringList& lines) override;
    Answer AskYesNoCancel(QWidget* parent, const QString& title, const QStringList& lines) override;
    Answer ConfirmAction(QWidget* parent, const QString& title, const QStringList& lines,
                         const QString& action) override;
    int Choose(QWidget* parent, const QString& title, const QStringList& lines, const QStringList& choices,
               int byDefault) override;
    void Warn(QWidget* parent, const QString& title, const QStringList& lines) override;
    void ErrorWithDetail(QWidget* parent, const QString& title, const QStringList& lines,
                         const QString& detail) override;
    void ShowFileLocation(QWidget* parent, const QString& title, const QStringList& lines,
                          const QString& path) override;
    void DismissOpenBox() override;

private:
    // Shows the box until it is answered; the button it was closed with.
    QAbstractButton* Show(QMessageBox& box);
    // Open Folder of ShowFileLocation: the desktop's file manager, or, when
    // none takes the folder, a box with its path to copy.
    static void OpenFolder(QWidget* parent, const QString& folder);

    QPointer<QMessageBox> open_;
};

// A process-wide MessageBoxPrompter for code that is given none.
Prompter& DefaultPrompter();

// The title of every error box (kErrorTitle).
QString ErrorTitle();

// The question a command that fills memory rows asks before it replaces used
// channels, named after command ("paste": "PASTE OK", "The paste replaces 2
// used channels."); true when there are none or the answer is OK.
bool ConfirmReplacingUsedChannels(Prompter& prompter, QWidget* parent, const QString& command, int used);

}  // namespace wrk7
