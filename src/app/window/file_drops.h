#pragma once
#include <QObject>

class QWidget;

namespace wrk7 {

class CloneDocument;
class FileCommands;

// Files dropped on the window: one clone file opens (after the save
// question), one CSV file is imported. Anything else, or a drop while a
// transfer runs or a dialog is open over the window, is refused.
class FileDrops : public QObject {
    Q_OBJECT
public:
    FileDrops(QWidget* window, const CloneDocument& document, FileCommands& files);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool TakesDrops() const;

    const CloneDocument& document_;
    FileCommands& files_;
};

}  // namespace wrk7
