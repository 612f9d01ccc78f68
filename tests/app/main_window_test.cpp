// The main window as a user works it: start-up state, page switching with
// the 1000-channel rule, the memory list's buttons, the model switch, files,
// and a read and write against the built-in emulator.
#include "app/main_window.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QMenu>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "app/bank_page.h"
#include "app/compare_dialog.h"
#include "app/import_placement_dialog.h"
#include "app/import_report_dialog.h"
#include "app/memory_page.h"
#include "app/memory_table_model.h"
#include "app/settings_pages.h"
#include "app/vfo_table_model.h"
#include "core/tables.h"
#include "emulator/emulator_port.h"
#include "files/rich_image.h"
#include "main_window_fixture.h"
#include "window_options.h"

namespace wrk7 {
namespace {

using Answer = Prompter::Answer;

TEST_F(MainWindowTest, StartsWithTheDefaultImageOnTheFirstPage) {
    EXPECT_EQ(window->windowTitle().toStdString(), "Untitled[*] \u2013 " + std::string(AppTitle));
    EXPECT_EQ(window->CurrentPage(), Page::kSettings1);
    EXPECT_FALSE(window->Image().Modified);
    EXPECT_EQ(window->Memory()->Model()->rowCount(), 1300);
    EXPECT_EQ(RowLabel(1), "00-000");
    EXPECT_EQ(RowLabel(100), "00-099");
    EXPECT_EQ(RowLabel(1001), "0A");
    EXPECT_EQ(RowLabel(1101), "S0");
    EXPECT_EQ(RowLabel(1300), "Pr99");
    auto* charge = window->findChild<QComboBox*>(QStringLiteral("cbbChargeTime"));
    ASSERT_NE(charge, nullptr);
    EXPECT_EQ(charge->currentText(), "12 hrs.");
    EXPECT_EQ(window->VfoModel()->rowCount(), 14);
    EXPECT_EQ(window->Bank()->TotalLabel()->text(), "1000");
    EXPECT_TRUE(prompts.boxes.empty());
    MaybeScreenshot(QStringLiteral("main-settings1.png"));
}

TEST_F(MainWindowTest, ModifyIsOfferedOnlyOnTheGridPages) {
    QAction* modify = window->Action(QStringLiteral("mnuModify"));
    ASSERT_NE(modify, nullptr);
    for (Page page : {Page::kSettings1, Page::kSettings2, Page::kMemory, Page::kBank}) {
        window->ClickTab(page);
        EXPECT_EQ(window->CurrentPage(), page);
        EXPECT_EQ(modify->isEnabled(), page == Page::kSettings1 || page == Page::kMemory)
            << static_cast<int>(page);
    }
    window->ClickTab(Page::kSettings2);
    MaybeScreenshot(QStringLiteral("main-settings2.png"));
    window->ClickTab(Page::kMemory);
    MaybeScreenshot(QStringLiteral("main-memory.png"));
    window->ClickTab(Page::kBank);
    MaybeScreenshot(QStringLiteral("main-bank.png"));
}

TEST_F(MainWindowTest, TheBankPageHoldsUntilTheCountsMakeAThousand) {
    window->ClickTab(Page::kBank);
    QLineEdit* bank0 = window->Bank()->CountBox(0);
    bank0->setFocus();
    bank0->selectAll();
    QTest::keyClicks(bank0, QStringLiteral("99"));
    window->ClickTab(Page::kMemory);
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_EQ(prompts.errors[0].title, "ERROR");
    EXPECT_EQ(prompts.errors[0].lines, QStringList{QStringLiteral("Total CH must be 1000")});
    EXPECT_EQ(window->CurrentPage(), Page::kBank);
    EXPECT_EQ(window->Bank()->TotalLabel()->text(), "999");

    // Bank 10 takes the missing channel; the memory grid then labels it.
    QLineEdit* bank10 = window->Bank()->CountBox(10);
    bank10->setFocus();
    bank10->selectAll();
    QTest::keyClicks(bank10, QStringLiteral("1"));
    window->ClickTab(Page::kMemory);
    EXPECT_EQ(prompts.errors.size(), 1u);
    EXPECT_EQ(window->CurrentPage(), Page::kMemory);
    EXPECT_EQ(RowLabel(100), "01-000");
    EXPECT_EQ(RowLabel(1000), "10-000");
    EXPECT_TRUE(window->Image().Modified);
}

TEST_F(MainWindowTest, MemoryButtonsConfirmAndCancelChangesNothing) {
    PutChannel(0, 145.5);
    PutChannel(1, 433.0);
    window->ClickTab(Page::kMemory);
    MemoryPage* page = window->Memory();
    page->SelectRow(1);
    window->Image().Modified = false;

    prompts.answers = {Answer::kCancel};
    page->Button("cmbDelete")->click();
    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(prompts.boxes[0].title, "DELETE OK");
    EXPECT_EQ(prompts.boxes[0].lines.size(), 2);
    EXPECT_EQ(Cell(1, 0), "145.500000");
    EXPECT_FALSE(window->Image().Modified);

    prompts.answers = {Answer::kOk};
    page->Button("cmbDelete")->click();
    EXPECT_EQ(Cell(1, 0), "433.000000");
    EXPECT_EQ(Cell(2, 0), "");
    EXPECT_TRUE(window->Image().Modified);

    // Insert opens an empty row and pushes the rest down.
    page->Button("cmbInsert")->click();
    EXPECT_EQ(Cell(1, 0), "");
    EXPECT_EQ(Cell(2, 0), "433.000000");

    // Clear All empties every slot but keeps the bank layout.
    window->Image().BankCount[0] = 90;
    window->Image().BankCount[1] = 110;
    prompts.answers = {Answer::kOk};
    page->Button("cmbClAll")->click();
    EXPECT_EQ(prompts.boxes.back().title, "CLEAR OK");
    EXPECT_EQ(Cell(2, 0), "");
    EXPECT_EQ(window->Image().BankCount[0], 90);
    EXPECT_EQ(window->Image().BankCount[1], 110);
}

TEST_F(MainWindowTest, ModelSwitchAsksToSaveAndResetsTheImage) {
    PutChannel(5, 145.5);
    window->Image().Modified = true;
    auto* k70t = window->findChild<QRadioButton*>(QStringLiteral("opbModel2"));
    ASSERT_NE(k70t, nullptr);

    prompts.answers = {Answer::kCancel};
    k70t->click();
    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(prompts.boxes[0].title, "Save Changes");
    EXPECT_EQ(window->Image().RegionIndex, 0);
    EXPECT_TRUE(window->findChild<QRadioButton*>(QStringLiteral("opbModel0"))->isChecked());
    EXPECT_EQ(Cell(6, 0), "145.500000");

    prompts.answers = {Answer::kNo};
    k70t->click();
    EXPECT_EQ(window->Image().RegionIndex, 2);
    EXPECT_TRUE(k70t->isChecked());
    EXPECT_EQ(Cell(6, 0), "");
    EXPECT_FALSE(window->Image().Modified);
}

TEST_F(MainWindowTest, SaveAndReopenKeepTheChannels) {
    PutChannel(0, 145.5);
    window->Image().Mem[0].SetText(kNote, "Repeater");
    nextFile = dir.filePath(QStringLiteral("list.WK7"));
    ASSERT_TRUE(window->SaveAs());
    EXPECT_TRUE(window->windowTitle().startsWith(QStringLiteral("list.WK7[*] \u2013 ")));
    EXPECT_FALSE(window->Image().Modified);

    window->close();
    window = MakeWindow(nextFile);
    EXPECT_TRUE(prompts.errors.empty());
    EXPECT_EQ(Cell(1, 0), "145.500000");
    EXPECT_EQ(window->Image().Mem[0].Text(kNote), "Repeater");
    EXPECT_FALSE(window->Image().Modified);
}

TEST_F(MainWindowTest, ABadStartupFileLeavesTheDefaultImage) {
    struct Case {
        QByteArray content;
        QString message;
    };
    const Case cases[] = {
        {QByteArray("not a clone file\r\n"), QStringLiteral("File Open Error")},  // too short
        {QByteArray("not a clone file\r\n").repeated(2643), QStringLiteral("Data Error")},
    };
    for (const Case& c : cases) {
        const QString bad = dir.filePath(QStringLiteral("bad.WK7"));
        QFile file(bad);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.content);
        file.close();
        window->close();
        prompts.errors.clear();
        window = MakeWindow(bad);
        ASSERT_EQ(prompts.errors.size(), 1u);
        EXPECT_EQ(prompts.errors[0].lines, QStringList{c.message});
        EXPECT_EQ(window->windowTitle().toStdString(), "Untitled[*] \u2013 " + std::string(AppTitle));
        EXPECT_FALSE(window->Image().Modified);
    }
}

TEST_F(MainWindowTest, ReadAllFromTheEmulatorFillsThePagesAndSavesABackup) {
    EXPECT_EQ(RunTransfer(false, link::Part::kAll), 0);
    ASSERT_FALSE(prompts.boxes.empty());
    EXPECT_EQ(prompts.boxes.back().kind, "inform");
    EXPECT_EQ(prompts.boxes.back().lines, QStringList{QStringLiteral("Successed!!")});
    EXPECT_EQ(window->CurrentPage(), Page::kMemory);
    EXPECT_FALSE(window->Progress()->isVisible());
    EXPECT_FALSE(window->CancelButton()->isVisible());
    EXPECT_NE(Cell(1, 0), "");
    EXPECT_TRUE(window->Image().Modified);
    EXPECT_EQ(QDir(dir.filePath(QStringLiteral("backups"))).entryList({QStringLiteral("*.WK7")}).size(), 1);
    MaybeScreenshot(QStringLiteral("main-memory-read.png"));

    // Writing it back is accepted by the receiver.
    window->ClickTab(Page::kSettings1);
    EXPECT_EQ(RunTransfer(true, link::Part::kAll), 0);
    EXPECT_EQ(prompts.boxes.back().lines, QStringList{QStringLiteral("Successed!!")});
}

TEST_F(MainWindowTest, TransfersRunOneAtATimeAndCancelEndsAsAFailure) {
    UseSlowReceiver(*window);
    QSignalSpy done(window.get(), &MainWindow::transferFinished);
    window->StartRead(link::Part::kAll);
    ASSERT_TRUE(window->Runner()->IsRunning());
    EXPECT_TRUE(window->CancelButton()->isVisible());
    QPushButton* read = window->Memory()->ReadButton();
    EXPECT_FALSE(read->isEnabledTo(window->Memory()));
    window->StartWrite(link::Part::kAll);  // ignored while the read runs
    if (!qEnvironmentVariableIsEmpty("WRK7_SCREENSHOT_DIR")) {
        QTest::qWait(1500);
        MaybeScreenshot(QStringLiteral("main-reading.png"));
    }
    window->CancelButton()->click();
    ASSERT_TRUE(done.wait(60000));
    EXPECT_EQ(done.size(), 1);
    EXPECT_NE(done.takeFirst().at(0).toInt(), 0);
    EXPECT_TRUE(read->isEnabledTo(window->Memory()));
    ASSERT_FALSE(prompts.errors.empty());
    EXPECT_EQ(prompts.errors.back().title, "ERROR");
}

TEST_F(MainWindowTest, ClosingDuringATransferAsksToCancelItThenAsksToSave) {
    UseSlowReceiver(*window);
    window->Image().Modified = true;
    window->StartRead(link::Part::kAll);
    ASSERT_TRUE(window->Runner()->IsRunning());
    prompts.answers = {Answer::kOk, Answer::kCancel};
    EXPECT_FALSE(window->close());
    EXPECT_FALSE(window->Runner()->IsRunning());
    ASSERT_EQ(prompts.boxes.size(), 2u);
    EXPECT_EQ(prompts.boxes[0].title, "CANCEL OK");
    EXPECT_EQ(prompts.boxes[1].title, "Save Changes");
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowTest, CountBoxesRefuseTooManyAndMoveWithTheKeys) {
    window->ClickTab(Page::kBank);
    BankPage* bank = window->Bank();
    QLineEdit* box = bank->CountBox(3);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("600"));
    QTest::keyClick(box, Qt::Key_Return);
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_EQ(prompts.errors[0].lines.size(), 2);
    EXPECT_EQ(window->Image().BankCount[3], 100);
    EXPECT_EQ(box->text(), "100");
    EXPECT_TRUE(bank->CountBox(4)->hasFocus());

