#include "emulator/pty_server.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace wrk7::emu {

namespace {

std::string ErrnoText(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

constexpr auto kStopCheck = std::chrono::milliseconds(50);
constexpr auto kHangupGrace = std::chrono::milliseconds(100);

}  // namespace

PtyServer::PtyServer(Receiver& receiver, PtyOptions options)
    : receiver_(receiver), options_(std::move(options)), timing_(options_.paced) {}

PtyServer::~PtyServer() { Close(); }

bool PtyServer::Open(std::string& error) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master_ < 0) {
        error = ErrnoText("cannot create a pseudo-terminal");
        return false;
    }
    if (grantpt(master_) != 0 || unlockpt(master_) != 0) {
        error = ErrnoText("cannot unlock the pseudo-terminal");
        Close();
        return false;
    }
    char name[128] = {};
    if (ptsname_r(master_, name, sizeof name) != 0) {
        error = ErrnoText("cannot name the pseudo-terminal");
        Close();
        return false;
    }
    devicePath_ = name;
    slave_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave_ < 0) {
        error = ErrnoText("cannot open the pseudo-terminal");
        Close();
        return false;
    }
    termios tio{};
    if (tcgetattr(slave_, &tio) == 0) {
        cfmakeraw(&tio);
        cfsetspeed(&tio, B38400);
        tcsetattr(slave_, TCSANOW, &tio);
    }
    if (!options_.linkPath.empty()) {
        struct stat st {};
        if (lstat(options_.linkPath.c_str(), &st) == 0) {
            if (!S_ISLNK(st.st_mode)) {
                error = "will not replace " + options_.linkPath + ": it is not a symlink";
                Close();
                return false;
            }
            ::unlink(options_.linkPath.c_str());
        }
        if (::symlink(name, options_.linkPath.c_str()) != 0) {
            error = ErrnoText(("cannot create " + options_.linkPath).c_str());
            Close();
            return false;
        }
        linkMade_ = true;
    }
    return true;
}

void PtyServer::Serve(const std::atomic<bool>& stop) {
    std::string pending;
    std::optional<Clock::time_point> hangupAt;
    char buffer[4096];
    while (!stop.load() && master_ >= 0) {
        const auto now = Clock::now();
        pending += timing_.TakeDue(now);
        if (!pending.empty()) {
            const ssize_t n = ::write(master_, pending.data(), pending.size());
            if (n > 0) pending.erase(0, static_cast<std::size_t>(n));
        }
        if (pending.empty() && timing_.HangupReached(receiver_)) {
            // Closing the master flushes what the host has not read yet, so
            // give it a moment to take the last answer first.
            if (!hangupAt) hangupAt = now + kHangupGrace;
            if (now >= *hangupAt) {
                hungUp_ = true;
                Close();
                return;
            }
        }
        auto wake = now + kStopCheck;
        if (hangupAt) wake = std::min(wake, *hangupAt);
        if (auto next = timing_.RunDue(options_.paced ? options_.batch : 1)) wake = std::min(wake, *next);
        pollfd fd{master_, POLLIN, 0};
        if (!pending.empty()) {
            fd.events |= POLLOUT;
        }
        const auto wait = std::max(std::chrono::nanoseconds(0), wake - Clock::now());
        timespec ts{static_cast<time_t>(wait.count() / 1000000000), static_cast<long>(wait.count() % 1000000000)};
        const int r = ppoll(&fd, 1, &ts, nullptr);
        if (r < 0) {
            if (errno == EINTR) continue;
            break;
        }
        if (fd.revents & POLLIN) {
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n > 0) {
                received_ += static_cast<std::size_t>(n);
                timing_.Input(receiver_, std::string_view(buffer, static_cast<std::size_t>(n)), Clock::now());
            }
        }
    }
}

void PtyServer::Close() {
    if (linkMade_) {
        ::unlink(options_.linkPath.c_str());
        linkMade_ = false;
    }
    if (slave_ >= 0) ::close(slave_);
    if (master_ >= 0) ::close(master_);
    slave_ = master_ = -1;
}

}  // namespace wrk7::emu
