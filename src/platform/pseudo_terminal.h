#pragma once
#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

namespace wrk7::platform {

// The emulator's end of a new pseudo-terminal in raw mode at 38400 baud;
// a host opens DevicePath() as its serial port. The other end is held open
// here too, so a host closing it never makes this end see a hang-up.
class PseudoTerminal {
public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // Creates it and, unless linkPath is empty, a symlink to it there (an
    // older symlink is replaced, anything else is left and refused).
    bool Open(const std::string& linkPath, std::string& error);
    bool IsOpen() const { return master_ >= 0; }
    const std::string& DevicePath() const { return devicePath_; }

    enum class Wake { kNothing, kInput, kFailed };
    // Sleeps until input arrives, until there is room for output when
    // wantOutput, or until timeout has passed; a caught signal ends it
    // early with kNothing.
    Wake Wait(bool wantOutput, std::chrono::nanoseconds timeout);
    // What arrived (0 when nothing did) and how much of text was taken.
    std::size_t Read(char* buffer, std::size_t size);
    std::size_t Write(std::string_view text);

    // Removes the symlink and closes both ends: the host sees the line go
    // dead.
    void Close();

private:
    int master_ = -1;
    int slave_ = -1;
    std::string devicePath_;
    std::string linkMade_;  // the symlink to remove, once made
};

}  // namespace wrk7::platform
