// What a screen reader finds in each window: every control a user can work
// has a name, and a grid cell comes with its row label and column heading.
#include <QAccessible>
#include <QAccessibleTableCellInterface>

#include "app/pages/find_bar.h"
#include "dialog_gallery.h"

namespace wrk7 {
namespace {

bool Interactive(QAccessible::Role role) {
    switch (role) {
        case QAccessible::PushButton: case QAccessible::CheckBox: case QAccessible::RadioButton:
        case QAccessible::ComboBox: case QAccessible::EditableText: case QAccessible::SpinBox:
        case QAccessible::Slider: case QAccessible::Table: case QAccessible::List: case QAccessible::PageTab:
        case QAccessible::ButtonMenu: case QAccessible::ButtonDropDown:
            return true;
        default:
            return false;
    }
}

// The controls under root, as "role objectName", that a screen reader would
// announce without a name. Cells and headers inside a table are its own.
void CollectUnnamed(QAccessibleInterface* node, QStringList& unnamed) {
    if (!node || node->state().invisible) return;
    // A list announces its value ("BUSY") as its name here; what it is for
    // must come from a label or a name of its own.
    const QString name = node->text(QAccessible::Name).trimmed();
    const auto* widget = qobject_cast<const QWidget*>(node->object());
    const bool valueOnly = node->role() == QAccessible::ComboBox && node->relations(QAccessible::Label).isEmpty() &&
                           (!widget || widget->accessibleName().isEmpty());
    if (Interactive(node->role()) && (name.isEmpty() || valueOnly)) {
        const QObject* o = node->object();
        unnamed << QStringLiteral("%1 %2").arg(node->role()).arg(o ? o->objectName() : QStringLiteral("?"));
    }
    if (node->role() == QAccessible::Table || node->role() == QAccessible::List) return;
    for (int i = 0; i < node->childCount(); ++i) CollectUnnamed(node->child(i), unnamed);
}

std::string Unnamed(QWidget* root) {
    QStringList unnamed;
    CollectUnnamed(QAccessible::queryAccessibleInterface(root), unnamed);
    return unnamed.join(QStringLiteral(", ")).toStdString();
}

class AccessibilityTest : public WindowTest {};

TEST_F(AccessibilityTest, EveryControlOfEveryWindowHasANameAndGridCellsTheirHeadings) {
    CheckEveryWindow(*window, Unnamed);
    window->Edits().Finder()->Open(FindBar::Mode::kFind);
    EXPECT_EQ(Unnamed(window->Edits().Finder()), "");

    // A cell of the memory grid comes with its row label and column heading.
    window->ClickTab(Page::kMemory);
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(window->Memory()->Grid());
    ASSERT_NE(grid, nullptr);
    ASSERT_NE(grid->tableInterface(), nullptr);
    QAccessibleInterface* cell = grid->tableInterface()->cellAt(1, 0);
    ASSERT_NE(cell, nullptr);
    QAccessibleTableCellInterface* place = cell->tableCellInterface();
    ASSERT_NE(place, nullptr);
    const QList<QAccessibleInterface*> rowHeading = place->rowHeaderCells();
    const QList<QAccessibleInterface*> columnHeading = place->columnHeaderCells();
    // Qt hands the heading cells over new; its cache keeps them from here.
    for (QAccessibleInterface* heading : rowHeading + columnHeading) QAccessible::registerAccessibleInterface(heading);
    ASSERT_EQ(rowHeading.size(), 1);
    ASSERT_EQ(columnHeading.size(), 1);
    EXPECT_EQ(rowHeading.front()->text(QAccessible::Name), "00-001");
    EXPECT_EQ(columnHeading.front()->text(QAccessible::Name), "Frequency");
}

}  // namespace
}  // namespace wrk7
