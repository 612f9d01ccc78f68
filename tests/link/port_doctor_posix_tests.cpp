// The doctor on fixture trees (tests/data/ports/<case>/: /sys, /proc, /dev
// and udev rules as files and links, owners in port-doctor.txt), never on
// this machine's devices. The trees hold symbolic links, so Windows skips them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "link/port_doctor.h"

namespace wrk7::link {
namespace {

namespace fs = std::filesystem;

fs::path Fixture(const char* name) { return fs::path(WRK7_TEST_DATA_DIR) / "ports" / name; }

PortReport Examine(const fs::path& root) { return ExaminePorts(*SystemAt(root)); }

const SerialDevice* Find(const PortReport& report, const std::string& pathOrUsb) {
    for (const SerialDevice& d : report.devices)
        if (d.path == pathOrUsb || (d.path.empty() && d.usb == pathOrUsb)) return &d;
    return nullptr;
}

struct Case {
    const char* fixture;
    const char* device;  // a path, or the USB name of an adapter without a port
    const char* chip;
    const char* driver;
    const char* trouble;                      // TroubleName of its only trouble, "" for none
    std::vector<const char*> remedyWords;     // what its remedy must say
    std::vector<const char*> textWords = {};  // and its text
};

class PortDoctorTest : public testing::TestWithParam<Case> {};

TEST_P(PortDoctorTest, NamesTheTroubleAndWhatToDo) {
    const Case& c = GetParam();
    const PortReport report = Examine(Fixture(c.fixture));
    ASSERT_TRUE(report.readable);
    const SerialDevice* d = Find(report, c.device);
    ASSERT_NE(d, nullptr) << c.device;
    EXPECT_EQ(d->chip, c.chip);
    EXPECT_EQ(d->driver, c.driver);
    if (!*c.trouble) {
        EXPECT_TRUE(d->troubles.empty()) << d->troubles.front().text;
        return;
    }
    ASSERT_EQ(d->troubles.size(), 1u);
    EXPECT_STREQ(TroubleName(d->troubles[0].kind), c.trouble);
    for (const char* word : c.remedyWords) EXPECT_NE(d->troubles[0].remedy.find(word), std::string::npos) << word << " in\n" << d->troubles[0].remedy;
    // The window sets commands apart from words by how a line ends.
    std::istringstream lines(d->troubles[0].remedy);
    for (std::string line; std::getline(lines, line);) {
        const bool command = line.rfind("sudo ", 0) == 0 || line.rfind("printf ", 0) == 0 || line.rfind("kill ", 0) == 0;
        const bool words = line[0] >= 'A' && line[0] <= 'Z' && line.find("==") == std::string::npos;
        EXPECT_TRUE(!command || RemedyCommand(line)) << line;
        EXPECT_TRUE(!words || !RemedyCommand(line)) << line;
    }
    for (const char* word : c.textWords) EXPECT_NE(d->troubles[0].text.find(word), std::string::npos) << word << " in\n" << d->troubles[0].text;
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, PortDoctorTest,
    testing::Values(
        Case{"ftdi", "/dev/ttyUSB0", "FTDI", "ftdi_sio", "", {}},
        Case{"ch340-brltty", "1-2", "WCH CH340/CH341", "usbfs", "brltty",
             {"ENV{PRODUCT}==\"1a86/7523/*\"", "ENV{SYSTEMD_WANTS}=\"\"", "/etc/udev/rules.d/99-wrk7-brltty-ignore-1a86-7523.rules",
              "udevadm control --reload-rules", "plug it in again"},
             {"85-brltty.rules", "1a86:7523"}},
        // brltty's rule for 0403:6001 asks for another maker: the FTDI stays free.
        Case{"ch340-brltty", "/dev/ttyUSB0", "FTDI", "ftdi_sio", "", {}},
        Case{"modemmanager", "/dev/ttyUSB0", "WCH CH340/CH341", "ch341", "modemmanager",
             {"ATTRS{idVendor}==\"1a86\", ATTRS{idProduct}==\"7523\", ENV{ID_MM_DEVICE_IGNORE}=\"1\"",
              "/etc/udev/rules.d/70-wrk7-modemmanager-ignore-1a86-7523.rules", "udevadm control --reload-rules"}},
        // ModemManager's own rules already leave 0403:6001 alone.
        Case{"modemmanager", "/dev/ttyUSB1", "FTDI", "ftdi_sio", "", {}},
        Case{"no-permission", "/dev/ttyUSB0", "FTDI", "ftdi_sio", "permission", {"sudo usermod -aG dialout alice", "log in again"},
             {"alice", "dialout"}},
        // Our own descriptor (/proc/self) is no holder, and the lock file names the same pid.
        Case{"held", "/dev/ttyUSB0", "Silicon Labs CP210x", "cp210x", "busy", {"kill 4242"}, {"minicom", "4242"}},
        Case{"pl2303-no-port", "1-3", "Prolific PL2303", "", "no-port", {"dmesg"}, {"pl2303 driver is loaded", "counterfeit"}},
        Case{"cdc-acm", "/dev/ttyACM0", "CDC ACM", "cdc_acm", "", {}}));

TEST(PortDoctorFixtureTest, ListsPortsWithTheirStableNamesAndNothingElse) {
    const PortReport none = Examine(Fixture("none"));
    EXPECT_TRUE(none.readable);
    EXPECT_TRUE(none.devices.empty()) << "the console and the root hub are no serial devices";
    EXPECT_FALSE(Examine(Fixture("no-such-case")).readable);

    const PortReport two = Examine(Fixture("modemmanager"));
    ASSERT_EQ(two.devices.size(), 2u);
    EXPECT_EQ(two.devices[0].path, "/dev/ttyUSB0");
    EXPECT_EQ(two.devices[1].byId, "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
    EXPECT_EQ(two.devices[1].usb, "1-1");
    EXPECT_EQ(two.devices[1].vendor, 0x0403);
    EXPECT_EQ(two.devices[1].product, 0x6001);
    EXPECT_EQ(two.devices[1].description, "FTDI FT232R USB UART");
}

TEST(PortDoctorFixtureTest, TheOfferedRulesLiftTheirTroubles) {
    const fs::path root = fs::temp_directory_path() / ("wrk7-port-doctor-" + std::to_string(::getpid()));
    fs::create_directories(root);
    fs::copy(Fixture("ch340-brltty"), root / "brltty", fs::copy_options::recursive | fs::copy_options::copy_symlinks);
    fs::copy(Fixture("modemmanager"), root / "mm", fs::copy_options::recursive | fs::copy_options::copy_symlinks);
    // The rule each remedy offers, written where it says.
    for (const auto& [tree, device] : {std::pair{"brltty", "1-2"}, std::pair{"mm", "/dev/ttyUSB0"}}) {
        const PortReport before = Examine(root / tree);
        const std::string& remedy = Find(before, device)->troubles.at(0).remedy;
        const auto from = remedy.find('\n') + 1;
        const std::string rule = remedy.substr(from, remedy.find('\n', from) - from);
        const auto at = remedy.find("/etc/udev/rules.d/");
        const std::string file = remedy.substr(at, remedy.find_first_of(" :\n", at) - at);
        fs::create_directories(root / tree / "etc/udev/rules.d");
        std::ofstream(root / tree / fs::path(file).relative_path()) << rule << '\n';
        const PortTrouble::Kind kind = Find(before, device)->troubles.at(0).kind;
        for (const PortTrouble& t : Find(Examine(root / tree), device)->troubles)
            EXPECT_NE(t.kind, kind) << tree << ": " << file << ": " << rule;
    }
    fs::remove_all(root);
}

TEST(PortDoctorFixtureTest, QuickVerdictSaysWhyAPortMayNotOpen) {
    using Kind = DeviceVerdict::Kind;
    EXPECT_EQ(QuickVerdict(*SystemAt(Fixture("ftdi")), "/dev/ttyUSB0").kind, Kind::kFine);
    EXPECT_EQ(QuickVerdict(*SystemAt(Fixture("ftdi")), "/dev/ttyUSB7").kind, Kind::kMissing);
    const DeviceVerdict denied = QuickVerdict(*SystemAt(Fixture("no-permission")), "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
    EXPECT_EQ(denied.kind, Kind::kNoPermission);
    EXPECT_EQ(denied.group, "dialout");
    EXPECT_EQ(QuickVerdict(*SystemAt(Fixture("held")), "/dev/ttyUSB0").kind, Kind::kBusy);
}

}  // namespace
}  // namespace wrk7::link
