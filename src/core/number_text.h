#pragma once
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

namespace wrk7 {

// Text that is a decimal number and nothing else (blanks around it allowed),
// read the same whatever the process locale: "145.5", " 7 ", "+0.6". Empty,
// "12abc", "1e3"-style exponents and non-finite values give nullopt.
// A number written with a decimal comma ("118,300", as spreadsheets of many
// locales write it) with the comma as a point; any other text as it is. Only
// one comma and no point reads so: "1,234.5" and "1,000,000" stay.
inline std::string DecimalCommaAsPoint(std::string_view text) {
    std::string out(text);
    const auto comma = out.find(',');
    if (comma != std::string::npos && out.find(',', comma + 1) == std::string::npos &&
        out.find('.') == std::string::npos)
        out[comma] = '.';
    return out;
}

inline std::optional<double> WholeDecimal(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    double v = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), v, std::chars_format::fixed);
    if (r.ec != std::errc() || r.ptr != text.data() + text.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

}  // namespace wrk7
