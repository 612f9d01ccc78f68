#ifdef _WIN32
#include <io.h>

#include <cstdio>

#include "platform/terminal.h"

namespace wrk7::platform {

bool StandardErrorIsTerminal() { return _isatty(_fileno(stderr)) != 0; }

}  // namespace wrk7::platform
#endif  // _WIN32
