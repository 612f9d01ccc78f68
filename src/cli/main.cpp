#include <QCoreApplication>

#include "cli/verb_listing_pdf.h"
#include "cli/verb.h"
#include "files/preferences.h"

int main(int argc, char** argv) {
    const auto app = wrk7::cli::MakeApplication(argc, argv);
    // The desktop program's names: both find the same per-user files.
    QCoreApplication::setOrganizationName(QString::fromUtf8(wrk7::kSettingsOrganisation.data()));
    QCoreApplication::setApplicationName(QString::fromUtf8(wrk7::kSettingsApplication.data()));
    wrk7::cli::CliIo io = wrk7::cli::ProcessIo();
    return wrk7::cli::RunCli(QCoreApplication::arguments(), io);
}
