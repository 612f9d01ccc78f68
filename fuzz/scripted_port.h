#pragma once
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

#include "link/serial_port.h"

namespace wrk7::fuzz {

// A port whose answers come from a script instead of a receiver. Every write
// takes the next step of the script; when the script is used up the line
// stays silent. A step is one byte whose low three bits choose what comes
// back and whose high bits split it into pieces of that many characters
// (0: in one piece):
//   0  the command's echo, then "\r\nOK\r\n"
//   1  the echo, then a 68-character frame of the next 32 script bytes as hex
//   2  the echo, then the next byte's count of script bytes as they are
//   3  the next byte's count of script bytes as they are, no echo
//   4  nothing (the exchange times out at once)
//   5  a line fault (hang-up); the next Open clears it
//   6  the echo, then "\r\nRE\r\n"
//   7  the echo only
// Waits never sleep: with nothing queued, the deadline counts as passed.
class ScriptedPort final : public link::SerialPort {
public:
    explicit ScriptedPort(std::string_view script) : script_(script) {}

    bool Open() override;
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }
    bool Write(std::string_view data) override;
    std::string ReadAvailable() override;
    Wait WaitForData(link::Clock::time_point deadline) override;
    bool HasFault() const override { return fault_; }
    std::string ErrorText() const override { return fault_ ? "scripted fault" : ""; }
    std::string Name() const override { return "script"; }

    int Writes() const { return writes_; }

private:
    std::uint8_t NextByte();
    std::string NextBytes(std::size_t count);
    void Queue(std::string answer, std::size_t piece);

    std::string_view script_;
    std::size_t pos_ = 0;
    std::deque<std::string> pieces_;
    bool open_ = false;
    bool fault_ = false;
    int writes_ = 0;
};

}  // namespace wrk7::fuzz
