// Printing from the window: the Print Selection dialog, the File menu's
// printing commands and the toolbar button, against a fake printer so that
// every cancel path can be seen to print nothing.
#include <QPrinter>

#include "app/dialogs/dlg_print.h"
#include "app/dialogs/listing_print.h"
#include "app/dialogs/printer_dialogs.h"
#include "print/listing_painter.h"
#include "window_fixture.h"

namespace wrk7 {
namespace {

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
        window->Printing()->SetDialogs(std::move(owned));
    }
    // Answers the Print Selection dialog that the command about to run opens:
    // the boxes to leave checked, then OK, or closes it when ok is false.
    void Run(const char* command, ListingSections keep, bool ok = true) {
        const auto watch = OnNextModal([keep, ok](QWidget* w) {
            auto* dialog = qobject_cast<DlgPrint*>(w);
            ASSERT_NE(dialog, nullptr);
            dialog->Select(0)->setChecked(keep.settings);
            dialog->Select(1)->setChecked(keep.vfo);
            dialog->Select(2)->setChecked(keep.memory);
            if (ok) {
                QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
            } else {
                dialog->close();
            }
        });
        Act(command)->trigger();
    }

    FakePrinter* fake = nullptr;
};

TEST_F(PrintTest, EveryCancelPathPrintsNothingAndOkPrintsTheChosenSections) {
    DlgPrint* selection = window->Printing()->Selection();
    EXPECT_EQ(selection->findChildren<QPushButton*>().size(), 1);  // closing it is the cancel
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
    EXPECT_EQ(window->ToolBar()->actions().indexOf(Act("tbr_印刷")), 3);  // after New, Open, Save
    Run("tbr_印刷", {false, true, true});
    EXPECT_EQ(window->Printing()->Printer().pageLayout().orientation(), QPageLayout::Landscape);
    ASSERT_EQ(fake->printed.size(), 1u);
    EXPECT_EQ(print::AllLines(fake->printed[0]), PrintListing(Doc().Image(), {false, true, true}));
    EXPECT_TRUE(prompts.boxes.empty());
}

TEST_F(PrintTest, PreviewAndPdfPrintTheListingAndThePdfFileIsNamedLikeTheOthers) {
    Run("mnuPrintPreview", {false, false, true});
    EXPECT_EQ(fake->previews, 1);
    EXPECT_GT(QFile(fake->previewFile).size(), 1000);

    fake->pdfFile = Path("listing");
    Run("mnuExportPdf", {true, true, true});
    EXPECT_EQ(fake->pdfSuggestions.back(), "WR-K7J.pdf");  // no clone file yet
    EXPECT_TRUE(testing::ReadAll(Path("listing.pdf")).startsWith("%PDF-"));
    EXPECT_TRUE(prompts.boxes.empty());

    fake->pdfFile = Path("no/such/dir/listing.pdf");
    Run("mnuExportPdf", {true, true, true});
    EXPECT_EQ(prompts.boxes.back().lines, QStringList{QStringLiteral("File Open Error")});
}

}  // namespace
}  // namespace wrk7
