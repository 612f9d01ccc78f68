#include <algorithm>
#include <cstdio>

#include "cli/link_verbs.h"
#include "files/text_file.h"
#include "link/serial_trace.h"
#include "link/write_check.h"
#include "ports/link_log.h"
#include "ports/port_factory.h"

namespace wrk7::cli {

std::optional<link::Part> ParsePart(const QString& text) {
    const QString t = text.toLower();
    if (t == "all") return link::Part::kAll;
    if (t == "settings") return link::Part::kSettings;
    if (t == "memory") return link::Part::kMemory;
    if (t == "bank") return link::Part::kBank;
    if (t == "groups") return link::Part::kGroups;
    return std::nullopt;
}

std::optional<link::Part> PortAndPart(const QCommandLineParser& parser, const QCommandLineOption& port,
                                      const QCommandLineOption& part, const Verb& verb, CliIo& io) {
    if (!parser.isSet(port)) {
        UsageError(verb, QStringLiteral("--port is required"), io);
        return std::nullopt;
    }
    const auto named = ParsePart(parser.value(part));
    if (!named) UsageError(verb, QStringLiteral("unknown part '%1'").arg(parser.value(part)), io);
    return named;
}

bool PortIsListed(const QString& portText, CliIo& io) {
    const std::optional<Message> why = ports::PortProblem(portText.toStdString());
    if (why) io.Err(why->English());
    return !why;
}

link::LinkOptions TerminalOptions(const CliIo& io, const std::atomic<bool>& cancel) {
    link::LinkOptions options;
    options.cancel = &cancel;
    if (io.isTerminal) {
        options.progress = [last = -1](int done, int total) mutable {
            if (total <= 0) return;
            const int width = 40;
            const int filled = done * width / total;
            if (filled == last && done != total) return;
            last = filled;
            std::fprintf(stderr, "\r[%s%s] %4d/%d", std::string(static_cast<std::size_t>(filled), '#').c_str(),
                         std::string(static_cast<std::size_t>(width - filled), '.').c_str(), done, total);
            if (done == total) std::fputc('\n', stderr);
            std::fflush(stderr);
        };
    }
    return options;
}

int ReportLink(const link::LinkResult& result, const link::SerialPort& port, CliIo& io) {
    if (io.isTerminal) std::fputc('\n', stderr);
    io.Errors(result.messages);
    if (result.cancelled) io.Note(QStringLiteral("cancelled"));
    // Always, as the window's box has it too: a script's log is where a
    // user without a terminal looks for why.
    if (const std::string why = link::UntoldPortReason(result, port.ErrorText()); !why.empty()) io.Err(why);
    return ExitStatusOf(result.outcome);
}

int ExitStatusOf(link::LinkOutcome outcome) {
    switch (outcome) {
        case link::LinkOutcome::kOk: return kExitOk;
        case link::LinkOutcome::kRefused: return kExitRefused;
        case link::LinkOutcome::kFailed: break;
    }
    return kExitFailure;
}

link::LinkResult RunTransfer(TransferDirection direction, link::Part part, CloneImage& image, link::SerialPort& port,
                             const link::LinkOptions& options, const QString& tracePath, CliIo& io,
                             const link::KeepBackup& keepBackup, bool check) {
    const bool write = direction == TransferDirection::kWrite;
    auto transfer = [&](link::SerialPort& p, const link::LinkOptions& o) {
        if (write && keepBackup) return link::RunWriteAfterBackup(part, image, p, o, keepBackup);
        return write ? link::RunWrite(part, image, p, o) : link::RunRead(part, image, p, o);
    };
    auto run = [&](link::SerialPort& p, const link::LinkOptions& o) {
        link::LinkResult result = transfer(p, o);
        return write && check ? link::CheckWrite(std::move(result), part, image, p, o) : result;
    };
    const std::string title = link::TransferTitle(direction, part, options.quickRead);
    ports::LogTransferStart(title, port.Name());
    const auto started = std::chrono::steady_clock::now();
    const auto logged = [&](const link::LinkResult& r) {
        ports::LogTransferEnd(title, r, std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count(),
                               port.ErrorText());
        return r;
    };
    if (tracePath.isEmpty()) return logged(run(port, options));
    link::SerialTrace trace;
    const link::LinkResult result = logged(link::RunTraced(title, port, trace, options, run));
    QString error;
    if (!WriteFileAtomically(tracePath, QByteArray::fromStdString(trace.Text()), &error))
        io.Err(QStringLiteral("Trace not written: %1: %2").arg(tracePath, error));
    return result;
}

}  // namespace wrk7::cli
