// Plain POSIX but for ppoll(), Linux's wait to the nanosecond.
#ifndef _WIN32
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/pseudo_terminal.h"

namespace wrk7::platform {

namespace {

std::string ErrnoText(const std::string& what) { return what + ": " + std::strerror(errno); }

}  // namespace

PseudoTerminal::~PseudoTerminal() { Close(); }

bool PseudoTerminal::Open(const std::string& linkPath, std::string& error) {
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
    if (!linkPath.empty()) {
        struct stat st {};
        if (lstat(linkPath.c_str(), &st) == 0) {
            if (!S_ISLNK(st.st_mode)) {
                error = "will not replace " + linkPath + ": it is not a symlink";
                Close();
                return false;
            }
            ::unlink(linkPath.c_str());
        }
        if (::symlink(name, linkPath.c_str()) != 0) {
            error = ErrnoText("cannot create " + linkPath);
            Close();
            return false;
        }
        linkMade_ = linkPath;
    }
    return true;
}

PseudoTerminal::Wake PseudoTerminal::Wait(bool wantOutput, std::chrono::nanoseconds timeout) {
    pollfd fd{master_, POLLIN, 0};
    if (wantOutput) fd.events |= POLLOUT;
    const auto wait = std::max(std::chrono::nanoseconds(0), timeout);
#ifdef __linux__
    timespec ts{static_cast<time_t>(wait.count() / 1000000000), static_cast<long>(wait.count() % 1000000000)};
    const int r = ppoll(&fd, 1, &ts, nullptr);
#else
    // Rounded up, so paced output is never sent a little early.
    const int r = ::poll(&fd, 1, static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(wait).count()));
#endif
    if (r < 0) return errno == EINTR ? Wake::kNothing : Wake::kFailed;
    return fd.revents & POLLIN ? Wake::kInput : Wake::kNothing;
}

std::size_t PseudoTerminal::Read(char* buffer, std::size_t size) {
    const ssize_t n = ::read(master_, buffer, size);
    return n > 0 ? static_cast<std::size_t>(n) : 0;
}

std::size_t PseudoTerminal::Write(std::string_view text) {
    const ssize_t n = ::write(master_, text.data(), text.size());
    return n > 0 ? static_cast<std::size_t>(n) : 0;
}

void PseudoTerminal::Close() {
    if (!linkMade_.empty()) {
        ::unlink(linkMade_.c_str());
        linkMade_.clear();
    }
    if (slave_ >= 0) ::close(slave_);
    if (master_ >= 0) ::close(master_);
    slave_ = master_ = -1;
}

}  // namespace wrk7::platform
#endif  // _WIN32
