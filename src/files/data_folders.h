#pragma once
#include <QString>

namespace wrk7 {

// The per-user data folder both programs keep their own files in
// (QStandardPaths::AppLocalDataLocation), and its parts: "backups",
// "traces", "logs".
QString DataFolderPart(const char* part);

}  // namespace wrk7
