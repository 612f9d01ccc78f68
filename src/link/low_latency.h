#pragma once
#include <optional>
#include <string>

namespace wrk7::link {

// What a serial port found when it asked its driver for low latency
// (Linux: ASYNC_LOW_LATENCY), told in the serial trace: a USB adapter that
// holds each answer for its latency timer can cost a transfer more than the
// line itself.
struct LowLatencyFound {
    bool offered = false;   // the driver shows its flags at all
    bool accepted = false;  // low latency is on (set now or found so)
    bool wasOn = false;     // it was on before the port asked
    // An adapter's latency timer in ms, before and after the asking, where
    // its driver shows one.
    std::optional<int> timerBefore;
    std::optional<int> timerAfter;
};

// The trace's line for what was found: "latency timer: 16 ms, 1 ms with low
// latency", "low latency: not offered by the driver".
std::string LatencyNote(const LowLatencyFound& found);

// Where Linux shows the latency timer of the USB serial adapter behind device
// (a symlink such as /dev/serial/by-id/... is followed), below sys; "" for a
// device that is no USB serial adapter's.
std::string LatencyTimerFile(const std::string& device, const std::string& sys = "/sys");

// The timer in ms that file holds; nullopt when it is missing or not a number.
std::optional<int> ReadLatencyTimer(const std::string& file);

}  // namespace wrk7::link
