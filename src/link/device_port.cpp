// The real serial device through termios and poll(): the radio operations
// run on a worker thread that has no event loop, and poll() sleeps until a
// character arrives, so waiting costs no CPU. Plain POSIX but for the
// Linux-only low-latency request and ppoll(); Windows has win32_port.cpp.
#ifndef _WIN32
#include <fcntl.h>
#ifdef __linux__
#include <linux/serial.h>
#endif
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <algorithm>
#include <cstring>
#include <thread>

#include "link/low_latency.h"
#include "link/serial_port.h"

namespace wrk7::link {

namespace {

// One character at 38400 baud 8N1: ten bits.
constexpr std::chrono::nanoseconds kCharacterTime{260417};
// What a USB adapter may hold a character back before the host has it (a
// frame of the bus); a sleep while an answer crosses the line ends this much
// early, so it never outlasts the answer.
constexpr std::chrono::milliseconds kDeliverySlack{1};

class DevicePort final : public SerialPort {
public:
    DevicePort(std::string path, std::string chosen) : path_(std::move(path)), chosen_(std::move(chosen)) {}
    ~DevicePort() override { Close(); }

    bool Open() override {
        Close();
        fault_ = false;
        error_.clear();
        if (path_.empty()) return Fail("no such serial port");
        fd_ = ::open(path_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (fd_ < 0) return Fail(path_ + ": " + std::strerror(errno));
        // One program per port: a second opener gets "in use".
        if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) return Fail(path_ + ": the port is in use");
        if (!::isatty(fd_)) return Fail(path_ + ": not a serial port");
        ::ioctl(fd_, TIOCEXCL);
        termios tio{};
        if (::tcgetattr(fd_, &tio) != 0) return Fail(path_ + ": " + std::strerror(errno));
        ::cfmakeraw(&tio);
        tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB);
#ifdef CRTSCTS
        tio.c_cflag &= ~static_cast<tcflag_t>(CRTSCTS);
#endif
        tio.c_cflag |= CS8 | CLOCAL | CREAD;
        tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
        tio.c_cc[VMIN] = 0;
        tio.c_cc[VTIME] = 0;
        ::cfsetispeed(&tio, B38400);
        ::cfsetospeed(&tio, B38400);
        if (::tcsetattr(fd_, TCSANOW, &tio) != 0) return Fail(path_ + ": " + std::strerror(errno));
        tio_ = tio;
        // The interface cable may be powered from DTR and RTS; a
        // pseudo-terminal has no modem lines, so a refusal is fine.
        int lines = TIOCM_DTR | TIOCM_RTS;
        ::ioctl(fd_, TIOCMBIS, &lines);
        AskLowLatency();
        return true;
    }

    void Close() override {
        if (fd_ >= 0) {
            RestoreFlags();
            ::close(fd_);
        }
        fd_ = -1;
    }

    bool IsOpen() const override { return fd_ >= 0; }

    bool Write(std::string_view data) override {
        if (fd_ < 0) return Fail("the port is not open");
        arrivedSinceWrite_ = false;
        while (!data.empty()) {
            const ssize_t n = ::write(fd_, data.data(), data.size());
            if (n > 0) {
                data.remove_prefix(static_cast<std::size_t>(n));
                continue;
            }
            if (n < 0 && errno == EINTR) continue;
            if (n < 0 && errno == EAGAIN) {
                pollfd p{fd_, POLLOUT, 0};
                if (::poll(&p, 1, 1000) <= 0 || (p.revents & (POLLERR | POLLHUP | POLLNVAL)))
                    return Fail(path_ + ": the line does not take data");
                continue;
            }
            return Fail(path_ + ": " + std::strerror(errno));
        }
        return true;
    }

    std::string ReadAvailable() override {
        std::string out;
        if (fd_ < 0) return out;
        char buffer[4096];
        for (;;) {
            const ssize_t n = ::read(fd_, buffer, sizeof buffer);
            if (n > 0) {
                // A short read need not have taken everything waiting: a tty
                // with VMIN set hands over one chunk per read. The descriptor
                // does not block, so reading on until it is empty is safe.
                out.append(buffer, static_cast<std::size_t>(n));
                continue;
            }
            if (n < 0 && errno == EINTR) continue;
            if (!out.empty()) {
                arrivedSinceWrite_ = true;
                lastArrival_ = Clock::now();
            }
            // A raw tty with VMIN 0 reads 0 when nothing is waiting; a hang-up
            // shows in poll() instead.
            if (n == 0 || (n < 0 && errno == EAGAIN)) break;
            // EIO: the other end hung up or the adapter was unplugged.
            // Closing at once keeps a dead descriptor from waking us again.
            Fail(path_ + ": " + std::strerror(errno));
            break;
        }
        return out;
    }

