#pragma once
#include "cli/verb.h"

namespace wrk7::cli {

int RunReport(const QStringList& args, CliIo& io);

}  // namespace wrk7::cli
