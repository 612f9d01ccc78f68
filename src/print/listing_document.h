#pragma once
#include <QString>
#include <vector>

#include "core/image.h"
#include "files/listing.h"

namespace wrk7::print {

// The printed listing as one document for the printer, the preview, the PDF
// file and the command-line tool. Its lines are the listing's text lines,
// split into parts (the title, then each chosen section) because each part
// gets its own tab stops: the columns of all banks line up with each other,
// but the settings section does not push the memory columns around.
struct ListingDocument {
    std::vector<ListingLines> parts;
    QString fileName;  // shown in the footer; may be empty
};

ListingDocument MakeListingDocument(const CloneImage& image, const ListingSections& sections,
                                    const QString& fileName);

// Every line of the document, in order.
ListingLines AllLines(const ListingDocument& document);

}  // namespace wrk7::print
