// What the port dialog lists on each system and what the hint beside a
// Windows port says.
#include <gtest/gtest.h>

#include "diagnostics/port_doctor.h"
#include "diagnostics/port_listing.h"

namespace wrk7::diagnostics {
namespace {

const std::vector<std::string> kRegistered{"COM19", "COM3", "COM200"};

TEST(RegisteredVerdict, WindowsPortsAreThereWhenListed) {
    using Kind = DeviceVerdict::Kind;
    const std::pair<const char*, Kind> cases[] = {
        {"COM19", Kind::kFine},         {"\\\\.\\COM19", Kind::kFine}, {"com200", Kind::kFine},
        {"COM4", Kind::kMissing},       {"\\\\.\\COM4", Kind::kMissing}, {"COM257", Kind::kMissing},
        {"", Kind::kMissing},           {"\\\\.\\CNCA0", Kind::kFine},
    };
    for (const auto& [device, kind] : cases) EXPECT_EQ(RegisteredVerdict(device, kRegistered).kind, kind) << device;
}

std::string Shown(const std::vector<PortListing>& listing) {
    std::string out;
    for (const PortListing& p : listing)
        out += std::to_string(p.number) + "[" + p.caption + "|" + p.device + "|" + p.detail + "] ";
    return out;
}

TEST(PortListing, WindowsListsEachRegisteredPortWithItsAdapter) {
    PortReport report;
    SerialDevice ch340;
    ch340.path = "COM19";
    ch340.description = "USB-SERIAL CH340 (COM19)";
    ch340.chip = "WCH CH340/CH341";
    SerialDevice ftdi;
    ftdi.path = "COM3";
    ftdi.chip = "FTDI";
    report.devices = {ftdi, ch340};
    const std::pair<int, std::string> cases[] = {
        {19, "3[COM3|COM3|FTDI] 19[COM19|COM19|USB-SERIAL CH340 (COM19)] 200[COM200|COM200|] "},
        // The port chosen last stays a choice, with no device.
        {5, "3[COM3|COM3|FTDI] 5[COM5||] 19[COM19|COM19|USB-SERIAL CH340 (COM19)] 200[COM200|COM200|] "},
        {240, "3[COM3|COM3|FTDI] 19[COM19|COM19|USB-SERIAL CH340 (COM19)] 200[COM200|COM200|] 240[COM240||] "},
        {0, "3[COM3|COM3|FTDI] 19[COM19|COM19|USB-SERIAL CH340 (COM19)] 200[COM200|COM200|] "},
    };
    for (const auto& [kept, shown] : cases) EXPECT_EQ(Shown(WindowsPortListing(kRegistered, report, kept)), shown) << kept;
    EXPECT_EQ(Shown(WindowsPortListing({}, {}, 1)), "1[COM1||] ");
}

TEST(PortListing, LinuxListsItsSixteenNumbers) {
    ComTable table;
    table[0] = "/dev/ttyUSB0";
    table[15] = "/dev/ttyS3";
    const std::vector<PortListing> listing = LinuxPortListing(table);
    ASSERT_EQ(listing.size(), 16u);
    EXPECT_EQ(Shown({listing[0], listing[1], listing[9], listing[15]}),
              "1[COM  1|/dev/ttyUSB0|] 2[COM  2||] 10[COM 10||] 16[COM 16|/dev/ttyS3|] ");
}

}  // namespace
}  // namespace wrk7::diagnostics
