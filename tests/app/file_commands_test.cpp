// The File menu's commands as the window offers them: the names and types
// the file dialogs ask for, the CHIRP list's placement and report, Compare
// With, Recent Files and files dropped on the window.

#include "app/dialogs/compare_dialog.h"
#include "app/dialogs/file_dialogs.h"
#include "app/dialogs/import_placement_dialog.h"
#include "app/dialogs/import_report_dialog.h"
#include "codecs/new_image.h"
#include "files/clone_file.h"
#include "files/csv.h"
#include "files/recent_files.h"
#include "window_fixture.h"

namespace wrk7 {
namespace {

class FileCommandsTest : public WindowTest {
protected:
    // The dialog of type T a command opened over the window without a modal loop.
    template <typename T>
    T* Shown() const {
        for (T* dialog : window->findChildren<T*>())
            if (dialog->isVisible()) return dialog;
        return nullptr;
    }
    // Drags path over the window and drops it there; true when it took the drag.
    bool Drop(const QString& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        return enter.isAccepted() && QApplication::sendEvent(window.get(), &drop);
    }
};

TEST_F(FileCommandsTest, SaveAndExportDialogsSuggestANameCompleteItAndTellTheType) {
    nextFile = Path("mine");
    ASSERT_TRUE(window->Files().SaveAs());
    EXPECT_EQ(requests.at(0).title + "|" + requests[0].suggestion, "Save As|WR-K7J.WK7");  // no file yet: the model's name
    EXPECT_TRUE(requests[0].save);
    EXPECT_EQ(window->windowTitle(), Title("mine.WK7"));

    Put(7, 145.5);
    nextFilter = QStringLiteral("CHIRP CSV Files (*.csv)");
    Act("mnuExport")->trigger();
    EXPECT_EQ(requests.back().suggestion, Path("mine.csv"));
    EXPECT_EQ(QtFilter(requests.back().filter), "CSV Files (*.csv);;CHIRP CSV Files (*.csv);;All Files (*.*)");
    const QByteArray chirp = testing::ReadAll(Path("mine.csv"));
    EXPECT_TRUE(chirp.startsWith("Location,Name,Frequency,") && chirp.contains("\r\n7,,145.500000,"));
    nextFilter.clear();
    nextFile = Path("list.txt");  // an extension of its own is the user's choice; the first type is ours
    window->Files().Export();
    EXPECT_TRUE(testing::ReadAll(nextFile).startsWith("\"MODEL\""));

    nextFile.clear();  // cancelled
    prompts.answers = {Answer::kNo};
    Act("mnuOpen")->trigger();
    EXPECT_EQ(requests.back().title + "|" + requests.back().suggestion, "Open|" + dir.path());
}

TEST_F(FileCommandsTest, AChirpListIsPlacedAtItsLocationsOrFromARowAndReported) {
    nextFile = QStringLiteral(WRK7_TEST_DATA_DIR "/chirp_current.csv");
    Act("mnuImport")->trigger();
    ASSERT_NE(Shown<ImportPlacementDialog>(), nullptr);
    EXPECT_FALSE(Shown<ImportPlacementDialog>()->FirstRow()->isEnabled());
    Shown<ImportPlacementDialog>()->accept();
    auto* report = Shown<ImportReportDialog>();
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->Summary()->text(), "15 channels imported, 7 skipped");
    EXPECT_EQ(report->Issues()->rowCount(), 12);
    report->accept();
    EXPECT_EQ(Cell(3, kName), "RPTR-U");
    EXPECT_EQ(Act("mnuUndo")->text(), "&Undo Import chirp_current.csv");

