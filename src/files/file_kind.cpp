#include "files/file_kind.h"

#include <sys/stat.h>

#include <QFile>

namespace wrk7 {

FileKind KindOf(const QString& path) {
    struct stat info {};
    if (path.isEmpty() || stat(QFile::encodeName(path).constData(), &info) != 0) return FileKind::kMissing;
    if (S_ISREG(info.st_mode)) return FileKind::kRegular;
    if (S_ISDIR(info.st_mode)) return FileKind::kDirectory;
    if (S_ISFIFO(info.st_mode) || S_ISCHR(info.st_mode)) return FileKind::kStream;
    return FileKind::kOther;
}

}  // namespace wrk7
