#pragma once
#include <QKeySequence>
#include <QObject>
#include <QPageLayout>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "core/image.h"
#include "print/listing_document.h"

class QAction;
class QIcon;
class QPrinter;
class QWidget;

namespace wrk7 {

class PrintSelectionDialog;
class PrinterDialogs;
class Prompter;

// The File menu's printing commands, one action each: print the listing
// (PrintListing), preview it, save it as PDF, and set up the page. All of
// them start with the Print Selection dialog and print the same document;
// the printer and its page set-up are kept between uses.
class ListingPrint : public QObject {
    Q_OBJECT
public:
    ListingPrint(QWidget* window, const CloneImage& image, Prompter& prompter);
    ~ListingPrint() override;

    QAction* printSetup;
    QAction* printListing;
    QAction* printPreview;
    QAction* exportPdf;

    void PrintListing();
    void PrintPreview();
    void ExportPdf();
    void PrintSetup();

    PrintSelectionDialog* Selection() const { return selectionDialog_; }
    QPrinter& Printer() { return *printer_; }
    // Tests put a fake in place of the platform's dialogs.
    void SetDialogs(std::unique_ptr<PrinterDialogs> dialogs);
    // The name the footer shows (the current clone file).
    std::function<QString()> fileName;

signals:
    // A listing went into a file (Export PDF, or a print to a file).
    void wroteFile(const QString& path);

private:
    // The Print Selection step: the document, or nothing when the dialog was
    // closed or nothing is checked.
    std::optional<print::ListingDocument> ChooseDocument();
    QAction* Make(const char* name, const QString& caption, void (ListingPrint::*run)(), QKeySequence key = {});

    QWidget* window_;
    const CloneImage& image_;
    Prompter& prompter_;
    PrintSelectionDialog* selectionDialog_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<PrinterDialogs> dialogs_;
    QPageLayout::Orientation chosenOrientation_ = QPageLayout::Portrait;
};

// A printer for the toolbar: the theme's icon, or a drawn one.
QIcon PrinterIcon();

}  // namespace wrk7