    nextFile = QStringLiteral(WRK7_TEST_DATA_DIR "/chirp_legacy.csv");
    window->Files().Import();
    ImportPlacementDialog* place = Shown<ImportPlacementDialog>();
    ASSERT_NE(place, nullptr);
    place->FromRow()->click();
    place->FirstRow()->setCurrentIndex(500);
    place->accept();
    ASSERT_NE(Shown<ImportReportDialog>(), nullptr);
    EXPECT_EQ(Shown<ImportReportDialog>()->Summary()->text(), "3 channels imported, 1 skipped");
    EXPECT_EQ(QStringList({Cell(501, kName), Cell(503, kName)}), QStringList({"WX1", "RPTR"}));
}

TEST_F(FileCommandsTest, CompareWithListsTheDifferencesAndShowsTheRowOfOne) {
    nextFile = Path("base.WK7");
    ASSERT_TRUE(window->Files().SaveAs());
    Put(250, 433.5);
    Change([](CloneImage& image) { image.settings.values.chkBell = !image.settings.values.chkBell; });
    Act("mnuCompare")->trigger();
    auto* compare = Shown<CompareDialog>();
    ASSERT_NE(compare, nullptr);
    QTableWidget* lines = compare->Lines();
    ASSERT_EQ(lines->rowCount(), 2);
    EXPECT_EQ(lines->item(0, 0)->text() + "|" + lines->item(1, 1)->text(), "Memory 02-050|Bell");
    emit lines->cellDoubleClicked(1, 0);  // a settings line selects nothing
    EXPECT_EQ(window->CurrentPage(), Page::kSettings1);
    emit lines->cellDoubleClicked(0, 0);
    EXPECT_EQ(window->CurrentPage(), Page::kMemory);
    EXPECT_EQ(window->Memory()->CurrentRow(), 251);
    compare->close();
}

TEST_F(FileCommandsTest, RecentFilesKeepTheLastEightAndDropAMissingOneWithAWord) {
    QStringList saved;
    for (int i = 1; i <= kRecentFileCount + 1; ++i) {
        nextFile = dir.filePath(QStringLiteral("list%1.WK7").arg(i));
        ASSERT_TRUE(window->Files().SaveAs());
        saved.prepend(QFileInfo(nextFile).absoluteFilePath());
    }
    saved.removeLast();
    CloseWithoutSaving(*window);
    window = MakeWindow(Options());  // the next run finds the same list
    EXPECT_EQ(window->Recent().Files(), saved);
    QMenu* menu = window->Recent().Menu();
    ASSERT_EQ(menu->actions().size(), kRecentFileCount);
    EXPECT_TRUE(menu->actions()[0]->text().startsWith(QStringLiteral("&1 list9.WK7")));

    QFile::remove(saved[1]);
    menu->actions()[1]->trigger();
    EXPECT_EQ(prompts.LastTitle(), "Recent Files");
    EXPECT_TRUE(prompts.boxes.back().lines.first().contains(QStringLiteral("list8.WK7")));
    EXPECT_FALSE(window->Recent().Files().contains(saved[1]));
    Put(0, 145.5);
    prompts.answers = {Answer::kNo};
    menu->actions()[1]->trigger();  // now list7, after the save question
    EXPECT_EQ(prompts.LastTitle(), "Save Changes");
    EXPECT_EQ(window->windowTitle(), Title("list7.WK7"));
    EXPECT_EQ(window->Recent().Files().front(), saved[2]);
}

TEST_F(FileCommandsTest, ADroppedCloneFileOpensAndACsvFileIsImportedButNotUnderADialog) {
    CloneImage image;
    NewCloneImage(image);
    Put(image, 0, 433.5);
    ASSERT_TRUE(SaveCloneFile(image, Path("dropped.WK7")).ok);
    image.memory.slot[0].Set(kFreq, 145.75);
    ASSERT_TRUE(ExportCsv(image, Path("dropped.csv")).ok);
    EXPECT_FALSE(Drop(Path("notes.txt")));
    Put(5, 120.0);
    prompts.answers = {Answer::kNo};
    ASSERT_TRUE(Drop(Path("dropped.WK7")));
    EXPECT_EQ(prompts.LastTitle(), "Save Changes");
    EXPECT_EQ(window->windowTitle(), Title("dropped.WK7"));
    EXPECT_EQ(Cell(1), "433.500000");
    {
        QDialog question(window.get());  // works on the image as it is
        question.setModal(true);
        question.show();
        EXPECT_FALSE(Drop(Path("dropped.csv")));
    }
    ASSERT_TRUE(Drop(Path("dropped.csv")));
    EXPECT_EQ(Cell(1), "145.750000");
}

}  // namespace
}  // namespace wrk7
