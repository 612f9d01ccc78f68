#include "app/dialogs/listing_print.h"

#include <QAction>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>

#include "app/support/named_action.h"
#include "app/dialogs/print_selection_dialog.h"
#include "app/dialogs/file_dialogs.h"
#include "app/dialogs/printer_dialogs.h"
#include "app/translation/said.h"
#include "app/support/prompter.h"
#include "print/listing_painter.h"
#include "print/listing_pdf.h"

namespace wrk7 {

ListingPrint::ListingPrint(QWidget* window, const CloneImage& image, Prompter& prompter)
    : QObject(window),
      window_(window),
      image_(image),
      prompter_(prompter),
      selectionDialog_(new PrintSelectionDialog(window)),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      dialogs_(std::make_unique<QtPrinterDialogs>()) {
    printer_->setPageLayout(print::DefaultPageLayout());
    // The numbers are the original's captions, put in by the caption table.
    printSetup = Make("mnuPrintSetup", QStringLiteral("1005"), &ListingPrint::PrintSetup);
    printListing = Make("mnuPrint", QStringLiteral("1006"), &ListingPrint::PrintListing, QKeySequence(Qt::CTRL | Qt::Key_P));
    printPreview = Make("mnuPrintPreview", tr("Print Preview(&V)..."), &ListingPrint::PrintPreview);
    exportPdf = Make("mnuExportPdf", tr("Export PDF(&D)..."), &ListingPrint::ExportPdf);
}

QAction* ListingPrint::Make(const char* name, const QString& caption, void (ListingPrint::*run)(), QKeySequence key) {
    QAction* action = NamedAction(window_, name, caption, key);
    connect(action, &QAction::triggered, this, run);
    return action;
}

ListingPrint::~ListingPrint() = default;

void ListingPrint::SetDialogs(std::unique_ptr<PrinterDialogs> dialogs) { dialogs_ = std::move(dialogs); }

std::optional<print::ListingDocument> ListingPrint::ChooseDocument() {
    const std::optional<ListingSections> sections = selectionDialog_->Ask();
    if (!sections || !sections->Any()) return std::nullopt;
    // A page turned to landscape for a wide listing goes back to the set-up's
    // orientation, so the next, narrower listing is fitted afresh.
    printer_->setPageOrientation(chosenOrientation_);
    return print::MakeListingDocument(image_, *sections, fileName ? fileName() : QString());
}

void ListingPrint::PrintListing() {
    const auto document = ChooseDocument();
    if (!document) return;
    if (!dialogs_->ChoosePrinter(window_, *printer_)) return;
    if (dialogs_->Print(*printer_, *document) == 0) {
        prompter_.Error(window_, ErrorTitle(), {tr("Printer Error")});
    } else if (!printer_->outputFileName().isEmpty()) {
        emit wroteFile(printer_->outputFileName());
    }
}

void ListingPrint::PrintPreview() {
    const auto document = ChooseDocument();
    if (!document) return;
    dialogs_->Preview(window_, *printer_, [doc = *document](QPrinter* printer) {
        print::FitOrientation(doc, *printer);
        print::PaintListing(doc, *printer);
    });
}

void ListingPrint::ExportPdf() {
    const auto document = ChooseDocument();
    if (!document) return;
    const QString suggestion = SuggestedName(fileName ? fileName() : QString(), image_.model, QStringLiteral("pdf"));
    // A name typed without an extension gets it, as the clone file's do.
    const QString path = WithExtension(dialogs_->ChoosePdfFile(window_, suggestion), FirstExtension(kPdfFilter));
    if (path.isEmpty()) return;
    if (!print::SaveListingPdf(*document, path, printer_->pageLayout())) {
        prompter_.Error(window_, ErrorTitle(),
                        {Said(MessageId::kFileOpenError)});
        return;
    }
    emit wroteFile(path);
}

void ListingPrint::PrintSetup() {
    dialogs_->PageSetup(window_, *printer_);
    chosenOrientation_ = printer_->pageLayout().orientation();
}

QIcon PrinterIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 3, 14, 10));  // paper going in
    p.setBrush(QColor(150, 150, 155));
    p.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);  // body
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 19, 16, 10));  // printed sheet
    p.setPen(QPen(QColor(90, 90, 90), 1));
    for (int y : {22, 25}) p.drawLine(QPointF(11, y), QPointF(21, y));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 180, 60));
    p.drawEllipse(QRectF(24, 14, 3, 3));  // power lamp
    p.end();
    return QIcon::fromTheme(QStringLiteral("document-print"), QIcon(pixmap));
}

}  // namespace wrk7
