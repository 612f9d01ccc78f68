// The doctor on fixture trees (tests/data/ports/<case>/: /sys, /proc, /dev
// and udev rules as files and links, owners in port-doctor.txt), never on
// this machine's devices. The trees hold symbolic links, so Windows skips them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "diagnostics/port_doctor.h"

namespace wrk7::diagnostics {
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
        EXPECT_TRUE(d->troubles.empty()) << d->troubles.front().text.English();
        return;
    }
    ASSERT_EQ(d->troubles.size(), 1u);
    EXPECT_STREQ(TroubleName(d->troubles[0].kind), c.trouble);
    const std::string remedy = RemedyEnglish(d->troubles[0]);
    for (const char* word : c.remedyWords) EXPECT_NE(remedy.find(word), std::string::npos) << word << " in\n" << remedy;
    // The window sets commands apart from words, and translates only words.
    for (const Message& step : d->troubles[0].remedy) {
        const std::string line = step.English();
        const bool command = line.rfind("sudo ", 0) == 0 || line.rfind("printf ", 0) == 0 || line.rfind("kill ", 0) == 0;
        const bool words = line[0] >= 'A' && line[0] <= 'Z' && line.find("==") == std::string::npos;
        EXPECT_TRUE(!command || RemedyCommand(step)) << line;
        EXPECT_TRUE(!words || !RemedyCommand(step)) << line;
    }
    const std::string text = d->troubles[0].text.English();
    for (const char* word : c.textWords) EXPECT_NE(text.find(word), std::string::npos) << word << " in\n" << text;
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
    EXPECT_EQ(two.devices[1].latencyMs, 0) << "no latency_timer in this tree";
    EXPECT_EQ(Examine(Fixture("ftdi")).devices.at(0).latencyMs, 16);
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) text.replace(at, from.size(), to);
    return text;
}

// The remedy's commands that write a rules file, run as offered but on the
// tree in place of / (and without sudo).
void RunWriteCommands(const std::string& remedy, const fs::path& tree) {
    fs::create_directories(tree / "etc/udev/rules.d");
    std::istringstream lines(remedy);
    for (std::string line; std::getline(lines, line);) {
        if (line.find(" | sudo tee /etc/") == std::string::npos) continue;
        line = Replaced(Replaced(line, " /usr/lib/", ' ' + tree.string() + "/usr/lib/"), "sudo tee /", "tee " + tree.string() + '/');
        EXPECT_EQ(std::system((line + " > /dev/null").c_str()), 0) << line;
    }
}

TEST(PortDoctorFixtureTest, TheOfferedCommandsLiftTheirTroubles) {
    const fs::path root = fs::temp_directory_path() / ("wrk7-port-doctor-" + std::to_string(::getpid()));
    fs::create_directories(root);
    const auto copy = fs::copy_options::recursive | fs::copy_options::copy_symlinks;
    fs::copy(Fixture("ch340-brltty"), root / "brltty", copy);
    fs::copy(Fixture("ch340-brltty"), root / "brltty-run", copy);
    fs::copy(Fixture("modemmanager"), root / "mm", copy);
    // brltty's rules of old ran it themselves: the remedy is then a copy without the adapter's lines.
    const fs::path rules = root / "brltty-run/usr/lib/udev/rules.d/85-brltty.rules";
    std::ifstream in(rules);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    std::ofstream(rules) << Replaced(text, "TAG+=\"systemd\", ENV{SYSTEMD_WANTS}+=\"brltty-udev.service\"", "RUN+=\"/lib/brltty/brltty-udev.sh\"");
    for (const auto& [tree, device] : {std::pair{"brltty", "1-2"}, std::pair{"brltty-run", "1-2"}, std::pair{"mm", "/dev/ttyUSB0"}}) {
        const PortTrouble before = Find(Examine(root / tree), device)->troubles.at(0);
        RunWriteCommands(RemedyEnglish(before), root / tree);
        const PortReport after = Examine(root / tree);  // the range below must not outlive it
        for (const PortTrouble& t : Find(after, device)->troubles)
            EXPECT_NE(t.kind, before.kind) << tree << ":\n" << RemedyEnglish(before);
    }
    std::ifstream copied(root / "brltty-run/etc/udev/rules.d/85-brltty.rules");
    const std::string shadow((std::istreambuf_iterator<char>(copied)), std::istreambuf_iterator<char>());
    EXPECT_NE(shadow.find("\n#ENV{PRODUCT}==\"1a86/7523/*\""), std::string::npos) << shadow;
    EXPECT_NE(shadow.find("\nENV{PRODUCT}==\"403/6001/*\""), std::string::npos) << "the other lines stay\n" << shadow;
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
}  // namespace wrk7::diagnostics
