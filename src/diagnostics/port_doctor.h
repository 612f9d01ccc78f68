#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "diagnostics/port_troubles.h"
#include "diagnostics/system_view.h"
#include "diagnostics/usb_chips.h"

namespace wrk7::diagnostics {

// Most first runs that fail, fail at the cable: the adapter has no port, the
// user may not open it, or another program holds it. The doctor lists every
// serial device with what it is and what stands in its way, each with what
// to do in plain words, so a user (or support staff looking at a copy of
// the user's /sys, /proc, /dev and udev rules) need not know Linux by heart.

struct SerialDevice {
    std::string path;     // "/dev/ttyUSB0", "COM3"; "" for a USB adapter that got no port
    std::string byId;     // its /dev/serial/by-id link, "" when none
    std::string usb;      // where it sits on USB ("1-1.2"; the device instance on Windows), "" when not on USB
    std::uint16_t vendor = 0, product = 0;  // meaningful when usb is set
    std::string description;                // the adapter's maker and product as it reports them
    std::string maker;                      // its maker alone ("FTDI"), "" when it reports none
    std::string serial;                     // its serial number ("A50285BI"), "" when it has none
    std::string chip;                       // ChipFamily
    std::string driver;                     // bound to it ("ftdi_sio"; the service on Windows)
    // Windows: the driver package installed for it and Device Manager's
    // problem code (10: cannot start, 28: no driver; 0: none).
    std::string driverProvider, driverVersion, driverDate;
    int problem = 0;
    // The adapter's latency timer in milliseconds where its driver shows it
    // (FTDI's; 16 unless someone changed it), 0 when unknown.
    int latencyMs = 0;
    std::vector<PortTrouble> troubles;
};

struct PortReport {
    bool readable = false;  // the system's device list could be read at all
    std::vector<SerialDevice> devices;  // ports in COM order, then adapters without one
};

PortReport ExaminePorts(const SystemView& system);
// This machine: the tree at "/" on Linux, SetupAPI and the registry on Windows.
PortReport ExamineThisSystem();
// A copy of another machine: a Linux tree below a folder, or a Windows
// machine's devices written out in a file (ReadWindowsSystem); the file's
// lines passed over are added to faults.
PortReport ExamineCopyAt(const std::string& root, std::vector<std::string>& faults);

// The driver package in one line ("FTDI 2.12.36.4 (2021-06-03)"), "" when unknown.
std::string DriverPackage(const SerialDevice& d);
// Whether the link asks d's driver for low latency on opening (Linux), so
// its latency timer costs a read nothing.
bool LowLatencyOnOpen(const SerialDevice& d);

// Why one device may not open, in short: the hint beside a port's name.
struct DeviceVerdict {
    enum class Kind { kFine, kMissing, kNoPermission, kBusy } kind = Kind::kFine;
    std::string group;  // kNoPermission: the group to join
};
DeviceVerdict QuickVerdict(const SystemView& system, const std::string& device);
// This machine's busy verdict for device: the cable test's heldElsewhere.
bool HeldByAnotherProgram(const std::string& device);
// Windows' verdict, which QuickVerdict gives there: a COM name ("COM19",
// "\\.\COM19") is fine when registered holds its port, missing otherwise;
// other names get no verdict (kFine), as only opening them tells.
DeviceVerdict RegisteredVerdict(const std::string& device, const std::vector<std::string>& registered);

}  // namespace wrk7::diagnostics
