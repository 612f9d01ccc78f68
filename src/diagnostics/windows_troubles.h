#pragma once
#include "diagnostics/port_doctor.h"
#include "diagnostics/windows_devices.h"

namespace wrk7::diagnostics {

// Adds to d, described from r, what keeps its port from working on
// Windows: a problem code (a refused Prolific chip, a missing driver, any
// other), else a driver version known to fail, a port held by another
// program, a latency timer that slows a read.
void WindowsTroubles(const WindowsDeviceRecord& r, SerialDevice& d);

}  // namespace wrk7::diagnostics
