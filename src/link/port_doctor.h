#pragma once
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/message.h"

namespace wrk7::link {

// Most first runs that fail, fail at the cable: the adapter has no port, the
// user may not open it, or another program holds it. The doctor lists every
// serial device with what it is and what stands in its way, each with what
// to do in plain words, so a user (or support staff looking at a copy of
// the user's /sys, /proc, /dev and udev rules) need not know Linux by heart.

// The family of a USB serial chip: "FTDI", "Prolific PL2303", "WCH
// CH340/CH341", "Silicon Labs CP210x", or "CDC ACM" for a device of the
// modem class (driver cdc_acm on Linux, usbser on Windows); "" when
// unknown. One table for Linux and Windows, so both name a chip alike.
std::string ChipFamily(std::uint16_t vendor, std::uint16_t product, const std::string& driver);
// The Linux driver that makes ports for that chip ("ch341"), "" when unknown.
std::string ChipDriver(std::uint16_t vendor, std::uint16_t product);
// Vendor and product of a Windows hardware id ("USB\VID_1A86&PID_7523&REV_0264",
// or FTDI's own "FTDIBUS\VID_0403+PID_6001+A50285BIA\0000"); false when
// it names none.
bool ParseHardwareId(const std::string& id, std::uint16_t& vendor, std::uint16_t& product);
std::string HexId(std::uint16_t id);  // "1a86", as sysfs and udev write it

struct PortTrouble {
    enum class Kind { kPermission, kBusy, kBrltty, kModemManager, kNoPort };
    Kind kind;
    Message text;  // what stands in the way
    // What to do, a line each: words said to the user, or a command or rule
    // to copy as it is (RemedyCommand), which no translation touches.
    std::vector<Message> remedy;
};
// Whether a line of a remedy is a command or rule to copy rather than words.
bool RemedyCommand(const Message& line);
// The remedy in English, its lines joined by '\n': what wrk7 prints.
std::string RemedyEnglish(const PortTrouble& trouble);
// "permission", "busy", "brltty", "modemmanager", "no-port": for scripts.
const char* TroubleName(PortTrouble::Kind kind);

struct SerialDevice {
    std::string path;     // "/dev/ttyUSB0", "COM3"; "" for a USB adapter that got no port
    std::string byId;     // its /dev/serial/by-id link, "" when none
    std::string usb;      // where it sits on USB ("1-1.2"; the device instance on Windows), "" when not on USB
    std::uint16_t vendor = 0, product = 0;  // meaningful when usb is set
    std::string description;                // the adapter's maker and product as it reports them
    std::string chip;                       // ChipFamily
    std::string driver;                     // bound to it ("ftdi_sio"; the service on Windows)
    std::vector<PortTrouble> troubles;
};

struct PortReport {
    bool readable = false;  // the system's device list could be read at all
    std::vector<SerialDevice> devices;  // ports in COM order, then adapters without one
};

// Who owns a device node, and who asks: what a plain tree of files cannot
// carry (in git, or in a copy made by a user who is not root).
struct NodeOwner {
    std::string owner, group;
    unsigned mode = 0;  // permission bits (0660)
};
struct UserInfo {
    std::string name;
    bool superuser = false;
    std::vector<std::string> groups;  // of this login, not of /etc/group
};

// A system as the doctor reads it: /sys, /proc, /dev, /etc/group and the
// udev rules folders below Root(), plus owners and the user.
class SystemView {
public:
    explicit SystemView(std::filesystem::path root) : root_(std::move(root)) {}
    virtual ~SystemView() = default;
    const std::filesystem::path& Root() const { return root_; }
    // Where a path of the examined system ("/dev/ttyUSB0") lies here.
    std::filesystem::path Here(const std::string& path) const;
    virtual std::optional<NodeOwner> Owner(const std::string& device) const = 0;
    virtual std::optional<UserInfo> User() const = 0;
    // Whether the system itself lets the user read and write device, access
    // lists included; nullopt: judge by owner, group and mode.
    virtual std::optional<bool> Grants(const std::string& /*device*/) const { return std::nullopt; }

private:
    std::filesystem::path root_;
};

// The system whose files lie below root. When root holds port-doctor.txt,
// owners and the user come from it, one line each:
//   user NAME GROUP...             the asking user and the groups of its login ("root" is the superuser)
//   node PATH OWNER GROUP MODE     e.g. "node /dev/ttyUSB0 root dialout 0660" (MODE in octal)
// '#' starts a comment. Otherwise, at "/", the nodes' own owners, this
// process's user and the system's own access check; below any other root
// no permission is judged (this process's user is not that machine's).
std::unique_ptr<SystemView> SystemAt(const std::filesystem::path& root);
// The same without port-doctor.txt: the platform file defines it.
std::unique_ptr<SystemView> FileSystemAt(const std::filesystem::path& root);

PortReport ExaminePorts(const SystemView& system);
// This machine: the tree at "/" on Linux, the registry on Windows.
PortReport ExamineThisSystem();

// Why one device may not open, in short: the hint beside a port's name.
struct DeviceVerdict {
    enum class Kind { kFine, kMissing, kNoPermission, kBusy } kind = Kind::kFine;
    std::string group;  // kNoPermission: the group to join
};
DeviceVerdict QuickVerdict(const SystemView& system, const std::string& device);
// Windows' verdict, which QuickVerdict gives there: a COM name ("COM19",
// "\\.\COM19") is fine when registered holds its port, missing otherwise;
// other names get no verdict (kFine), as only opening them tells.
DeviceVerdict RegisteredVerdict(const std::string& device, const std::vector<std::string>& registered);

}  // namespace wrk7::link
