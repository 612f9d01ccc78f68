#pragma once
#include <memory>
#include <optional>
#include <string>

#include "core/message.h"
#include "link/serial_port.h"

namespace wrk7::ports {

// The port a port text names, for both programs: "emulator" is the in-process
// receiver of model holding its demo image, "COMn" the n-th system port and
// anything else a device path (ResolvePortName). A COM number with no device
// or an empty text gives a port whose Open() fails; on Windows its
// ErrorText() then names the ports the system has. Nothing is opened here.
std::unique_ptr<link::SerialPort> MakePortFor(const std::string& text, int model);
// Why text names no port of this system before anything is tried: on
// Windows a COM name the system does not list; none otherwise.
std::optional<Message> PortProblem(const std::string& text);

}  // namespace wrk7::ports