    // Leading zeros are dropped; the total follows.
    QLineEdit* next = bank->CountBox(4);
    next->selectAll();
    QTest::keyClicks(next, QStringLiteral("0050"));
    QTest::keyClick(next, Qt::Key_Down);
    EXPECT_EQ(next->text(), "50");
    EXPECT_EQ(bank->TotalLabel()->text(), "950");

    // The arrows wrap around the fifty boxes.
    bank->CountBox(0)->setFocus();
    QTest::keyClick(bank->CountBox(0), Qt::Key_Up);
    EXPECT_TRUE(bank->CountBox(49)->hasFocus());
    QTest::keyClick(bank->CountBox(49), Qt::Key_Down);
    EXPECT_TRUE(bank->CountBox(0)->hasFocus());
}

TEST_F(MainWindowTest, OnlySomeSettingsMarkTheImageModified) {
    window->ClickTab(Page::kSettings2);
    auto* beep = window->findChild<QCheckBox*>(QStringLiteral("chkBeep"));
    auto* scan = window->findChild<QComboBox*>(QStringLiteral("cbbScan"));
    ASSERT_NE(beep, nullptr);
    ASSERT_NE(scan, nullptr);
    scan->setCurrentIndex(3);
    EXPECT_FALSE(window->Image().Modified);
    beep->click();
    EXPECT_TRUE(window->Image().Modified);
}

