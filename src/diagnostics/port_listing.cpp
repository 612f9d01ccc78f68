#include "diagnostics/port_listing.h"

#include <algorithm>

namespace wrk7::diagnostics {

using link::ComCaption;
using link::ComNumbersByName;
using link::WindowsComName;
using link::WindowsComNumber;

std::vector<PortListing> LinuxPortListing(const ComTable& table) {
    std::vector<PortListing> listing;
    for (int n = kFirstComPort; n <= kLastLinuxComPort; ++n)
        listing.push_back({n, ComCaption(n), table[static_cast<std::size_t>(n - 1)], {}, {}});
    return listing;
}

void AttachAdapters(std::vector<PortListing>& listing, const PortReport& report) {
    for (PortListing& entry : listing) {
        if (entry.device.empty()) continue;
        for (const SerialDevice& d : report.devices)
            if (d.path == entry.device || (WindowsComNumber(d.path) != 0 && WindowsComNumber(d.path) == WindowsComNumber(entry.device))) {
                entry.adapter = IdentityOf(d);
                break;
            }
    }
}

std::vector<PortListing> WindowsPortListing(const std::vector<std::string>& registered, const PortReport& report,
                                            int kept) {
    std::vector<PortListing> listing;
    for (const int n : ComNumbersByName(registered)) {
        PortListing entry{n, WindowsComName(n), WindowsComName(n), {}, {}};
        for (const SerialDevice& d : report.devices) {
            if (WindowsComNumber(d.path) != n) continue;
            entry.detail = !d.description.empty() ? d.description : d.chip;
            break;
        }
        listing.push_back(std::move(entry));
    }
    const bool listed = std::any_of(listing.begin(), listing.end(), [kept](const PortListing& p) { return p.number == kept; });
    if (!listed && kept >= kFirstComPort && kept <= kLastWindowsComPort) {
        const auto at = std::find_if(listing.begin(), listing.end(), [kept](const PortListing& p) { return p.number > kept; });
        listing.insert(at, PortListing{kept, WindowsComName(kept), {}, {}, {}});
    }
    AttachAdapters(listing, report);
    return listing;
}

std::vector<PortListing> SystemPortListing(int kept) {
#ifdef _WIN32
    // The doctor's walk of the registry lists the ports and describes them.
    const PortReport report = ExamineThisSystem();
    std::vector<std::string> names;
    for (const SerialDevice& d : report.devices)
        if (!d.path.empty()) names.push_back(d.path);
    return WindowsPortListing(names, report, kept);
#else
    (void)kept;
    std::vector<PortListing> listing = LinuxPortListing(link::SystemComTable());
    AttachAdapters(listing, ExamineThisSystem());
    return listing;
#endif
}

const char* PortTextExample() {
#ifdef _WIN32
    return "COM19, \\\\.\\COM19";
#else
    return "/dev/serial/by-id/usb-...";
#endif
}

}  // namespace wrk7::diagnostics
