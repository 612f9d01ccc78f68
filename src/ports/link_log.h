#pragma once
#include <string>
#include <string_view>

#include "diagnostics/port_doctor.h"
#include "link/link_operations.h"

namespace wrk7::ports {

// What both programs' logs keep of a transfer and of the port doctor, for a problem report: its
// start with the port and the adapter behind it, its outcome with the
// messages, and its time.
void LogTransferStart(std::string_view title, const std::string& portText);
void LogTransferEnd(std::string_view title, const link::LinkResult& result, double seconds,
                    const std::string& portError);

// What the port doctor found, a line per device with its troubles.
void LogPortReport(const diagnostics::PortReport& report);

// "/dev/ttyUSB0 (FTDI FT232R USB UART, FTDI, serial A50285BI)": the port a
// text names and, when the system tells, what stands behind it.
std::string PortAndAdapter(const std::string& portText);

}  // namespace wrk7::ports
