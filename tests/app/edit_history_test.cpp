// Undo and redo in the main window, and the memory grid's several-row
// selection: every kind of change taken back and done again gives the same
// clone file, the modified marker follows the saved state, and Clear, Enable
// and Disable act on every selected row.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>

#include <functional>

#include "app/bank_page.h"
#include "app/dlg_modify.h"
#include "app/image_history.h"
#include "codecs/new_image.h"
#include "files/clone_file.h"
#include "files/csv.h"
#include "main_window_fixture.h"

namespace wrk7 {
namespace {

using Answer = Prompter::Answer;

class EditHistoryTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        for (int slot : {0, 1, 2, 3, 150, 1000}) PutChannel(slot, 145 + slot * 0.0125);
        window->Image().Mem[1].SetText(kNote, "kept note");
        window->History()->Reset();
        window->Image().Modified = false;
    }

    // The whole clone file the image would be saved as.
    std::vector<std::string> File() const {
        CloneImage copy = window->Image();
        return CloneFileLines(copy);
    }
    QAction* UndoAction() const { return window->Action(QStringLiteral("mnuUndo")); }
    template <typename W>
    W* Find(const char* name) const {
        W* w = window->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // The editor opens modally; this types a frequency into it and presses OK.
    void ModifyWith(const QString& frequency) {
        QTimer::singleShot(0, window->Editor(), [this, frequency] {
            auto* box = window->Editor()->findChild<QLineEdit*>(QStringLiteral("txtFreq"));
            QTest::keyClicks(box, frequency);
            QTest::keyClick(box, Qt::Key_Return);
        });
        window->Modify();
    }
    void Click(const char* button) { window->Memory()->Button(button)->click(); }
};

TEST_F(EditHistoryTest, UndoThenRedoOfEachKindOfChangeGivesTheSameFile) {
    const QString csv = dir.filePath(QStringLiteral("list.csv"));
    {
        CloneImage other;
        NewCloneImage(other);
        other.Mem[7].Set(kFreq, 433.5);
        other.Mem[7].Set(kMode, 0);  // a CSV row needs a mode and a step
        other.Mem[7].Set(kStep, 0);
        other.ChannelEnable[7] = true;
        ASSERT_TRUE(ExportCsv(other, csv).ok);
    }
    struct Change {
        const char* what;
        QString step;  // the Undo command's caption
        std::function<void()> make;
    };
    // In an order that keeps each change visible: a button works only on
    // the page in front.
    const Change changes[] = {
        {"editor OK on a memory row", "&Undo Modify 00-001",
         [this] {
             window->ClickTab(Page::kMemory);
             window->Memory()->SelectRow(2);
             ModifyWith(QStringLiteral("146.52"));
         }},
        {"Clear on three rows", "&Undo Clear 3 Channels",
         [this] {
             window->Memory()->SelectRows(1, 3);
             prompts.answers = {Answer::kOk};
             Click("cmbClear");
         }},
        {"Delete", "&Undo Delete 00-000",
         [this] {
             window->Memory()->SelectRow(1);
             prompts.answers = {Answer::kOk};
             Click("cmbDelete");
         }},
        {"Insert", "&Undo Insert 00-001", [this] { window->Memory()->SelectRow(2); Click("cmbInsert"); }},
        {"Disable", "&Undo Disable 00-003", [this] { window->Memory()->SelectRow(4); Click("cmbDisable"); }},
        {"Clear All", "&Undo Clear All",
         [this] {
             prompts.answers = {Answer::kOk};
             Click("cmbClAll");
         }},
        {"CSV import", "&Undo Import list.csv", [this, csv] { window->ImportFile(csv); }},
        {"Disable All", "&Undo Disable All", [this] { Click("cmbDisAll"); }},
        {"editor OK on a VFO band", "&Undo Modify Band 2",
         [this] {
             window->ClickTab(Page::kSettings1);
             window->VfoGrid()->selectRow(2);
             ModifyWith(QStringLiteral("3.5"));
         }},
        {"slider", "&Undo Change AF volume level", [this] { Find<QSlider>("Slider1")->setValue(25); }},
        {"settings check box", "&Undo Change Beep",
         [this] {
             window->ClickTab(Page::kSettings2);
             Find<QCheckBox>("chkBeep")->click();
         }},
        {"settings option", "&Undo Change Lamp", [this] { Find<QRadioButton>("optLamp2")->click(); }},
        {"settings list", "&Undo Change Scan", [this] { Find<QComboBox>("cbbScan")->setCurrentIndex(4); }},
        {"Read All", "&Undo Read All", [this] { EXPECT_EQ(RunTransfer(false, link::Part::kAll), 0); }},
        {"bank count", "&Undo Change Bank 0",
         [this] {
             window->ClickTab(Page::kBank);
             // Typed, then left (the hidden editor still counts as the
             // active window here, so the focus cannot move for real).
             QLineEdit* box = window->Bank()->CountBox(0);
             box->setText(QStringLiteral("60"));
             QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
             QApplication::sendEvent(box, &leave);
         }},
        {"group check", "&Undo Add Bank 3 to GRP2", [this] { window->Bank()->GroupBox(2 * kBanks + 3)->click(); }},
    };
    const std::vector<std::string> initial = File();
    for (const Change& change : changes) {
        SCOPED_TRACE(change.what);
        const std::vector<std::string> before = File();
        change.make();
        const std::vector<std::string> after = File();
        ASSERT_NE(after, before);
        EXPECT_EQ(UndoAction()->text(), change.step);
        window->Undo();
        EXPECT_EQ(File(), before);
        window->Redo();
        EXPECT_EQ(File(), after);
    }

    // Everything back to the start, one step at a time.
    while (window->History()->CanUndo()) window->Undo();
    EXPECT_EQ(File(), initial);
}

TEST_F(EditHistoryTest, LinksAndRowLabelsComeBackWithTheBankCount) {
    window->ClickTab(Page::kBank);
    BankPage* bank = window->Bank();
    bank->LinkBox(4)->click();
    EXPECT_TRUE(window->Image().BankLink[4]);
    QLineEdit* box = bank->CountBox(4);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("0"));
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_FALSE(bank->LinkBox(4)->isChecked());

