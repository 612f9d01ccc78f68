// What of the File menu only the window does: Recent Files and files dropped
// on it; and printing: the Print Selection dialog, the printing commands and
// the toolbar button, against a fake printer so that every cancel path can be
// seen to print nothing. The file commands themselves: tests/app/commands.
#include <QPrinter>

#include "app/dialogs/listing_print.h"
#include "app/dialogs/print_selection_dialog.h"
#include "app/dialogs/printer_dialogs.h"
#include "codecs/new_image.h"
#include "files/clone_file.h"
#include "lists/csv.h"
#include "print/listing_painter.h"
#include "window_fixture.h"

namespace wrk7 {
namespace {

class FileMenuTest : public WindowTest {
protected:
    // Drags paths over the window and drops them there; true when it took
    // the drop. What the drop leads to runs once the drop is over.
    bool Drop(const QStringList& paths) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        drop.ignore();
        const std::size_t boxes = prompts.boxes.size();
        QApplication::sendEvent(window.get(), &drop);
        EXPECT_EQ(prompts.boxes.size(), boxes) << "no box while the drop is on";
        QCoreApplication::processEvents();
        return drop.isAccepted();
    }
    bool Drop(const QString& path) { return Drop(QStringList{path}); }
};

// How many the list keeps, and in which order: RecentFiles in tests/files.
TEST_F(FileMenuTest, RecentFilesReachTheNextRunAndAMissingOneIsDroppedWithAWord) {
    QStringList saved;
    for (const char* name : {"list1.WK7", "list2.WK7", "list3.WK7"}) {
        ASSERT_TRUE(SaveAs(name));
        saved.prepend(QFileInfo(nextFile).absoluteFilePath());
    }
    Reopen();
    EXPECT_EQ(window->Recent().Files(), saved);
    QMenu* menu = window->Recent().Menu();
    ASSERT_EQ(menu->actions().size(), 3);
    EXPECT_TRUE(menu->actions()[0]->text().startsWith(QStringLiteral("&1 list3.WK7")));

    QFile::remove(saved[1]);
    menu->actions()[1]->trigger();
    EXPECT_EQ(prompts.LastTitle(), "Recent Files");
    EXPECT_TRUE(prompts.boxes.back().lines.first().contains(QStringLiteral("list2.WK7")));
    EXPECT_FALSE(window->Recent().Files().contains(saved[1]));
    Put(0, 145.5);
    prompts.answers = {Answer::kNo};
    menu->actions()[1]->trigger();  // now list1, after the save question
    EXPECT_EQ(prompts.LastTitle(), "Save Changes");
    EXPECT_EQ(window->windowTitle(), Title("list1.WK7"));
    EXPECT_EQ(window->Recent().Files().front(), saved[2]);
}

TEST_F(FileMenuTest, ADroppedCloneFileOpensAndAChannelListIsImportedButNotUnderADialog) {
    CloneImage image;
    NewCloneImage(image);
    PutChannel(image, 0, 433.5);
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
    EXPECT_FALSE(Drop({Path("dropped.csv"), Path("dropped.WK7")}));
    EXPECT_EQ(prompts.boxes.back().lines.front(), "2 files were dropped at once.");
    ASSERT_TRUE(Drop(Path("dropped.csv")));
    EXPECT_EQ(Cell(1), "145.750000");
    // An SDR program's bookmarks open the list import's preview.
    ASSERT_TRUE(Drop(QStringLiteral(WRK7_TEST_DATA_DIR "/lists/sdrpp.json")));
    EXPECT_NE(window->findChild<QDialog*>("dlgListImport"), nullptr);
}

struct FakePrinter : PrinterDialogs {
    bool acceptPrinter = true;
    QString pdfFile, previewFile;  // the preview's pages are painted into previewFile
    std::vector<QString> pdfSuggestions;
    int printerDialogs = 0, pageSetups = 0, previews = 0;
    std::vector<print::ListingDocument> printed;

