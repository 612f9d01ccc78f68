// wrk7 merge: the changes of two clone files since a third, taken together.
#include <QCommandLineParser>

#include "cli/file_verbs.h"
#include "edit/three_way_merge.h"
#include "files/clone_file.h"
#include "files/merge_lines.h"
#include "lists/clone_file_load.h"

namespace wrk7::cli {

namespace {

constexpr int kExitConflicts = 3;  // changed differently on both sides, and no --prefer

}  // namespace

int RunMerge(const QStringList& args, CliIo& io) {
    QCommandLineParser parser;
    AddModelOption(parser);
    parser.addOption(QCommandLineOption(QStringLiteral("prefer"), QStringLiteral("side"), QStringLiteral("SIDE")));
    const Verb& verb = *FindVerb(QStringLiteral("merge"));
    int exitCode = kExitOk, model = 0;
    if (!ParseVerbArgs(parser, verb, args, 4, io, exitCode)) return exitCode;
    if (!ModelFromParser(parser, verb, io, model)) return kExitUsage;
    std::optional<MergeSide> prefer;
    if (parser.isSet(QStringLiteral("prefer"))) {
        const QString side = parser.value(QStringLiteral("prefer")).toLower();
        if (side != QLatin1String("mine") && side != QLatin1String("receiver"))
            return UsageError(verb, QStringLiteral("unknown side '%1' for --prefer (mine or receiver)").arg(side), io);
        prefer = side == QLatin1String("mine") ? MergeSide::kMine : MergeSide::kReceiver;
    }
    const QStringList files = parser.positionalArguments();
    CloneImage images[3];  // base, mine, receiver
    for (int i = 0; i < 3; ++i) {
        images[i].model = model;
        const FileResult loaded = LoadCloneFile(images[i], files[i]);
        if (!loaded.ok) {
            io.Errors(loaded.messages);
            return kExitFailure;
        }
    }
    const MergePlan plan = PlanMerge(images[0], images[1], images[2]);
    const MergeLines lines(images[1], images[2]);
    for (const MergeItem& conflict : plan.conflicts) io.Err(ConflictMessage(lines.Line(conflict)));
    if (!plan.conflicts.empty() && !prefer) return kExitConflicts;
    const CloneImage merged =
        ApplyMerge(images[1], images[2], plan, std::vector<MergeSide>(plan.conflicts.size(), prefer.value_or(MergeSide::kMine)));
    if (const std::vector<Message> refusal = MergeRefusal(merged); !refusal.empty()) {
        io.Errors(refusal);
        return kExitFailure;
    }
    const FileResult saved = SaveCloneFile(merged, files[3]);
    io.Errors(saved.messages);
    return saved.ok ? kExitOk : kExitFailure;
}

}  // namespace wrk7::cli