    // Bank 4's hundred channels go to bank 10; the memory grid follows.
    box = bank->CountBox(10);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("100"));
    QTest::keyClick(box, Qt::Key_Return);
    window->ClickTab(Page::kMemory);
    ASSERT_EQ(window->CurrentPage(), Page::kMemory);
    EXPECT_EQ(RowLabel(401), "05-000");

    // Undoing bank 10 leaves 900 channels: the bank page comes to the front.
    window->Undo();
    EXPECT_EQ(window->CurrentPage(), Page::kBank);
    EXPECT_EQ(bank->TotalLabel()->text(), "900");
    window->Undo();
    EXPECT_EQ(bank->CountBox(4)->text(), "100");
    EXPECT_TRUE(bank->LinkBox(4)->isChecked());
    EXPECT_EQ(RowLabel(401), "04-000");
    window->Undo();
    EXPECT_FALSE(bank->LinkBox(4)->isChecked());
    EXPECT_FALSE(window->History()->CanUndo());
}

TEST_F(EditHistoryTest, ModifiedAndTheTitleMarkerFollowTheSavedState) {
    const QString title = QStringLiteral("Untitled[*] \u2013 Korvan WR-K7/K70 Clone Utility");
    EXPECT_EQ(window->windowTitle(), title);
    EXPECT_FALSE(window->isWindowModified());
    window->ClickTab(Page::kSettings2);
    Find<QCheckBox>("chkBeep")->click();
    EXPECT_TRUE(window->Image().Modified);
    EXPECT_TRUE(window->isWindowModified());

    nextFile = dir.filePath(QStringLiteral("saved.WK7"));
    ASSERT_TRUE(window->SaveAs());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("saved.WK7[*] \u2013 Korvan WR-K7/K70 Clone Utility"));
    EXPECT_FALSE(window->isWindowModified());

    window->Undo();  // away from the saved state
    EXPECT_TRUE(window->Image().Modified);
    EXPECT_TRUE(window->isWindowModified());
    window->Redo();  // back to it
    EXPECT_FALSE(window->Image().Modified);
    EXPECT_FALSE(window->isWindowModified());

    // A list changes the settings without marking them; its step does not
    // mark either, and taking it back arrives at the saved state.
    Find<QComboBox>("cbbScan")->setCurrentIndex(3);
    EXPECT_FALSE(window->Image().Modified);
    window->Undo();
    EXPECT_FALSE(window->Image().Modified);
    EXPECT_EQ(Find<QComboBox>("cbbScan")->currentIndex(), 0);
    window->Undo();
    EXPECT_TRUE(window->isWindowModified());
}

