#pragma once
#include <string>
#include <vector>

#include "core/image.h"

namespace wrk7 {

// The printed listing as text lines, fields separated by tabs, so that the
// printer, a preview, a PDF and a terminal all show the same lines. Settings
// come from image.settings.values for image.model.
using ListingLines = std::vector<std::string>;

inline constexpr std::string_view kListingTitle = "Korvan WR-K7 Clone Utility";

ListingLines PrintSettingsSection(const CloneImage& image);
ListingLines PrintVfoSection(const CloneImage& image);
ListingLines PrintMemorySection(const CloneImage& image);

struct ListingSections {
    bool settings = true;
    bool vfo = true;
    bool memory = true;
    bool Any() const { return settings || vfo || memory; }
};
// The whole document: the title, two empty lines, then the chosen sections
// (the first two each followed by an empty line). Empty when none is chosen.
ListingLines PrintListing(const CloneImage& image, const ListingSections& sections);

// Text right-aligned in a field of width characters (longer text is kept
// whole).
std::string RightAligned(std::string_view text, std::size_t width);

}  // namespace wrk7
