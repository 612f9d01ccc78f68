#pragma once
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "link/serial_port.h"

namespace wrk7::link {

inline constexpr int kFirstPortNumber = 1;
inline constexpr int kLastPortNumber = 16;
inline constexpr const char* kEmulatorPortName = "emulator";

// What COM 1..16 name on this system, entry n - 1 for COM n ("" where
// nothing does). On Linux the serial devices in COM order (ComTableInOrder);
// on Windows the system's own COM ports by their numbers (ComTableByName).
// One platform file each defines it.
using ComTable = std::array<std::string, 16>;
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
// Windows port names ("COM3", any case) placed at their own numbers; names
// that are no COM port of 1..16 are left out.
ComTable ComTableByName(const std::vector<std::string>& names);
// The device of COM number 1..16, or nullopt when the system has no such port.
std::optional<std::string> DeviceForComNumber(int number);
// "COM  1".."COM  9", "COM 10".."COM 16": the captions of the port dialog.
std::string ComCaption(int number);

// What a port text names: "COM1".."COM16" (case ignored) through the
// mapping above, "emulator" for the in-process emulator, anything else a
// device path taken as is. An empty text or a COM number with no device
// gives a port whose Open() fails (the port-fault path).
struct PortChoice {
    enum class Kind { kDevice, kEmulator } kind = Kind::kDevice;
    std::string device;   // the device path for kDevice ("" when none)
    std::string display;  // what the user typed
};
PortChoice ResolvePortName(const std::string& text);

}  // namespace wrk7::link
