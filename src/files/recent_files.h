#pragma once
#include <QString>
#include <QStringList>
#include <string_view>

class QSettings;

namespace wrk7 {

// File > Recent Files: the clone files last opened or saved, newest first,
// kept in the per-user settings store beside the window placement.
inline constexpr int kRecentFileCount = 8;
inline constexpr std::string_view kRecentFilesKey = "Settings/RecentFiles";

// The list with path in front: an older entry of the same file goes, and the
// list keeps the newest kRecentFileCount. Paths are made absolute.
QStringList AddRecentFile(QStringList files, const QString& path);
// The list without path.
QStringList RemoveRecentFile(QStringList files, const QString& path);

// What the store holds, cleaned: no empty entries, no duplicates, at most
// kRecentFileCount (the store is a text file a user may have edited).
QStringList LoadRecentFiles(const QSettings& store);
void SaveRecentFiles(QSettings& store, const QStringList& files);

}  // namespace wrk7