TEST_F(MainWindowTest, CloseAsksToSaveWhenModified) {
    nextFile = dir.filePath(QStringLiteral("closing.WK7"));
    PutChannel(0, 145.5);
    window->Image().Modified = true;

    prompts.answers = {Answer::kCancel};
    EXPECT_FALSE(window->close());
    EXPECT_EQ(prompts.boxes.back().title, "Save Changes");
    EXPECT_EQ(prompts.boxes.back().lines, QStringList{QStringLiteral("Save changes to settings?")});

    prompts.answers = {Answer::kNo};
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(QFile::exists(nextFile));

    window = MakeWindow(QString());
    PutChannel(0, 145.5);
    window->Image().Modified = true;
    prompts.answers = {Answer::kYes};
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(QFile::exists(nextFile));
    // The port number is kept for the next run.
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("WR-K7.ini"))));
}

TEST_F(MainWindowTest, AReceiverThatRefusesTheModelReportsARegionError) {
    emu::FaultPlan refuse;
    refuse.refuseId = true;
    window->Runner()->SetPortFactory([refuse] { return emu::MakeDemoEmulatorPort(0, refuse); });
    EXPECT_EQ(RunTransfer(false, link::Part::kAll), 4);
    ASSERT_FALSE(prompts.errors.empty());
    EXPECT_EQ(prompts.errors.back().lines, QStringList{QStringLiteral("Region Error")});
    EXPECT_EQ(Cell(1, 0), "");
    EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("backups"))).entryList({QStringLiteral("*.WK7")}).isEmpty());
}

