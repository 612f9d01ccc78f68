#pragma once
#include <QDialog>
#include <vector>

#include "core/image.h"
#include "edit/bulk_change.h"

class QCheckBox;
class QPushButton;

namespace wrk7 {

// Change Channels: every field of the channel editor but the frequency, each
// locked until the check box before it is checked. The controls start with
// the values of start (the first row selected); OK gives the checked fields
// only, and is enabled while any is checked. The model decides what is
// offered, as in the editor: an option it lacks cannot be picked, a code
// list it does not use cannot be checked.
class ChangeChannelsDialog : public QDialog {
    Q_OBJECT
public:
    ChangeChannelsDialog(QWidget* parent, int model, const SlotFields& start, int rows);

    ChannelChange Change() const;

private:
    struct Entry {
        int field;
        QCheckBox* check;
        QWidget* control;
    };
    QWidget* MakeControl(int field, int model, const SlotFields& start);

    std::vector<Entry> entries_;
    QPushButton* ok_ = nullptr;
};

}  // namespace wrk7
