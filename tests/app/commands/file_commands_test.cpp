// The File menu's commands on a document and a selection, no main window:
// the names and types the file dialogs ask for, a CHIRP list's placement
// and report, a list's preview, Compare With, and a failed open. The files'
// bytes and the imports' rules are tested in tests/files and tests/lists.
#include "app/commands/file_commands.h"

#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>

#include "app/dialogs/compare_dialog.h"
#include "app/widgets/memory_row_box.h"
#include "app/dialogs/import_report_dialog.h"
#include "app/dialogs/list_import_dialog.h"
#include "app/dialogs/list_preview_model.h"
#include "app/document/clone_document.h"
#include "app/translation/string_table.h"
#include "files/clone_file.h"
#include "files/rich_image.h"
#include "files/text_file.h"
#include "chosen_rows.h"
#include "../put_channel.h"
#include "../recording_prompter.h"

namespace wrk7 {
namespace {

using Answer = Prompter::Answer;

class FileCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The dialog titles come from the captions, which the caption table puts in.
        for (QAction* a : {files.newFile, files.open, files.save, files.saveAs, files.importList, files.exportList,
                           files.compareWith})
            parent.addAction(a);
        ApplyResourceCaptions(&parent, StringTable());
        files.chooseFile = [this](QWidget*, const FileRequest& request) {
            requests.push_back(request);
            if (request.chosenFilter) *request.chosenFilter = nextFilter;
            return nextFile;
        };
    }
    // The dialog of type T a command opened without a modal loop.
    template <typename T>
    T* Shown() const {
        for (T* dialog : parent.findChildren<T*>())
            if (dialog->isVisible()) return dialog;
        return nullptr;
    }
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    void Put(int slot, double mhz, const char* name = "") {
        ASSERT_TRUE(document.Edit(QStringLiteral("setup"), [&](CloneImage& i) { PutChannel(i, slot, mhz, name); }));
    }
    std::string Name(int slot) const { return document.Image().memory.slot[slot].Text(kName); }

    QTemporaryDir dir;
    QWidget parent;
    CloneDocument document;
    ChosenRows chosen;
    RecordingPrompter prompts;
    FileCommands files{document, chosen, prompts, &parent};
    QString nextFile, nextFilter;
    std::vector<FileRequest> requests;
};

TEST_F(FileCommandsTest, SaveAndExportDialogsSuggestANameCompleteItAndTellTheType) {
    nextFile = Path("mine");
    files.saveAs->trigger();
    EXPECT_EQ(requests.at(0).title + "|" + requests[0].suggestion, "Save As|WR-K7J.WK7");  // no file yet: the model's name
    EXPECT_TRUE(requests[0].save);
    EXPECT_EQ(document.FileName(), Path("mine.WK7"));

    Put(7, 145.5);
    nextFilter = QStringLiteral("CHIRP CSV Files (*.csv)");
    files.exportList->trigger();
    EXPECT_EQ(requests.back().suggestion, Path("mine.csv"));
    EXPECT_EQ(QtFilter(requests.back().filter),
              "CSV Files (*.csv);;CHIRP CSV Files (*.csv);;gqrx Bookmarks (*.csv);;SDR# Frequency Manager (*.xml);;"
              "SDR++ Frequency Manager (*.json);;All Files (*.*)");
    EXPECT_TRUE(testing::ReadAll(Path("mine.csv")).startsWith("Location,Name,Frequency,"));
    nextFilter.clear();
    nextFile = Path("list.txt");  // an extension of its own is the user's choice; the first type is ours
    files.exportList->trigger();
    EXPECT_TRUE(testing::ReadAll(nextFile).startsWith("\"MODEL\""));
    nextFilter = QStringLiteral("SDR# Frequency Manager (*.xml)");  // the type chosen gives its extension
    nextFile = Path("bookmarks");
    files.exportList->trigger();
    EXPECT_TRUE(testing::ReadAll(Path("bookmarks.xml")).contains("<Frequency>145500000</Frequency>"));

    nextFile.clear();  // cancelled
    prompts.answers = {Answer::kNo};
    files.open->trigger();
    EXPECT_EQ(requests.back().title + "|" + requests.back().suggestion, "Open|" + dir.path());
    EXPECT_EQ(prompts.LastTitle() + "|" + prompts.boxes.back().lines.join("|"), "Save Changes|Save changes to the channels?|mine.WK7");
}