TEST_F(MainWindowTest, JapaneseCaptionsComeFromTheStringTable) {
    MainWindow japanese(testing::TestWindowOptions(dir, UiLanguage::kJapanese), &prompts);
    auto* file = japanese.findChild<QMenu*>(QStringLiteral("mnuFile"));
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->title(), QString::fromUtf8("ﾌｧｲﾙ(&F)"));
    auto* english = window->findChild<QMenu*>(QStringLiteral("mnuFile"));
    EXPECT_EQ(english->title(), "File(&F)");
    japanese.show();
    japanese.ClickTab(Page::kMemory);
    MaybeScreenshot(QStringLiteral("main-japanese.png"), &japanese);
    japanese.Image().Modified = false;
}

TEST_F(MainWindowTest, ListButtonsKeepToTheFirstTwoHundredSlots) {
    PutChannel(199, 145.5);
    PutChannel(200, 433.0);
    window->ClickTab(Page::kMemory);
    MemoryPage* page = window->Memory();

    // Row 201 is outside the window: Delete does not even ask.
    page->SelectRow(201);
    page->Button("cmbDelete")->click();
    EXPECT_TRUE(prompts.boxes.empty());
    EXPECT_EQ(Cell(201, 0), "433.000000");

    // Insert on row 200 drops slot 199 off the end of the window; row 201 stays.
    page->SelectRow(200);
    page->Button("cmbInsert")->click();
    EXPECT_EQ(Cell(200, 0), "");
    EXPECT_EQ(Cell(201, 0), "433.000000");

    // Disabling a channel discards it; Enable cannot bring it back.
    page->SelectRow(201);
    page->Button("cmbDisable")->click();
    EXPECT_FALSE(window->Image().ChannelEnable[200]);
    EXPECT_EQ(Cell(201, 0), "");
    page->Button("cmbEnable")->click();
    EXPECT_FALSE(window->Image().ChannelEnable[200]);
    EXPECT_EQ(Cell(201, 0), "");
}

