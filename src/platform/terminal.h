#pragma once

namespace wrk7::platform {

// Whether the standard error stream is a terminal: only a person watching
// gets progress bars and the port's own reason beside a failure.
bool StandardErrorIsTerminal();

// Puts standard output in binary mode, so bytes written to it arrive as
// they are: Windows' C runtime would write each newline as CR LF.
void SetStandardOutputBinary();

}  // namespace wrk7::platform
