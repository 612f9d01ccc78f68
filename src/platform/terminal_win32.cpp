#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "platform/terminal.h"

namespace wrk7::platform {

bool StandardErrorIsTerminal() { return _isatty(_fileno(stderr)) != 0; }

void SetStandardOutputBinary() { _setmode(_fileno(stdout), _O_BINARY); }

}  // namespace wrk7::platform
#endif  // _WIN32