TEST_F(FileCommandsTest, TheSaveQuestionNamesWhatChangedAndARepairedFileOpensModified) {
    using Change = std::function<void(CloneImage&)>;
    const std::pair<Change, QString> cases[] = {
        {[](CloneImage& i) { i.vfo.bands[3].Set(kFreq, 80.0); }, "Save changes to settings?"},
        {[](CloneImage& i) { PutChannel(i, 3, 145.5); }, "Save changes to the channels?"},
        {[](CloneImage& i) { i.banks.counts[0] = 90, i.groups.members[1][0] = true; },
         "Save changes to the bank table and the scan groups?"},
        {[](CloneImage& i) { PutChannel(i, 3, 145.5), i.banks.counts[0] = 90, i.vfo.bands[3].Set(kFreq, 80.0); },
         "Save changes to the channels, the bank table and the settings?"},
    };
    for (const auto& [change, question] : cases) {
        document.New();
        ASSERT_TRUE(document.Edit(QStringLiteral("change"), change));
        EXPECT_EQ(files.SaveQuestion(), question);
    }
    ASSERT_TRUE(document.Save(Path("bad.WK7")).ok);
    std::vector<std::string> lines = CloneFileLines(document.Image());
    lines[19] = std::string(64, 'G');  // a channel record no reader takes
    ASSERT_TRUE(WriteFileAtomically(Path("bad.WK7"), JoinLinesCrLf(lines)));
    files.OpenFile(Path("bad.WK7"));
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(files.SaveQuestion(), "Save the repairs made when the file was opened?");
}

TEST_F(FileCommandsTest, AChirpListIsPreviewedAtItsLocationsOrFromARowAndReportedByLocation) {
    nextFile = QStringLiteral(WRK7_TEST_DATA_DIR "/chirp_current.csv");
    files.importList->trigger();
    auto* dialog = Shown<ListImportDialog>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->findChild<QRadioButton*>("opbTarget3")->isChecked());
    EXPECT_FALSE(dialog->findChild<QLineEdit*>("cbbFirstRow")->isEnabled());
    EXPECT_EQ(dialog->findChild<QLabel*>("lblImportSummary")->text().toStdString(), 
              "15 channels at their own Locations: 7 are left out: 1 digital, 3 sideband, 2 out of range, "
              "1 no channel at the Location");
    dialog->accept();
    auto* report = Shown<ImportReportDialog>();
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->Issues()->rowCount(), 16);
    // Beside the list's Location, the row a stored row went to; none for a skipped one.
    EXPECT_EQ(report->Issues()->horizontalHeaderItem(1)->text() + "|" + report->Issues()->horizontalHeaderItem(2)->text() +
                  "|" + report->Issues()->item(0, 2)->text() + "|" + report->Issues()->item(8, 2)->text(),
              "Location|Row|00-002|");
    report->accept();
    EXPECT_EQ(Name(2), "RPTR-U");
    EXPECT_EQ(document.UndoName(), "Import chirp_current.csv");
    // From a row, over a used channel: the summary says so before anything
    // changes, then the rows it filled are selected.
    Put(501, 145.5, "OLD");
    nextFile = QStringLiteral(WRK7_TEST_DATA_DIR "/chirp_legacy.csv");
    files.importList->trigger();
    dialog = Shown<ListImportDialog>();
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QRadioButton*>("opbTarget1")->click();
    // A text that names no memory row places nothing; a slot number is taken.
    auto* firstRow = dialog->findChild<QLineEdit*>("cbbFirstRow");
    firstRow->setText(QStringLiteral("0A"));
    EXPECT_FALSE(dialog->findChild<QPushButton*>("btnImport")->isEnabled());
    firstRow->setText(QStringLiteral("500"));
    EXPECT_EQ(dialog->findChild<QLabel*>("lblImportSummary")->text().toStdString(), 
              "3 channels from row 05-000: 1 replaces a used channel, 1 is left out: sideband");
    dialog->accept();
    EXPECT_NE(Shown<ImportReportDialog>(), nullptr);
    EXPECT_EQ(Name(500) + "|" + Name(502), "WX1|RPTR");
    EXPECT_EQ(chosen.rows, (std::vector<int>{501, 502, 503}));
}

