#pragma once
#include <QString>
#include <QStringList>

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
};

// The real thing: QMessageBox.
class MessageBoxPrompter : public Prompter {
public:
    void Error(QWidget* parent, const QString& title, const QStringList& lines) override;
    void Inform(QWidget* parent, const QString& title, const QStringList& lines) override;
    Answer Confirm(QWidget* parent, const QString& title, const QStringList& lines) override;
    Answer AskYesNoCancel(QWidget* parent, const QString& title, const QStringList& lines) override;
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
