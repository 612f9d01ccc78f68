#pragma once
#include <QHash>
#include <QString>

#include <optional>

#include "core/memory_map.h"
#include "files/timestamped_files.h"

namespace wrk7 {

// Every image a read from the receiver completes is kept as a clone file, and
// so is what the receiver held before each write, so a later write can never
// destroy the only copy of what the receiver held. Each kind has its own
// names and is pruned on its own: reads never push out a pre-write backup.
enum class BackupKind {
    kRead,         // "read-YYYYMMDD-HHMMSS-zzz.WK7"
    kBeforeWrite,  // "before-write-YYYYMMDD-HHMMSS-zzz.WK7"
};
inline constexpr int kBackupsKept = 20;  // of each kind

// QStandardPaths::AppLocalDataLocation + "/backups".
QString DefaultBackupFolder();

// The backups of one kind in folder, as SaveBackup names and prunes them.
TimestampedFiles BackupFiles(BackupKind kind, const QString& folder);

// A clone file does not say which model it is of, and a restore must name
// the right one to the receiver: the folder keeps the model of each backup
// beside them, a line "NAME<TAB>MODEL" per file in this one.
inline constexpr char kBackupModelsFile[] = "models.txt";
// The recorded models of the backups in folder, by file name.
QHash<QString, int> RecordedBackupModels(const QString& folder);

// The model's name as the record of models writes it ("WR-K7J").
QByteArray BackupModelBytes(int model);

// Several "before a write" backups of one receiver look alike in a list:
// what each came before, and how that write ended, is kept beside them, a
// line "NAME<TAB>WRITE<TAB>END" per file in this one, never in the clone
// file, which stays what the receiver held.
inline constexpr char kBackupWritesFile[] = "writes.txt";
enum class WriteEnd {
    kWritten,        // whole (and, when checked, read back as sent)
    kNotChecked,     // whole, but reading it back failed or was cancelled
    kHeldOtherwise,  // whole, but read back the receiver holds otherwise
    kPartly,         // stopped with the receiver partly written
    kNothing,        // stopped before the receiver took anything
};
struct BackupWrite {
    TransferPart part = TransferPart::kAll;
    bool restore = false;  // a backup written back, not the window's image
    WriteEnd end = WriteEnd::kWritten;
    bool operator==(const BackupWrite&) const = default;
};
// Adds name's write to the record and drops the lines of files pruned
// since; false when the record cannot be written (the backup stays).
bool RecordBackupWrite(const QString& folder, const QString& name, const BackupWrite& write);
// The recorded writes of the backups in folder, by file name; lines that
// cannot be read are left out.
QHash<QString, BackupWrite> RecordedBackupWrites(const QString& folder);

}  // namespace wrk7
