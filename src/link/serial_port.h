#pragma once
#include <chrono>
#include <memory>
#include <string>
#include <string_view>

namespace wrk7::link {

using Clock = std::chrono::steady_clock;

// One serial line to the receiver. The radio operations run on a worker
// thread and block, so a port never needs an event loop: every call may block
// the calling thread, and one port object is used by one thread at a time.
class SerialPort {
public:
    enum class Wait {
        kData,     // characters are waiting (ReadAvailable returns them)
        kTimeout,  // the deadline passed with nothing waiting
        kFault,    // the line failed (hang-up, device gone); ErrorText says why
    };

    virtual ~SerialPort() = default;

    // Opens the line at 38400 8N1 with DTR and RTS raised. False on failure.
    virtual bool Open() = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // Sends all of data; false on a fault.
    virtual bool Write(std::string_view data) = 0;
    // Everything that has arrived, without waiting (possibly empty). A fault
    // makes HasFault() true and returns what arrived before it.
    virtual std::string ReadAvailable() = 0;
    // Sleeps until characters are waiting, the deadline passes or the line
    // fails; no polling.
    virtual Wait WaitForData(Clock::time_point deadline) = 0;
    // A hint before a wait: the caller has no use for fewer than count more
    // characters. A port may sleep until that many have arrived (a hang-up
    // and the deadline still end the wait at once), which saves a wake-up per
    // character at line speed. Ignoring it is always correct.
    virtual void ExpectAtLeast(std::size_t count) { (void)count; }
    // True after a failure since the last successful Open.
    virtual bool HasFault() const = 0;
    // The last failure, as a line for a diagnostic ("" when none).
    virtual std::string ErrorText() const = 0;
    // What the port is connected to ("/dev/ttyUSB0", "emulator").
    virtual std::string Name() const = 0;
    // What the last Open found of the line worth a trace's line (an
    // adapter's latency timer), "" for nothing.
    virtual std::string LineNotes() const { return {}; }
};

// The real serial device at path (a tty, a pseudo-terminal or a symlink to
// one). Nothing is opened until Open(). On Linux it also asks the driver for
// low-latency mode (ASYNC_LOW_LATENCY), skipped silently where refused, and
// puts the driver's flags back as found at Close; LineNotes says what it found.
// chosen: what the user named it by ("COM3"); the port's Name() when path is
// empty (a COM number with no device).
std::unique_ptr<SerialPort> MakeDevicePort(std::string path, std::string chosen = {});

}  // namespace wrk7::link
