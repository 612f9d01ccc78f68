#include "app/printer_dialogs.h"

#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

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

QString QtPrinterDialogs::ChoosePdfFile(QWidget* parent) {
    QFileDialog dialog(parent, QStringLiteral("Export PDF"), QString(), QStringLiteral("PDF Files (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

int QtPrinterDialogs::Print(QPrinter& printer, const print::ListingDocument& document) {
    print::FitOrientation(document, printer);
    return print::PaintListing(document, printer);
}

}  // namespace wrk7
