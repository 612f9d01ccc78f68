#pragma once
#include "cli/verb.h"

namespace wrk7::cli {

// `wrk7 ports`: the serial devices and what stands in their way (or, with
// --test, the cable test).
int RunPorts(const QStringList& args, CliIo& io);

}  // namespace wrk7::cli
