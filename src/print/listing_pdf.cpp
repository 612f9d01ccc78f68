#include "print/listing_pdf.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

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
    // The PDF is made in memory first: a short write to the file must fail
    // the save instead of committing a cut-off file.
    const QByteArray bytes = ListingPdf(document, layout);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

}  // namespace wrk7::print
