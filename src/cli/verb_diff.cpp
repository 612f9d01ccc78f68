// wrk7 diff: what differs between two clone files.
#include <QCommandLineParser>

#include "cli/file_verbs.h"
#include "files/clone_file.h"
#include "edit/image_diff.h"
#include "lists/clone_file_load.h"

namespace wrk7::cli {

namespace {

constexpr int kExitDiffer = 1;  // the images differ
constexpr int kExitTrouble = 2;  // usage error or a file that cannot be loaded

}  // namespace

int RunDiff(const QStringList& args, CliIo& io) {
    QCommandLineParser parser;
    AddModelOption(parser);
    const Verb& verb = *FindVerb(QStringLiteral("diff"));
    int exitCode = kExitOk, model = 0;
    if (!ParseVerbArgs(parser, verb, args, 2, io, exitCode)) return exitCode;
    if (!ModelFromParser(parser, verb, io, model)) return kExitUsage;
    CloneImage images[2];
    for (int i = 0; i < 2; ++i) {
        images[i].model = model;
        const FileResult loaded = LoadCloneFile(images[i], parser.positionalArguments()[i]);
        if (!loaded.ok) {
            io.Errors(loaded.messages);
            return kExitTrouble;
        }
    }
    const std::vector<DiffLine> lines = DiffImages(images[0], images[1]);
    for (const DiffLine& line : lines) io.Out(QString::fromStdString(DiffLineText(line)));
    return lines.empty() ? kExitOk : kExitDiffer;
}

}  // namespace wrk7::cli
