#include "print/listing_layout.h"

#include <QStringList>
#include <algorithm>
#include <optional>

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
    bool repeated = false;
    auto endPage = [&] {
        layout.pages.push_back(std::move(page));
        layout.repeatsHeading.push_back(repeated);
        page.clear();
        repeated = false;
    };
    for (const ListingLines& part : document.parts) {
        const std::vector<double> starts = ColumnStarts(part, measure, gap);
        std::optional<PlacedLine> heading;  // of the section the lines are in
        for (const std::string& line : part) {
            PlacedLine placed;
            const QStringList fields = line.empty() ? QStringList() : Fields(line);
            for (qsizetype i = 0; i < fields.size(); ++i) {
                const double x = fields.size() < 2 ? 0 : starts[static_cast<std::size_t>(i)];
                placed.push_back({x, fields[i]});
            }
            if (!placed.empty()) layout.width = std::max(layout.width, placed.back().x + measure(placed.back().text));
            const bool row = fields.size() >= 2 && heading;
            if (fields.size() < 2) heading.reset();
            else if (!heading) heading = placed;
            // A page of one line could hold the headings and nothing else.
            if (row && page.empty() && !layout.pages.empty() && linesPerPage > 1) {
                page.push_back(*heading);
                repeated = true;
            }
            page.push_back(std::move(placed));
            if (static_cast<int>(page.size()) == linesPerPage) endPage();
        }
    }
    if (!page.empty()) endPage();
    return layout;
}

}  // namespace wrk7::print
