#include "print/listing_layout.h"

#include <QStringList>
#include <algorithm>

namespace wrk7::print {

namespace {

QStringList Fields(const std::string& line) {
    return QString::fromStdString(line).split(QLatin1Char('\t'));
}

}  // namespace

std::vector<double> ColumnStarts(const ListingLines& part, const Measure& measure, double gap) {
    std::vector<double> widest;
    for (const std::string& line : part) {
        const QStringList fields = Fields(line);
        // A line without a tab is a title or a settings line, not a column.
        if (fields.size() < 2) continue;
        if (widest.size() < static_cast<std::size_t>(fields.size())) widest.resize(static_cast<std::size_t>(fields.size()), 0);
        for (qsizetype i = 0; i < fields.size(); ++i)
            widest[static_cast<std::size_t>(i)] = std::max(widest[static_cast<std::size_t>(i)], measure(fields[i]));
    }
    std::vector<double> starts(std::max<std::size_t>(widest.size(), 1), 0);
    for (std::size_t i = 1; i < starts.size(); ++i) starts[i] = starts[i - 1] + widest[i - 1] + gap;
    return starts;
}

ListingLayout LayOutListing(const ListingDocument& document, const Measure& measure, double gap,
                            int linesPerPage) {
    linesPerPage = std::max(linesPerPage, 1);
    ListingLayout layout;
    ListingPage page;
    for (const ListingLines& part : document.parts) {
        const std::vector<double> starts = ColumnStarts(part, measure, gap);
        for (const std::string& line : part) {
            PlacedLine placed;
            if (!line.empty()) {
                const QStringList fields = Fields(line);
                for (qsizetype i = 0; i < fields.size(); ++i) {
                    const double x = fields.size() < 2 ? 0 : starts[static_cast<std::size_t>(i)];
                    placed.push_back({x, fields[i]});
                }
                layout.width = std::max(layout.width, placed.back().x + measure(placed.back().text));
            }
            page.push_back(std::move(placed));
            if (static_cast<int>(page.size()) == linesPerPage) {
                layout.pages.push_back(std::move(page));
                page.clear();
            }
        }
    }
    if (!page.empty()) layout.pages.push_back(std::move(page));
    return layout;
}

}  // namespace wrk7::print
