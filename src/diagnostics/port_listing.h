#pragma once
#include <string>
#include <vector>

#include "diagnostics/adapter_identity.h"
#include "diagnostics/port_doctor.h"
#include "link/port_names.h"

namespace wrk7::diagnostics {

using link::ComTable;

// One choice of the port dialog: a COM number, the caption it is shown by,
// the device it opens and what else is known of what stands behind it.
struct PortListing {
    int number = 0;
    std::string caption;  // "COM  3" on Linux; the system's own name ("COM19") on Windows
    std::string device;   // "/dev/ttyUSB0", "COM19"; "" when the machine has none
    std::string detail;   // Windows: the adapter as the doctor knows it ("" when unknown)
    AdapterIdentity adapter;  // the USB adapter behind it, Empty() when none or unknown
};
// Each entry's adapter as report knows it, by device.
void AttachAdapters(std::vector<PortListing>& listing, const PortReport& report);

// Linux: COM 1..16, always all sixteen, each with its device in the table.
std::vector<PortListing> LinuxPortListing(const ComTable& table);
// Windows: each registered port in number order, with the description (or
// chip) report gives for it; kept, the port the user chose last, stays a
// choice with no device when the system no longer lists it.
std::vector<PortListing> WindowsPortListing(const std::vector<std::string>& registered, const PortReport& report,
                                            int kept);
// This machine's, by the rule of its system.
std::vector<PortListing> SystemPortListing(int kept);

// What the port dialog's free-text box suggests: a stable device link on
// Linux, a port name on Windows.
const char* PortTextExample();

}  // namespace wrk7::diagnostics
