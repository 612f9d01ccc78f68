// Windows keeps what the doctor needs in the registry: the present ports
// under HARDWARE\DEVICEMAP\SERIALCOMM, and for each USB device (or FTDI's
// own bus) under the Enum key its hardware id, driver service and, in
// "Device Parameters", the port name it was given. Who may open a port and
// who holds it Windows only tells by an attempt to open it.
#ifdef _WIN32
#include <windows.h>

#include <algorithm>
#include <set>

#include "diagnostics/port_doctor.h"
#include "link/port_names.h"

namespace wrk7::diagnostics {

namespace {

std::string Narrow(const wchar_t* text) {
    std::string out;
    for (const wchar_t* c = text; *c; ++c) out += *c < 128 ? static_cast<char>(*c) : '?';  // ids and names are ASCII
    return out;
}

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

// A string value (the first string of a multi-string one), "" when none.
std::string StringValue(HKEY key, const wchar_t* subkey, const wchar_t* name) {
    wchar_t data[512];
    DWORD bytes = sizeof data - 2 * sizeof(wchar_t);
    DWORD type = 0;
    if (RegGetValueW(key, subkey, name, RRF_RT_REG_SZ | RRF_RT_REG_MULTI_SZ, &type, data, &bytes) != ERROR_SUCCESS) return {};
    data[bytes / sizeof(wchar_t)] = L'\0';
    return Narrow(data);
}

std::vector<std::string> SubkeyNames(HKEY key) {
    std::vector<std::string> names;
    for (DWORD index = 0;; ++index) {
        wchar_t name[256];
        DWORD length = 256;
        const LONG status = RegEnumKeyExW(key, index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_NO_MORE_ITEMS) break;
        if (status == ERROR_SUCCESS) names.push_back(Narrow(name));
    }
    return names;
}

// The USB side of each present port, found by the port name its device was given.
void DescribeFromEnum(std::vector<SerialDevice>& devices) {
    for (const char* bus : {"USB", "FTDIBUS"}) {
        HKEY busKey = nullptr;
        const std::wstring busPath = L"SYSTEM\\CurrentControlSet\\Enum\\" + Wide(bus);
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, busPath.c_str(), 0, KEY_READ, &busKey) != ERROR_SUCCESS) continue;
        for (const std::string& id : SubkeyNames(busKey)) {
            HKEY idKey = nullptr;
            if (RegOpenKeyExW(busKey, Wide(id).c_str(), 0, KEY_READ, &idKey) != ERROR_SUCCESS) continue;
            for (const std::string& instance : SubkeyNames(idKey)) {
                const std::wstring parameters = Wide(instance) + L"\\Device Parameters";
                const std::string port = StringValue(idKey, parameters.c_str(), L"PortName");
                auto it = std::find_if(devices.begin(), devices.end(), [&](const SerialDevice& d) { return _stricmp(d.path.c_str(), port.c_str()) == 0; });
                if (port.empty() || it == devices.end() || !it->usb.empty()) continue;
                const std::wstring instanceKey = Wide(instance);
                std::string hardwareId = StringValue(idKey, instanceKey.c_str(), L"HardwareID");
                if (hardwareId.empty()) hardwareId = std::string(bus) + '\\' + id;
                if (!ParseHardwareId(hardwareId, it->vendor, it->product)) continue;
                it->usb = std::string(bus) + '\\' + id + '\\' + instance;
                it->driver = StringValue(idKey, instanceKey.c_str(), L"Service");
                it->description = StringValue(idKey, instanceKey.c_str(), L"FriendlyName");
                it->chip = ChipFamily(it->vendor, it->product, it->driver);
            }
            RegCloseKey(idKey);
        }
        RegCloseKey(busKey);
    }
}

}  // namespace

PortReport ExamineThisSystem() {
    PortReport report;
    report.readable = true;  // a missing key means no port yet, not an unreadable system
    std::vector<std::string> names = link::RegisteredPortNames();
    // COM order: by number, as the port dialog counts them.
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const int na = std::atoi(a.c_str() + std::min<std::size_t>(3, a.size()));
        const int nb = std::atoi(b.c_str() + std::min<std::size_t>(3, b.size()));
        return na != nb ? na < nb : a < b;
    });
    for (const std::string& name : names) {
        SerialDevice d;
        d.path = name;
        report.devices.push_back(d);
    }
    DescribeFromEnum(report.devices);
    return report;
}

}  // namespace wrk7::diagnostics
#endif  // _WIN32
