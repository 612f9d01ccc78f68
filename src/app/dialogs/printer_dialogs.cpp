#include "app/dialogs/printer_dialogs.h"

#include <QCoreApplication>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "app/dialogs/file_dialogs.h"
#include "print/listing_painter.h"

namespace wrk7 {

bool QtPrinterDialogs::ChoosePrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void QtPrinterDialogs::PageSetup(QWidget* parent, QPrinter& printer) {
    QPageSetupDialog dialog(&printer, parent);
    dialog.exec();  // cancelling keeps the page as it was, silently
}

void QtPrinterDialogs::Preview(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter*)>& paint) {
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, paint);
    dialog.exec();
}

QString QtPrinterDialogs::ChoosePdfFile(QWidget* parent, const QString& suggestion) {
    return RunFileDialog(parent, {QCoreApplication::translate("Printing", "Export PDF"), kPdfFilter, suggestion, true});
}

int QtPrinterDialogs::Print(QPrinter& printer, const print::ListingDocument& document) {
    print::FitOrientation(document, printer);
    return print::PaintListing(document, printer);
}

}  // namespace wrk7
