// Windows lists its serial ports, USB adapters and Bluetooth links included,
// under one registry key: each value is a driver's device name holding the
// port's name ("COM3"), which is what a user sees in Device Manager.
#ifdef _WIN32
#include <windows.h>

#include "link/port_names.h"

namespace wrk7::link {

std::vector<std::string> RegisteredPortNames() {
    std::vector<std::string> names;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS)
        return names;
    for (DWORD index = 0;; ++index) {
        wchar_t valueName[256];
        DWORD nameLength = 256;
        wchar_t data[64];
        DWORD dataBytes = sizeof data - sizeof(wchar_t);
        DWORD type = 0;
        const LONG status = RegEnumValueW(key, index, valueName, &nameLength, nullptr, &type,
                                          reinterpret_cast<BYTE*>(data), &dataBytes);
        if (status == ERROR_NO_MORE_ITEMS) break;
        if (status != ERROR_SUCCESS || type != REG_SZ) continue;
        data[dataBytes / sizeof(wchar_t)] = L'\0';
        std::string name;
        for (const wchar_t* c = data; *c; ++c)
            name += *c < 128 ? static_cast<char>(*c) : '?';  // port names are ASCII
        names.push_back(name);
    }
    RegCloseKey(key);
    return names;
}

ComTable SystemComTable() {
    ComTable table;
    for (const int number : ComNumbersByName(RegisteredPortNames()))
        if (number <= kLastLinuxComPort) table[static_cast<std::size_t>(number - 1)] = WindowsComName(number);
    return table;
}

}  // namespace wrk7::link
#endif  // _WIN32
