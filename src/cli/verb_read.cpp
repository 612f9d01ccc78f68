#include <QCommandLineParser>

#include "cli/link_verbs.h"
#include "codecs/new_image.h"
#include "files/clone_file.h"
#include "ports/port_factory.h"

namespace wrk7::cli {

namespace {
const QCommandLineOption kPort(QStringLiteral("port"), QString(), QStringLiteral("PORT"));
const QCommandLineOption kPart(QStringLiteral("part"), QString(), QStringLiteral("PART"), QStringLiteral("all"));
const QCommandLineOption kBase(QStringLiteral("base"), QString(), QStringLiteral("FILE"));
}  // namespace

// Reads the receiver into a new image (or --base) and saves it only when the
// whole operation succeeded: a failed read never touches OUT.
int RunRead(const QStringList& args, CliIo& io) {
    const Verb& verb = *FindVerb(QStringLiteral("read"));
    QCommandLineParser parser;
    AddModelOption(parser);
    parser.addOption(kPort);
    parser.addOption(kPart);
    parser.addOption(kBase);
    int exitCode = kExitOk, model = 0;
    if (!ParseVerbArgs(parser, verb, args, 1, io, exitCode)) return exitCode;
    if (!ModelFromParser(parser, verb, io, model)) return kExitUsage;
    if (!parser.isSet(kPort)) return UsageError(verb, QStringLiteral("--port is required"), io);
    const auto part = ParsePart(parser.value(kPart));
    if (!part) return UsageError(verb, QStringLiteral("unknown part '%1'").arg(parser.value(kPart)), io);

    CloneImage image;
    image.RegionIndex = model;
    if (parser.isSet(kBase)) {
        const FileResult loaded = LoadCloneFile(image, parser.value(kBase));
        io.Errors(loaded.messages);
        if (!loaded.ok) return kExitFailure;
        image.RegionIndex = model;
    } else {
        NewCloneImage(image);
    }
    auto port = ports::MakePortFor(parser.value(kPort).toStdString(), model);
    InterruptGuard interrupt;
    const link::LinkResult result = link::RunRead(*part, image, *port, TerminalOptions(io, interrupt.Flag()));
    port->Close();
    const int status = ReportLink(result, *port, io);
    if (status != kExitOk) return status;
    const FileResult saved = SaveCloneFile(image, parser.positionalArguments()[0]);
    io.Errors(saved.messages);
    return saved.ok ? kExitOk : kExitFailure;
}

}  // namespace wrk7::cli
