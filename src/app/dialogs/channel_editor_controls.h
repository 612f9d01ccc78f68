#pragma once
// Small control helpers shared by the channel editor's source files.
#include <QAbstractButton>
#include <QButtonGroup>
#include <QLineEdit>
#include <QString>
#include <string_view>

#include "core/hex.h"

namespace wrk7::channel_editor {

inline QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// An empty box or a lone "." reads as 0, which every range check refuses.
inline double BoxValue(const QLineEdit* box) { return ParseDecimal(box->text().toStdString()); }

// Checks button id of group; with no such button (-1, a code from a file
// the group has no button for) none is checked, so OK leaves the field alone.
// Tab enters the group at its checked button (at every button when none is
// checked). Qt arranges that only once a button of the group has had the
// focus, so the first Tab into a group whose choice came from a record
// would land on its first button.
inline void TabEntersAtChoice(QButtonGroup* group) {
    const QAbstractButton* checked = group->checkedButton();
    for (QAbstractButton* b : group->buttons())
        b->setFocusPolicy(!checked || b == checked ? Qt::StrongFocus : Qt::ClickFocus);
}

inline void Select(QButtonGroup* group, int id) {
    if (QAbstractButton* b = id >= 0 ? group->button(id) : nullptr) {
        b->setChecked(true);
    } else {
        group->setExclusive(false);
        for (QAbstractButton* each : group->buttons()) each->setChecked(false);
        group->setExclusive(true);
    }
    TabEntersAtChoice(group);
}

inline void EnableAll(QButtonGroup* group, bool on) {
    for (QAbstractButton* b : group->buttons()) b->setEnabled(on);
}

}  // namespace wrk7::channel_editor
