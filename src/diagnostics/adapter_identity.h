#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "diagnostics/port_doctor.h"

namespace wrk7::diagnostics {

// What a USB serial adapter is, whichever port it was given today: Windows
// hands out a new COM number in another socket and Linux a new ttyUSBn after
// a replug, so a port number alone may name nothing tomorrow, or another
// device.
struct AdapterIdentity {
    std::uint16_t vendor = 0, product = 0;
    std::string serial;    // "" when the adapter has no serial number
    std::string byId;      // Linux: its /dev/serial/by-id link when it had one
    std::string instance;  // Windows: its device instance id
    // For messages only: what it calls itself and its chip.
    std::string description, chip;

    bool Empty() const { return vendor == 0 && product == 0; }
    bool operator==(const AdapterIdentity&) const = default;
};

// d as an adapter to find again; Empty() when d is not on USB.
AdapterIdentity IdentityOf(const SerialDevice& d);
// Whether d is the adapter kept: by its serial number where it has one
// (vendor and product must agree too), else by its stable name or
// instance id, which without a serial number change with the socket.
bool SameAdapter(const AdapterIdentity& kept, const SerialDevice& d);

// Whether two identities name one adapter (what a message shows aside).
bool IdentityMatches(const AdapterIdentity& a, const AdapterIdentity& b);

// Where a kept adapter is now, against the port the user last chose for it.
struct AdapterSearch {
    enum class Kind {
        kAtItsPort,   // the port still leads to it
        kMoved,       // it is at another port: device says which
        kMissing,     // not plugged in, and its port names nothing
        kPortTaken,   // not plugged in, and its port now names another device
        kAmbiguous,   // without a serial number, several such adapters and none at its port
    } kind = Kind::kMissing;
    std::string device;              // kAtItsPort, kMoved: its port's device ("/dev/ttyUSB1", "COM7")
    std::optional<SerialDevice> other;  // kPortTaken: what the port leads to now
};
// portDevice: the device the kept port number opens today ("" when none).
AdapterSearch FindAdapter(const PortReport& report, const AdapterIdentity& kept, const std::string& portDevice);

}  // namespace wrk7::diagnostics
