// Plain C++ on every system: the Windows doctor's judgement is tested on
// Linux over fixtures, and the Windows build feeds it what SetupAPI says.
#include "diagnostics/windows_devices.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <sstream>

#include "diagnostics/usb_chips.h"
#include "diagnostics/windows_troubles.h"
#include "link/port_names.h"

namespace wrk7::diagnostics {

namespace {

bool SameName(const std::string& a, const std::string& b) { return Lower(a) == Lower(b); }

bool StartsWith(const std::string& text, const char* prefix) { return Lower(text).rfind(Lower(prefix), 0) == 0; }

std::optional<int> Number(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
    return value;
}

// Where each key of the text lands in a record.
bool SetField(WindowsDeviceRecord& r, const std::string& key, const std::string& value) {
    std::string* const texts[] = {&r.friendlyName, &r.manufacturer, &r.service, &r.deviceClass,
                                  &r.portName, &r.driverProvider, &r.driverVersion, &r.driverDate};
    const char* const names[] = {"friendly-name", "manufacturer", "service", "class",
                                 "port-name", "driver-provider", "driver-version", "driver-date"};
    for (std::size_t i = 0; i < std::size(names); ++i)
        if (key == names[i]) {
            *texts[i] = value;
            return true;
        }
    if (key == "hardware-id") {
        r.hardwareIds.push_back(value);
        return true;
    }
    if (key == "open") return (r.openRefused = value == "refused") || value == "fine";
    const auto number = Number(value);
    if (key == "problem" && number) r.problem = *number;
    else if (key == "latency-timer" && number) r.latencyMs = *number;
    else return false;
    return true;
}

void Describe(SerialDevice& d, const WindowsDeviceRecord& r) {
    const bool onUsb = StartsWith(r.instanceId, "USB\\") || StartsWith(r.instanceId, "FTDIBUS\\");
    bool ids = ParseHardwareId(r.instanceId, d.vendor, d.product);
    for (const std::string& id : r.hardwareIds) ids = ids || ParseHardwareId(id, d.vendor, d.product);
    if (onUsb && ids) {
        d.usb = r.instanceId;
        d.serial = InstanceSerial(r.instanceId);
    } else {
        d.vendor = d.product = 0;
    }
    d.description = r.friendlyName;
    d.maker = r.manufacturer;
    d.driver = r.service;
    d.chip = d.usb.empty() ? "" : ChipFamily(d.vendor, d.product, r.service);
    d.driverProvider = r.driverProvider;
    d.driverVersion = r.driverVersion;
    d.driverDate = IsoDriverDate(r.driverDate);
    d.problem = r.problem;
    d.latencyMs = r.latencyMs;
    WindowsTroubles(r, d);
}

// Worth a line of its own when it has no port: a serial adapter (or a
// port) that Windows could not start or has no driver for.
bool AdapterInTrouble(const WindowsDeviceRecord& r) {
    if (r.problem == 0) return false;
    std::uint16_t vendor = 0, product = 0;
    return SameName(r.deviceClass, "Ports") || (ParseHardwareId(r.instanceId, vendor, product) && KnownChip(vendor, product));
}

}  // namespace

WindowsSystem ReadWindowsSystem(const std::string& text) {
    WindowsSystem system;
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        line = Trimmed(line);
        if (line.empty() || line[0] == '#') continue;
        const auto colon = line.find(':');
        const std::string key = colon == std::string::npos ? std::string() : Lower(Trimmed(line.substr(0, colon)));
        const std::string value = colon == std::string::npos ? std::string() : Trimmed(line.substr(colon + 1));
        std::string fault;
        if (key.empty()) {
            fault = "not \"key: value\"";
        } else if (key == "port") {
            if (link::LooksLikeWindowsComName(value)) system.registered.push_back(value);
            else fault = "not a COM port name";
        } else if (key == "device") {
            if (value.empty()) fault = "a device without an instance id";
            else system.devices.push_back(WindowsDeviceRecord{value, {}, {}, {}, {}, {}, {}, {}, {}, {}, 0, 0, false});
        } else if (system.devices.empty()) {
            fault = "before the first \"device:\" line";
        } else if (!SetField(system.devices.back(), key, value)) {
            fault = "unknown key, or a value it cannot take";
        }
        if (!fault.empty()) system.faults.push_back("line " + std::to_string(number) + ": " + fault + ": " + line);
    }
    return system;
}

PortReport ExamineWindows(const WindowsSystem& system) {
    PortReport report;
    report.readable = true;
    std::vector<std::string> names;
    for (const std::string& name : system.registered)
        if (std::none_of(names.begin(), names.end(), [&](const std::string& n) { return SameName(n, name); }))
            names.push_back(name);
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return link::WindowsComNumber(a) < link::WindowsComNumber(b);
    });
    std::vector<bool> shown(system.devices.size(), false);
    for (const std::string& name : names) {
        SerialDevice d;
        d.path = name;
        for (std::size_t i = 0; i < system.devices.size(); ++i)
            if (!shown[i] && SameName(system.devices[i].portName, name)) {
                shown[i] = true;
                Describe(d, system.devices[i]);
                break;
            }
        report.devices.push_back(std::move(d));
    }
    for (std::size_t i = 0; i < system.devices.size(); ++i) {
        if (shown[i] || !AdapterInTrouble(system.devices[i])) continue;
        SerialDevice d;
        Describe(d, system.devices[i]);
        if (d.usb.empty()) d.usb = system.devices[i].instanceId;  // the one name it has
        report.devices.push_back(std::move(d));
    }
    return report;
}

std::string InstanceSerial(const std::string& instanceId) {
    std::vector<std::string> parts;
    std::istringstream in(instanceId);
    for (std::string part; std::getline(in, part, '\\');) parts.push_back(part);
    if (parts.size() != 3) return {};
    if (SameName(parts[0], "FTDIBUS")) {
        const auto plus = parts[1].find('+', parts[1].find('+') + 1);
        if (parts[1].find('+') == std::string::npos || plus == std::string::npos) return {};
        std::string serial = parts[1].substr(plus + 1);
        if (serial.size() < 2 || serial.find('&') != std::string::npos) return {};
        serial.pop_back();
        return serial;
    }
    return parts[2].find('&') == std::string::npos ? parts[2] : std::string();
}

std::string IsoDriverDate(const std::string& date) {
    const char separator = date.find('/') != std::string::npos ? '/' : '-';
    std::vector<std::string> parts;
    std::istringstream in(date);
    for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
    if (parts.size() != 3 || parts[2].size() != 4) return date;
    const auto month = Number(parts[0]), day = Number(parts[1]), year = Number(parts[2]);
    if (!month || !day || !year || *month < 1 || *month > 12 || *day < 1 || *day > 31) return date;
    auto two = [](int n) { return std::string(n < 10 ? "0" : "") + std::to_string(n); };
    return std::to_string(*year) + '-' + two(*month) + '-' + two(*day);
}

}  // namespace wrk7::diagnostics
