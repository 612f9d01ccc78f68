#include "ports/port_factory.h"

#include "emulator/emulator_port.h"
#include "link/port_names.h"

namespace wrk7::ports {

std::unique_ptr<link::SerialPort> MakePortFor(const std::string& text, int model) {
    const link::PortChoice choice = link::ResolvePortName(text);
    if (choice.kind == link::PortChoice::Kind::kEmulator) return emu::MakeDemoEmulatorPort(model);
    return link::MakeDevicePort(choice.device, choice.display);
}

}  // namespace wrk7::ports
