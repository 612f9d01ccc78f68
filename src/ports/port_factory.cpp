#include "ports/port_factory.h"

#include "emulator/emulator_port.h"
#include "link/port_names.h"

namespace wrk7::ports {

namespace {

// A COM name the system does not list: nothing to open, and the reason
// names the ports there are, for the cable test and a trace to show.
class UnlistedPort final : public link::SerialPort {
public:
    UnlistedPort(std::string named, std::string why) : named_(std::move(named)), why_(std::move(why)) {}
    bool Open() override {
        fault_ = true;
        return false;
    }
    void Close() override {}
    bool IsOpen() const override { return false; }
    bool Write(std::string_view) override {
        fault_ = true;
        return false;
    }
    std::string ReadAvailable() override { return {}; }
    Wait WaitForData(link::Clock::time_point) override { return Wait::kFault; }
    bool HasFault() const override { return fault_; }
    std::string ErrorText() const override { return fault_ ? why_ : std::string(); }
    std::string Name() const override { return named_ + " (no device)"; }

private:
    std::string named_, why_;
    bool fault_ = false;
};

}  // namespace

std::optional<Message> PortProblem(const std::string& text) {
#ifdef _WIN32
    return link::ResolvePortName(text).problem;
#else
    // Linux's numbers keep failing as they did, at the open; nor is the
    // device list worth walking for nothing.
    (void)text;
    return std::nullopt;
#endif
}

std::unique_ptr<link::SerialPort> MakePortFor(const std::string& text, int model) {
    const link::PortChoice choice = link::ResolvePortName(text);
    if (choice.kind == link::PortChoice::Kind::kEmulator) return emu::MakeDemoEmulatorPort(model);
    if (choice.problem) return std::make_unique<UnlistedPort>(choice.display, choice.problem->English());
    return link::MakeDevicePort(choice.device, choice.display);
}

}  // namespace wrk7::ports
