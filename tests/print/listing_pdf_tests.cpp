// The PDF as a reader sees it (poppler's pdftotext and pdffonts), page
// orientation, and the atomic save.
#include <QBuffer>
#include <QFile>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

#include "files/rich_image.h"
#include "print/listing_painter.h"
#include "print/listing_pdf.h"

namespace wrk7::print {
namespace {

using wrk7::testing::RichImage;

QString Output(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return QStringLiteral("<%1 failed>").arg(program);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString Squeezed(const QString& text) { return text.simplified(); }

class ListingPdfTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        image.Mem[300].SetText(kNote, "東京タワー ①");
        document = MakeListingDocument(image, {true, true, true}, QStringLiteral("rich.WK7"));
        pdf = dir.filePath(QStringLiteral("listing.pdf"));
        ASSERT_TRUE(SaveListingPdf(document, pdf));
    }
    QTemporaryDir dir;
    CloneImage image = RichImage(0);
    ListingDocument document;
    QString pdf;
};

TEST_F(ListingPdfTest, HoldsEveryLineInABoldFixedPitchFont) {
    const QString text = Output(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QSet<QString> pdfLines;
    for (const QString& line : text.split(QLatin1Char('\n'))) pdfLines.insert(Squeezed(line));
    for (const std::string& line : AllLines(document)) {
        const QString expected = Squeezed(QString::fromStdString(line));
        if (!expected.isEmpty()) {
            EXPECT_TRUE(pdfLines.contains(expected)) << line;
        }
    }
    const QString pages = Output(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpressionMatch count = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(pages);
    ASSERT_TRUE(count.hasMatch()) << pages.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Page 1 of %1").arg(count.captured(1))));
    EXPECT_TRUE(text.contains(QStringLiteral("rich.WK7")));

    const QString fonts = Output(QStringLiteral("pdffonts"), {pdf});
    EXPECT_TRUE(fonts.contains(QRegularExpression(QStringLiteral("(Mono|Courier)\\S*-Bold")))) << fonts.toStdString();
}

TEST_F(ListingPdfTest, ColumnStartsLineUpOnThePage) {
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
    ListingDocument narrow;
    narrow.parts = {{"Settings", "Volume = 7"}};
    ListingDocument wide;
    wide.parts = {{std::string(20, 'x') + "\t" + std::string(60, 'y') + "\t" + std::string(60, 'z')}};
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    QPdfWriter writer(&sink);
    writer.setPageLayout(DefaultPageLayout());
    EXPECT_FALSE(FitOrientation(narrow, writer));
    EXPECT_EQ(writer.pageLayout().orientation(), QPageLayout::Portrait);
    EXPECT_TRUE(FitOrientation(wide, writer));
    EXPECT_EQ(writer.pageLayout().orientation(), QPageLayout::Landscape);
    // A page already turned by the user stays as it is.
    EXPECT_FALSE(FitOrientation(narrow, writer));
    EXPECT_EQ(writer.pageLayout().orientation(), QPageLayout::Landscape);
}

TEST_F(ListingPdfTest, AFailedSaveLeavesTheOldFile) {
    QFile old(dir.filePath(QStringLiteral("old.pdf")));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old content");
    old.close();
    EXPECT_FALSE(SaveListingPdf(document, dir.filePath(QStringLiteral("missing/dir/x.pdf"))));

    // A file-size limit stands in for a full disk (root ignores permissions).
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved4k = SaveListingPdf(document, old.fileName());
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(saved4k);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old content");
    EXPECT_TRUE(QFile(pdf).size() > 4096);
}

}  // namespace
}  // namespace wrk7::print
