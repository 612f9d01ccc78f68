#ifdef _WIN32
#include "platform/code_page.h"

#include <windows.h>

#include <climits>

namespace wrk7::platform {

namespace {
constexpr UINT kCp932 = 932;
}

std::optional<std::u16string> Cp932ToUtf16(std::string_view bytes) {
    if (bytes.empty()) return std::u16string();
    if (bytes.size() > INT_MAX) return std::nullopt;
    const int size = static_cast<int>(bytes.size());
    const int n = MultiByteToWideChar(kCp932, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    if (n <= 0) return std::nullopt;
    std::u16string out(static_cast<std::size_t>(n), u'\0');
    if (MultiByteToWideChar(kCp932, MB_ERR_INVALID_CHARS, bytes.data(), size, reinterpret_cast<wchar_t*>(out.data()), n) != n)
        return std::nullopt;
    return out;
}

std::optional<std::string> Utf16ToCp932(std::u16string_view text) {
    if (text.empty()) return std::string();
    if (text.size() > INT_MAX) return std::nullopt;
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int size = static_cast<int>(text.size());
    // No best fit: a character the code page lacks is a failure, not a
    // look-alike or a question mark.
    BOOL substituted = FALSE;
    const int n = WideCharToMultiByte(kCp932, WC_NO_BEST_FIT_CHARS, wide, size, nullptr, 0, nullptr, &substituted);
    if (n <= 0 || substituted) return std::nullopt;
    std::string out(static_cast<std::size_t>(n), '\0');
    if (WideCharToMultiByte(kCp932, WC_NO_BEST_FIT_CHARS, wide, size, out.data(), n, nullptr, &substituted) != n || substituted)
        return std::nullopt;
    return out;
}

}  // namespace wrk7::platform
#endif  // _WIN32
