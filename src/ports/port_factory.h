#pragma once
#include <memory>
#include <string>

#include "link/serial_port.h"

namespace wrk7::ports {

// The port a port text names, for both programs: "emulator" is the in-process
// receiver of model holding its demo image, "COMn" the n-th system port and
// anything else a device path (ResolvePortName). A COM number with no device
// or an empty text gives a port whose Open() fails. Nothing is opened here.
std::unique_ptr<link::SerialPort> MakePortFor(const std::string& text, int model);

}  // namespace wrk7::ports
