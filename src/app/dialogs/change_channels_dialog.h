#pragma once
#include <QDialog>
#include <vector>

#include "core/image.h"
#include "edit/bulk_change.h"

class QCheckBox;
class QPushButton;

namespace wrk7 {

class Prompter;

// Change Channels: every field of the channel editor but the frequency, each
// locked until the check box before it is checked. The controls start with
// the values of start (the first row selected); OK gives the checked fields
// only, and is enabled while any is checked. The model decides what is
// offered, as in the editor: an option it lacks cannot be picked, a code
// list it does not use cannot be checked. Each checked entry is held to the
// editor's rule for its field (ChangeFieldRefusal) when the user leaves its
// box and again on OK: a refused one is said in an error box and keeps the
// dialog open with the focus in that box, so OK never gives a value that
// every row would refuse.
class ChangeChannelsDialog : public QDialog {
    Q_OBJECT
public:
    // prompter: where the error boxes go; nullptr means real message boxes.
    ChangeChannelsDialog(QWidget* parent, int model, const SlotFields& start, int rows,
                         Prompter* prompter = nullptr);

    ChannelChange Change() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        int field;
        QCheckBox* check;
        QWidget* control;
    };
    QWidget* MakeControl(int field, int model, const SlotFields& start);
    // Says why the entry is refused and gives its box the focus; true when
    // it is accepted (or not checked).
    bool Check(const Entry& entry);
    void CheckLeftBox();
    void OnOk();

    int model_ = 0;
    Prompter* prompter_ = nullptr;
    std::vector<Entry> entries_;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QWidget* left_ = nullptr;  // the box the user left, checked once the move is over
    bool checking_ = false;    // an error box is up: its focus changes are no leaving
};

}  // namespace wrk7
