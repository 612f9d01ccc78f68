#pragma once
#include <QFont>
#include <QStringList>
#include <functional>

#include "print/listing_document.h"
#include "print/listing_layout.h"

class QPagedPaintDevice;

namespace wrk7::print {

// The fixed-pitch families the listing prefers, best first: "Courier New"
// by its exact name, then the families metric-compatible with it or common
// on desktops.
extern const QStringList kListingFamilies;

// The first of kListingFamilies among the installed families (exact names)
// whose glyphs evenWidths finds equal in width; empty when none is. A font's
// own fixed-pitch flag is not trusted: some monospaced families do not set it.
QString ChooseListingFamily(const QStringList& installed, const std::function<bool(const QString&)>& evenWidths);
// Whether the family's letters, digits and marks all advance alike.
bool HasEvenWidths(const QString& family);

// The printer font, 8 pt bold: the family ChooseListingFamily gives, else the
// system's fixed font when its glyphs are even, else any installed family
// that is.
QFont SetPrinterFont(const QStringList& families);
QFont SetPrinterFont();  // from the installed families

// The layout of document on device in the listing font, in device pixels.
ListingLayout LayOutForDevice(const ListingDocument& document, QPagedPaintDevice& device);

// Turns a portrait page to landscape when the document's widest line does
// not fit between the margins; true when it turned the page.
bool FitOrientation(const ListingDocument& document, QPagedPaintDevice& device);

// Paints the whole document onto device, one page after another, each with
// a footer naming the file and "Page n of m". Call FitOrientation first.
// Returns the number of pages, 0 when the device cannot be painted on.
int PaintListing(const ListingDocument& document, QPagedPaintDevice& device);

}  // namespace wrk7::print
