#pragma once
#include <QString>
#include <functional>
#include <string_view>

#include "print/listing_document.h"

class QPrinter;
class QWidget;

namespace wrk7 {

inline constexpr std::string_view kPdfFilter = "PDF Files (*.pdf)|*.pdf";

// The platform's printing dialogs and the printer, behind one interface so
// that tests answer them without a printer and can see what was printed.
class PrinterDialogs {
public:
    virtual ~PrinterDialogs() = default;
    // The printer dialog: true when the user chose to print.
    virtual bool ChoosePrinter(QWidget* parent, QPrinter& printer) = 0;
    // Paper, orientation and margins, kept in printer.
    virtual void PageSetup(QWidget* parent, QPrinter& printer) = 0;
    // The preview window; paint draws the pages whenever it asks.
    virtual void Preview(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter*)>& paint) = 0;
    // A save dialog for a PDF file, starting at suggestion; empty when cancelled.
    virtual QString ChoosePdfFile(QWidget* parent, const QString& suggestion) = 0;
    // Sends document to printer: the number of pages, 0 when it failed.
    virtual int Print(QPrinter& printer, const print::ListingDocument& document) = 0;
};

// QPrintDialog, QPageSetupDialog, QPrintPreviewDialog and QFileDialog.
class QtPrinterDialogs : public PrinterDialogs {
public:
    bool ChoosePrinter(QWidget* parent, QPrinter& printer) override;
    void PageSetup(QWidget* parent, QPrinter& printer) override;
    void Preview(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter*)>& paint) override;
    QString ChoosePdfFile(QWidget* parent, const QString& suggestion) override;
    int Print(QPrinter& printer, const print::ListingDocument& document) override;
};

}  // namespace wrk7
