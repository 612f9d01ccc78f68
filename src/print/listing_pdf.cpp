#include "print/listing_pdf.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>

#include "files/text_file.h"
#include "print/listing_painter.h"

namespace wrk7::print {

QPageLayout DefaultPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

QByteArray ListingPdf(const ListingDocument& document, const QPageLayout& layout) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QString::fromUtf8(kListingTitle.data(), static_cast<qsizetype>(kListingTitle.size())));
        writer.setCreator(QStringLiteral("wrk7"));
        writer.setPageLayout(layout);
        FitOrientation(document, writer);
        PaintListing(document, writer);
    }
    return bytes;
}

bool SaveListingPdf(const ListingDocument& document, const QString& path, const QPageLayout& layout) {
    // The PDF is made in memory first, so the file is written the way every
    // other file is: a failing write keeps the old one.
    return WriteFileAtomically(path, ListingPdf(document, layout));
}

}  // namespace wrk7::print
