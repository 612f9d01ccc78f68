#include "lists/list_export.h"

#include <string>

#include "files/text_file.h"
#include "lists/chirp_csv.h"
#include "lists/csv.h"
#include "lists/sdr_export.h"

namespace wrk7 {

QByteArray ListFileBytes(const CloneImage& image, ListFileType type) {
    switch (type) {
        case ListFileType::kOwnCsv: return JoinLinesCrLf(CsvExportLines(image));
        case ListFileType::kChirpCsv: return JoinLinesCrLf(ChirpExportLines(image));
        default: break;
    }
    const std::string text = SdrBookmarksText(image, *InfoOf(type).rows);
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

FileResult ExportListFile(const CloneImage& image, ListFileType type, const QString& path) {
    if (path.isEmpty() || !WriteFileAtomically(path, ListFileBytes(image, type)))
        return FileResult::Failure(MessageId::kFileOpenError);
    return FileResult::Success();
}

}  // namespace wrk7
