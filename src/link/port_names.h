#pragma once
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/com_ports.h"
#include "core/message.h"
#include "link/serial_port.h"

namespace wrk7::link {

inline constexpr const char* kEmulatorPortName = "emulator";

// What COM 1..16 name on Linux, entry n - 1 for COM n ("" where nothing
// does): the serial devices in COM order (ComTableInOrder). On Windows the
// first sixteen of the system's own ports, for callers that count to 16.
using ComTable = std::array<std::string, kLastLinuxComPort>;
ComTable SystemComTable();
#ifdef _WIN32
// The port names ("COM3") Windows lists under HARDWARE\DEVICEMAP\SERIALCOMM,
// in the registry's order; none when the key is missing (it appears with
// the first port).
std::vector<std::string> RegisteredPortNames();
#endif

// The order a Linux user counts ports in: USB adapters (ttyUSB*, ttyACM*)
// first, then the others, each group in natural order (ttyUSB2 before
// ttyUSB10), duplicates dropped.
std::vector<std::string> SortComOrder(std::vector<std::string> devices);
// Device paths numbered in that order: COM n is the n-th.
ComTable ComTableInOrder(std::vector<std::string> devices);

// The number a Windows port name gives: "COM19", "\\.\COM19" (any case;
// leading zeros are read past, as a user typing "COM019" means COM19);
// 0 for any other text, and for COM0 or a number past 256, which no
// Windows port has.
int WindowsComNumber(std::string_view text);
// Whether text has the form of a Windows COM name at all, in range or not.
bool LooksLikeWindowsComName(std::string_view text);
// The numbers of the registered names, ascending, each once; names that
// are no COM port (LPT1, a bad number) left out.
std::vector<int> ComNumbersByName(const std::vector<std::string>& names);
// "COM19": a Windows port's name for its number.
std::string WindowsComName(int number);
// Why a COM port the user named cannot be had here, naming what the system
// has instead: "COM19 is not a port of this system; its COM ports: COM1,
// COM3".
Message NoSuchComPort(const std::string& named, const std::vector<int>& present);

// The device of COM number 1..kLastComPort, or nullopt when the system has
// no such port (on Windows "COM19", which Win32 opens as \\.\COM19).
std::optional<std::string> DeviceForComNumber(int number);
// The COM number that opens device: on Windows its own ("COM7": 7), on
// Linux its place in table; 0 when none does.
int ComNumberOfDevice(const std::string& device, const ComTable& table);
int ComNumberOfDevice(const std::string& device);  // against this system's table

// "COM  1".."COM  9", "COM 10".."COM 16": the captions of the port dialog
// on Linux; Windows shows its ports by their own names.
std::string ComCaption(int number);

// What a port text names. "emulator" (case ignored) is the in-process
// emulator. On Linux "COM1".."COM16" (case ignored) go through the table
// above and anything else is a device path taken as is. On Windows "COMn"
// and "\\.\COMn" name the system's port n when it lists one, and otherwise
// nothing, with why in problem; any other text is a device name opened as
// is. An empty text or a COM number with no device gives a port whose
// Open() fails (the port-fault path).
struct PortChoice {
    enum class Kind { kDevice, kEmulator } kind = Kind::kDevice;
    std::string device;   // the device path for kDevice ("" when none)
    std::string display;  // what the user typed
    std::optional<Message> problem;  // Windows: why a COM name named no port
};
PortChoice ResolvePortName(const std::string& text);
// The same against a given Linux table or list of Windows port names, which
// is what the two above use; tests feed them directly.
PortChoice ResolveLinuxPortName(const std::string& text, const ComTable& table);
PortChoice ResolveWindowsPortName(const std::string& text, const std::vector<std::string>& registered);

}  // namespace wrk7::link
