#ifndef _WIN32
#include "platform/code_page.h"

namespace wrk7::platform {

std::optional<std::u16string> Cp932ToUtf16(std::string_view) { return std::nullopt; }
std::optional<std::string> Utf16ToCp932(std::u16string_view) { return std::nullopt; }

}  // namespace wrk7::platform
#endif  // _WIN32
