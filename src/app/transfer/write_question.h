#pragma once
#include <QDialog>
#include <QString>

#include "core/memory_map.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace wrk7 {

// The answer to the question before a write.
struct WriteChoice {
    bool backUpFirst = true;  // a quick read into the backups folder before the write
    bool askAgain = true;     // false: "Do not ask again" was ticked
    bool verify = false;      // what the write sent read back and compared once it has ended
};

// Asked before the first write of a session: what the write replaces on the
// receiver, and whether to keep what the receiver holds first.
class WriteQuestion : public QDialog {
    Q_OBJECT
public:
    // checkSeconds: what reading this write back would add.
    WriteQuestion(TransferPart part, const WriteChoice& last, int checkSeconds, QWidget* parent = nullptr);

    WriteChoice Choice() const;
    QLabel* Text() const { return text_; }
    QCheckBox* BackUpFirst() const { return backUp_; }
    QCheckBox* DoNotAskAgain() const { return doNotAsk_; }
    QCheckBox* Verify() const { return verify_; }
    QPushButton* WriteButton() const { return write_; }

private:
    QLabel* text_ = nullptr;
    QCheckBox* backUp_ = nullptr;
    QCheckBox* doNotAsk_ = nullptr;
    QCheckBox* verify_ = nullptr;
    QPushButton* write_ = nullptr;
};

}  // namespace wrk7
