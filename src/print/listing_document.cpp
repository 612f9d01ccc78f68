#include "print/listing_document.h"

namespace wrk7::print {

ListingDocument MakeListingDocument(const CloneImage& image, const ListingSections& sections,
                                    const QString& fileName) {
    ListingDocument document;
    document.fileName = fileName;
    if (!sections.Any()) return document;
    // The same assembly as PrintListing: the title with two empty lines, then
    // each chosen section, the first two each followed by an empty line.
    document.parts.push_back({std::string(kListingTitle), "", ""});
    if (sections.settings) {
        document.parts.push_back(PrintSettingsSection(image));
        document.parts.back().emplace_back();
    }
    if (sections.vfo) {
        document.parts.push_back(PrintVfoSection(image));
        document.parts.back().emplace_back();
    }
    if (sections.memory) document.parts.push_back(PrintMemorySection(image));
    return document;
}

ListingLines AllLines(const ListingDocument& document) {
    ListingLines lines;
    for (const ListingLines& part : document.parts) lines.insert(lines.end(), part.begin(), part.end());
    return lines;
}

}  // namespace wrk7::print
