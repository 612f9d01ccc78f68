#include "scripted_port.h"

#include "core/hex.h"

namespace wrk7::fuzz {

bool ScriptedPort::Open() {
    open_ = true;
    fault_ = false;
    return true;
}

std::uint8_t ScriptedPort::NextByte() {
    return pos_ < script_.size() ? static_cast<std::uint8_t>(script_[pos_++]) : 0;
}

std::string ScriptedPort::NextBytes(std::size_t count) {
    const std::string_view taken = script_.substr(std::min(pos_, script_.size()), count);
    pos_ += taken.size();
    return std::string(taken);
}

void ScriptedPort::Queue(std::string answer, std::size_t piece) {
    if (piece == 0) piece = answer.size();
    for (std::size_t at = 0; at < answer.size(); at += piece) pieces_.push_back(answer.substr(at, piece));
}

bool ScriptedPort::Write(std::string_view data) {
    if (!open_ || fault_) return false;
    ++writes_;
    // Pieces still queued stay: they are the late characters of an earlier answer.
    if (pos_ >= script_.size()) return true;  // silence from here on
    const std::uint8_t step = NextByte();
    const std::size_t piece = step >> 3;
    const std::string echo(data);
    switch (step & 7) {
        case 0: Queue(echo + "\r\nOK\r\n", piece); break;
        case 1: {
            std::string frame = "\r\n";
            for (char c : NextBytes(32)) frame += ByteHex(static_cast<unsigned char>(c));
            Queue(echo + frame + "\r\n", piece);
            break;
        }
        case 2: Queue(echo + NextBytes(NextByte()), piece); break;
        case 3: Queue(NextBytes(NextByte()), piece); break;
        case 4: break;
        case 5: fault_ = true; break;
        case 6: Queue(echo + "\r\nRE\r\n", piece); break;
        default: Queue(echo, piece); break;
    }
    return true;
}

std::string ScriptedPort::ReadAvailable() {
    if (!open_ || fault_ || pieces_.empty()) return {};
    std::string piece = std::move(pieces_.front());
    pieces_.pop_front();
    return piece;
}

link::SerialPort::Wait ScriptedPort::WaitForData(link::Clock::time_point) {
    if (!open_ || fault_) return Wait::kFault;
    return pieces_.empty() ? Wait::kTimeout : Wait::kData;
}

}  // namespace wrk7::fuzz
