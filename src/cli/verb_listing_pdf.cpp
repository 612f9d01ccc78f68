#include <QFileInfo>
#include <QGuiApplication>

#include "cli/verb_listing_pdf.h"
#include "cli/verb.h"
#include "files/result.h"
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

QtMessageHandler previousHandler = nullptr;

// Qt's note that the session has no runtime folder says nothing about the
// PDF; stderr carries only the tool's own messages.
void DropRuntimeDirWarning(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
    if (previousHandler) previousHandler(type, context, message);
}

}  // namespace

std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv) {
    if (!WantsPdf(argc, argv)) return std::make_unique<QCoreApplication>(argc, argv);
    // A PDF never needs a display, so the platform a desktop session names
    // (xcb, wayland) is not asked for one it may not have.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    previousHandler = qInstallMessageHandler(DropRuntimeDirWarning);
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
        io.Err(std::string(kFileOpenError));
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace wrk7::cli
