#pragma once
#include <QByteArray>
#include <QPageLayout>
#include <QString>

#include "print/listing_document.h"

namespace wrk7::print {

// A4 portrait with 15 mm margins: the page a PDF gets when nobody chose one.
QPageLayout DefaultPageLayout();

// The document as PDF bytes, on pages of layout (turned to landscape when the
// lines need it).
QByteArray ListingPdf(const ListingDocument& document, const QPageLayout& layout = DefaultPageLayout());

// Writes the PDF atomically: either path holds the whole new file or it is
// left as it was. False when the file cannot be written.
bool SaveListingPdf(const ListingDocument& document, const QString& path,
                    const QPageLayout& layout = DefaultPageLayout());

}  // namespace wrk7::print
