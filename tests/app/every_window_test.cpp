// What every window and dialog must do whatever it shows: a screen reader
// finds a name for every control a user can work (and a grid cell its row
// label and column heading), Tab alone goes round every control and stops
// only where the focus shows, and each opens whole within its screen; with
// the rule that fits a placement to the screens.
#include "app/dialogs/change_channels_dialog.h"
#include "app/dialogs/compare_dialog.h"
#include "app/dialogs/import_report_dialog.h"
#include "app/dialogs/print_selection_dialog.h"
#include "app/pages/find_bar.h"
#include "app/support/screen_fit.h"
#include "app/transfer/cable_test_dialog.h"
#include "app/transfer/port_doctor_dialog.h"
#include "app/transfer/com_dialog.h"
#include "app/transfer/restore_dialog.h"
#include "app/transfer/write_question.h"
#include "edit/bank.h"
#include "window_fixture.h"

namespace wrk7 {
namespace {

// Runs check on the window at each page, on one of each dialog the window
// opens and on the channel editor, each shown; what names the one checked.
void CheckEveryWindow(MainWindow& window, const std::function<std::string(QWidget*)>& check) {
    for (Page page : {Page::kSettings1, Page::kSettings2, Page::kMemory, Page::kBank}) {
        window.ClickTab(page);
        EXPECT_EQ(check(&window), "") << "page " << static_cast<int>(page);
    }
    const CloneImage& image = window.Document().Image();
    const std::unique_ptr<QWidget> dialogs[] = {
        std::make_unique<ComDialog>(),
        std::make_unique<PrintSelectionDialog>(),
        std::make_unique<CompareDialog>(std::vector<DiffLine>{{"00-001", "Frequency", "1", "2"}}, QStringLiteral("other.WK7")),
        std::make_unique<ImportReportDialog>(ListImportPlan{}, BuildRowLabels(image)),
        std::make_unique<WriteQuestion>(TransferPart::kAll, WriteChoice{}, 31),
        std::make_unique<RestoreDialog>(QStringLiteral("no-such-folder"), 0, DefaultPrompter()),
        std::make_unique<ChangeChannelsDialog>(nullptr, image.model, SlotFields{}, 2),
        std::make_unique<CableTestDialog>(QStringLiteral("emulator"), image.model, QString()),
        std::make_unique<PortDoctorDialog>(),
    };
    for (const auto& dialog : dialogs) {
        dialog->show();
        EXPECT_EQ(check(dialog.get()), "") << dialog->metaObject()->className();
        dialog->hide();
    }
    const auto editor = OnNextModal([&check](QWidget* w) {
        EXPECT_EQ(check(w), "") << "the channel editor";
        static_cast<QDialog*>(w)->reject();
    });
    window.Cmds().EditMemoryRow(1);
}

bool Interactive(QAccessible::Role role) {
    static const QList<QAccessible::Role> roles{
        QAccessible::PushButton, QAccessible::CheckBox, QAccessible::RadioButton, QAccessible::ComboBox,
        QAccessible::EditableText, QAccessible::SpinBox, QAccessible::Slider, QAccessible::Table, QAccessible::List,
        QAccessible::PageTab, QAccessible::ButtonMenu, QAccessible::ButtonDropDown};
    return roles.contains(role);
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

bool ShowsFocus(const QWidget* w) {
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSlider*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
           qobject_cast<const QTabBar*>(w) ||
           // A read-only text shows its caret only where the keys can select.
           (qobject_cast<const QTextEdit*>(w) &&
            (static_cast<const QTextEdit*>(w)->textInteractionFlags() & Qt::TextSelectableByKeyboard));
}

QString Name(const QWidget* w) {
    return QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') + w->objectName();
}

// What Tab misses in top (a control it never stops at) and where it stops
// for nothing (a place that shows no focus), once round from the focus.
std::string TabFaults(QWidget* top) {
    QApplication::setActiveWindow(top);
    if (!top->isAncestorOf(QApplication::focusWidget())) QTest::keyClick(top, Qt::Key_Tab);
    QSet<QWidget*> stops;
    QStringList faults;
    for (QWidget* w = QApplication::focusWidget(); w && !stops.contains(w) && stops.size() < 2000; w = QApplication::focusWidget()) {
        stops.insert(w);
        if (!ShowsFocus(w)) faults << QStringLiteral("stops at ") + Name(w);
        QTest::keyClick(w, Qt::Key_Tab);
    }
    for (QWidget* c : top->findChildren<QWidget*>()) {
        const auto* radio = qobject_cast<QRadioButton*>(c);
        // Tab enters a group of choices at the one chosen; the arrows move within.
        const bool tabStop = (c->focusPolicy() & Qt::TabFocus) && !c->focusProxy() && (!radio || radio->isChecked());
        if (tabStop && c->isVisibleTo(top) && c->isEnabled() && !stops.contains(c)) faults << QStringLiteral("misses ") + Name(c);
    }
    return faults.join(QStringLiteral(", ")).toStdString();
}

// On the one screen it overlaps most, else on the primary, a placement is
// moved and shrunk only as far as that screen needs.
TEST(PlaceOnScreens, AStoredPlacementComesBackOnTheScreenItOverlapsMostElseOnThePrimary) {
    const QList<QRect> one{{0, 30, 800, 470}};  // a panel above
    // The primary on the right of a second screen, a panel above each.
    const QList<QRect> two{{1280, 30, 1600, 970}, {0, 24, 1280, 1000}};
    const struct { const char* what; QList<QRect> screens; QRect stored, placed; } cases[] = {
        {"taller and wider", one, {0, 0, 787, 667}, {0, 30, 787, 470}},
        {"past the right and bottom", one, {700, 400, 300, 200}, {500, 300, 300, 200}},
        {"larger than all of it", one, {-10, -10, 5000, 5000}, {0, 30, 800, 470}},
        {"inside the second", two, {100, 100, 800, 600}, {100, 100, 800, 600}},
        {"mostly on the second", two, {600, 100, 800, 600}, {480, 100, 800, 600}},
        {"mostly on the primary", two, {1200, 100, 800, 600}, {1280, 100, 800, 600}},
        {"larger than the screen it is on", two, {1300, 0, 3000, 2000}, {1280, 30, 1600, 970}},
        {"off every screen", two, {-5000, 4000, 800, 600}, {1280, 400, 800, 600}},
    };
    for (const auto& c : cases) EXPECT_EQ(PlaceOnScreens(c.stored, c.screens, 0), c.placed) << c.what;
    EXPECT_EQ(PlaceOnScreens({-5000, 4000, 800, 600}, two, 1), QRect(0, 424, 800, 600));  // the other primary
    EXPECT_EQ(PlaceOnScreens({5, 5, 10, 10}, {}, 0), QRect(5, 5, 10, 10));  // no screen known: as it was
    // A title bar of 20 and borders of 2 stay on the screen; a window kept
    // tiny at another scale grows to its least useful size.
    const QMargins frame(2, 20, 2, 2);
    const struct { const char* what; QRect stored; QSize minimum; QRect placed; } framed[] = {
        {"title bar above the screen", {100, 10, 400, 300}, {}, {100, 50, 400, 300}},
        {"framed, as tall as the screen", {0, 30, 800, 470}, {}, {2, 50, 796, 448}},
        {"tiny", {100, 100, 40, 30}, {300, 200}, {100, 100, 300, 200}},
        {"tiny in the corner", {780, 480, 40, 30}, {300, 200}, {498, 298, 300, 200}},
        {"minimum beyond the screen", {0, 0, 40, 30}, {900, 900}, {2, 50, 796, 448}},
    };
    for (const auto& c : framed) EXPECT_EQ(PlaceOnScreens(c.stored, one, 0, frame, c.minimum), c.placed) << c.what;
}

// How w falls short of opening whole within its screen's free area.
std::string Misfit(QWidget* w) {
    const QRect free = w->screen()->availableGeometry();
    const QSize least = w->minimumSizeHint().expandedTo(w->minimumSize());
    QStringList faults;
    if (!free.contains(w->frameGeometry())) faults << QStringLiteral("lies beyond the screen");
    if (w->width() < least.width() || w->height() < least.height()) faults << QStringLiteral("is clipped");
    if (faults.isEmpty()) return {};
    return QStringLiteral("%1 %2x%3 on %4x%5: %6").arg(w->objectName()).arg(w->width()).arg(w->height())
        .arg(free.width()).arg(free.height()).arg(faults.join(QStringLiteral(", "))).toStdString();
}

using EveryWindowTest = WindowTest;

TEST_F(EveryWindowTest, EveryControlHasANameAndTabGoesRoundThemAll) {
    CheckEveryWindow(*window, [](QWidget* w) { return Unnamed(w) + TabFaults(w); });
    window->Edits().Finder()->Open(FindBar::Mode::kFind);
    EXPECT_EQ(Unnamed(window->Edits().Finder()), "");

    // A cell of the memory grid comes with its row label and column heading.
    ClickTab(Page::kMemory);
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(Memory(*window)->Grid());
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

// Run again on a 1600 x 1000 screen at scale 1.5 and 2 (the app_fit_* tests).
using ScreenFitTest = WindowTest;

TEST_F(ScreenFitTest, EveryWindowAndDialogOpensWholeWithinTheScreen) { CheckEveryWindow(*window, Misfit); }

}  // namespace
}  // namespace wrk7
