#include "print/listing_painter.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPageLayout>
#include <QPainter>
#include <cmath>

namespace wrk7::print {

namespace {

constexpr double kPointSize = 8;
constexpr int kFooterLines = 2;  // a gap, then the footer line

// Two blanks between columns keep neighbouring fields apart.
double ColumnGap(const QFontMetricsF& metrics) { return 2 * metrics.horizontalAdvance(QLatin1Char(' ')); }

int LinesPerPage(const QFontMetricsF& metrics, int pageHeight) {
    return static_cast<int>(std::floor(pageHeight / metrics.lineSpacing())) - kFooterLines;
}

double PortraitPaintWidth(const QPagedPaintDevice& device) {
    QPageLayout layout = device.pageLayout();
    layout.setOrientation(QPageLayout::Portrait);
    return layout.paintRectPixels(device.logicalDpiX()).width();
}

}  // namespace

const QStringList kListingFamilies{
    QStringLiteral("Courier New"),     QStringLiteral("Liberation Mono"), QStringLiteral("Cousine"),
    QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Noto Sans Mono"),  QStringLiteral("Noto Mono"),
    QStringLiteral("Nimbus Mono PS"),   QStringLiteral("FreeMono"),        QStringLiteral("Ubuntu Mono"),
};

QString ChooseListingFamily(const QStringList& installed, const std::function<bool(const QString&)>& evenWidths) {
    for (const QString& family : kListingFamilies)
        if (installed.contains(family, Qt::CaseSensitive) && evenWidths(family)) return family;
    return {};
}

bool HasEvenWidths(const QString& family) {
    QFont font(family);
    font.setPointSizeF(kPointSize);
    font.setBold(true);
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(QLatin1Char('M'));
    for (const QChar c : QStringLiteral("iW.0 -|lm*"))
        if (std::abs(metrics.horizontalAdvance(c) - width) > 0.01) return false;
    return width > 0;
}

QFont SetPrinterFont(const QStringList& families) {
    QFont font;
    const QString chosen = ChooseListingFamily(families, HasEvenWidths);
    if (!chosen.isEmpty()) {
        font.setFamily(chosen);
    } else if (const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont); HasEvenWidths(fixed.family())) {
        font = fixed;
    } else {
        // A desktop with none of the usual families still has some even one.
        for (const QString& family : families)
            if (HasEvenWidths(family)) {
                font.setFamily(family);
                break;
            }
    }
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSizeF(kPointSize);
    font.setBold(true);
    return font;
}

QFont SetPrinterFont() { return SetPrinterFont(QFontDatabase::families()); }

ListingLayout LayOutForDevice(const ListingDocument& document, QPagedPaintDevice& device) {
    const QFontMetricsF metrics(SetPrinterFont(), &device);
    const Measure measure = [&metrics](const QString& text) { return metrics.horizontalAdvance(text); };
    return LayOutListing(document, measure, ColumnGap(metrics), LinesPerPage(metrics, device.height()));
}

bool FitOrientation(const ListingDocument& document, QPagedPaintDevice& device) {
    if (device.pageLayout().orientation() != QPageLayout::Portrait) return false;
    if (LayOutForDevice(document, device).width <= PortraitPaintWidth(device)) return false;
    return device.setPageOrientation(QPageLayout::Landscape);
}

int PaintListing(const ListingDocument& document, QPagedPaintDevice& device) {
    const ListingLayout layout = LayOutForDevice(document, device);
    QPainter painter;
    if (!painter.begin(&device)) return 0;
    const QFont font = SetPrinterFont();
    painter.setFont(font);
    const QFontMetricsF metrics(font, &device);
    const double line = metrics.lineSpacing();
    const int total = static_cast<int>(layout.pages.size());
    const double footerY = device.height() - metrics.descent();
    for (int n = 0; n < total; ++n) {
        if (n > 0) device.newPage();
        double y = metrics.ascent();
        for (const PlacedLine& placed : layout.pages[static_cast<std::size_t>(n)]) {
            for (const PlacedField& field : placed) painter.drawText(QPointF(field.x, y), field.text);
            y += line;
        }
        painter.drawText(QPointF(0, footerY), document.fileName);
        const QString pageText = QStringLiteral("Page %1 of %2").arg(n + 1).arg(total);
        painter.drawText(QPointF(device.width() - metrics.horizontalAdvance(pageText), footerY), pageText);
    }
    painter.end();
    return total;
}

}  // namespace wrk7::print
