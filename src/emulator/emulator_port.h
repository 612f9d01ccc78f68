#pragma once
#include <condition_variable>
#include <memory>
#include <mutex>

#include "emulator/line_timing.h"
#include "emulator/receiver.h"
#include "link/serial_port.h"

namespace wrk7::emu {

// A port wired straight to an in-process receiver emulator: what the link
// writes reaches the receiver at once, and its answers become readable when
// their time has come (at once, after a fault's delay, or at line speed when
// paced). Safe to use from one thread while another inspects the receiver
// through WithReceiver or closes the port.
class EmulatorPort final : public link::SerialPort {
public:
    explicit EmulatorPort(std::shared_ptr<Receiver> receiver, bool paced = false,
                          std::chrono::milliseconds latencyTimer = {});

    bool Open() override;
    void Close() override;
    bool IsOpen() const override;
    bool Write(std::string_view data) override;
    std::string ReadAvailable() override;
    Wait WaitForData(link::Clock::time_point deadline) override;
    bool HasFault() const override;
    std::string ErrorText() const override;
    std::string Name() const override { return "emulator"; }

    // Runs f on the receiver under the port's lock.
    template <typename F>
    auto WithReceiver(F&& f) {
        std::lock_guard lock(mutex_);
        return f(*receiver_);
    }
    // Characters the receiver has sent that the link has taken.
    std::size_t CharactersDelivered() const;

private:
    bool DeadLocked() const;  // the hang-up has been reached

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::shared_ptr<Receiver> receiver_;
    LineTiming timing_;
    bool open_ = false;
    bool fault_ = false;
    std::string error_;
};

// The in-process emulator of model holding its demo image.
std::unique_ptr<EmulatorPort> MakeDemoEmulatorPort(int model, const FaultPlan& faults = {});

}  // namespace wrk7::emu
