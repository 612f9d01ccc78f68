#include <QCoreApplication>

#include "cli/verb_listing_pdf.h"
#include "cli/verb.h"

int main(int argc, char** argv) {
    const auto app = wrk7::cli::MakeApplication(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Korvan"));
    QCoreApplication::setApplicationName(QStringLiteral("WR-K7 Clone Utility"));
    wrk7::cli::CliIo io = wrk7::cli::ProcessIo();
    return wrk7::cli::RunCli(QCoreApplication::arguments(), io);
}
