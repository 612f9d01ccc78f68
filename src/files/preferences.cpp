#include "files/preferences.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>

#include "core/hex.h"
#include "files/text_file.h"

namespace wrk7 {

namespace {

QString PortFileName() { return QString::fromUtf8(kPortFileName.data(), qsizetype(kPortFileName.size())); }

// The directory entry must carry the name exactly, even on a file system
// that ignores letter case.
bool HasExactEntry(const QString& dir, const QString& name) {
    if (dir.isEmpty()) return false;
    const QStringList found =
        QDir(dir).entryList(QStringList{name}, QDir::Files | QDir::Hidden | QDir::CaseSensitive);
    return found.contains(name);
}

// Largest port file read; the number is on its first line.
constexpr qint64 kMaxPortFileBytes = 4096;

}  // namespace

PortFileDirs DefaultPortFileDirs() {
    return {QCoreApplication::applicationDirPath(),
            QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)};
}

int PortNumberInFile(const QByteArray& contents, int maxPort) {
    QByteArray bytes = contents;
    // The first field: up to a comma or the line end.
    qsizetype end = 0;
    while (end < bytes.size() && bytes[end] != ',' && bytes[end] != '\r' && bytes[end] != '\n') ++end;
    bytes.truncate(end);
    const std::string field = bytes.trimmed().toStdString();
    if (field.empty() || !((field[0] >= '0' && field[0] <= '9') || field[0] == '+' || field[0] == '-'))
        return kDefaultPort;
    const double n = std::nearbyint(LeadingNumber(field));
    if (n < kFirstComPort || n > maxPort) return kDefaultPort;
    return static_cast<int>(n);
}

int ReadPortFileAt(const QString& path, int maxPort) {
    const QFileInfo info(path);
    if (!HasExactEntry(info.absolutePath(), info.fileName())) return kDefaultPort;
    QFile file(path);
    if (!OpenRegularFile(file)) return kDefaultPort;
    return PortNumberInFile(file.read(kMaxPortFileBytes), maxPort);
}

int ReadPortFile(const PortFileDirs& dirs) {
    const QString name = PortFileName();
    for (const QString& dir : {dirs.programDir, dirs.configDir})
        if (HasExactEntry(dir, name)) return ReadPortFileAt(QDir(dir).filePath(name));
    return kDefaultPort;
}

int ReadPortFile() { return ReadPortFile(DefaultPortFileDirs()); }

QString PortFileWritePath(const PortFileDirs& dirs) {
    const QFileInfo program(dirs.programDir);
    if (!dirs.programDir.isEmpty() && program.isDir() && program.isWritable())
        return QDir(dirs.programDir).filePath(PortFileName());
    return QDir(dirs.configDir).filePath(PortFileName());
}

FileResult WritePortFileAt(const QString& path, int port) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QByteArray line = QByteArray::number(port) + "\r\n";
    if (!WriteFileAtomically(path, line)) return FileResult::Failure(MessageId::kFileOpenError);
    // Where letter case is ignored (Windows) the save went into an existing
    // "wr-k7.INI", which keeps its name and would not be read back: give it
    // the exact one, by way of another name, as a rename that changes only
    // the case may change nothing.
    const QFileInfo info(path);
    if (!HasExactEntry(info.absolutePath(), info.fileName())) {
        const QDir dir(info.absolutePath());
        const QStringList found = dir.entryList(QStringList{info.fileName()}, QDir::Files | QDir::Hidden);
        const QString aside = path + QStringLiteral(".renaming");
        if (found.size() != 1 || !QFile::rename(dir.filePath(found.front()), aside) || !QFile::rename(aside, path))
            return FileResult::Failure(MessageId::kFileOpenError);
    }
    return FileResult::Success();
}

FileResult WritePortFile(const PortFileDirs& dirs, int port) {
    const FileResult beside = WritePortFileAt(PortFileWritePath(dirs), port);
    if (beside.ok || dirs.configDir.isEmpty()) return beside;
    // The folder looked writable but was not (a read-only mount, say).
    return WritePortFileAt(QDir(dirs.configDir).filePath(PortFileName()), port);
}

FileResult WritePortFile(int port) { return WritePortFile(DefaultPortFileDirs(), port); }

QString StartupPath(const QStringList& arguments) {
    if (arguments.size() < 2) return {};
    QString path = arguments.at(1);
    if (path.size() >= 2 && path.startsWith('"') && path.endsWith('"')) path = path.mid(1, path.size() - 2);
    return path;
}

int PixelsToTwips(int pixels, double dpi) {
    if (!(dpi > 0)) dpi = 96;
    return static_cast<int>(std::lround(pixels * double(kTwipsPerInch) / dpi));
}

std::array<std::pair<QString, int>, 4> PlacementValues(const WindowPlacement& p, double dpi) {
    const int values[4] = {p.left, p.top, p.width, p.height};
    std::array<std::pair<QString, int>, 4> out;
    for (int i = 0; i < 4; ++i)
        out[i] = {QString::fromUtf8(kPlacementKeys[i].data(), qsizetype(kPlacementKeys[i].size())),
                  PixelsToTwips(values[i], dpi)};
    return out;
}

void SavePlacement(QSettings& store, const WindowPlacement& pixels, double dpi, bool minimised) {
    if (minimised) return;
    store.beginGroup(QString::fromUtf8(kPlacementSection.data(), qsizetype(kPlacementSection.size())));
    for (const auto& [key, twips] : PlacementValues(pixels, dpi)) store.setValue(key, QString::number(twips));
    store.endGroup();
}

int TwipsToPixels(int twips, double dpi) {
    if (!(dpi > 0)) dpi = 96;
    const double pixels = std::round(twips * dpi / kTwipsPerInch);
    return static_cast<int>(std::clamp(pixels, double(-kMaxPlacementPixels), double(kMaxPlacementPixels)));
}

std::optional<WindowPlacement> LoadPlacement(QSettings& store, double dpi) {
    int values[4] = {};
    store.beginGroup(QString::fromUtf8(kPlacementSection.data(), qsizetype(kPlacementSection.size())));
    bool whole = true;
    for (std::size_t i = 0; i < kPlacementKeys.size() && whole; ++i) {
        const QString key = QString::fromUtf8(kPlacementKeys[i].data(), qsizetype(kPlacementKeys[i].size()));
        values[i] = TwipsToPixels(store.value(key).toString().trimmed().toInt(&whole), dpi);
    }
    store.endGroup();
    if (!whole || values[2] <= 0 || values[3] <= 0) return std::nullopt;
    return WindowPlacement{values[0], values[1], values[2], values[3]};
}

QString SettingsKey(std::string_view key) {
    return QString::fromUtf8(kPlacementSection.data(), qsizetype(kPlacementSection.size())) + QLatin1Char('/') +
           QString::fromUtf8(key.data(), qsizetype(key.size()));
}

}  // namespace wrk7
