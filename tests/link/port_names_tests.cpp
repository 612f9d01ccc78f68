// COM names as each system counts them: Windows' own port names up to
// COM256 against a list of registered names, Linux's sixteen numbers against
// its table.
#include <gtest/gtest.h>

#include "link/port_names.h"

namespace wrk7::link {
namespace {

const std::vector<std::string> kRegistered{"COM19", "COM3", "COM200"};

TEST(WindowsComNames, NumbersOneTo256InEitherFormAndCase) {
    const std::pair<const char*, int> cases[] = {
        {"COM1", 1},          {"COM16", 16},        {"COM17", 17},         {"COM19", 19},  {"com19", 19},
        {"Com256", 256},      {"COM257", 0},        {"COM0", 0},           {"COM000", 0},  {"COM019", 19},
        {"COM0000019", 19},   {"COM1000", 0},       {"\\\\.\\COM19", 19},  {"\\\\.\\com200", 200},
        {"\\\\.\\COM0", 0},   {"\\\\?\\COM19", 0},  {"COM", 0},            {"COM1a", 0},   {"COM-1", 0},
        {"COM+5", 0},         {" COM3", 0},         {"COM3 ", 0},          {"LPT1", 0},    {"/dev/ttyUSB0", 0},
        {"\\\\.\\CNCA0", 0},  {"", 0},
    };
    for (const auto& [text, number] : cases) EXPECT_EQ(WindowsComNumber(text), number) << text;
    // Out of range still has a COM name's form: the user meant a COM port.
    const std::pair<const char*, bool> forms[] = {{"COM0", true},  {"COM257", true}, {"\\\\.\\COM999", true},
                                                  {"LPT1", false}, {"COMX", false},  {"\\\\.\\CNCA0", false}};
    for (const auto& [text, form] : forms) EXPECT_EQ(LooksLikeWindowsComName(text), form) << text;
}

TEST(WindowsComNames, RegisteredNamesBecomeSortedNumbers) {
    const std::pair<std::vector<std::string>, std::vector<int>> cases[] = {
        {kRegistered, {3, 19, 200}},
        {{"COM3", "com3", "COM03"}, {3}},
        {{"LPT1", "COM0", "COM300", "COMX"}, {}},
        {{"COM256", "COM1"}, {1, 256}},
        {{}, {}},
    };
    for (const auto& [names, numbers] : cases) EXPECT_EQ(ComNumbersByName(names), numbers) << names.size();
}

TEST(ResolvePortName, WindowsOpensOnlyWhatTheSystemLists) {
    const std::string has = "its COM ports: COM3, COM19, COM200";
    struct Case {
        std::string text, device, problem;
    };
    const Case cases[] = {
        {"COM19", "COM19", ""},
        {"com19", "COM19", ""},
        {"\\\\.\\COM19", "COM19", ""},
        {"COM019", "COM19", ""},
        {"COM3", "COM3", ""},
        {"COM200", "COM200", ""},
        {"COM4", "", "COM4 is not a port of this system; " + has},
        {"\\\\.\\COM18", "", "\\\\.\\COM18 is not a port of this system; " + has},
        {"COM0", "", "COM0 is not a port of this system; " + has},
        {"COM257", "", "COM257 is not a port of this system; " + has},
        {"\\\\.\\CNCA0", "\\\\.\\CNCA0", ""},  // a driver's own name: opened as typed
        {"", "", ""},
    };
    for (const Case& c : cases) {
        const PortChoice choice = ResolveWindowsPortName(c.text, kRegistered);
        EXPECT_EQ(choice.kind, PortChoice::Kind::kDevice) << c.text;
        EXPECT_EQ(choice.device + "|" + (choice.problem ? choice.problem->English() : ""), c.device + "|" + c.problem) << c.text;
        EXPECT_EQ(choice.display, c.text);
    }
    EXPECT_EQ(ResolveWindowsPortName("Emulator", kRegistered).kind, PortChoice::Kind::kEmulator);
    EXPECT_EQ(ResolveWindowsPortName("COM1", {}).problem->English(), "COM1 is not a port of this system; it has no COM port");
    EXPECT_EQ(ResolveWindowsPortName("COM1", {"COM7"}).problem->English(), "COM1 is not a port of this system; its COM port: COM7");
}

TEST(ResolvePortName, LinuxCountsSixteenAsBefore) {
    ComTable table;
    for (std::size_t i = 0; i < table.size(); ++i) table[i] = "/dev/ttyUSB" + std::to_string(i);
    const std::pair<const char*, const char*> cases[] = {
        {"COM1", "/dev/ttyUSB0"},  {"com16", "/dev/ttyUSB15"}, {"COM09", "/dev/ttyUSB8"},
        {"COM17", ""},             {"COM0", ""},               {"COM19", ""},
        {"COM019", "COM019"},      {"\\\\.\\COM19", "\\\\.\\COM19"}, {"/dev/pts/7", "/dev/pts/7"},
        {"", ""},
    };
    for (const auto& [text, device] : cases) {
        const PortChoice choice = ResolveLinuxPortName(text, table);
        EXPECT_EQ(choice.device, device) << text;
        EXPECT_FALSE(choice.problem) << text << ": Linux names no other ports";
    }
    EXPECT_EQ(ResolveLinuxPortName("emulator", table).kind, PortChoice::Kind::kEmulator);
}

}  // namespace
}  // namespace wrk7::link
