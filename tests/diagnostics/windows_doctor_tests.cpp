// The Windows doctor on what SetupAPI reported of a machine, written out in
// tests/data/ports-windows/<case>.txt; under Wine also on Wine's own ports.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "diagnostics/port_doctor.h"
#include "diagnostics/windows_devices.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace wrk7::diagnostics {
namespace {

WindowsSystem Fixture(const char* name) {
    std::filesystem::path path = std::filesystem::path(WRK7_TEST_DATA_DIR) / "ports-windows" / name;
    std::ifstream in(path += ".txt");
    std::stringstream text;
    text << in.rdbuf();
    return ReadWindowsSystem(text.str());
}

struct Case {
    const char* fixture;
    const char* device;  // its COM name, or the instance id of an adapter without a port
    const char* chip;
    const char* fields;   // serial|driver|provider version date|problem|latency
    const char* trouble;  // TroubleName of its only trouble, "" for none
    std::vector<const char*> words;  // what its text and remedy must say
};

class WindowsDoctorTest : public testing::TestWithParam<Case> {};

TEST_P(WindowsDoctorTest, NamesTheDeviceAndItsTroubleWithWhatToDo) {
    const Case& c = GetParam();
    const WindowsSystem system = Fixture(c.fixture);
    EXPECT_TRUE(system.faults.empty()) << system.faults.front();
    const PortReport report = ExamineWindows(system);
    const SerialDevice* d = nullptr;
    for (const SerialDevice& each : report.devices)
        if (each.path == c.device || (each.path.empty() && each.usb == c.device)) d = &each;
    ASSERT_NE(d, nullptr) << c.device;
    EXPECT_EQ(d->chip, c.chip);
    std::ostringstream fields;
    fields << d->serial << '|' << d->driver << '|' << d->driverProvider << ' ' << d->driverVersion << ' ' << d->driverDate
           << '|' << d->problem << '|' << d->latencyMs;
    EXPECT_EQ(fields.str(), c.fields);
    ASSERT_EQ(d->troubles.size(), *c.trouble ? 1u : 0u) << (d->troubles.empty() ? "" : d->troubles[0].text.English());
    if (!*c.trouble) return;
    EXPECT_STREQ(TroubleName(d->troubles[0].kind), c.trouble);
    const std::string said = d->troubles[0].text.English() + '\n' + RemedyEnglish(d->troubles[0]);
    for (const char* word : c.words) EXPECT_NE(said.find(word), std::string::npos) << word << " in\n" << said;
    for (const Message& step : d->troubles[0].remedy) EXPECT_FALSE(RemedyCommand(step)) << "Windows users get words";
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, WindowsDoctorTest,
    testing::Values(
        Case{"pl2303-refused", "USB\\VID_067B&PID_2303\\5&1A2B3C&0&2", "Prolific PL2303", "|Ser2pl|Prolific 3.9.6.2 2023-10-31|10|0",
             "refused-chip", {"PHASED OUT SINCE 2012", "code 10", "PL2303HXA", "genuine chip", "3.3.2.102", "Device Installation Settings"}},
        Case{"pl2303-refused", "COM1", "", "|Serial|Microsoft 10.0.22621.1 2006-06-21|0|0", "", {}},
        Case{"ch340-bad-driver", "COM4", "WCH CH340/CH341", "|CH341SER_A64|wch.cn 3.9.2024.9 2024-09-16|0|0", "bad-driver",
             {"3.9.2024.9", "close the port", "USB-SERIAL CH340 (COM4) > Properties > Driver > Roll Back Driver", "3.5.2019.1"}},
        Case{"no-driver", "USB\\VID_1A86&PID_7523\\5&2C0FFEE&0&1", "WCH CH340/CH341", "||  |28|0", "no-driver",
             {"no driver", "1a86:7523", "code 28", "CH341SER", "Search automatically"}},
        Case{"no-driver", "USB\\VID_0403&PID_6001\\A9K3BQ2R", "FTDI", "A9K3BQ2R|FTDIBUS|FTDI 2.12.36.4 2021-06-03|43|0", "problem",
             {"problem code 43", "USB Serial Converter", "Device status"}},
        Case{"ftdi-latency", "COM3", "FTDI", "A50285BI|FTSER2K|FTDI 2.12.36.4 2021-06-03|0|16", "latency",
             {"16 ms", "about 21 s", "USB Serial Port (COM3) > Properties > Port Settings > Advanced > Latency Timer (msec) = 1"}},
        Case{"cp210x-held", "COM6", "Silicon Labs CP210x", "0001|silabser|Silicon Laboratories Inc. 11.3.0.223 2023-05-08|0|0",
             "busy", {"holds COM6", "Close the program"}},
        Case{"healthy", "COM12", "Silicon Labs CP210x", "0001|silabser|Silicon Laboratories Inc. 11.3.0.223 2023-05-08|0|0", "", {}},
        Case{"healthy", "COM7", "", "|BTHMODEM|Microsoft 10.0.22621.1 2006-06-21|0|0", "", {}},
        Case{"healthy", "COM9", "FTDI", "DK0AB1CD|FTSER2K|  |0|1", "", {}}));

TEST(WindowsDoctor, ListsEachRegisteredPortOnceInComOrderAndOnlySerialAdaptersBeside) {
    auto listed = [](const char* fixture) {
        std::string out;
        for (const SerialDevice& d : ExamineWindows(Fixture(fixture)).devices) out += (d.path.empty() ? d.usb : d.path) + ' ';
        return out;
    };
    EXPECT_EQ(listed("healthy"), "COM7 COM8 COM9 COM12 ");
    EXPECT_EQ(listed("ftdi-latency"), "COM3 ") << "the FTDI's USB side is no second device";
    EXPECT_EQ(listed("no-driver"), "USB\\VID_1A86&PID_7523\\5&2C0FFEE&0&1 USB\\VID_0403&PID_6001\\A9K3BQ2R ");
    const PortReport bluetooth = ExamineWindows(Fixture("healthy"));
    EXPECT_TRUE(bluetooth.devices[0].usb.empty()) << "a Bluetooth port is not on USB";
}

TEST(WindowsDoctor, PassesOverJunkLinesSayingWhichAndWhy) {
    const WindowsSystem junk = Fixture("junk");
    std::string lines;
    for (const std::string& fault : junk.faults) lines += fault.substr(0, fault.find(':')) + ' ';
    EXPECT_EQ(lines, "line 1 line 2 line 4 line 6 line 7 line 8 line 9 line 10 ");
    ASSERT_EQ(junk.devices.size(), 1u);
    EXPECT_EQ(junk.devices[0].portName, "COM2");
    EXPECT_EQ(ExamineWindows(junk).devices.size(), 1u);
    EXPECT_TRUE(ReadWindowsSystem("").faults.empty());
}

TEST(WindowsDoctor, ReadsSerialNumbersAndDatesInTheFormsWindowsWrites) {
    const std::pair<const char*, const char*> serials[] = {
        {"USB\\VID_0403&PID_6001\\A50285BI", "A50285BI"},      {"FTDIBUS\\VID_0403+PID_6001+A50285BIA\\0000", "A50285BI"},
        {"USB\\VID_067B&PID_2303\\5&1A2B3C&0&2", ""},          {"FTDIBUS\\VID_0403+PID_6001+7&1A2B&0&2A\\0000", ""},
        {"FTDIBUS\\VID_0403+PID_6001\\0000", ""},              {"USB\\VID_10C4", ""},
    };
    for (const auto& [id, serial] : serials) EXPECT_EQ(InstanceSerial(id), serial) << id;
    const std::pair<const char*, const char*> dates[] = {
        {"9-16-2024", "2024-09-16"}, {"12/1/2021", "2021-12-01"}, {"2024-09-16", "2024-09-16"},
        {"13-1-2020", "13-1-2020"},  {"x-1-2020", "x-1-2020"},     {"", ""},
    };
    for (const auto& [date, iso] : dates) EXPECT_EQ(IsoDriverDate(date), iso) << date;
}

#ifdef _WIN32
// Wine has SERIALCOMM and SetupAPI but no USB adapters: the doctor must
// still read it and list each of its ports once.
TEST(WindowsDoctorOnThisSystem, ListsEachPortOfSerialcommOnce) {
    std::vector<std::string> serialcomm;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) == ERROR_SUCCESS) {
        for (DWORD i = 0;; ++i) {
            wchar_t name[256], data[64];
            DWORD nameLength = 256, bytes = sizeof data - sizeof(wchar_t), type = 0;
            if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, reinterpret_cast<BYTE*>(data), &bytes) != ERROR_SUCCESS) break;
            data[bytes / sizeof(wchar_t)] = L'\0';
            if (type == REG_SZ) serialcomm.emplace_back(data, data + wcslen(data));
        }
        RegCloseKey(key);
    }
    const PortReport report = ExamineThisSystem();
    EXPECT_TRUE(report.readable);
    for (const std::string& port : serialcomm) {
        int times = 0;
        for (const SerialDevice& d : report.devices) times += _stricmp(d.path.c_str(), port.c_str()) == 0;
        EXPECT_EQ(times, 1) << port;
    }
    std::cout << serialcomm.size() << " ports in SERIALCOMM, " << report.devices.size() << " devices listed\n";
}
#endif

}  // namespace
}  // namespace wrk7::diagnostics