    bool ChoosePrinter(QWidget*, QPrinter&) override { return ++printerDialogs, acceptPrinter; }
    void PageSetup(QWidget*, QPrinter& printer) override {
        ++pageSetups;
        printer.setPageOrientation(QPageLayout::Landscape);
    }
    void Preview(QWidget*, QPrinter&, const std::function<void(QPrinter*)>& paint) override {
        ++previews;
        QPrinter pages;
        pages.setOutputFormat(QPrinter::PdfFormat);
        pages.setOutputFileName(previewFile);
        paint(&pages);
    }
    QString ChoosePdfFile(QWidget*, const QString& suggestion) override { return pdfSuggestions.push_back(suggestion), pdfFile; }
    int Print(QPrinter&, const print::ListingDocument& document) override { return printed.push_back(document), 1; }
};

class PrintTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Change([](CloneImage& image) { image = testing::RichImage(0); });
        auto owned = std::make_unique<FakePrinter>();
        fake = owned.get();
        fake->previewFile = Path("preview.pdf");
        Printing(*window)->SetDialogs(std::move(owned));
    }
    // Answers the Print Selection dialog that the command about to run opens:
    // the boxes to leave checked, then OK, or Cancel when ok is false.
    void Run(const char* command, ListingSections keep, bool ok = true) {
        const auto watch = OnNextModal([keep, ok](QWidget* w) {
            auto* dialog = qobject_cast<PrintSelectionDialog*>(w);
            ASSERT_NE(dialog, nullptr);
            dialog->Select(0)->setChecked(keep.settings);
            dialog->Select(1)->setChecked(keep.vfo);
            dialog->Select(2)->setChecked(keep.memory);
            QTest::mouseClick(ok ? dialog->OkButton() : dialog->CancelButton(), Qt::LeftButton);
        });
        if (QAction* a = Act(command))
            a->trigger();
        else  // a tool bar button
            QTest::mouseClick(window->findChild<QToolButton*>(QString::fromUtf8(command)), Qt::LeftButton);
    }

    FakePrinter* fake = nullptr;
};

TEST_F(PrintTest, EveryCancelPathPrintsNothingOkPreviewAndPdfPrintTheChosenSections) {
    PrintSelectionDialog* selection = Printing(*window)->Selection();
    selection->show();
    Shot("print-selection.png", selection);
    selection->hide();
    Run("mnuPrint", {true, false, true}, false);
    Run("mnuPrint", {false, false, false});
    EXPECT_EQ(fake->printerDialogs, 0);
    fake->acceptPrinter = false;
    Run("mnuPrint", {false, true, true});
    EXPECT_EQ(fake->printerDialogs, 1);
    EXPECT_TRUE(fake->printed.empty());

    fake->acceptPrinter = true;
    Act("mnuPrintSetup")->trigger();  // landscape, kept for the next print
    EXPECT_EQ(fake->pageSetups, 1);
    EXPECT_EQ(ToolBar(*window)->actions().indexOf(Act("mnuPrint")), 3);  // after New, Open, Save
    Run("tbr_印刷", {false, true, true});
    EXPECT_EQ(Printing(*window)->Printer().pageLayout().orientation(), QPageLayout::Landscape);
    ASSERT_EQ(fake->printed.size(), 1u);
    EXPECT_EQ(print::AllLines(fake->printed[0]), PrintListing(Doc().Image(), {false, true, true}));
    Printing(*window)->Printer().setOutputFileName(Path("paper.pdf"));  // the printer dialog's "print to file"
    Run("mnuPrint", {true, false, false});
    EXPECT_EQ(StatusText(*window)->FullText(),
              QStringLiteral("Listing written to ") + QDir::toNativeSeparators(Path("paper.pdf")));

    // Preview and PDF print the listing; the PDF file is named like the others.
    Run("mnuPrintPreview", {false, false, true});
    EXPECT_EQ(fake->previews, 1);
    EXPECT_GT(QFile(fake->previewFile).size(), 1000);

    fake->pdfFile = Path("listing");
    Run("mnuExportPdf", {true, true, true});
    EXPECT_EQ(fake->pdfSuggestions.back(), "WR-K7J.pdf");  // no clone file yet
    EXPECT_TRUE(testing::ReadAll(Path("listing.pdf")).startsWith("%PDF-"));
    EXPECT_TRUE(prompts.boxes.empty());
    EXPECT_EQ(StatusText(*window)->FullText(),
              QStringLiteral("Listing written to ") + QDir::toNativeSeparators(Path("listing.pdf")));

    fake->pdfFile = Path("no/such/dir/listing.pdf");
    Run("mnuExportPdf", {true, true, true});
    EXPECT_EQ(prompts.boxes.back().lines, QStringList{QStringLiteral("File Open Error")});
}

}  // namespace
}  // namespace wrk7
