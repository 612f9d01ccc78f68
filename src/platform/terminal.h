#pragma once

namespace wrk7::platform {

// Whether the standard error stream is a terminal: only a person watching
// gets progress bars and the port's own reason beside a failure.
bool StandardErrorIsTerminal();

}  // namespace wrk7::platform
