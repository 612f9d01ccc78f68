// Windows keeps who may open what in access lists that only an open
// attempt answers in full; what can be told without one is a refusal to
// look at the path at all and the read-only attribute.
#ifdef _WIN32
#include <windows.h>

#include "platform/access.h"

namespace wrk7::platform {

bool MayReadAndWrite(const std::string& path) {
    std::wstring wide(path.size() + 1, L'\0');
    const int n = MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), wide.data(),
                                      static_cast<int>(wide.size()));
    wide.resize(static_cast<std::size_t>(n > 0 ? n : 0));
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return GetLastError() != ERROR_ACCESS_DENIED;
    return (attributes & FILE_ATTRIBUTE_READONLY) == 0;
}

}  // namespace wrk7::platform
#endif  // _WIN32
