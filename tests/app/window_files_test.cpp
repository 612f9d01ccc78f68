// The window around the image: its title, File > Recent Files, files
// dropped on it, its first size and the channel editor's place and range.
#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDialog>
#include <QDropEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QUrl>

#include "app/dlg_modify.h"
#include "codecs/new_image.h"
#include "files/clone_file.h"
#include "files/csv.h"
#include "files/recent_files.h"
#include "main_window_fixture.h"

namespace wrk7 {
namespace {

using Answer = Prompter::Answer;

class WindowFilesTest : public MainWindowTest {
protected:
    // A clone file (or CSV file) holding one channel in slot 0.
    QString MakeFile(const QString& name, double mhz) {
        CloneImage image;
        NewCloneImage(image);
        image.Mem[0].Set(kFreq, mhz);
        image.Mem[0].Set(kMode, 0);  // a CSV row needs a mode and a step
        image.Mem[0].Set(kStep, 0);
        image.ChannelEnable[0] = true;
        const QString path = dir.filePath(name);
        const bool ok = name.endsWith(QStringLiteral(".csv")) ? ExportCsv(image, path).ok
                                                              : SaveCloneFile(image, path).ok;
        EXPECT_TRUE(ok) << name.toStdString();
        return path;
    }
    // Drags path over the window and drops it there; true when the window
    // took the drag.
    bool Drop(const QString& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &drop);
        return true;
    }
    QString Title(const QString& name) const {
        return name + QStringLiteral("[*] \u2013 Korvan WR-K7/K70 Clone Utility");
    }
    int ColumnsWidth(QTableView* grid) const {
        int total = 0;
        for (int c = 0; c < grid->horizontalHeader()->count(); ++c)
            if (!grid->isColumnHidden(c)) total += grid->columnWidth(c);
        return total;
    }
};

TEST_F(WindowFilesTest, RecentFilesKeepTheLastEightAndDropAMissingOneWithAWord) {
    QStringList saved;
    for (int i = 1; i <= 9; ++i) {
        nextFile = dir.filePath(QStringLiteral("list%1.WK7").arg(i));
        ASSERT_TRUE(window->SaveAs());
        saved.prepend(QFileInfo(nextFile).absoluteFilePath());
    }
    saved.removeLast();
    EXPECT_EQ(window->RecentFiles(), saved);
    QAction* first = window->findChild<QAction*>(QStringLiteral("mnuRecent1"));
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->text().startsWith(QStringLiteral("&1 list9.WK7")));
    EXPECT_EQ(window->RecentFilesMenu()->actions().size(), kRecentFileCount);

    // The next run finds the same list.
    window->close();
    window = MakeWindow(QString());
    EXPECT_EQ(window->RecentFiles(), saved);

    // A file that has gone is taken off the list, with a word.
    QFile::remove(saved[1]);
    window->OpenRecentFile(saved[1]);
    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(prompts.boxes[0].title, "Recent Files");
    EXPECT_TRUE(prompts.boxes[0].lines.first().contains(QStringLiteral("list8.WK7")));
    EXPECT_FALSE(window->RecentFiles().contains(saved[1]));
    EXPECT_EQ(window->windowTitle(), Title(QStringLiteral("Untitled")));

    // One that is there opens, after the save question.
    window->Image().Modified = true;
    prompts.answers = {Answer::kNo};
    window->findChild<QAction*>(QStringLiteral("mnuRecent2"))->trigger();  // list7
    EXPECT_EQ(prompts.boxes.back().title, "Save Changes");
    EXPECT_EQ(window->windowTitle(), Title(QStringLiteral("list7.WK7")));
    EXPECT_EQ(window->RecentFiles().front(), QFileInfo(dir.filePath(QStringLiteral("list7.WK7"))).absoluteFilePath());
}

TEST_F(WindowFilesTest, ADroppedCloneFileOpensAndADroppedCsvFileIsImported) {
    const QString clone = MakeFile(QStringLiteral("dropped.WK7"), 433.5);
    const QString csv = MakeFile(QStringLiteral("dropped.csv"), 145.75);
    const QString other = dir.filePath(QStringLiteral("notes.txt"));
    EXPECT_FALSE(Drop(other));

    window->Image().Modified = true;
    prompts.answers = {Answer::kCancel};
    ASSERT_TRUE(Drop(clone));
    EXPECT_EQ(prompts.boxes.back().title, "Save Changes");
    EXPECT_EQ(Cell(1, 0), "");  // cancelled: nothing opened

    prompts.answers = {Answer::kNo};
    ASSERT_TRUE(Drop(clone));
    EXPECT_EQ(Cell(1, 0), "433.500000");
    EXPECT_EQ(window->windowTitle(), Title(QStringLiteral("dropped.WK7")));
    EXPECT_FALSE(window->Image().Modified);

    // Not under a dialog that works on the image as it is.
    {
        QDialog question(window.get());
        question.setModal(true);
        question.show();
        EXPECT_FALSE(Drop(csv));
        EXPECT_EQ(Cell(1, 0), "433.500000");
    }

    ASSERT_TRUE(Drop(csv));
    EXPECT_EQ(Cell(1, 0), "145.750000");
    EXPECT_EQ(window->windowTitle(), Title(QStringLiteral("Untitled")));
    EXPECT_EQ(window->Action(QStringLiteral("mnuUndo"))->text(), "&Undo Import dropped.csv");
    // Undone, the image and its file come back together.
    window->Undo();
    EXPECT_EQ(Cell(1, 0), "433.500000");
    EXPECT_EQ(window->windowTitle(), Title(QStringLiteral("dropped.WK7")));
    window->Redo();
    EXPECT_EQ(Cell(1, 0), "145.750000");
    EXPECT_EQ(window->windowTitle(), Title(QStringLiteral("Untitled")));
}

TEST_F(WindowFilesTest, TheMemoryGridShowsEveryColumnAndColumnsFillAWiderWindow) {
    window->ClickTab(Page::kMemory);
    QTableView* grid = window->Memory()->Grid();
    QCoreApplication::processEvents();
    EXPECT_EQ(grid->horizontalScrollBar()->maximum(), 0);
    EXPECT_LE(ColumnsWidth(grid), grid->viewport()->width());
    const int nameBefore = grid->columnWidth(kName);

    window->resize(window->width() + 200, window->height());
    QCoreApplication::processEvents();
    EXPECT_EQ(ColumnsWidth(grid), grid->viewport()->width());
    EXPECT_GT(grid->columnWidth(kName), nameBefore);
    EXPECT_GT(grid->columnWidth(kFreq), grid->columnWidth(kMode));
    MaybeScreenshot(QStringLiteral("main-memory-wide.png"));
}

TEST_F(WindowFilesTest, TheEditorOpensOnScreenAndShowsTheRangeItAccepts) {
    window->ClickTab(Page::kMemory);
    window->Memory()->SelectRow(5);
    QString range;
    QRect placed;
    QTimer::singleShot(0, window->Editor(), [&] {
        range = window->Editor()->findChild<QLabel*>(QStringLiteral("lblMHz"))->text();
        placed = window->Editor()->geometry();
        window->Editor()->reject();
    });
    window->Modify();
    EXPECT_EQ(range, "(0.1-1299.995MHz)");
    // Its contents at least: the offscreen platform adds a frame only after
    // the first show.
    EXPECT_TRUE(window->screen()->availableGeometry().contains(placed)) << placed.x() << "," << placed.y() << " " << placed.width() << "x" << placed.height();
}

}  // namespace
}  // namespace wrk7
