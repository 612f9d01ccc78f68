// The commands on many memory rows through the window: Change Channels with
// its dialog, Sort, Pack, Move by its keys and Find Duplicates with the find
// bar, each one named undo step that the selection follows.

#include "app/pages/find_bar.h"
#include "app/window/row_commands.h"
#include "window_fixture.h"

namespace wrk7 {
namespace {

class RowCommandsTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Change([](CloneImage& image) {
            Put(image, 0, 146.0, "B");
            Put(image, 2, 145.0, "A");
            Put(image, 3, 145.0, "C");
        });
        window->ClickTab(Page::kMemory);
        window->Memory()->Grid()->setFocus();
    }
    // The names of rows 1..5, "-" for an empty one.
    QString Names() const {
        QStringList names;
        for (int row = 1; row <= 5; ++row) names << (Cell(row).isEmpty() ? QStringLiteral("-") : Cell(row, kName));
        return names.join(QLatin1Char(' '));
    }
    std::vector<int> Selected() const { return window->Memory()->SelectedRows(); }
};

TEST_F(RowCommandsTest, ChangeChannelsChangesTheCheckedFieldsOfEveryRowAsOneStep) {
    window->Memory()->SelectRows(1, 4);
    ASSERT_TRUE(Act("mnuChangeChannels")->isEnabled());
    const auto watch = OnNextModal([this](QWidget* dialog) {
        EXPECT_FALSE(dialog->findChild<QCheckBox*>(QStringLiteral("chkSecret"))->isEnabled());  // no list on a WR-K7J
        auto* mode = dialog->findChild<QComboBox*>(QStringLiteral("cbbMode"));
        EXPECT_FALSE(mode->isEnabled());
        dialog->findChild<QCheckBox*>(QStringLiteral("chkMode"))->click();
        mode->setCurrentIndex(2);  // WFM
        dialog->findChild<QCheckBox*>(QStringLiteral("chkName"))->click();
        dialog->findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("TWR"));
        Shot("change-channels.png", dialog);
        dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    });
    Act("mnuChangeChannels")->trigger();
    EXPECT_EQ(Names() + " " + Cell(3, kMode), "TWR - TWR TWR - WFM");
    EXPECT_EQ(Act("mnuUndo")->text(), "&Undo Change 3 Channels");
    EXPECT_TRUE(prompts.boxes.empty());
    // An entry the editor would not take is said and keeps the dialog open,
    // the focus in its box, the other entries kept; the corrected one goes.
    const auto refuse = OnNextModal([this](QWidget* dialog) {
        dialog->findChild<QCheckBox*>(QStringLiteral("chkMode"))->click();
        dialog->findChild<QComboBox*>(QStringLiteral("cbbMode"))->setCurrentIndex(1);  // AM
        dialog->findChild<QCheckBox*>(QStringLiteral("chkOffset"))->click();
        auto* offset = dialog->findChild<QLineEdit*>(QStringLiteral("txtOffset"));
        offset->setText(QStringLiteral("150"));
        dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(dialog->focusWidget(), offset);
        EXPECT_EQ(prompts.boxes.size(), 1u);
        EXPECT_EQ(prompts.boxes.at(0).lines, QStringList{QStringLiteral("The offset frequency must be below 100 MHz.")});
        offset->setText(QStringLiteral("5"));
        dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        EXPECT_FALSE(dialog->isVisible());
    });
    Act("mnuChangeChannels")->trigger();
    EXPECT_EQ(Cell(3, kMode) + " " + Cell(3, kOffset), "AM 5.000000");
    prompts.boxes.clear();
    window->Edits().Rows()->ApplyChange(ChannelChange().Set(kOffset, 150));
    EXPECT_EQ(prompts.boxes.at(0).lines.first(), "3 of 3 rows were not changed:");
    EXPECT_EQ(Act("mnuUndo")->text(), "&Undo Change 3 Channels");
}

TEST_F(RowCommandsTest, SortPackAndMoveAreOneStepEachAndTheSelectionFollowsTheBlock) {
    // An action or a key on the grid, the rows selected first, and what follows.
    const struct { const char* command; int first, last; const char* names, *step; std::vector<int> selected; } cases[] = {
        {"mnuSortFrequency", 1, 4, "A C B - -", "Sort 4 Channels", {1, 2, 3, 4}},
        {"mnuSortNameDescending", 1, 5, "C B A - -", "Sort 5 Channels", {1, 2, 3, 4, 5}},
        {"mnuPack", 1, 4, "B A C - -", "Pack 4 Channels", {1, 2, 3, 4}},
        {"Alt+Down", 1, 2, "A B - C -", "Move 2 Channels Down", {2, 3}},
        {"Alt+Up", 3, 4, "B A C - -", "Move 2 Channels Up", {2, 3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        window->Memory()->SelectRows(c.first, c.last);
        if (QByteArray(c.command).startsWith("Alt")) {
            QTest::keyClick(window->Memory()->Grid(), c.command[4] == 'D' ? Qt::Key_Down : Qt::Key_Up, Qt::AltModifier);
        } else {
            Act(c.command)->trigger();
        }
        EXPECT_EQ(Names(), c.names);
        EXPECT_EQ(Doc().UndoName(), c.step);
        EXPECT_EQ(Selected(), c.selected);
        Doc().Undo();
        EXPECT_EQ(Names(), "B - A C -");
    }
    window->Memory()->SelectRows(1000, 1001);  // the last channel and the first program-scan edge
    EXPECT_FALSE(Act("mnuMoveUp")->isEnabled());
    Act("mnuSortFrequency")->trigger();
    EXPECT_EQ(prompts.boxes.at(0).lines.join("|"),
              "The selected rows are memory channels and program-scan edges: sort the rows of one area at a time.");
    EXPECT_EQ(Doc().UndoName(), "setup");
}

TEST_F(RowCommandsTest, FindDuplicatesSelectsThemAndTheFindBarStepsThroughThem) {
    Put(500, 145.0);
    QTest::keyClick(window->Memory()->Grid(), Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Selected(), (std::vector<int>{3, 4, 501}));
    EXPECT_EQ(window->StatusText()->FullText(), "1 group of duplicates (3 rows) is selected.");
    EXPECT_TRUE(window->Edits().Finder()->isVisible());
    for (int press = 0; press < 2; ++press) QTest::keyClick(window->Memory()->Grid(), Qt::Key_F3);
    EXPECT_EQ(window->Memory()->CurrentRow(), 501);  // listed rows only; the wrap: RowOrder in tests/edit
    EXPECT_EQ(Selected(), (std::vector<int>{3, 4, 501}));
}

}  // namespace
}  // namespace wrk7