TEST_F(FileCommandsTest, CompareWithListsTheDifferencesAndAsksForTheRowOfOne) {
    nextFile = Path("base.WK7");
    ASSERT_TRUE(files.SaveAs());
    Put(250, 433.5);
    ASSERT_TRUE(document.Edit(QStringLiteral("bell"), [](CloneImage& i) { i.settings.values.chkBell = !i.settings.values.chkBell; }));
    QSignalSpy rows(&files, &FileCommands::memorySlotRequested);
    files.compareWith->trigger();
    auto* compare = Shown<CompareDialog>();
    ASSERT_NE(compare, nullptr);
    QTableWidget* lines = compare->Lines();
    ASSERT_EQ(lines->rowCount(), 2);
    EXPECT_EQ(lines->item(0, 0)->text() + "|" + lines->item(1, 1)->text(), "Memory 02-050|Bell");
    emit lines->cellDoubleClicked(1, 0);  // a settings line names no row
    emit lines->cellDoubleClicked(0, 0);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows.at(0).at(0).toInt(), 250);
    compare->close();
}

TEST_F(FileCommandsTest, AFailedOpenNamesTheFileAndWhyAndKeepsTheImage) {
    Put(3, 145.5);
    ASSERT_TRUE(QFile(Path("notes.txt")).open(QIODevice::WriteOnly));
    prompts.answers = {Answer::kNo};  // the changes need no saving
    files.OpenFile(Path("notes.txt"));
    EXPECT_EQ(prompts.boxes.back().lines, QStringList{QStringLiteral("File Open Error")});
    EXPECT_EQ(prompts.boxes.back().detail,
              QDir::toNativeSeparators(Path("notes.txt")) + "\nit has 0 lines; a clone file has 2643");
    EXPECT_EQ(document.Image().memory.slot[3].Text(kFreq), "145.500000");
}

TEST_F(FileCommandsTest, AListWithoutSlotsIsPreviewedChosenPlacedAndReportedInOneStep) {
    Put(0, 150.0, "USED");
    const CloneImage before = document.Image();
    nextFile = QStringLiteral(WRK7_TEST_DATA_DIR "/lists/bookmarks.csv");
    files.importList->trigger();
    EXPECT_EQ(QtFilter(requests.back().filter), "Channel Lists (*.csv *.xml *.json);;CSV Files (*.csv);;All Files (*.*)");
    auto* dialog = Shown<ListImportDialog>();
    ASSERT_NE(dialog, nullptr);
    auto* summary = dialog->findChild<QLabel*>("lblImportSummary");
    EXPECT_EQ(summary->text(), "3 channels into empty slots from row 00-000: 1 is left out: sideband");
    EXPECT_EQ(dialog->Preview()->index(0, ListPreviewModel::kSlot).data().toString(), "00-001");
    // An imported row shows what it becomes, a row left out what it holds (its
    // frequency in MHz like the others, whatever unit the list wrote).
    auto cells = [dialog](int row) {
        QStringList texts;
        for (int column = ListPreviewModel::kFrequency; column <= ListPreviewModel::kName; ++column)
            texts << dialog->Preview()->index(row, column).data().toString();
        return texts.join('|');
    };
    EXPECT_EQ(cells(0), "118.100000|AM||TOWER");
    EXPECT_EQ(cells(3), "14.074000|USB||FT8");

    // Filtered to one mode, the shown rows are unchosen; then into a bank of its own.
    dialog->findChild<QComboBox*>("cbbFilterField")->setCurrentIndex(4);
    dialog->findChild<QLineEdit*>("txtFilter")->setText("fm");
    EXPECT_EQ(dialog->Filter()->rowCount(), 2);
    dialog->findChild<QPushButton*>("btnClearShown")->click();
    dialog->findChild<QRadioButton*>("opbTarget2")->click();
    dialog->findChild<QSpinBox*>("spnBank")->setValue(3);
    EXPECT_EQ(summary->text(), "1 channel into bank 3: 1 is left out: sideband");
    EXPECT_EQ(document.Image(), before);  // nothing changes before Import

    QSignalSpy shown(&files, &FileCommands::memorySlotRequested);  // the memory page, from any page
    dialog->accept();
    EXPECT_EQ(shown.size() == 1 ? shown.front().front().toInt() : -1, 300);
    EXPECT_EQ(Name(300), "TOWER");
    EXPECT_EQ(chosen.rows, (std::vector<int>{301}));
    auto* report = Shown<ImportReportDialog>();
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->Issues()->rowCount(), 1);  // the sideband row, by its line
    EXPECT_EQ(document.UndoName(), "Import bookmarks.csv");
    document.Undo();
    EXPECT_EQ(document.Image(), before);
}

}  // namespace
}  // namespace wrk7
