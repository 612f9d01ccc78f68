#include <QCoreApplication>

#include "cli/verb_listing_pdf.h"
#include "cli/verb.h"
#include "files/preferences.h"
#include "files/program_log.h"
#include "program_version.h"

int main(int argc, char** argv) {
    const auto app = wrk7::cli::MakeApplication(argc, argv);
    // The desktop program's names: both find the same per-user files.
    QCoreApplication::setOrganizationName(QString::fromUtf8(wrk7::kSettingsOrganisation.data()));
    QCoreApplication::setApplicationName(QString::fromUtf8(wrk7::kSettingsApplication.data()));
    // --verbose may stand anywhere: it changes what is told, never what is done.
    QStringList arguments = QCoreApplication::arguments();
    const bool verbose = arguments.removeAll(QStringLiteral("--verbose")) > 0;
    wrk7::StartProgramLog(QStringLiteral("wrk7"), verbose);
    qCInfo(logProgram).noquote() << "wrk7" << wrk7::kProgramVersion << arguments.mid(1).join(QLatin1Char(' '));
    wrk7::cli::CliIo io = wrk7::cli::ProcessIo();
    const int status = wrk7::cli::RunCli(arguments, io);
    qCInfo(logProgram) << "wrk7 exit status" << status;
    return status;
}
