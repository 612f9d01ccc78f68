#pragma once
#include <QByteArray>
#include <QString>

#include "core/image.h"
#include "files/result.h"
#include "lists/list_formats.h"

namespace wrk7 {

// The bytes of a list of the image written as type (IsWritten), the same
// for a file and a pipe.
QByteArray ListFileBytes(const CloneImage& image, ListFileType type);
// Written atomically ("File Open Error" on failure, the old file intact).
FileResult ExportListFile(const CloneImage& image, ListFileType type, const QString& path);

}  // namespace wrk7