    Wait WaitForData(Clock::time_point deadline) override {
        if (fd_ < 0) return Wait::kFault;
        SleepWhileCrossing(deadline);
        for (;;) {
            const auto left = deadline - Clock::now();
            if (left <= Clock::duration::zero()) return Wait::kTimeout;
            pollfd p{fd_, POLLIN, 0};
#ifdef __linux__
            const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
            timespec ts{static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)};
            const int r = ::ppoll(&p, 1, &ts, nullptr);
#else
            // Rounded up, so a wait never ends just short of the deadline.
            const auto ms = std::chrono::ceil<std::chrono::milliseconds>(left).count();
            const int r = ::poll(&p, 1, static_cast<int>(std::min<long long>(ms, 60000)));
#endif
            if (r < 0 && errno == EINTR) continue;
            if (r < 0) {
                Fail(path_ + ": " + std::strerror(errno));
                return Wait::kFault;
            }
            if (r == 0) continue;  // the deadline check above decides
            if (p.revents & POLLIN) return Wait::kData;
            Fail(path_ + ": the line was hung up");
            return Wait::kFault;
        }
    }

    // In raw mode with VTIME 0, poll() reports input only once VMIN
    // characters are waiting. A non-blocking read still returns whatever is
    // there. The kernel still wakes a poll() for every piece a line brings
    // (every few characters at line speed), so a poll() over a whole answer
    // costs a wake-up per piece: VMIN stays 1 until the answer has begun, and
    // the rest is slept through while it crosses the line.
    void ExpectAtLeast(std::size_t count) override {
        want_ = std::max<std::size_t>(count, 1);
        if (fd_ < 0) return;
        const std::size_t wake = arrivedSinceWrite_ ? want_ : 1;
        const cc_t min = static_cast<cc_t>(std::min<std::size_t>(wake, 255));
        if (tio_.c_cc[VMIN] == min) return;
        termios tio = tio_;
        tio.c_cc[VMIN] = min;
        if (::tcsetattr(fd_, TCSANOW, &tio) == 0) tio_ = tio;
    }

    bool HasFault() const override { return fault_; }
    std::string ErrorText() const override { return error_; }
    // Without a device, what the user chose, so a trace still says which port it was.
    std::string Name() const override {
        if (!path_.empty()) return path_;
        return chosen_.empty() ? "no port chosen" : chosen_ + " (no device)";
    }
    std::string LineNotes() const override { return notes_; }

private:
    // USB adapters otherwise hold each reply back for up to 16 ms; ftdi_sio
    // sets its latency timer to 1 ms for a port in low-latency mode. The
    // flags are the user's setting too, so they are put back at Close.
    void AskLowLatency() {
        notes_.clear();
#ifdef __linux__
        LowLatencyFound found;
        const std::string timerFile = LatencyTimerFile(path_);
        found.timerBefore = ReadLatencyTimer(timerFile);
        serial_struct serial{};
        found.offered = ::ioctl(fd_, TIOCGSERIAL, &serial) == 0;
        if (found.offered) {
            found.wasOn = (serial.flags & ASYNC_LOW_LATENCY) != 0;
            foundFlags_ = serial.flags;
            if (found.wasOn) {
                found.accepted = true;
            } else {
                serial.flags |= ASYNC_LOW_LATENCY;
                found.accepted = ::ioctl(fd_, TIOCSSERIAL, &serial) == 0;
                restoreFlags_ = found.accepted;
            }
        }
        found.timerAfter = ReadLatencyTimer(timerFile);
        notes_ = LatencyNote(found);
#endif
    }

    // Once an answer has begun, the want_ characters still missing cannot all
    // be in before they have crossed the line at its speed: a sleep till then
    // costs one wake-up instead of one for each piece. On a pseudo-terminal
    // an answer often comes whole, and then nothing is slept.
    void SleepWhileCrossing(Clock::time_point deadline) {
        if (!arrivedSinceWrite_ || want_ <= 1) return;
        const auto crossing = std::chrono::duration_cast<Clock::duration>(static_cast<Clock::rep>(want_ - 1) * kCharacterTime);
        const Clock::time_point until = std::min(deadline, lastArrival_ + crossing - kDeliverySlack);
        if (until > Clock::now()) std::this_thread::sleep_until(until);
    }

    void RestoreFlags() {
#ifdef __linux__
        if (!restoreFlags_) return;
        restoreFlags_ = false;
        serial_struct serial{};
        if (::ioctl(fd_, TIOCGSERIAL, &serial) != 0) return;
        serial.flags = foundFlags_;
        ::ioctl(fd_, TIOCSSERIAL, &serial);
#endif
    }

    bool Fail(std::string text) {
        fault_ = true;
        error_ = std::move(text);
        Close();
        return false;
    }

    std::string path_;
    std::string chosen_;
    int fd_ = -1;
    bool fault_ = false;
    std::string error_;
    termios tio_{};
    std::string notes_;
    std::size_t want_ = 1;            // the last ExpectAtLeast
    bool arrivedSinceWrite_ = false;  // the answer to the last write has begun
    Clock::time_point lastArrival_{};
    bool restoreFlags_ = false;  // low latency was set by Open
    int foundFlags_ = 0;
};

}  // namespace

std::unique_ptr<SerialPort> MakeDevicePort(std::string path, std::string chosen) {
    return std::make_unique<DevicePort>(std::move(path), std::move(chosen));
}

}  // namespace wrk7::link

#endif  // _WIN32
