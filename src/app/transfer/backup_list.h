#pragma once
#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

#include "app/transfer/backups.h"
#include "core/image.h"

namespace wrk7 {

// One file of the backups folder, as the Restore dialog lists it.
struct BackupEntry {
    QString path;
    BackupKind kind = BackupKind::kRead;
    QDateTime when;             // local time, from the name (else the file's own time)
    std::optional<int> model;   // as recorded beside it; none for a backup of an older version
    std::optional<BackupWrite> write;  // what a "before a write" one came before, as recorded
    int channels = 0;           // enabled memory channels (0..999)
    QString problem;            // why it cannot be loaded; empty when it can
    bool Usable() const { return problem.isEmpty(); }
};

// Every backup of either kind in folder, newest first, each loaded to count
// its channels and to find the ones that cannot be written back. Empty for a
// folder that is missing or holds none.
std::vector<BackupEntry> ListBackups(const QString& folder);

// The image of the backup at path, taken as model (the recorded one, else the
// window's); false, with why, when it cannot be loaded.
bool LoadBackup(const QString& path, int model, CloneImage& image, QString* why = nullptr);

}  // namespace wrk7
