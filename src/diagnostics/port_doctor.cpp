// The doctor reads a Linux system as files: sysfs says which ports exist and
// which USB adapter and driver stand behind each, /proc who holds them,
// the udev rules who else claims them. It reads them below a root, so the
// same code examines this machine, a copy of a user's machine and the test
// fixtures; plain C++, so it also builds (for --root) on Windows.
#include "diagnostics/port_doctor.h"

#include <charconv>
#include <map>
#include <optional>
#include <set>
#include <system_error>

#include "diagnostics/windows_devices.h"
#include "link/port_names.h"

namespace wrk7::diagnostics {

namespace fs = std::filesystem;

using link::LooksLikeWindowsComName;
using link::PortChoice;
using link::ResolveWindowsPortName;
using link::SortComOrder;

namespace {

struct UsbSide {
    fs::path device;  // the USB device's folder
    fs::path iface;   // the interface the port hangs on
};

// From a port's sysfs folder up to its interface and USB device.
std::optional<UsbSide> UsbAbove(fs::path dir, const fs::path& devicesRoot) {
    UsbSide side;
    for (; !dir.empty() && dir != devicesRoot && dir != dir.parent_path(); dir = dir.parent_path()) {
        std::error_code error;
        if (side.iface.empty() && fs::exists(dir / "bInterfaceNumber", error)) side.iface = dir;
        if (fs::exists(dir / "idVendor", error)) {
            side.device = dir;
            return side;
        }
    }
    return std::nullopt;
}

void DescribeUsb(SerialDevice& d, const UsbSide& side, const fs::path& sysDevices, const TroubleContext& c) {
    d.usb = side.device.filename().string();
    d.vendor = ParseHexId(Attr(side.device, "idVendor")).value_or(0);
    d.product = ParseHexId(Attr(side.device, "idProduct")).value_or(0);
    d.maker = Attr(side.device, "manufacturer");
    d.serial = Attr(side.device, "serial");
    d.description = Trimmed(d.maker + ' ' + Attr(side.device, "product"));
    if (!side.iface.empty()) d.driver = LinkName(side.iface / "driver");
    d.chip = ChipFamily(d.vendor, d.product, d.driver);
    if (d.chip.empty() && !side.iface.empty() && Attr(side.iface, "bInterfaceClass") == "02") d.chip = "CDC ACM";
    const UsbFacts facts = FactsOf(side.device, sysDevices, d.vendor, d.product);
    BrlttyTrouble(c, facts, d);
    if (!d.path.empty()) ModemManagerTrouble(c, facts, d);
}

// The /dev/serial/by-id links, by the device each names.
std::map<std::string, std::string> ById(const SystemView& system) {
    std::map<std::string, std::string> out;
    const std::string folder = "/dev/serial/by-id";
    for (const fs::path& link : Entries(system.Here(folder))) {
        std::error_code error;
        const fs::path target = fs::read_symlink(link, error);
        if (error) continue;
        const fs::path device = target.is_absolute() ? target : fs::path(folder) / target;
        out.emplace(device.lexically_normal().generic_string(), folder + '/' + link.filename().string());
    }
    return out;
}

// An interface a serial port would hang on: a chip of the table, or the modem class.
bool SerialInterface(const fs::path& iface, std::uint16_t vendor, std::uint16_t product) {
    return KnownChip(vendor, product) || (Attr(iface, "bInterfaceClass") == "02" && Attr(iface, "bInterfaceSubClass") == "02");
}

// The latency timer ftdi_sio shows for a port, 0 where none: no trouble on
// Linux, as the link asks the driver for low latency (1 ms) on opening.
int LatencyTimer(const SystemView& system, const std::string& name) {
    const std::string text = Attr(system.Here("/sys/bus/usb-serial/devices/" + name), "latency_timer");
    int ms = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), ms);
    return error == std::errc() && end == text.data() + text.size() && ms > 0 && ms <= 255 ? ms : 0;
}


}  // namespace

