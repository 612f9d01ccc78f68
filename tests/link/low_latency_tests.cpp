// What the serial trace says of an adapter's latency, and where Linux shows
// a USB adapter's latency timer.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "link/low_latency.h"

namespace wrk7::link {
namespace {

namespace fs = std::filesystem;

TEST(LowLatency, TheNoteSaysWhatTheDriverDid) {
    const struct {
        LowLatencyFound found;
        const char* note;
    } kCases[] = {
        {{}, "low latency: not offered by the driver"},
        {{true, false, false, 16, 16}, "low latency: refused by the driver; latency timer: 16 ms"},
        {{true, true, false, 16, 1}, "latency timer: 16 ms, 1 ms with low latency"},
        {{true, true, false, 16, std::nullopt}, "latency timer: 16 ms, 16 ms with low latency"},
        {{true, true, true, 1, 1}, "latency timer: 1 ms, low latency on already"},
        {{true, true, false, std::nullopt, std::nullopt}, "low latency: on"},
    };
    for (const auto& c : kCases) EXPECT_EQ(LatencyNote(c.found), c.note);
}

TEST(LowLatency, TheTimerOfAUsbSerialAdapterIsFoundThroughLinks) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows keeps an FTDI adapter's latency timer in the registry";
#endif
    const fs::path root = fs::temp_directory_path() / ("wrk7-latency-" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "dev");
    const fs::path timers = root / "sys/bus/usb-serial/devices/ttyUSB3";
    fs::create_directories(timers);
    std::ofstream(timers / "latency_timer") << "16\n";
    for (const char* device : {"ttyUSB3", "ttyACM0"}) std::ofstream(root / "dev" / device).put('x');
    fs::create_symlink("ttyUSB3", root / "dev/by-id");
    const std::string sys = (root / "sys").string();
    for (const auto& [device, ms] : {std::pair{"dev/ttyUSB3", std::optional(16)}, {"dev/by-id", std::optional(16)},
                                     {"dev/ttyACM0", std::optional<int>()}, {"dev/ttyUSB9", std::optional<int>()}})
        EXPECT_EQ(ReadLatencyTimer(LatencyTimerFile((root / device).string(), sys)), ms) << device;
    fs::remove_all(root);
}

}  // namespace
}  // namespace wrk7::link
