#ifndef _WIN32
#include <unistd.h>

#include "platform/terminal.h"

namespace wrk7::platform {

bool StandardErrorIsTerminal() { return ::isatty(STDERR_FILENO) == 1; }

void SetStandardOutputBinary() {}

}  // namespace wrk7::platform
#endif  // _WIN32