PortReport ExaminePorts(const SystemView& system) {
    PortReport report;
    std::error_code error;
    const fs::path classTty = system.Here("/sys/class/tty");
    if (!fs::is_directory(classTty, error)) return report;
    report.readable = true;
    TroubleContext c{system, Processes(system), EffectiveRules(system), ReadText(system.Here("/etc/group"))};
    const fs::path sysDevices = system.Here("/sys/devices");
    const auto byId = ById(system);

    std::map<std::string, SerialDevice> ports;
    std::set<std::string> usbWithPort;
    for (const fs::path& entry : Entries(classTty)) {
        if (!fs::exists(entry / "device", error)) continue;  // a console or pseudo-terminal
        const fs::path dir = fs::canonical(entry / "device", error);
        if (error) continue;
        // Since Linux 6.5 a port hangs below the serial core's own port and
        // controller devices; the hardware's driver sits above them.
        fs::path hardware = dir;
        std::string driver = LinkName(hardware / "driver");
        while ((driver == "port" || driver == "ctrl") && hardware.has_parent_path() && hardware != sysDevices) {
            hardware = hardware.parent_path();
            driver = LinkName(hardware / "driver");
        }
        if (driver == "serial8250") continue;  // the legacy driver's placeholders for ports that may not exist
        SerialDevice d;
        d.path = "/dev/" + entry.filename().string();
        if (const auto it = byId.find(d.path); it != byId.end()) d.byId = it->second;
        d.driver = driver;
        d.latencyMs = LatencyTimer(system, entry.filename().string());
        if (const auto side = UsbAbove(dir, sysDevices)) {
            DescribeUsb(d, *side, sysDevices, c);
            usbWithPort.insert(d.usb);
        }
        if (auto t = PermissionTrouble(c, d)) d.troubles.insert(d.troubles.begin(), *t);
        BusyTroubles(c, d);
        ports[d.path] = std::move(d);
    }
    std::vector<std::string> paths;
    for (const auto& [path, d] : ports) paths.push_back(path);
    for (const std::string& path : SortComOrder(paths)) report.devices.push_back(std::move(ports[path]));

    // Adapters USB sees that got no port.
    for (const fs::path& link : Entries(system.Here("/sys/bus/usb/devices"))) {
        const std::string name = link.filename().string();
        if (name.find(':') != std::string::npos || usbWithPort.count(name)) continue;
        const fs::path dir = fs::canonical(link, error);
        if (error) continue;
        const auto vendor = ParseHexId(Attr(dir, "idVendor"));
        const auto product = ParseHexId(Attr(dir, "idProduct"));
        if (!vendor || !product) continue;
        fs::path iface;
        for (const fs::path& child : Entries(dir))
            if (fs::exists(child / "bInterfaceNumber", error) && SerialInterface(child, *vendor, *product)) {
                iface = child;
                break;
            }
        if (iface.empty()) continue;
        SerialDevice d;
        DescribeUsb(d, UsbSide{dir, iface}, sysDevices, c);
        const bool brltty = !d.troubles.empty();  // brltty took it: that trouble says it all
        const std::string expected = ChipDriver(d.vendor, d.product);
        if (!brltty) NoPortTrouble(c, d, expected.empty() && d.chip == "CDC ACM" ? "cdc_acm" : expected);
        report.devices.push_back(std::move(d));
    }
    return report;
}

DeviceVerdict RegisteredVerdict(const std::string& device, const std::vector<std::string>& registered) {
    if (device.empty()) return {DeviceVerdict::Kind::kMissing, {}};
    // Another name (a driver's own device) Windows can judge only by opening it.
    if (!LooksLikeWindowsComName(device)) return {};
    const PortChoice choice = ResolveWindowsPortName(device, registered);
    return {choice.device.empty() ? DeviceVerdict::Kind::kMissing : DeviceVerdict::Kind::kFine, {}};
}

DeviceVerdict QuickVerdict(const SystemView& system, const std::string& device) {
#ifdef _WIN32
    // Windows has no device files to look at: a COM port is there when the
    // registry lists it, as the doctor's list and the port dialog say.
    if (system.Root() == "/") return RegisteredVerdict(device, link::RegisteredPortNames());
#endif
    std::error_code error;
    if (device.empty() || !fs::exists(system.Here(device), error)) return {DeviceVerdict::Kind::kMissing, {}};
    // Through its by-id link or any other: what /proc and the lock files name is the device itself.
    std::string path = device;
    for (int hop = 0; hop < 16; ++hop) {
        const fs::path here = system.Here(path);
        if (!fs::is_symlink(fs::symlink_status(here, error))) break;
        const fs::path target = fs::read_symlink(here, error);
        if (error) break;
        path = (target.is_absolute() ? target : fs::path(path).parent_path() / target).lexically_normal().generic_string();
    }
    TroubleContext c{system, {}, {}, {}};
    SerialDevice d;
    d.path = path;
    if (auto t = PermissionTrouble(c, d)) {
        const auto owner = system.Owner(path);
        return {DeviceVerdict::Kind::kNoPermission, owner ? owner->group : std::string()};
    }
    c.processes = Processes(system);
    BusyTroubles(c, d);
    return {d.troubles.empty() ? DeviceVerdict::Kind::kFine : DeviceVerdict::Kind::kBusy, {}};
}

bool HeldByAnotherProgram(const std::string& device) {
    // A pseudo-terminal's other end is a program by design (wrk7 emulate).
    if (device.rfind("/dev/pts/", 0) == 0) return false;
    return QuickVerdict(*SystemAt("/"), device).kind == DeviceVerdict::Kind::kBusy;
}

PortReport ExamineCopyAt(const std::string& root, std::vector<std::string>& faults) {
    std::error_code error;
    if (!fs::is_regular_file(root, error)) return ExaminePorts(*SystemAt(root));
    const WindowsSystem system = ReadWindowsSystem(ReadText(root));
    faults.insert(faults.end(), system.faults.begin(), system.faults.end());
    return ExamineWindows(system);
}

std::string DriverPackage(const SerialDevice& d) {
    std::string line = Trimmed(d.driverProvider + ' ' + d.driverVersion);
    if (!d.driverDate.empty()) line += (line.empty() ? "(" : " (") + d.driverDate + ')';
    return line;
}

bool LowLatencyOnOpen(const SerialDevice& d) { return d.path.rfind("/dev/", 0) == 0; }

#ifndef _WIN32
PortReport ExamineThisSystem() { return ExaminePorts(*FileSystemAt("/")); }
#endif

}  // namespace wrk7::diagnostics