#pragma once
#include <string>
#include <vector>

#include "diagnostics/port_doctor.h"

namespace wrk7::diagnostics {

// Windows tells what stands behind a port only through SetupAPI and
// CfgMgr32, and only on a Windows machine. Their answers are kept here as
// plain data, so the same judgement runs on this machine, on a copy of a
// user's machine written out as text, and in the tests on Linux.
struct WindowsDeviceRecord {
    // "USB\VID_067B&PID_2303\5&1A2B3C&0&2", "FTDIBUS\VID_0403+PID_6001+A50285BIA\0000"
    std::string instanceId;
    std::vector<std::string> hardwareIds;  // most specific first
    std::string friendlyName;              // as Device Manager lists it: "USB-SERIAL CH340 (COM4)"
    std::string manufacturer;              // of the driver package's INF (SPDRP_MFG)
    std::string service;                   // the driver service, "" when none is installed
    std::string deviceClass;               // "Ports", "USB", "" for Device Manager's "Other devices"
    std::string portName;                  // Device Parameters\PortName
    // The driver key's words; the date as it writes it ("9-16-2024") or ISO.
    std::string driverProvider, driverVersion, driverDate;
    int problem = 0;    // CM_Get_DevNode_Status's problem code, 0 when none
    int latencyMs = 0;  // Device Parameters\LatencyTimer (FTDI's driver), 0 when none
    bool openRefused = false;  // opening its port met ERROR_ACCESS_DENIED: another program holds it
};

struct WindowsSystem {
    std::vector<std::string> registered;  // the ports HARDWARE\DEVICEMAP\SERIALCOMM lists
    std::vector<WindowsDeviceRecord> devices;
    std::vector<std::string> faults;  // lines of a text that were passed over, and why
};

// A Windows system written out as text, one "key: value" line each; blank
// lines and lines starting with '#' are passed over:
//   port: COM3              a port SERIALCOMM lists (a Bluetooth port needs no device)
//   device: INSTANCE-ID     starts a device; the lines up to the next one describe it:
//   hardware-id: ID         (one line per id)
//   friendly-name: / manufacturer: / service: / class: / port-name: /
//   driver-provider: / driver-version: / driver-date:   text as Windows reports it
//   problem: CODE           latency-timer: MS           open: refused
// A line that is none of these is passed over and named in faults.
WindowsSystem ReadWindowsSystem(const std::string& text);

// Every registered port in COM order with what stands behind it, then the
// adapters that have a problem and no port (a missing driver, a refused
// chip). usb is the instance id of a device on USB (or FTDI's bus), serial
// its serial number when it has one.
PortReport ExamineWindows(const WindowsSystem& system);

// The serial number in an instance id: the last part of a USB id ("" when
// Windows made one up, as it does with '&' for a device that has none), the
// third '+' part of an FTDIBUS id without the port letter FTDI appends.
std::string InstanceSerial(const std::string& instanceId);
// "9-16-2024" and "9/16/2024" as "2024-09-16"; another form stays as it is.
std::string IsoDriverDate(const std::string& date);

}  // namespace wrk7::diagnostics
