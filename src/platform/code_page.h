#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace wrk7::platform {

// Windows' Japanese code page (932), the legacy notes' encoding, through the
// system's own converter: Qt for Windows built without ICU knows no code page
// by name. Strict both ways: a byte sequence or a character outside the code
// page gives nothing. POSIX has no such converter and gives nothing either;
// Qt's ICU converts there.
std::optional<std::u16string> Cp932ToUtf16(std::string_view bytes);
std::optional<std::string> Utf16ToCp932(std::u16string_view text);

}  // namespace wrk7::platform
