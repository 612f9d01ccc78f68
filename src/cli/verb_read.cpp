#include <QCommandLineParser>

#include "cli/link_verbs.h"
#include "codecs/new_image.h"
#include "edit/transfer_merge.h"
#include "files/clone_file.h"
#include "lists/clone_file_load.h"
#include "ports/port_factory.h"

namespace wrk7::cli {

namespace {
const QCommandLineOption kPort(QStringLiteral("port"), QString(), QStringLiteral("PORT"));
const QCommandLineOption kPart(QStringLiteral("part"), QString(), QStringLiteral("PART"), QStringLiteral("all"));
const QCommandLineOption kBase(QStringLiteral("base"), QString(), QStringLiteral("FILE"));
const QCommandLineOption kQuick(QStringLiteral("quick"));
const QCommandLineOption kTrace(QStringLiteral("trace"), QString(), QStringLiteral("FILE"));
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
    parser.addOption(kQuick);
    parser.addOption(kTrace);
    int exitCode = kExitOk, model = 0;
    if (!ParseVerbArgs(parser, verb, args, 1, io, exitCode)) return exitCode;
    if (!ModelFromParser(parser, verb, io, model)) return kExitUsage;
    const auto part = PortAndPart(parser, kPort, kPart, verb, io);
    if (!part) return kExitUsage;
    if (!PortIsListed(parser.value(kPort), io)) return kExitFailure;

    CloneImage image;
    image.model = model;
    if (parser.isSet(kBase)) {
        const FileResult loaded = LoadCloneFile(image, parser.value(kBase));
        io.Errors(loaded.messages);
        if (!loaded.ok) return kExitFailure;
        image.model = model;
    } else {
        NewCloneImage(image);
    }
    auto port = ports::MakePortFor(parser.value(kPort).toStdString(), model);
    const platform::InterruptCatcher interrupt;
    link::LinkOptions options = TerminalOptions(io, interrupt.Flag());
    options.quickRead = parser.isSet(kQuick);  // the parts without a memory read ignore it
    // The receiver sends no notes: the read fills a copy without the base's,
    // which keeps them where the read left the frequency as it was.
    CloneImage read = image;
    DropNotes(read);
    const link::LinkResult result =
        RunTransfer(TransferDirection::kRead, *part, read, *port, options, parser.value(kTrace), io);
    port->Close();
    const int status = ReportLink(result, *port, io);
    if (status != kExitOk) return status;
    TakeReadAreas(image, read, *part);
    const FileResult saved = SaveCloneFile(image, parser.positionalArguments()[0]);
    io.Errors(saved.messages);
    return saved.ok ? kExitOk : kExitFailure;
}

}  // namespace wrk7::cli