TEST_F(MainWindowTest, UpAndDownStopAtTheEnds) {
    window->ClickTab(Page::kMemory);
    MemoryPage* page = window->Memory();
    page->SelectRow(1);
    page->Button("Command5")->click();
    EXPECT_EQ(page->CurrentRow(), 1);
    EXPECT_EQ(page->TopRow(), 1);
    page->Button("Command4")->click();
    EXPECT_EQ(page->CurrentRow(), 2);

    page->SelectRow(1300);
    page->Button("Command4")->click();
    EXPECT_EQ(page->CurrentRow(), 1300);
    // The grid shows more than 13 rows, so it cannot scroll as far as the
    // 13-row window asks; the last row is in view either way.
    const int lastTop = page->Grid()->verticalScrollBar()->maximum() + 1;
    EXPECT_EQ(page->TopRow(), std::min(1300 - (MemoryPage::kScrollWindowRows - 1), lastTop));
    page->Button("Command5")->click();
    EXPECT_EQ(page->CurrentRow(), 1299);
}

// CHIRP lists in and out, and the compare window.
template <typename T>
T* WaitForChild(QWidget* parent, const char* name) {
    T* child = nullptr;
    for (int i = 0; i < 100 && !(child = parent->findChild<T*>(QString::fromLatin1(name))); ++i) QTest::qWait(10);
    return child;
}

TEST_F(MainWindowTest, ImportsAChirpListAtItsLocationsOrFromARow) {
    const QString name3 = Cell(3, 10);
    const QString name501 = Cell(501, 10);
    nextFile = QStringLiteral(WRK7_TEST_DATA_DIR "/chirp_current.csv");
    window->Import();
    auto* place = WaitForChild<ImportPlacementDialog>(window.get(), "dlgImportPlace");
    ASSERT_NE(place, nullptr);
    EXPECT_FALSE(place->FirstRow()->isEnabled());
    place->accept();
    auto* report = WaitForChild<ImportReportDialog>(window.get(), "dlgImportReport");
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->Summary()->text(), "15 channels imported, 7 skipped");
    ASSERT_EQ(report->Issues()->rowCount(), 12);
    EXPECT_EQ(report->Issues()->item(11, 0)->text(), "25");
    EXPECT_EQ(report->Issues()->item(11, 1)->text(), "1000");
    EXPECT_EQ(report->Issues()->item(11, 2)->text(), "Location 1000 is outside 0-999");
    MaybeScreenshot(QStringLiteral("import-report.png"), report);
    report->accept();
    EXPECT_EQ(Cell(3, 10), "RPTR-U");
    EXPECT_TRUE(window->Image().Modified);
    EXPECT_EQ(window->windowTitle().toStdString(), "Untitled[*] \u2013 " + std::string(AppTitle));
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_EQ(window->Action(QStringLiteral("mnuUndo"))->text(), "&Undo Import chirp_current.csv");

    QCoreApplication::processEvents();
    nextFile = QStringLiteral(WRK7_TEST_DATA_DIR "/chirp_legacy.csv");
    window->Import();
    place = WaitForChild<ImportPlacementDialog>(window.get(), "dlgImportPlace");
    ASSERT_NE(place, nullptr);
    place->FromRow()->click();
    place->FirstRow()->setCurrentIndex(500);
    MaybeScreenshot(QStringLiteral("import-place.png"), place);
    place->accept();
    report = WaitForChild<ImportReportDialog>(window.get(), "dlgImportReport");
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->Summary()->text(), "3 channels imported, 1 skipped");
    report->accept();
    EXPECT_EQ(Cell(501, 10), "WX1");
    EXPECT_EQ(Cell(503, 10), "RPTR");

    // Each list is one step.
    window->Undo();
    EXPECT_EQ(Cell(501, 10), name501);
    EXPECT_EQ(Cell(3, 10), "RPTR-U");
    window->Undo();
    EXPECT_EQ(Cell(3, 10), name3);
    EXPECT_FALSE(window->isWindowModified());
}

