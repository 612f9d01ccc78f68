#pragma once
#include <string>

namespace wrk7::platform {

// False when the system already says that this user may not open path (in
// UTF-8) for reading and writing, before anything opens it; a missing path
// is the caller's to find out first.
bool MayReadAndWrite(const std::string& path);

}  // namespace wrk7::platform
