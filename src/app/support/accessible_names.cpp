#include "app/support/accessible_names.h"

#include <QLabel>

namespace wrk7 {

QLabel* LabelFor(QLabel* label, QWidget* control) {
    label->setBuddy(control);
    QString name = label->text();
    name.remove(QLatin1Char('&'));
    control->setAccessibleName(name);
    return label;
}

}  // namespace wrk7
