#pragma once
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <string_view>
#include <utility>

#include "core/com_ports.h"
#include "files/result.h"

class QSettings;

namespace wrk7 {

// The port file "WR-K7.ini": one line, the serial port number, CR LF. Linux
// counts COM1..COM16; Windows keeps the number of any port it has, up to
// COM256 (an older program reads 1..14 only and takes port 1 for the rest).
inline constexpr std::string_view kPortFileName = "WR-K7.ini";
inline constexpr int kDefaultPort = 1;

// Where the port file may live: beside the program first, then the per-user
// configuration folder (for a program folder that cannot be written).
struct PortFileDirs {
    QString programDir;
    QString configDir;
};
// The program's folder and QStandardPaths' application configuration folder;
// needs the application object.
PortFileDirs DefaultPortFileDirs();

// The port a port file's bytes hold: the first field (up to a comma or the
// line end) as a whole number when it is 1..maxPort, otherwise 1.
int PortNumberInFile(const QByteArray& bytes, int maxPort = kLastComPort);
// The port in the file at path, as PortNumberInFile reads it. A missing
// file, one named in another letter case, an empty or unreadable one all
// give 1, silently.
int ReadPortFileAt(const QString& path, int maxPort = kLastComPort);
// Beside the program first, then the configuration folder.
int ReadPortFile(const PortFileDirs& dirs);
int ReadPortFile();
// The file that WritePortFile writes: beside the program when that folder is
// writable, otherwise in the configuration folder.
QString PortFileWritePath(const PortFileDirs& dirs);
// Writes "port" CR LF atomically; "File Open Error" when it cannot be written.
FileResult WritePortFileAt(const QString& path, int port);
FileResult WritePortFile(const PortFileDirs& dirs, int port);
FileResult WritePortFile(int port);

// The clone file named on the command line: the first argument after the
// program, with one pair of enclosing double quotes removed (the shell has
// usually removed them already). Empty when there is none.
QString StartupPath(const QStringList& arguments);

// The per-user settings store of the window placement.
inline constexpr std::string_view kSettingsOrganisation = "Korvan";
inline constexpr std::string_view kSettingsApplication = "WR-K7 Clone Utility";
inline constexpr std::string_view kPlacementSection = "Settings";
inline constexpr std::array<std::string_view, 4> kPlacementKeys{"MainLeft", "MainTop", "MainWidth",
                                                                 "MainHeight"};
inline constexpr int kTwipsPerInch = 1440;
// The desktop program keeps choices of its own in the same section: a
// device path typed into the port dialog (the port file keeps the number
// meanwhile), whether memory reads fetch the used channels only, and the
// answer to the question before a write once it is not to be asked again.
inline constexpr std::string_view kDevicePathKey = "DevicePath";
inline constexpr std::string_view kQuickReadKey = "QuickRead";
inline constexpr std::string_view kAskBeforeWriteKey = "AskBeforeWrite";
inline constexpr std::string_view kBackUpBeforeWriteKey = "BackUpBeforeWrite";
// Whether a write is read back and compared once it has ended.
inline constexpr std::string_view kVerifyAfterWriteKey = "VerifyAfterWrite";
// The USB adapter kept in the port dialog, found again at whatever port it
// has: its ids ("0403:6001"), serial number, /dev/serial/by-id link, Windows
// device instance, and its name and chip for messages.
inline constexpr std::string_view kAdapterUsbIdKey = "AdapterUsbId";
inline constexpr std::string_view kAdapterSerialKey = "AdapterSerial";
inline constexpr std::string_view kAdapterByIdKey = "AdapterById";
inline constexpr std::string_view kAdapterInstanceKey = "AdapterInstance";
inline constexpr std::string_view kAdapterNameKey = "AdapterName";
inline constexpr std::string_view kAdapterChipKey = "AdapterChip";
// View > Theme ("system", "light", "dark") and View > Language ("system",
// "en", "ja").
inline constexpr std::string_view kThemeKey = "Theme";
inline constexpr std::string_view kLanguageKey = "Language";
// Which read backup each clone file's image came from, so a merge with the
// receiver finds its base: "FILE<TAB>BACKUP" lines, newest first, at most
// kReadOriginsKept (the clone file itself never says).
inline constexpr std::string_view kReadOriginsKey = "ReadOrigins";
inline constexpr int kReadOriginsKept = 50;
// A key of that section as QSettings names it ("Settings/DevicePath").
QString SettingsKey(std::string_view key);

// A length in pixels at dpi as whole twips.
int PixelsToTwips(int pixels, double dpi);

struct WindowPlacement {
    int left = 0, top = 0, width = 0, height = 0;  // pixels
    bool operator==(const WindowPlacement&) const = default;
};
// The four key/value pairs, values in twips, in the order they are written.
std::array<std::pair<QString, int>, 4> PlacementValues(const WindowPlacement& pixels, double dpi);
// Writes the keys into section "Settings" of store; nothing when minimised.
// A maximised window is kept as large as it was, with no mark of its own:
// it comes back that large, not maximised.
void SavePlacement(QSettings& store, const WindowPlacement& pixels, double dpi, bool minimised);

// A length in twips as whole pixels at dpi (96 when dpi is not positive),
// kept within +/-kMaxPlacementPixels.
int TwipsToPixels(int twips, double dpi);
inline constexpr int kMaxPlacementPixels = 1 << 20;
// The placement SavePlacement left in store, in pixels at dpi; none unless
// all four keys hold whole numbers and the size is positive (a store of an
// older run, edited by hand or never written starts the default window).
std::optional<WindowPlacement> LoadPlacement(QSettings& store, double dpi);

}  // namespace wrk7
