#include <QCommandLineParser>
#include <QFile>

#include "cli/link_verbs.h"
#include "emulator/memory_image.h"
#include "emulator/pty_server.h"
#include "emulator/trace_replay.h"
#include "files/clone_file.h"
#include "lists/clone_file_load.h"

namespace wrk7::cli {

namespace {
const QCommandLineOption kImage(QStringLiteral("image"), QString(), QStringLiteral("FILE"));
const QCommandLineOption kLink(QStringLiteral("link"), QString(), QStringLiteral("PATH"));
const QCommandLineOption kSave(QStringLiteral("save"), QString(), QStringLiteral("FILE"));
const QCommandLineOption kPaced(QStringLiteral("paced"));
const QCommandLineOption kFault(QStringLiteral("fault"), QString(), QStringLiteral("F"));
const QCommandLineOption kLatencyTimer(QStringLiteral("latency-timer"), QString(), QStringLiteral("MS"));
// The range an FTDI chip's latency timer takes, 0 for no adapter at all.
constexpr int kLatencyTimerMax = 255;
const QCommandLineOption kReplay(QStringLiteral("replay"), QString(), QStringLiteral("TRACE"));

// Serves server until interrupted or its line hangs up; what both modes share.
int Serve(emu::PtyServer& server, CliIo& io) {
    std::string error;
    if (!server.Open(error)) {
        io.Err(QString::fromStdString(error));
        return kExitFailure;
    }
    io.Out(QStringLiteral("PORT %1").arg(QString::fromStdString(server.DevicePath())));
    const platform::InterruptCatcher interrupt;
    server.Serve(interrupt.Flag());
    server.Close();
    return kExitOk;
}

int RunReplay(const QCommandLineParser& parser, const Verb& verb, CliIo& io) {
    for (const auto& o : {kImage, kSave, kFault})
        if (parser.isSet(o))
            return UsageError(verb, QStringLiteral("--%1 does not go with --replay: the trace decides every answer").arg(o.names().first()), io);
    QFile file(parser.value(kReplay));
    if (!file.open(QIODevice::ReadOnly)) {
        io.Err(QStringLiteral("%1: %2").arg(file.fileName(), file.errorString()));
        return kExitFailure;
    }
    std::string error;
    std::optional<emu::TraceScript> script = emu::ParseTrace(file.readAll().toStdString(), error);
    if (!script) {
        io.Err(QStringLiteral("%1: %2").arg(file.fileName(), QString::fromStdString(error)));
        return kExitFailure;
    }
    emu::ReplayReceiver replay(std::move(*script), parser.isSet(kPaced));
    emu::PtyOptions options;
    options.paced = false;  // the trace's own times hold the line's pace
    options.linkPath = parser.value(kLink).toStdString();
    emu::PtyServer server(replay, options);
    const int status = Serve(server, io);
    if (server.HungUp()) io.Note(QStringLiteral("hung up where the trace did"));
    if (replay.UnknownCommands() > 0)
        io.Note(QStringLiteral("%1 command(s) the trace does not hold got silence").arg(replay.UnknownCommands()));
    return status;
}
}  // namespace

// Serves the receiver emulator on a new pseudo-terminal until SIGINT or
// SIGTERM (or its hang-up fault), then saves its memory when asked.
int RunEmulate(const QStringList& args, CliIo& io) {
    const Verb& verb = *FindVerb(QStringLiteral("emulate"));
    QCommandLineParser parser;
    AddModelOption(parser);
    for (const auto& o : {kImage, kLink, kSave, kPaced, kFault, kReplay, kLatencyTimer}) parser.addOption(o);
    int exitCode = kExitOk, model = 0;
    if (!ParseVerbArgs(parser, verb, args, 0, io, exitCode)) return exitCode;
    if (parser.isSet(kReplay)) return RunReplay(parser, verb, io);
    if (!ModelFromParser(parser, verb, io, model)) return kExitUsage;
    emu::FaultPlan faults;
    for (const QString& f : parser.values(kFault)) {
        std::string error;
        if (!emu::AddFault(faults, f.toStdString(), error)) return UsageError(verb, QString::fromStdString(error), io);
    }
    int latencyMs = 0;
    if (parser.isSet(kLatencyTimer)) {
        bool number = false;
        latencyMs = parser.value(kLatencyTimer).toInt(&number);
        if (!number || latencyMs < 0 || latencyMs > kLatencyTimerMax)
            return UsageError(verb, QStringLiteral("no latency timer '%1' (0..255 ms)").arg(parser.value(kLatencyTimer)), io);
    }

    CloneImage seed;
    seed.model = model;
    if (parser.isSet(kImage)) {
        const FileResult loaded = LoadCloneFile(seed, parser.value(kImage));
        io.Errors(loaded.messages);
        if (!loaded.ok) return kExitFailure;
        seed.model = model;
    } else {
        seed = emu::DemoImage(model);
    }
    emu::Receiver receiver(model);
    emu::StoreImage(receiver.Mem(), seed);
    receiver.LatchBankTable();
    receiver.SetFaults(faults);

    emu::PtyOptions options;
    options.paced = parser.isSet(kPaced);
    options.linkPath = parser.value(kLink).toStdString();
    options.latencyTimer = std::chrono::milliseconds(latencyMs);
    emu::PtyServer server(receiver, options);
    if (Serve(server, io) != kExitOk) return kExitFailure;
    if (server.HungUp()) io.Note(QStringLiteral("hung up after %1 commands").arg(receiver.CommandCount()));
    if (parser.isSet(kSave)) {
        CloneImage saved = emu::ImageFromMemory(receiver.Mem(), model, &seed);
        const FileResult result = SaveCloneFile(saved, parser.value(kSave));
        io.Errors(result.messages);
        if (!result.ok) return kExitFailure;
    }
    return kExitOk;
}

}  // namespace wrk7::cli
