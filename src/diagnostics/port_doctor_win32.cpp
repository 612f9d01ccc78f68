// Windows tells what stands behind each port through SetupAPI (ids, names,
// the driver key with its package) and CfgMgr32 (Device Manager's problem
// code); the present ports, Bluetooth's among them, it lists under
// HARDWARE\DEVICEMAP\SERIALCOMM. Who holds a port it tells only to an
// attempt to open it. What it says is gathered into plain records, which
// windows_devices.cpp judges as it judges a fixture.
#ifdef _WIN32
#include <windows.h>
// After windows.h, which they build on.
#include <cfgmgr32.h>
#include <setupapi.h>

#include <algorithm>

#include "diagnostics/port_doctor.h"
#include "diagnostics/usb_chips.h"
#include "diagnostics/windows_devices.h"
#include "link/port_names.h"

namespace wrk7::diagnostics {

namespace {

// GUID_DEVCLASS_PORTS, without initguid.h's definitions in this unit.
const GUID kPortsClass = {0x4d36e978, 0xe325, 0x11ce, {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}};

// Names may be in the system's language: UTF-8, as every text of ours.
std::string Utf8(const wchar_t* text) {
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 1) return {};
    std::string out(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), bytes, nullptr, nullptr);
    out.pop_back();
    return out;
}

// A string property, each string of a multi-string one; none when absent.
std::vector<std::string> Property(HDEVINFO set, SP_DEVINFO_DATA& info, DWORD property) {
    wchar_t data[1024] = {};
    DWORD type = 0;
    if (!SetupDiGetDeviceRegistryPropertyW(set, &info, property, &type, reinterpret_cast<BYTE*>(data),
                                           sizeof data - 2 * sizeof(wchar_t), nullptr) ||
        (type != REG_SZ && type != REG_MULTI_SZ))
        return {};
    std::vector<std::string> strings;
    for (const wchar_t* s = data; *s && s < data + 1022; s += wcslen(s) + 1) strings.push_back(Utf8(s));
    return strings;
}

std::string FirstProperty(HDEVINFO set, SP_DEVINFO_DATA& info, DWORD property) {
    const std::vector<std::string> strings = Property(set, info, property);
    return strings.empty() ? std::string() : strings.front();
}

std::string StringValue(HKEY key, const wchar_t* name) {
    wchar_t data[512];
    DWORD bytes = sizeof data - sizeof(wchar_t);
    if (RegGetValueW(key, nullptr, name, RRF_RT_REG_SZ, nullptr, data, &bytes) != ERROR_SUCCESS) return {};
    data[bytes / sizeof(wchar_t)] = L'\0';
    return Utf8(data);
}

int DwordValue(HKEY key, const wchar_t* name) {
    DWORD value = 0, bytes = sizeof value;
    if (RegGetValueW(key, nullptr, name, RRF_RT_REG_DWORD, nullptr, &value, &bytes) != ERROR_SUCCESS) return 0;
    return static_cast<int>(std::min<DWORD>(value, 10000));
}

WindowsDeviceRecord Record(HDEVINFO set, SP_DEVINFO_DATA& info) {
    WindowsDeviceRecord r;
    wchar_t id[512] = {};
    if (SetupDiGetDeviceInstanceIdW(set, &info, id, 511, nullptr)) r.instanceId = Utf8(id);
    r.hardwareIds = Property(set, info, SPDRP_HARDWAREID);
    r.friendlyName = FirstProperty(set, info, SPDRP_FRIENDLYNAME);
    // A device with no driver has only the name it gives itself.
    if (r.friendlyName.empty()) r.friendlyName = FirstProperty(set, info, SPDRP_DEVICEDESC);
    r.manufacturer = FirstProperty(set, info, SPDRP_MFG);
    r.service = FirstProperty(set, info, SPDRP_SERVICE);
    r.deviceClass = FirstProperty(set, info, SPDRP_CLASS);
    if (HKEY key = SetupDiOpenDevRegKey(set, &info, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ); key != INVALID_HANDLE_VALUE) {
        r.portName = StringValue(key, L"PortName");
        r.latencyMs = DwordValue(key, L"LatencyTimer");
        RegCloseKey(key);
    }
    if (HKEY key = SetupDiOpenDevRegKey(set, &info, DICS_FLAG_GLOBAL, 0, DIREG_DRV, KEY_READ); key != INVALID_HANDLE_VALUE) {
        r.driverProvider = StringValue(key, L"ProviderName");
        r.driverVersion = StringValue(key, L"DriverVersion");
        r.driverDate = StringValue(key, L"DriverDate");
        RegCloseKey(key);
    }
    ULONG status = 0, problem = 0;
    if (CM_Get_DevNode_Status(&status, &problem, info.DevInst, 0) == CR_SUCCESS && (status & DN_HAS_PROBLEM))
        r.problem = static_cast<int>(problem);
    return r;
}

bool SerialAdapterOrTroubled(const WindowsDeviceRecord& r) {
    if (r.problem != 0) return true;
    std::uint16_t vendor = 0, product = 0;
    return ParseHardwareId(r.instanceId, vendor, product) && KnownChip(vendor, product);
}

// The present devices of a class (or of an enumerator, every class), each
// once; of an enumerator only serial adapters and devices in trouble.
void Collect(HDEVINFO set, bool everyDevice, std::vector<WindowsDeviceRecord>& out) {
    if (set == INVALID_HANDLE_VALUE) return;
    SP_DEVINFO_DATA info{};
    info.cbSize = sizeof info;
    for (DWORD i = 0; SetupDiEnumDeviceInfo(set, i, &info); ++i) {
        WindowsDeviceRecord r = Record(set, info);
        if (r.instanceId.empty() || !(everyDevice || SerialAdapterOrTroubled(r))) continue;
        if (std::none_of(out.begin(), out.end(), [&](const WindowsDeviceRecord& o) { return Lower(o.instanceId) == Lower(r.instanceId); }))
            out.push_back(std::move(r));
    }
    SetupDiDestroyDeviceInfoList(set);
}

// Only a USB adapter's port is opened to see whether another program holds
// it: opening a Bluetooth port makes Windows call the paired device.
void TryOpening(WindowsDeviceRecord& r) {
    const std::string id = Lower(r.instanceId);
    if (r.problem != 0 || r.portName.empty() || (id.rfind("usb\\", 0) != 0 && id.rfind("ftdibus\\", 0) != 0)) return;
    const std::wstring path = L"\\\\.\\" + std::wstring(r.portName.begin(), r.portName.end());
    const HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    else r.openRefused = GetLastError() == ERROR_ACCESS_DENIED;
}

}  // namespace

PortReport ExamineThisSystem() {
    WindowsSystem system;
    system.registered = link::RegisteredPortNames();
    Collect(SetupDiGetClassDevsW(&kPortsClass, nullptr, nullptr, DIGCF_PRESENT), true, system.devices);
    for (const wchar_t* enumerator : {L"USB", L"FTDIBUS"})
        Collect(SetupDiGetClassDevsW(nullptr, enumerator, nullptr, DIGCF_PRESENT | DIGCF_ALLCLASSES), false, system.devices);
    for (WindowsDeviceRecord& r : system.devices)
        if (std::any_of(system.registered.begin(), system.registered.end(), [&](const std::string& p) { return Lower(p) == Lower(r.portName); }))
            TryOpening(r);
    return ExamineWindows(system);  // a missing key means no port yet, not an unreadable system
}

}  // namespace wrk7::diagnostics
#endif  // _WIN32
