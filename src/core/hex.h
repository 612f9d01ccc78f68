#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace wrk7 {

// Hex text and bit strings as the receiver, the clone file and the stores
// exchange them: upper-case digits, two per byte, high nibble first; bit maps
// most significant bit first.

std::string HexDigitToBits(std::string_view digit);  // "A" -> "1010"; anything else "0000"
std::string BitsToHexDigit(std::string_view bits);   // "1010" -> "A"; anything else ""
std::string ByteHex(int value);                      // 0..255 -> "00".."FF"

// Digit values by character; -1 for anything but 0-9 and A-F.
inline constexpr std::array<signed char, 256> kHexDigitValue = [] {
    std::array<signed char, 256> t{};
    t.fill(-1);
    for (int i = 0; i < 10; ++i) t['0' + i] = static_cast<signed char>(i);
    for (int i = 0; i < 6; ++i) t['A' + i] = static_cast<signed char>(10 + i);
    return t;
}();

// Value of two hex digits starting at pos (0-based); nullopt when out of range
// or not upper-case hex. Inline: the record decoders call it for every byte.
inline std::optional<int> HexByteAt(std::string_view text, std::size_t pos) {
    if (pos + 2 > text.size()) return std::nullopt;
    const int hi = kHexDigitValue[static_cast<unsigned char>(text[pos])];
    const int lo = kHexDigitValue[static_cast<unsigned char>(text[pos + 1])];
    if (hi < 0 || lo < 0) return std::nullopt;
    return hi * 16 + lo;
}
bool IsUpperHex(std::string_view text);

// Whole hertz as 8 hex digits, least significant byte first. Rounds to the
// nearest hertz, so 145.1 (binary 145.0999...) gives 145100000 Hz.
std::string HzToLittleEndianHex(double mhz);
// The inverse, through decimal text so six decimals are exact. Bad digits read
// as 0.
double LittleEndianHexToMHz(std::string_view hex8);

// Display forms: "###0.000000" for a frequency, "#0.000000" for an offset.
std::string FormatFrequency(double mhz);
std::string FormatOffset(double mhz);

// Decimal number at the start of text, independent of the process locale;
// 0 when there is none or it is not finite.
double ParseDecimal(std::string_view text);

// Leading decimal number of a text ("12.5kHz" -> 12.5, "" or "abc" -> 0),
// never NaN or infinite.
double LeadingNumber(std::string_view text);

}  // namespace wrk7
