#include "files/data_folders.h"

#include <QStandardPaths>

namespace wrk7 {

QString DataFolderPart(const char* part) {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QLatin1Char('/') + QLatin1String(part);
}

}  // namespace wrk7
