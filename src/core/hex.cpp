#include "core/hex.h"

#include <array>
#include <charconv>
#include <cmath>

namespace wrk7 {

namespace {
constexpr std::string_view kDigits = "0123456789ABCDEF";

int UpperHexValue(char c) { return kHexDigitValue[static_cast<unsigned char>(c)]; }
}  // namespace

double ParseDecimal(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double v = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
    if (r.ec != std::errc() || !std::isfinite(v)) return 0;
    return v;
}

std::string HexDigitToBits(std::string_view digit) {
    const int v = digit.size() == 1 ? UpperHexValue(digit[0]) : -1;
    if (v < 0) return "0000";
    std::string bits(4, '0');
    for (int i = 0; i < 4; ++i)
        if (v & (8 >> i)) bits[i] = '1';
    return bits;
}

std::string BitsToHexDigit(std::string_view bits) {
    if (bits.size() != 4) return "";
    int v = 0;
    for (char c : bits) {
        if (c != '0' && c != '1') return "";
        v = v * 2 + (c - '0');
    }
    return std::string(1, kDigits[v]);
}

std::string ByteHex(int value) {
    const unsigned v = static_cast<unsigned>(value) & 0xFFu;
    return {kDigits[v >> 4], kDigits[v & 0xF]};
}

bool IsUpperHex(std::string_view text) {
    for (char c : text)
        if (UpperHexValue(c) < 0) return false;
    return true;
}

std::string HzToLittleEndianHex(double mhz) {
    double hz = std::round(mhz * 1000000.0);
    // The record field is an unsigned 32-bit count; keep garbage inside it.
    if (!(hz >= 0)) hz = 0;
    if (hz > 4294967295.0) hz = 4294967295.0;
    const auto v = static_cast<std::uint32_t>(hz);
    std::string out;
    for (int byte = 0; byte < 4; ++byte) out += ByteHex(static_cast<int>((v >> (8 * byte)) & 0xFF));
    return out;
}

double LittleEndianHexToMHz(std::string_view hex8) {
    std::uint32_t v = 0;
    for (int byte = 3; byte >= 0; --byte) {
        const auto b = HexByteAt(hex8, static_cast<std::size_t>(byte) * 2);
        v = (v << 8) | static_cast<std::uint32_t>(b.value_or(0));
    }
    // Both operands are exact doubles and the quotient is correctly rounded,
    // so this is the double nearest the six-decimal number: the same value
    // reading the decimal text "145.100000" would give, without the text.
    return static_cast<double>(v) / 1000000.0;
}

std::string FormatFrequency(double mhz) {
    if (!std::isfinite(mhz)) mhz = 0;
    // Whole hertz, the usual case, are written from the integer: the value is
    // then within a millihertz of a six-decimal number, so the digits are the
    // ones fixed-point rounding would give, at a fraction of the cost.
    const double hz = mhz * 1000000.0;
    const double whole = std::round(hz);
    if (std::fabs(hz - whole) < 1e-3 && std::fabs(whole) < 1e15) {
        const long long n = static_cast<long long>(whole);
        const unsigned long long mag = n < 0 ? 0ULL - static_cast<unsigned long long>(n)
                                             : static_cast<unsigned long long>(n);
        std::string frac = std::to_string(mag % 1000000ULL);
        std::string out = n < 0 ? "-" : "";
        out += std::to_string(mag / 1000000ULL);
        out += '.';
        out.append(6 - frac.size(), '0');
        out += frac;
        return out;
    }
    // to_chars, unlike printf, ignores the process locale (a desktop locale
    // with a decimal comma must not leak into files or the receiver).
    // Room for the largest double written out in full (309 digits), so the
    // conversion cannot run short of space.
    char buf[330];
    const auto r = std::to_chars(buf, buf + sizeof buf, mhz, std::chars_format::fixed, 6);
    if (r.ec != std::errc()) return "0.000000";
    return std::string(buf, r.ptr);
}

std::string FormatOffset(double mhz) { return FormatFrequency(mhz); }

double LeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    std::string part;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) part += text[i++];
    bool dot = false, digit = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            part += c;
            digit = true;
        } else if (c == '.' && !dot) {
            part += c;
            dot = true;
        } else {
            break;
        }
    }
    if (!digit) return 0;
    return ParseDecimal(part);
}

}  // namespace wrk7
