// The document every output prints: its lines are the listing's lines, its
// columns line up across banks and pages, and its font is the listing font.
// The PDF as a reader sees it (poppler's pdftotext and pdffonts), page
// orientation, and the atomic save.
#include <QBuffer>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/tables.h"
#include "files/rich_image.h"
#include "print/listing_layout.h"
#include "print/listing_painter.h"
#include "print/listing_pdf.h"

namespace wrk7::print {
namespace {

using wrk7::testing::RichImage;

double CharCount(const QString& text) { return static_cast<double>(text.size()); }

// The laid-out lines, fields joined by tabs again, without the headings
// repeated at the top of a page.
ListingLines Rejoined(const ListingLayout& layout) {
    ListingLines lines;
    for (std::size_t n = 0; n < layout.pages.size(); ++n)
        for (std::size_t i = layout.repeatsHeading.at(n) ? 1 : 0; i < layout.pages[n].size(); ++i) {
            const PlacedLine& placed = layout.pages[n][i];
            QStringList fields;
            for (const PlacedField& f : placed) fields << f.text;
            lines.push_back(fields.join(QLatin1Char('\t')).toStdString());
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
    for (std::size_t n = 0; n < layout.pages.size(); ++n) {
        const ListingPage& page = layout.pages[n];
        EXPECT_LE(page.size(), static_cast<std::size_t>(perPage));
        lineCount += page.size() - (layout.repeatsHeading[n] ? 1 : 0);
        // A page that goes on with a section's lines starts with its headings.
        const QString top = page.front().size() > 1 ? page.front()[0].text : QStringLiteral("Ch");
        EXPECT_TRUE(top == "Ch" || top == "Band") << "page " << n + 1 << " starts with " << top.toStdString();
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
    EXPECT_GT(std::count(layout.repeatsHeading.begin(), layout.repeatsHeading.end(), true), 1);
    ASSERT_EQ(memoryStarts.size(), 12u);
    for (const auto& [column, starts] : memoryStarts) EXPECT_EQ(starts.size(), 1u) << "column " << column;
    EXPECT_DOUBLE_EQ(layout.width, widest);
    // "Ch" and the padded channel numbers share the first column.
    EXPECT_EQ(*memoryStarts[0].begin(), 0.0);
}

TEST(SetPrinterFont, TheFirstPreferredFamilyInstalledWithEvenGlyphs) {
    const auto even = [](const QString& family) { return family != QStringLiteral("Noto Sans Mono"); };
    const struct { QStringList installed; const char* chosen; } cases[] = {
        {{"Liberation Mono", "Courier New"}, "Courier New"},
        {{"courier new", "Liberation Mono"}, "Liberation Mono"},  // by its exact name only
        {{"Noto Sans Mono", "DejaVu Sans Mono"}, "DejaVu Sans Mono"},  // uneven glyphs are passed over
        {{"Courier New PS", "DejaVu Sans"}, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ChooseListingFamily(c.installed, even), c.chosen) << c.chosen;
    // Whatever this machine has installed, the listing's font advances evenly.
    const QFont font = SetPrinterFont();
    EXPECT_TRUE(HasEvenWidths(font.family())) << font.family().toStdString();
    EXPECT_FALSE(HasEvenWidths(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family()));
    EXPECT_TRUE(font.pointSizeF() == 8 && QFontInfo(font).bold()) << font.pointSizeF();
}

QString Output(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return QStringLiteral("<%1 failed>").arg(program);
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST(ListingPdf, HoldsEveryLineInABoldFixedPitchFontWithItsColumnsLinedUp) {
    QTemporaryDir dir;
    CloneImage image = RichImage(0);
    image.memory.slot[300].SetText(kNote, "東京タワー ①");
    const ListingDocument document = MakeListingDocument(image, {true, true, true}, QStringLiteral("rich.WK7"));
    const QString pdf = dir.filePath(QStringLiteral("listing.pdf"));
    ASSERT_TRUE(dir.isValid() && SaveListingPdf(document, pdf));
    const QString text = Output(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QSet<QString> pdfLines;
    for (const QString& line : text.split(QLatin1Char('\n'))) pdfLines.insert(line.simplified());
    for (const std::string& line : AllLines(document)) {
        const QString expected = QString::fromStdString(line).simplified();
        EXPECT_TRUE(expected.isEmpty() || pdfLines.contains(expected)) << line;
    }
    const QString pages = Output(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpressionMatch count = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(pages);
    ASSERT_TRUE(count.hasMatch()) << pages.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Page 1 of %1").arg(count.captured(1))));
    EXPECT_TRUE(text.contains(QStringLiteral("rich.WK7")));

    const QString fonts = Output(QStringLiteral("pdffonts"), {pdf});
    EXPECT_TRUE(fonts.contains(QRegularExpression(QStringLiteral("(Mono|Courier)\\S*-Bold")))) << fonts.toStdString();

    // Every heading word of the memory banks starts at the same x on every
    // page; pdftotext -bbox gives each word's box.
    const QString boxes = Output(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    for (const char* word : {"Frequency", "Option", "ShiftFreq.", "Name"}) {
        const QRegularExpression re(QStringLiteral("xMin=\"([0-9.]+)\"[^>]*>%1<").arg(QLatin1String(word)));
        QSet<QString> starts;
        int seen = 0;
        for (auto it = re.globalMatch(boxes); it.hasNext(); ++seen) starts.insert(it.next().captured(1));
        EXPECT_GE(seen, 4) << word;  // the VFO heading and three bank headings at least
        // The VFO section has its own stops; the memory banks share one.
        EXPECT_LE(starts.size(), 2) << word;
    }
}

TEST(ListingPdfOrientation, LandscapeOnlyForLinesWiderThanAPortraitPage) {
    const ListingDocument narrow{{{"Settings", "Volume = 7"}}, {}};
    // Built by appending: gcc 12 warns falsely (-Warray-bounds) on a chain of +.
    std::string wideLine(20, 'x');
    wideLine.append(1, '\t').append(60, 'y').append(1, '\t').append(60, 'z');
    const ListingDocument wide{{{wideLine}}, {}};
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    QPdfWriter writer(&sink);
    writer.setPageLayout(DefaultPageLayout());
    const auto fit = [&writer](const ListingDocument& d) {
        const bool turned = FitOrientation(d, writer);
        return std::pair(turned, writer.pageLayout().orientation());
    };
    EXPECT_EQ(fit(narrow), std::pair(false, QPageLayout::Portrait));
    EXPECT_EQ(fit(wide), std::pair(true, QPageLayout::Landscape));
    EXPECT_EQ(fit(narrow), std::pair(false, QPageLayout::Landscape)) << "a page already turned stays as it is";
}

}  // namespace
}  // namespace wrk7::print
