#include "emulator/emulator_port.h"

#include "emulator/memory_image.h"

namespace wrk7::emu {

namespace {
constexpr const char* kHungUp = "emulator: the line was hung up";
}

EmulatorPort::EmulatorPort(std::shared_ptr<Receiver> receiver, bool paced, std::chrono::milliseconds latencyTimer)
    : receiver_(std::move(receiver)), timing_(paced, latencyTimer) {}

bool EmulatorPort::DeadLocked() const { return timing_.HangupReached(*receiver_); }

bool EmulatorPort::Open() {
    std::lock_guard lock(mutex_);
    // A hung-up line stays dead, like a device that has gone away.
    if (DeadLocked()) {
        open_ = false;
        fault_ = true;
        error_ = kHungUp;
        return false;
    }
    open_ = true;
    fault_ = false;
    error_.clear();
    return true;
}

void EmulatorPort::Close() {
    {
        std::lock_guard lock(mutex_);
        open_ = false;
    }
    changed_.notify_all();
}

bool EmulatorPort::IsOpen() const {
    std::lock_guard lock(mutex_);
    return open_;
}

bool EmulatorPort::Write(std::string_view data) {
    {
        std::lock_guard lock(mutex_);
        if (!open_ || DeadLocked()) {
            fault_ = true;
            error_ = open_ ? kHungUp : "emulator: the port is not open";
            open_ = false;
            return false;
        }
        timing_.Input(*receiver_, data, Clock::now());
    }
    changed_.notify_all();
    return true;
}

std::string EmulatorPort::ReadAvailable() {
    std::lock_guard lock(mutex_);
    if (!open_) return {};
    // The last answer before a hang-up is still delivered; the next look
    // finds the line dead.
    if (DeadLocked()) {
        fault_ = true;
        error_ = kHungUp;
        open_ = false;
        return {};
    }
    return timing_.TakeDue(Clock::now());
}

link::SerialPort::Wait EmulatorPort::WaitForData(link::Clock::time_point deadline) {
    std::unique_lock lock(mutex_);
    for (;;) {
        if (!open_) return Wait::kFault;
        const auto now = Clock::now();
        const auto next = timing_.NextDue();
        if (next && *next <= now) return Wait::kData;
        if (DeadLocked()) {
            fault_ = true;
            error_ = kHungUp;
            open_ = false;
            return Wait::kFault;
        }
        if (now >= deadline) return Wait::kTimeout;
        const auto until = next ? std::min(*next, deadline) : deadline;
        changed_.wait_until(lock, until);
    }
}

bool EmulatorPort::HasFault() const {
    std::lock_guard lock(mutex_);
    return fault_;
}

std::string EmulatorPort::ErrorText() const {
    std::lock_guard lock(mutex_);
    return error_;
}

std::size_t EmulatorPort::CharactersDelivered() const {
    std::lock_guard lock(mutex_);
    return timing_.CharactersSent();
}

std::unique_ptr<EmulatorPort> MakeDemoEmulatorPort(int model, const FaultPlan& faults) {
    auto receiver = std::make_shared<Receiver>(model);
    StoreImage(receiver->Mem(), DemoImage(model));
    receiver->LatchBankTable();
    receiver->SetFaults(faults);
    return std::make_unique<EmulatorPort>(std::move(receiver));
}

}  // namespace wrk7::emu
