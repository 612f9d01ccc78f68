// Printing from the window: the Print Selection dialog, the File menu's
// printing commands and the toolbar button, against a fake printer so that
// every cancel path can be seen to print nothing.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "app/dlg_print.h"
#include "app/listing_print.h"
#include "app/main_window.h"
#include "app/printer_dialogs.h"
#include "files/rich_image.h"
#include "print/listing_painter.h"
#include "next_modal.h"
#include "recording_prompter.h"
#include "window_options.h"

namespace wrk7 {
namespace {

using testing::OnNextModal;

void MaybeScreenshot(QWidget* w, const QString& name) {
    const QString folder = qEnvironmentVariable("WRK7_SCREENSHOT_DIR");
    if (folder.isEmpty()) return;
    QCoreApplication::processEvents();
    w->grab().save(QDir(folder).filePath(name));
}

struct FakePrinter : PrinterDialogs {
    bool acceptPrinter = true;
    QString pdfFile;
    std::vector<QString> pdfSuggestions;
    QString previewFile;  // where the preview's pages are painted
    int printerDialogs = 0, pageSetups = 0, previews = 0;
    std::vector<print::ListingDocument> printed;

    bool ChoosePrinter(QWidget*, QPrinter&) override {
        ++printerDialogs;
        return acceptPrinter;
    }
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
    QString ChoosePdfFile(QWidget*, const QString& suggestion) override {
        pdfSuggestions.push_back(suggestion);
        return pdfFile;
    }
    int Print(QPrinter&, const print::ListingDocument& document) override {
        printed.push_back(document);
        return 1;
    }
};

// Answers the Print Selection dialog: the boxes to leave checked, then OK,
// or closes the window when ok is false.
void AnswerSelection(ListingSections keep, bool ok) {
    OnNextModal([keep, ok](QWidget* w) {
        auto* dialog = qobject_cast<DlgPrint*>(w);
        ASSERT_NE(dialog, nullptr);
        dialog->Select(0)->setChecked(keep.settings);
        dialog->Select(1)->setChecked(keep.vfo);
        dialog->Select(2)->setChecked(keep.memory);
        if (ok)
            QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
        else
            dialog->close();
    });
}

TEST(DlgPrintTest, OnlyOkAcceptsAndTheCheckMarksStay) {
    DlgPrint dialog;
    EXPECT_EQ(dialog.windowTitle(), "Print Selection");
    EXPECT_EQ(dialog.Select(0)->objectName(), "chkSelect0");
    EXPECT_EQ(dialog.Select(1)->text(), "VFO Data");
    EXPECT_EQ(dialog.Select(2)->text(), "Memory");
    EXPECT_EQ(dialog.OkButton()->objectName(), "OKButton");
    EXPECT_EQ(dialog.findChildren<QPushButton*>().size(), 1);  // no cancel button
    dialog.show();
    MaybeScreenshot(&dialog, QStringLiteral("print-selection.png"));
    dialog.hide();

    AnswerSelection({true, false, true}, true);
    const auto chosen = dialog.Ask();
    ASSERT_TRUE(chosen.has_value());
    EXPECT_TRUE(chosen->settings && !chosen->vfo && chosen->memory);
    EXPECT_TRUE(dialog.PrintAccepted());
    EXPECT_FALSE(dialog.isVisible());

    OnNextModal([](QWidget* w) { w->close(); });
    EXPECT_FALSE(dialog.Ask().has_value());
    EXPECT_FALSE(dialog.PrintAccepted());
    EXPECT_TRUE(dialog.Select(0)->isChecked());
    EXPECT_FALSE(dialog.Select(1)->isChecked());
}

class PrintFromWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        window = std::make_unique<MainWindow>(testing::TestWindowOptions(dir), &prompts);
        window->Image() = wrk7::testing::RichImage(0);
        auto owned = std::make_unique<FakePrinter>();
        fake = owned.get();
        fake->previewFile = dir.filePath(QStringLiteral("preview.pdf"));
        window->Printing()->SetDialogs(std::move(owned));
        window->show();
    }
    void TearDown() override {
        window->Image().Modified = false;
        window->close();
    }
    QAction* Act(const char* name) const { return window->Action(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    RecordingPrompter prompts;
    std::unique_ptr<MainWindow> window;
    FakePrinter* fake = nullptr;
};

TEST_F(PrintFromWindowTest, EveryCancelPathPrintsNothingAndOkPrintsTheChosenSections) {
    AnswerSelection({true, true, true}, false);  // selection closed
    Act("mnuPrint")->trigger();
    AnswerSelection({false, false, false}, true);  // nothing checked
    Act("mnuPrint")->trigger();
    EXPECT_EQ(fake->printerDialogs, 0);
    fake->acceptPrinter = false;  // printer dialog cancelled
    AnswerSelection({false, true, true}, true);
    Act("mnuPrint")->trigger();
    EXPECT_EQ(fake->printerDialogs, 1);
    EXPECT_TRUE(fake->printed.empty());
    EXPECT_TRUE(prompts.boxes.empty());

    fake->acceptPrinter = true;
    AnswerSelection({false, true, true}, true);
    window->findChild<QAction*>(QString::fromUtf8("tbr_印刷"))->trigger();
    ASSERT_EQ(fake->printed.size(), 1u);
    EXPECT_EQ(print::AllLines(fake->printed[0]), PrintListing(window->Image(), {false, true, true}));
}

TEST_F(PrintFromWindowTest, MenuAndToolbarOfferPrintingAndPageSetupIsKept) {
    QAction* print = Act("mnuPrint");
    EXPECT_EQ(print->text(), "Print(&P)...");
    EXPECT_EQ(print->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    auto* file = window->findChild<QMenu*>(QStringLiteral("mnuFile"));
    const QList<QAction*> items = file->actions();
    const qsizetype at = items.indexOf(Act("mnuPrintSetup"));
    ASSERT_GE(at, 0);
    EXPECT_EQ(items.mid(at, 4), (QList<QAction*>{Act("mnuPrintSetup"), print, Act("mnuPrintPreview"), Act("mnuExportPdf")}));
    EXPECT_EQ(Act("mnuPrintSetup")->text(), "Print Setup(&U)...");
    EXPECT_TRUE(Act("mnuPrintSetup")->isEnabled());

    const QList<QAction*> buttons = window->ToolBar()->actions();
    const qsizetype printAt = buttons.indexOf(window->findChild<QAction*>(QString::fromUtf8("tbr_印刷")));
    ASSERT_EQ(printAt, 3);  // after New, Open, Save
    EXPECT_EQ(buttons[printAt]->toolTip(), "Print");
    EXPECT_FALSE(buttons[printAt]->icon().isNull());
    EXPECT_TRUE(buttons[printAt + 1]->isSeparator());

    // The set-up's landscape stays for the next print.
    Act("mnuPrintSetup")->trigger();
    EXPECT_EQ(fake->pageSetups, 1);
    AnswerSelection({true, false, false}, true);
    print->trigger();
    EXPECT_EQ(window->Printing()->Printer().pageLayout().orientation(), QPageLayout::Landscape);
}

TEST_F(PrintFromWindowTest, PreviewAndPdfPrintTheSameDocument) {
    AnswerSelection({false, false, true}, true);
    Act("mnuPrintPreview")->trigger();
    EXPECT_EQ(fake->previews, 1);
    EXPECT_GT(QFile(fake->previewFile).size(), 1000);

    fake->pdfFile = dir.filePath(QStringLiteral("listing.pdf"));
    AnswerSelection({true, true, true}, true);
    Act("mnuExportPdf")->trigger();
    QFile pdf(fake->pdfFile);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF-"));
    EXPECT_TRUE(prompts.boxes.empty());

    fake->pdfFile = dir.filePath(QStringLiteral("no/such/dir/listing.pdf"));
    AnswerSelection({true, true, true}, true);
    Act("mnuExportPdf")->trigger();
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_EQ(prompts.errors[0].lines, QStringList{QStringLiteral("File Open Error")});

    fake->pdfFile.clear();  // the file dialog cancelled
    AnswerSelection({true, true, true}, true);
    Act("mnuExportPdf")->trigger();
    EXPECT_EQ(prompts.errors.size(), 1u);
}

TEST_F(PrintFromWindowTest, PdfExportSuggestsANameAndCompletesATypedOne) {
    fake->pdfFile = dir.filePath(QStringLiteral("mine"));
    AnswerSelection({true, false, false}, true);
    Act("mnuExportPdf")->trigger();
    ASSERT_EQ(fake->pdfSuggestions.size(), 1u);
    EXPECT_EQ(fake->pdfSuggestions[0], "WR-K7J.pdf");  // no clone file yet
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("mine.pdf"))));
    EXPECT_FALSE(QFile::exists(fake->pdfFile));
}

TEST(PrintPreviewTest, ThePlatformPreviewPaintsTheListing) {
    const CloneImage image = wrk7::testing::RichImage(0);
    const auto document = print::MakeListingDocument(image, {false, false, true}, QStringLiteral("rich.WK7"));
    QPrinter printer(QPrinter::HighResolution);
    int pages = 0;
    OnNextModal([&pages](QWidget* w) {
        auto* preview = w->findChild<QPrintPreviewWidget*>();
        ASSERT_NE(preview, nullptr);
        w->resize(900, 700);
        preview->fitToWidth();
        pages = preview->pageCount();
        MaybeScreenshot(w, QStringLiteral("print-preview.png"));
        w->close();
    });
    QtPrinterDialogs().Preview(nullptr, printer, [&document](QPrinter* p) {
        print::FitOrientation(document, *p);
        print::PaintListing(document, *p);
    });
    EXPECT_GE(pages, 1);
}

}  // namespace
}  // namespace wrk7
