#pragma once
#include <atomic>

namespace wrk7::platform {

// While one lives, Ctrl+C and a request to end the program set Flag()
// instead of ending it, so a transfer or the emulator stops where it can
// and says so; a second Ctrl+C ends the program at once. One at a time.
class InterruptCatcher {
public:
    InterruptCatcher();
    ~InterruptCatcher();
    InterruptCatcher(const InterruptCatcher&) = delete;
    InterruptCatcher& operator=(const InterruptCatcher&) = delete;
    const std::atomic<bool>& Flag() const;
};

}  // namespace wrk7::platform
