#include <QFileInfo>
#include <QGuiApplication>

#include "cli/verb_listing_pdf.h"
#include "cli/verb.h"
#include "print/listing_pdf.h"

namespace wrk7::cli {

namespace {

bool WantsPdf(int argc, char** argv) {
    if (argc < 2 || QLatin1String(argv[1]) != QLatin1String("listing")) return false;
    for (int i = 2; i < argc; ++i) {
        const QLatin1String arg(argv[i]);
        if (arg == QLatin1String("--pdf") || arg.startsWith(QLatin1String("--pdf="))) return true;
    }
    return false;
}

}  // namespace

std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv) {
    if (!WantsPdf(argc, argv)) return std::make_unique<QCoreApplication>(argc, argv);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

int WriteListingPdf(const CloneImage& image, const ListingSections& sections, const QString& cloneFile,
                    const QString& pdfPath, CliIo& io) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        io.Err(QStringLiteral("listing --pdf: fonts need a QGuiApplication in this process"));
        return kExitFailure;
    }
    const auto document = print::MakeListingDocument(image, sections, QFileInfo(cloneFile).fileName());
    if (!print::SaveListingPdf(document, pdfPath)) {
        io.Err(QStringLiteral("File Open Error"));
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace wrk7::cli
