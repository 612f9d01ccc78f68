#pragma once
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <atomic>
#include <memory>
#include <optional>

#include "cli/verb.h"
#include "link/link_operations.h"
#include "link/write_backup.h"
#include "platform/interrupt.h"

namespace wrk7::cli {

// The radio-link verbs; each returns the exit status.
int RunRead(const QStringList& args, CliIo& io);
int RunWrite(const QStringList& args, CliIo& io);
int RunEmulate(const QStringList& args, CliIo& io);

// Shared by read and write.
std::optional<link::Part> ParsePart(const QString& text);  // all, settings, memory, bank, groups
// The part that --part names when --port is given too; otherwise the usage
// error is shown and nullopt returned (the exit status is kExitUsage).
std::optional<link::Part> PortAndPart(const QCommandLineParser& parser, const QCommandLineOption& port,
                                      const QCommandLineOption& part, const Verb& verb, CliIo& io);
// False, with why on stderr, when the port text names a COM port this system
// does not list (Windows); nothing is sent then, and the exit status is
// kExitFailure, as for a port that fails to open.
bool PortIsListed(const QString& portText, CliIo& io);
// Link options with a terminal progress bar on stderr when it is one.
link::LinkOptions TerminalOptions(const CliIo& io, const std::atomic<bool>& cancel);
// Prints the messages; the exit status follows the result code.
int ReportLink(const link::LinkResult& result, const link::SerialPort& port, CliIo& io);
// The exit status of a transfer or a cable test that ended so.
int ExitStatusOf(link::LinkOutcome outcome);
// Runs a read or write of part, with a serial trace written to tracePath
// once it ends when that is not empty (a trace that cannot be written is
// reported on stderr; the transfer's result stands). A write with
// keepBackup first reads the receiver and has it keep that; one with check
// reads back what it wrote and fails when the receiver holds otherwise.
link::LinkResult RunTransfer(TransferDirection direction, link::Part part, CloneImage& image, link::SerialPort& port,
                             const link::LinkOptions& options, const QString& tracePath, CliIo& io,
                             const link::KeepBackup& keepBackup = {}, bool check = false);

}  // namespace wrk7::cli
