#pragma once
#include "cli/verb.h"

class QCommandLineParser;

namespace wrk7::cli {

// `wrk7 ports --test PORT [--loopback] [--model MODEL] [--trace FILE]`: the
// ports verb has parsed those options into parser and hands over when --test
// is given. Prints what came back and what it means; the exit status is
// kExitOk on a pass (the loopback came back whole, or the receiver accepted
// the identification), kExitRefused when the receiver refused it, and
// kExitFailure otherwise (kExitUsage for a bad --model).
int RunCableTestVerb(const QCommandLineParser& parser, const Verb& verb, CliIo& io);

}  // namespace wrk7::cli
