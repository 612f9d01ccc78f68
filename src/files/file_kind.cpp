#include "files/file_kind.h"

#include <filesystem>
#include <system_error>

namespace wrk7 {

FileKind KindOf(const QString& path) {
    // A name holding half a UTF-16 pair names no file, and converting it
    // would throw.
    if (path.isEmpty() || !path.isValidUtf16()) return FileKind::kMissing;
    std::error_code error;
    const auto status = std::filesystem::status(std::filesystem::path(path.toStdU16String()), error);
    if (error) return FileKind::kMissing;
    switch (status.type()) {
        case std::filesystem::file_type::not_found: return FileKind::kMissing;
        case std::filesystem::file_type::regular: return FileKind::kRegular;
        case std::filesystem::file_type::directory: return FileKind::kDirectory;
        case std::filesystem::file_type::fifo:
        case std::filesystem::file_type::character: return FileKind::kStream;
        default: return FileKind::kOther;
    }
}

}  // namespace wrk7
