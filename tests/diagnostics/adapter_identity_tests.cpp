// A kept adapter found again by what it is, on reports of both systems, and
// on a Linux tree after a replug.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "diagnostics/adapter_identity.h"
#include "diagnostics/windows_devices.h"
#include "link/port_names.h"

namespace wrk7::diagnostics {
namespace {

SerialDevice Adapter(std::string path, std::string usb, std::uint16_t vendor, std::uint16_t product, std::string serial,
                     std::string byId = {}) {
    SerialDevice d;
    d.path = std::move(path);
    d.usb = std::move(usb);
    d.vendor = vendor;
    d.product = product;
    d.serial = std::move(serial);
    d.byId = std::move(byId);
    return d;
}

const std::string kFtdiById = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0";
const SerialDevice kFtdi = Adapter("/dev/ttyUSB0", "1-1", 0x0403, 0x6001, "A50285BI", kFtdiById);
const SerialDevice kOtherFtdi = Adapter("/dev/ttyUSB0", "1-1", 0x0403, 0x6001, "FT9ZQ2K1");
const SerialDevice kCp2102 = Adapter("/dev/ttyUSB0", "1-1", 0x10c4, 0xea60, "0001");
const SerialDevice kCh340 = Adapter("COM3", "USB\\VID_1A86&PID_7523\\5&2F6A3B1&0&2", 0x1a86, 0x7523, "");
const SerialDevice kWinFtdi = Adapter("COM3", "FTDIBUS\\VID_0403+PID_6001+A50285BIA\\0000", 0x0403, 0x6001, "A50285BIA");

SerialDevice At(SerialDevice d, std::string path, std::string usb = {}) {
    d.path = std::move(path);
    if (!usb.empty()) d.usb = std::move(usb);
    if (!d.byId.empty()) d.byId = kFtdiById;  // the by-id name follows the adapter
    return d;
}

PortReport Report(std::vector<SerialDevice> devices) { return {true, std::move(devices)}; }

using Kind = AdapterSearch::Kind;

TEST(AdapterIdentityTest, FindsTheKeptAdapterWhereItIsNow) {
    struct Case {
        const char* what;
        SerialDevice kept;
        PortReport now;
        std::string portDevice;
        Kind kind;
        std::string device;
    };
    const Case cases[] = {
        {"still there", kFtdi, Report({kFtdi}), "/dev/ttyUSB0", Kind::kAtItsPort, "/dev/ttyUSB0"},
        {"named by its by-id link", kFtdi, Report({kFtdi}), kFtdiById, Kind::kAtItsPort, kFtdiById},
        {"replugged: another ttyUSBn, its old one taken", kFtdi,
         Report({kCp2102, At(kFtdi, "/dev/ttyUSB1", "1-2")}), "/dev/ttyUSB0", Kind::kMoved, "/dev/ttyUSB1"},
        {"the serial number tells two of a kind apart", kFtdi,
         Report({kOtherFtdi, At(kFtdi, "/dev/ttyUSB1", "1-2")}), "/dev/ttyUSB0", Kind::kMoved, "/dev/ttyUSB1"},
        {"Windows: another socket, another COM number", kWinFtdi, Report({At(kWinFtdi, "COM7")}), "", Kind::kMoved, "COM7"},
        {"Windows: no serial, the only one of its kind", kCh340,
         Report({At(kCh340, "COM9", "USB\\VID_1A86&PID_7523\\5&2F6A3B1&0&4")}), "", Kind::kMoved, "COM9"},
        {"no serial, of its kind at its port", kCh340,
         Report({At(kCh340, "COM3", "USB\\VID_1A86&PID_7523\\5&2F6A3B1&0&4")}), "COM3", Kind::kAtItsPort, "COM3"},
        {"no serial, two of its kind elsewhere", kCh340,
         Report({At(kCh340, "COM8", "USB\\A"), At(kCh340, "COM9", "USB\\B")}), "", Kind::kAmbiguous, ""},
        {"unplugged, its number names nothing", kFtdi, Report({kCp2102}), "", Kind::kMissing, ""},
        {"unplugged, its number names another adapter", kWinFtdi, Report({kCh340}), "COM3", Kind::kPortTaken, ""},
        {"unplugged, its number names a device nobody lists", kFtdi, Report({}), "/dev/pts/4", Kind::kPortTaken, ""},
        {"a system that cannot be examined", kFtdi, PortReport{}, "/dev/ttyUSB0", Kind::kAtItsPort, "/dev/ttyUSB0"},
    };
    for (const Case& c : cases) {
        const AdapterSearch found = FindAdapter(c.now, IdentityOf(c.kept), c.portDevice);
        EXPECT_EQ(found.kind, c.kind) << c.what;
        EXPECT_EQ(found.device, c.device) << c.what;
    }
    const AdapterSearch taken = FindAdapter(Report({kCh340}), IdentityOf(kWinFtdi), "COM3");
    ASSERT_TRUE(taken.other.has_value());
    EXPECT_EQ(taken.other->vendor, 0x1a86) << "the box names what the port leads to now";
}

TEST(AdapterIdentityTest, OnlyUsbAdaptersHaveAnIdentity) {
    SerialDevice builtIn;
    builtIn.path = "/dev/ttyS0";
    EXPECT_TRUE(IdentityOf(builtIn).Empty());
    EXPECT_EQ(IdentityOf(kWinFtdi).instance, kWinFtdi.usb);
    EXPECT_TRUE(IdentityOf(kFtdi).instance.empty()) << "Linux's USB path is a socket, not the adapter";
    EXPECT_TRUE(IdentityMatches(IdentityOf(kFtdi), IdentityOf(At(kFtdi, "/dev/ttyUSB1", "1-2"))));
    EXPECT_FALSE(IdentityMatches(IdentityOf(kFtdi), IdentityOf(kOtherFtdi)));
}

TEST(AdapterIdentityTest, AWindowsReplugFoundAtItsNewComNumber) {
    auto examine = [](const char* name) {
        std::ifstream file(std::filesystem::path(WRK7_TEST_DATA_DIR) / "ports-windows" / name);
        std::stringstream text;
        text << file.rdbuf();
        return ExamineWindows(ReadWindowsSystem(text.str()));
    };
    const PortReport before = examine("ftdi-latency.txt");
    ASSERT_EQ(before.devices.size(), 1u);
    const AdapterIdentity kept = IdentityOf(before.devices[0]);
    const AdapterSearch found = FindAdapter(examine("ftdi-replugged.txt"), kept, "COM3");
    EXPECT_EQ(found.kind, Kind::kMoved);
    EXPECT_EQ(found.device, "COM7");
    EXPECT_EQ(FindAdapter(examine("ftdi-replugged.txt"), IdentityOf(kCh340), "COM3").kind, Kind::kAtItsPort)
        << "a CH340 without serial number, the only one, at its number";
}

#ifndef _WIN32
TEST(AdapterIdentityTest, ALinuxReplugFoundInTheSystemTree) {
    const std::filesystem::path ports = std::filesystem::path(WRK7_TEST_DATA_DIR) / "ports";
    const PortReport before = ExaminePorts(*SystemAt(ports / "ftdi"));
    ASSERT_EQ(before.devices.size(), 1u);
    const AdapterIdentity kept = IdentityOf(before.devices[0]);
    EXPECT_EQ(kept.serial, "A50285BI");
    EXPECT_EQ(kept.byId, kFtdiById);

    const PortReport after = ExaminePorts(*SystemAt(ports / "replugged"));
    const AdapterSearch found = FindAdapter(after, kept, "/dev/ttyUSB0");
    EXPECT_EQ(found.kind, Kind::kMoved);
    EXPECT_EQ(found.device, "/dev/ttyUSB1");
    std::vector<std::string> paths;
    for (const SerialDevice& d : after.devices) paths.push_back(d.path);
    EXPECT_EQ(link::ComNumberOfDevice(found.device, link::ComTableInOrder(paths)), 2) << "COM 2 opens it now";
}
#endif

}  // namespace
}  // namespace wrk7::diagnostics
