// wrk7 report: what a problem report to the program's makers holds, in one ZIP.
#include <QCommandLineParser>
#include <QDir>

#include "cli/verb_report.h"
#include "report/problem_report.h"

namespace wrk7::cli {

namespace {
const QCommandLineOption kRedact(QStringLiteral("redact"));
}  // namespace

int RunReport(const QStringList& args, CliIo& io) {
    QCommandLineParser parser;
    parser.addOption(kRedact);
    const Verb& verb = *FindVerb(QStringLiteral("report"));
    int exitCode = kExitOk;
    if (!ParseVerbArgs(parser, verb, args, 1, io, exitCode)) return exitCode;
    const QString out = parser.positionalArguments().front();
    const report::ReportOutcome saved =
        report::SaveProblemReport(report::ThisMachinesSources(), parser.isSet(kRedact), out, QDateTime::currentDateTime());
    for (const QString& left : saved.leftOut) io.Err(QStringLiteral("left out: %1").arg(left));
    if (!saved.ok) {
        io.Err(QStringLiteral("%1: %2").arg(out, saved.error));
        return kExitFailure;
    }
    io.Out(QStringLiteral("%1: %2 files%3")
               .arg(QDir::toNativeSeparators(out))
               .arg(saved.files)
               .arg(parser.isSet(kRedact) ? QStringLiteral(", names and notes left out") : QString()));
    return kExitOk;
}

}  // namespace wrk7::cli
