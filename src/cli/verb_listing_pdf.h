#pragma once
#include <QCoreApplication>
#include <QString>
#include <memory>

#include "cli/verb.h"
#include "core/image.h"
#include "files/listing.h"

namespace wrk7::cli {

// The application object for a run: a QGuiApplication on Qt's offscreen
// platform (whatever QT_QPA_PLATFORM names) for "listing --pdf", which paints
// text and needs fonts but never a display; a QCoreApplication for
// everything else.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv);

// "listing --pdf": the listing of image as a PDF at pdfPath, with
// cloneFile's name in the footer. "File Open Error" and kExitFailure when the
// PDF cannot be written; an existing file then stays as it was.
int WriteListingPdf(const CloneImage& image, const ListingSections& sections, const QString& cloneFile,
                    const QString& pdfPath, CliIo& io);

}  // namespace wrk7::cli
