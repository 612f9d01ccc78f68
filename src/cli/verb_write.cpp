#include <QCommandLineParser>

#include "cli/link_verbs.h"
#include "files/clone_file.h"
#include "lists/clone_file_load.h"
#include "ports/port_factory.h"

namespace wrk7::cli {

namespace {
const QCommandLineOption kPort(QStringLiteral("port"), QString(), QStringLiteral("PORT"));
const QCommandLineOption kPart(QStringLiteral("part"), QString(), QStringLiteral("PART"), QStringLiteral("all"));
const QCommandLineOption kTrace(QStringLiteral("trace"), QString(), QStringLiteral("FILE"));
const QCommandLineOption kBackup(QStringLiteral("backup"), QString(), QStringLiteral("FILE"));
const QCommandLineOption kVerify(QStringLiteral("verify"));
}  // namespace

int RunWrite(const QStringList& args, CliIo& io) {
    const Verb& verb = *FindVerb(QStringLiteral("write"));
    QCommandLineParser parser;
    AddModelOption(parser);
    parser.addOption(kPort);
    parser.addOption(kPart);
    parser.addOption(kTrace);
    parser.addOption(kBackup);
    parser.addOption(kVerify);
    int exitCode = kExitOk, model = 0;
    if (!ParseVerbArgs(parser, verb, args, 1, io, exitCode)) return exitCode;
    if (!ModelFromParser(parser, verb, io, model)) return kExitUsage;
    const auto part = PortAndPart(parser, kPort, kPart, verb, io);
    if (!part) return kExitUsage;
    if (!PortIsListed(parser.value(kPort), io)) return kExitFailure;

    CloneImage image;
    image.model = model;
    const FileResult loaded = LoadCloneFile(image, parser.positionalArguments()[0]);
    io.Errors(loaded.messages);
    if (!loaded.ok) return kExitFailure;
    image.model = model;
    auto port = ports::MakePortFor(parser.value(kPort).toStdString(), model);
    // --backup FILE: what the receiver holds is saved there before the write.
    link::KeepBackup keep;
    if (parser.isSet(kBackup)) {
        keep = [path = parser.value(kBackup)](const CloneImage& held, std::string& why) {
            CloneImage copy = held;
            const FileResult saved = SaveCloneFile(copy, path);
            if (!saved.ok) why = path.toStdString() + ": " + saved.messages.front().English();
            return saved.ok;
        };
    }
    const platform::InterruptCatcher interrupt;
    const link::LinkResult result = RunTransfer(TransferDirection::kWrite, *part, image, *port,
                                                TerminalOptions(io, interrupt.Flag()), parser.value(kTrace), io, keep,
                                                parser.isSet(kVerify));
    port->Close();
    return ReportLink(result, *port, io);
}

}  // namespace wrk7::cli
