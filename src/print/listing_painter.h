#pragma once
#include <QFont>
#include <QStringList>

#include "print/listing_document.h"
#include "print/listing_layout.h"

class QPagedPaintDevice;

namespace wrk7::print {

// The printer font: "Courier New" 8 pt bold when a family of exactly that name
// exists among families; otherwise Liberation Mono (metric-compatible with
// it) when present, else the system's fixed-pitch font, 8 pt bold.
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
