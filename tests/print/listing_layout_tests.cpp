// The document every output prints: its lines are the listing's lines, its
// columns line up across banks and pages, and its font is the listing font.
#include <QFontInfo>
#include <QStringList>
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/tables.h"
#include "files/rich_image.h"
#include "print/listing_layout.h"
#include "print/listing_painter.h"

namespace wrk7::print {
namespace {

using wrk7::testing::RichImage;

double CharCount(const QString& text) { return static_cast<double>(text.size()); }

// The laid-out lines, fields joined by tabs again.
ListingLines Rejoined(const ListingLayout& layout) {
    ListingLines lines;
    for (const ListingPage& page : layout.pages) {
        for (const PlacedLine& placed : page) {
            QStringList fields;
            for (const PlacedField& f : placed) fields << f.text;
            lines.push_back(fields.join(QLatin1Char('\t')).toStdString());
        }
    }
    return lines;
}

TEST(ListingDocument, EveryModelAndChoiceKeepsTheListingsLinesAndFields) {
    for (int model = 0; model < kModelCount; ++model) {
        const CloneImage image = RichImage(model);
        for (int mask = 0; mask < 8; ++mask) {
            const ListingSections sections{(mask & 1) != 0, (mask & 2) != 0, (mask & 4) != 0};
            const ListingDocument document = MakeListingDocument(image, sections, QStringLiteral("r.WK7"));
            const ListingLines expected = PrintListing(image, sections);
            SCOPED_TRACE(::testing::Message() << "model " << model << " sections " << mask);
            EXPECT_EQ(AllLines(document), expected);
            EXPECT_EQ(Rejoined(LayOutListing(document, CharCount, 2, 40)), expected);
        }
    }
}

TEST(ListingDocument, ColumnsLineUpAcrossBanksAndPagesAndNeverOverlap) {
    const CloneImage image = RichImage(0);
    const ListingDocument document = MakeListingDocument(image, {false, true, true}, QString());
    const int perPage = 7;
    const ListingLayout layout = LayOutListing(document, CharCount, 2, perPage);
    ASSERT_GT(layout.pages.size(), 3u);
    std::size_t lineCount = 0;
    // Column starts seen per field count (VFO and memory lines differ), for
    // the lines of the memory section: they follow "Memory Bank".
    std::map<std::size_t, std::set<double>> memoryStarts;
    bool inMemory = false;
    double widest = 0;
    for (const ListingPage& page : layout.pages) {
        EXPECT_LE(page.size(), static_cast<std::size_t>(perPage));
        lineCount += page.size();
        for (const PlacedLine& placed : page) {
            if (placed.size() == 1 && placed[0].text == "Memory Bank") inMemory = true;
            for (std::size_t i = 0; i + 1 < placed.size(); ++i)
                EXPECT_GE(placed[i + 1].x, placed[i].x + CharCount(placed[i].text) + 2) << placed[i].text.toStdString();
            if (inMemory && placed.size() > 1)
                for (std::size_t i = 0; i < placed.size(); ++i) memoryStarts[i].insert(placed[i].x);
            if (!placed.empty()) widest = std::max(widest, placed.back().x + CharCount(placed.back().text));
        }
    }
    EXPECT_EQ(lineCount, AllLines(document).size());
    ASSERT_EQ(memoryStarts.size(), 12u);
    for (const auto& [column, starts] : memoryStarts) EXPECT_EQ(starts.size(), 1u) << "column " << column;
    EXPECT_DOUBLE_EQ(layout.width, widest);
    // "Ch" and the padded channel numbers share the first column.
    EXPECT_EQ(*memoryStarts[0].begin(), 0.0);
}

TEST(SetPrinterFont, CourierNewOnlyByItsExactNameOtherwiseAFixedPitchFont) {
    const QFont courier = SetPrinterFont({QStringLiteral("Liberation Mono"), QStringLiteral("Courier New")});
    EXPECT_EQ(courier.family(), "Courier New");
    EXPECT_EQ(SetPrinterFont({QStringLiteral("courier new"), QStringLiteral("Liberation Mono")}).family(),
              "Liberation Mono");
    const QFont fallback = SetPrinterFont({QStringLiteral("Courier New PS"), QStringLiteral("DejaVu Sans")});
    EXPECT_NE(fallback.family(), "Courier New PS");
    EXPECT_TRUE(QFontInfo(fallback).fixedPitch()) << fallback.family().toStdString();
    for (const QFont& font : {courier, fallback, SetPrinterFont()}) {
        EXPECT_DOUBLE_EQ(font.pointSizeF(), 8);
        EXPECT_TRUE(font.bold());
    }
    const QFontInfo installed(SetPrinterFont());
    EXPECT_TRUE(installed.fixedPitch()) << installed.family().toStdString();
    EXPECT_TRUE(installed.bold());
}

}  // namespace
}  // namespace wrk7::print
