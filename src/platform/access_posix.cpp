#ifndef _WIN32
#include <unistd.h>

#include "platform/access.h"

namespace wrk7::platform {

bool MayReadAndWrite(const std::string& path) { return ::access(path.c_str(), R_OK | W_OK) == 0; }

}  // namespace wrk7::platform
#endif  // _WIN32
