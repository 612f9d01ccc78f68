#pragma once
#include "cli/verb.h"

namespace wrk7::cli {

// The file verbs; each returns the exit status.
int RunNew(const QStringList& args, CliIo& io);
int RunCheck(const QStringList& args, CliIo& io);
int RunExport(const QStringList& args, CliIo& io);
int RunImport(const QStringList& args, CliIo& io);
int RunListing(const QStringList& args, CliIo& io);
// Exit 0 when the two clone files hold the same image, 1 when they differ.
int RunDiff(const QStringList& args, CliIo& io);
// Exit 0 when OUT is written, 3 when sides conflict and no --prefer decides.
int RunMerge(const QStringList& args, CliIo& io);

}  // namespace wrk7::cli
