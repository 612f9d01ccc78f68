#include "link/low_latency.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace wrk7::link {

namespace fs = std::filesystem;

std::string LatencyNote(const LowLatencyFound& found) {
    if (!found.offered) return "low latency: not offered by the driver";
    const std::optional<int> before = found.timerBefore;
    const std::optional<int> after = found.timerAfter ? found.timerAfter : before;
    if (!found.accepted)
        return "low latency: refused by the driver" + (before ? "; latency timer: " + std::to_string(*before) + " ms" : "");
    if (!before) return found.wasOn ? "low latency: on already" : "low latency: on";
    if (found.wasOn) return "latency timer: " + std::to_string(*after) + " ms, low latency on already";
    return "latency timer: " + std::to_string(*before) + " ms, " + std::to_string(*after) + " ms with low latency";
}

std::string LatencyTimerFile(const std::string& device, const std::string& sys) {
    std::error_code error;
    const fs::path target = fs::canonical(device, error);
    if (error) return {};
    // Only the usb-serial drivers (ftdi_sio among them) have the timer; a
    // CDC ACM device (ttyACMn) or a UART has none.
    const std::string name = target.filename().string();
    if (name.rfind("ttyUSB", 0) != 0) return {};
    return (fs::path(sys) / "bus/usb-serial/devices" / name / "latency_timer").string();
}

std::optional<int> ReadLatencyTimer(const std::string& file) {
    if (file.empty()) return std::nullopt;
    std::ifstream in(file);
    int ms = 0;
    if (!(in >> ms) || ms < 0) return std::nullopt;
    return ms;
}

}  // namespace wrk7::link
