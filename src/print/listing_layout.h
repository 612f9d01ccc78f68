#pragma once
#include <QString>
#include <functional>
#include <vector>

#include "print/listing_document.h"

namespace wrk7::print {

// Where the listing's text goes on paper, in the units of the measure it was
// laid out with. Pure geometry, so it is the same for every output.
struct PlacedField {
    double x = 0;
    QString text;
};
using PlacedLine = std::vector<PlacedField>;  // an empty line has no field
using ListingPage = std::vector<PlacedLine>;

struct ListingLayout {
    std::vector<ListingPage> pages;
    // Per page: whether its first line repeats the column headings of the
    // section it continues, rather than being a line of the listing.
    std::vector<bool> repeatsHeading;
    double width = 0;  // the widest line, from the margin to its last character
};

// Width of a text as it will be drawn.
using Measure = std::function<double(const QString&)>;

// The tab stops of one part: column i starts gap after the widest field of
// column i - 1 has ended, so every line of the part lines up.
std::vector<double> ColumnStarts(const ListingLines& part, const Measure& measure, double gap);

// Fields at their tab stops, linesPerPage lines to a page (at least one);
// a line is never split across pages. A section (the first line with
// columns after a line without, and the lines with columns under it) that
// goes on over a page break has its headings again at the top of the page.
ListingLayout LayOutListing(const ListingDocument& document, const Measure& measure, double gap,
                            int linesPerPage);

}  // namespace wrk7::print
