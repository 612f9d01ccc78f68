// Windows has no pseudo-terminal that another program could open as a COM
// port: the far end of one is a device or a driver's port, never a program.
#ifdef _WIN32
#include "platform/pseudo_terminal.h"

namespace wrk7::platform {

PseudoTerminal::~PseudoTerminal() { Close(); }

bool PseudoTerminal::Open(const std::string&, std::string& error) {
    error = "serving a pseudo-terminal needs a POSIX system; on Windows, wrk7 read and wrk7 write reach the "
            "built-in emulator with --port emulator";
    return false;
}

PseudoTerminal::Wake PseudoTerminal::Wait(bool, std::chrono::nanoseconds) { return Wake::kFailed; }

std::size_t PseudoTerminal::Read(char*, std::size_t) { return 0; }

std::size_t PseudoTerminal::Write(std::string_view) { return 0; }

void PseudoTerminal::Close() {}

}  // namespace wrk7::platform
#endif  // _WIN32
