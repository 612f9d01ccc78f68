#include "diagnostics/adapter_identity.h"

#include <algorithm>

namespace wrk7::diagnostics {

AdapterIdentity IdentityOf(const SerialDevice& d) {
    AdapterIdentity id;
    if (d.usb.empty() || (d.vendor == 0 && d.product == 0)) return id;
    id.vendor = d.vendor;
    id.product = d.product;
    id.serial = d.serial;
    id.byId = d.byId;
    id.instance = d.usb.find('\\') != std::string::npos ? d.usb : std::string();  // Linux' "1-1.2" is a socket, no identity
    id.description = d.description;
    id.chip = d.chip;
    return id;
}

bool SameAdapter(const AdapterIdentity& kept, const SerialDevice& d) {
    if (kept.Empty() || d.usb.empty() || d.vendor != kept.vendor || d.product != kept.product) return false;
    if (!kept.serial.empty()) return d.serial == kept.serial;
    if (!kept.byId.empty() && d.byId == kept.byId) return true;
    return !kept.instance.empty() && d.usb == kept.instance;
}

bool IdentityMatches(const AdapterIdentity& a, const AdapterIdentity& b) {
    if (a.vendor != b.vendor || a.product != b.product || a.serial != b.serial) return false;
    return !a.serial.empty() || (a.byId == b.byId && a.instance == b.instance);
}

namespace {

// Of the same kind and, like the kept one, without a serial number: all
// that tells such an adapter from another.
bool Resembles(const AdapterIdentity& kept, const SerialDevice& d) {
    return kept.serial.empty() && !kept.Empty() && !d.usb.empty() && d.serial.empty() && d.vendor == kept.vendor &&
           d.product == kept.product;
}

bool SameDevice(const SerialDevice& d, const std::string& device) {
    return !device.empty() && (d.path == device || d.byId == device);
}

}  // namespace

AdapterSearch FindAdapter(const PortReport& report, const AdapterIdentity& kept, const std::string& portDevice) {
    AdapterSearch search;
    const auto at = std::find_if(report.devices.begin(), report.devices.end(),
                                 [&](const SerialDevice& d) { return SameDevice(d, portDevice); });
    const bool portHasIt = at != report.devices.end() && (SameAdapter(kept, *at) || Resembles(kept, *at));
    if (portHasIt) {
        search.kind = AdapterSearch::Kind::kAtItsPort;
        search.device = portDevice;
        return search;
    }
    std::vector<const SerialDevice*> found;
    for (const SerialDevice& d : report.devices)
        if (!d.path.empty() && SameAdapter(kept, d)) found.push_back(&d);
    // An adapter without a serial number in another socket keeps only its
    // kind: taken when it is the only one of its kind with a port.
    if (found.empty())
        for (const SerialDevice& d : report.devices)
            if (!d.path.empty() && Resembles(kept, d)) found.push_back(&d);
    if (found.size() == 1) {
        search.kind = AdapterSearch::Kind::kMoved;
        search.device = found.front()->path;
        return search;
    }
    if (found.size() > 1) {
        search.kind = AdapterSearch::Kind::kAmbiguous;
        return search;
    }
    if (at != report.devices.end()) {
        search.kind = AdapterSearch::Kind::kPortTaken;
        search.other = *at;
    } else if (!portDevice.empty() && report.devices.empty() && !report.readable) {
        // Nothing could be examined: the port may well be it.
        search.kind = AdapterSearch::Kind::kAtItsPort;
        search.device = portDevice;
    } else if (!portDevice.empty()) {
        // A device the system lists none of (a pseudo-terminal, a typed
        // link): not the adapter, and nothing to say what it is.
        search.kind = AdapterSearch::Kind::kPortTaken;
    }
    return search;
}

}  // namespace wrk7::diagnostics