TEST_F(MainWindowTest, ExportWritesTheChosenType) {
    PutChannel(7, 145.5);
    nextFile = dir.filePath(QStringLiteral("chirp"));
    nextFilter = QStringLiteral("CHIRP CSV Files (*.csv)");
    window->Export();
    ASSERT_FALSE(requests.empty());
    EXPECT_EQ(QtFilter(requests.back().filter), "CSV Files (*.csv);;CHIRP CSV Files (*.csv);;All Files (*.*)");
    const QByteArray chirp = testing::ReadAll(dir.filePath(QStringLiteral("chirp.csv")));
    EXPECT_TRUE(chirp.startsWith("Location,Name,Frequency,"));
    EXPECT_TRUE(chirp.contains("\r\n7,,145.500000,"));
    nextFilter.clear();
    nextFile = dir.filePath(QStringLiteral("own.csv"));
    window->Export();
    EXPECT_TRUE(testing::ReadAll(nextFile).startsWith("\"MODEL\""));
}

TEST_F(MainWindowTest, CompareWithListsTheDifferencesAndFindsTheRow) {
    EXPECT_EQ(window->Action(QStringLiteral("mnuCompare"))->text(), "Compare With...");
    nextFile = dir.filePath(QStringLiteral("base.WK7"));
    ASSERT_TRUE(window->SaveAs());
    PutChannel(250, 433.5);
    window->Image().Settings.chkBell = !window->Image().Settings.chkBell;
    window->CompareWith();
    auto* compare = WaitForChild<CompareDialog>(window.get(), "dlgCompare");
    ASSERT_NE(compare, nullptr);
    QTableWidget* lines = compare->Lines();
    ASSERT_EQ(lines->rowCount(), 2);
    EXPECT_EQ(lines->item(0, 0)->text(), "Memory 02-050");
    EXPECT_EQ(lines->item(0, 1)->text(), "Channel");
    EXPECT_EQ(lines->item(0, 3)->text(), "empty");
    EXPECT_EQ(lines->item(1, 1)->text(), "Bell");
    MaybeScreenshot(QStringLiteral("compare.png"), compare);
    emit lines->cellDoubleClicked(1, 0);  // a settings line selects nothing
    EXPECT_EQ(window->CurrentPage(), Page::kSettings1);
    emit lines->cellDoubleClicked(0, 0);
    EXPECT_EQ(window->CurrentPage(), Page::kMemory);
    EXPECT_EQ(window->Memory()->CurrentRow(), 251);
    compare->close();

    nextFile = dir.filePath(QStringLiteral("missing.WK7"));
    window->CompareWith();
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_EQ(prompts.errors[0].lines, QStringList{QStringLiteral("File Open Error")});
}

}  // namespace
}  // namespace wrk7
