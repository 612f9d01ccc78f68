#pragma once
#include <QObject>

class QWidget;

namespace wrk7 {

class CloneDocument;
class FileCommands;
class Prompter;

// Files dropped on the window: one clone file opens (after the save
// question), one CSV file is imported. Anything else, or a drop while a
// transfer runs or a dialog is open over the window, is refused; several
// files at once are refused with a word why. What a drop leads to runs after
// the drop has ended, so the program the files came from is not kept
// waiting while a question or a message is open.
class FileDrops : public QObject {
    Q_OBJECT
public:
    FileDrops(QWidget* window, const CloneDocument& document, FileCommands& files, Prompter& prompter);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool TakesDrops() const;
    void Take(const QString& path);
    void RefuseMany(int count);

    QWidget* window_;
    const CloneDocument& document_;
    FileCommands& files_;
    Prompter& prompter_;
};

}  // namespace wrk7