TEST_F(EditHistoryTest, KeepsTheLastHundredStepsAndStartsAfreshOnNewOpenAndModelSwitch) {
    // A drag is one step.
    QSlider* squelch = Find<QSlider>("Slider2");
    for (int v = 1; v <= 9; ++v) squelch->setValue(v);
    EXPECT_EQ(window->History()->Count(), 1);
    window->ClickTab(Page::kSettings2);
    QCheckBox* beep = Find<QCheckBox>("chkBeep");
    const bool beepAtStart = beep->isChecked();
    for (int i = 0; i < ImageHistory::kStepLimit - 1; ++i) beep->click();
    EXPECT_EQ(window->History()->Count(), ImageHistory::kStepLimit);
    beep->click();  // the drag, the oldest step, goes
    EXPECT_EQ(window->History()->Count(), ImageHistory::kStepLimit);
    for (int i = 0; i < ImageHistory::kStepLimit; ++i) window->Undo();
    EXPECT_FALSE(window->History()->CanUndo());
    EXPECT_EQ(beep->isChecked(), beepAtStart);
    EXPECT_EQ(squelch->value(), 9);
    EXPECT_TRUE(window->Image().Modified);  // the saved state is out of reach

    nextFile = dir.filePath(QStringLiteral("fresh.WK7"));
    ASSERT_TRUE(window->SaveAs());
    beep->click();
    EXPECT_TRUE(window->History()->CanUndo());
    prompts.answers = {Answer::kNo};
    window->OpenFile(nextFile);
    EXPECT_FALSE(window->History()->CanUndo());
    beep->click();
    prompts.answers = {Answer::kNo};
    window->NewImage();
    EXPECT_FALSE(window->History()->CanUndo());
    window->ClickTab(Page::kSettings1);
    squelch->setValue(5);
    prompts.answers = {Answer::kNo};
    Find<QRadioButton>("opbModel1")->click();
    EXPECT_EQ(window->Image().RegionIndex, 1);
    EXPECT_FALSE(window->History()->CanUndo());
    EXPECT_FALSE(window->History()->CanRedo());
}

TEST_F(EditHistoryTest, ClearEnableAndDisableActOnEverySelectedRow) {
    window->ClickTab(Page::kMemory);
    MemoryPage* page = window->Memory();
    QTableView* grid = page->Grid();
    grid->setFocus();
    page->SelectRow(1);
    QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(page->SelectedRows(), (std::vector<int>{1, 2, 3}));
    MaybeScreenshot(QStringLiteral("memory-several-rows.png"));

    // Disable empties the rows it disables: one question for the lot first.
    prompts.answers = {Answer::kCancel};
    page->Button("cmbDisable")->click();
    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(prompts.boxes[0].title, "DISABLE OK");
    EXPECT_EQ(prompts.boxes[0].lines, (QStringList{QStringLiteral("3 rows are selected."),
                                                   QStringLiteral("Are you sure that you want to disable them?")}));
    EXPECT_EQ(Cell(1, 0), "145.000000");
    prompts.boxes.clear();
    prompts.answers = {Answer::kOk};
    page->Button("cmbDisable")->click();
    for (int row : {1, 2, 3}) EXPECT_EQ(Cell(row, 0), "") << row;
    EXPECT_EQ(Cell(4, 0), "145.037500");
    window->Undo();
    EXPECT_EQ(Cell(2, 0), "145.012500");
    EXPECT_EQ(page->SelectedRows(), (std::vector<int>{1, 2, 3}));

    // One confirmation for the lot, saying how many.
    prompts.boxes.clear();
    prompts.answers = {Answer::kCancel};
    page->Button("cmbClear")->click();
    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(prompts.boxes[0].title, "CLEAR OK");
    EXPECT_EQ(prompts.boxes[0].lines,
              (QStringList{QStringLiteral("Clear cannot be undone."),
                           QStringLiteral("Are you sure that you want to do the clear?"),
                           QStringLiteral("3 rows are selected.")}));
    EXPECT_EQ(Cell(1, 0), "145.000000");

    // Delete keeps to the current row, the last one the selection reached.
    prompts.answers = {Answer::kOk};
    page->Button("cmbDelete")->click();
    EXPECT_EQ(Cell(2, 0), "145.012500");
    EXPECT_EQ(Cell(3, 0), "145.037500");
    EXPECT_EQ(page->SelectedRows(), std::vector<int>{3});

    // Ctrl+A, then Enable: slots without a frequency stay disabled.
    window->Image().ChannelEnable[1000] = false;
    QTest::keyClick(grid, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(page->SelectedRows().size(), static_cast<std::size_t>(kSlotCount));
    prompts.answers = {Answer::kOk};
    page->Button("cmbEnable")->click();
    EXPECT_EQ(prompts.boxes.back().title, "ENABLE OK");
    EXPECT_TRUE(window->Image().ChannelEnable[1000]);
    EXPECT_FALSE(window->Image().ChannelEnable[500]);
    EXPECT_EQ(UndoAction()->text(), "&Undo Enable 1300 Channels");
}

TEST_F(EditHistoryTest, CtrlZInABoxWithNothingOfItsOwnToTakeBackUndoesTheWindowsStep) {
    window->ClickTab(Page::kMemory);
    window->Memory()->SelectRow(1);
    prompts.answers = {Answer::kOk};
    Click("cmbClear");
    ASSERT_EQ(Cell(1, 0), "");

    window->ClickTab(Page::kBank);
    QLineEdit* box = window->Bank()->CountBox(0);
    box->setFocus();
    ASSERT_TRUE(box->hasFocus());
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Cell(1, 0), "145.000000");
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Cell(1, 0), "");

    // What the user typed in the box is the box's own to take back first.
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_5);
    EXPECT_EQ(box->text(), "1005");
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box->text(), "100");
    EXPECT_EQ(Cell(1, 0), "");
}

}  // namespace
}  // namespace wrk7
