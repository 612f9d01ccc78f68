#include "emulator/line_timing.h"

#include <algorithm>

namespace wrk7::emu {

void LineTiming::Input(Receiver& receiver, std::string_view bytes, Clock::time_point now) {
    if (!lastPacket_) lastPacket_ = now;
    for (char c : bytes) {
        Clock::time_point arrived = now;
        if (paced_) {
            arrived = std::max(now, inputFree_) + kCharacterTime;
            inputFree_ = arrived;
        }
        Clock::time_point ready = arrived;
        for (const Piece& piece : receiver.Receive(std::string_view(&c, 1))) {
            ready += piece.delay;
            for (char out : piece.bytes) {
                Clock::time_point at = ready;
                if (paced_) {
                    at = std::max(ready, outputFree_) + kCharacterTime;
                    outputFree_ = at;
                } else {
                    at = std::max(at, lastDone_);  // never overtake
                }
                Queue(out, at);
            }
        }
    }
}

void LineTiming::Queue(char byte, Clock::time_point done) {
    lastDone_ = done;
    if (latencyTimer_ <= std::chrono::milliseconds::zero()) {
        queue_.push_back({done, byte});
        return;
    }
    // The packet being gathered went at its beat before this character was in.
    if (gathered_ > 0 && done >= beat_) {
        lastPacket_ = beat_;
        gathered_ = 0;
    }
    if (gathered_ == 0) beat_ = *lastPacket_ + ((done - *lastPacket_) / latencyTimer_ + 1) * latencyTimer_;
    queue_.push_back({beat_, byte});
    if (++gathered_ < kPacketBytes) return;
    // A full packet goes at once, and the timer starts again.
    for (std::size_t i = queue_.size() - gathered_; i < queue_.size(); ++i) queue_[i].at = done;
    lastPacket_ = done;
    gathered_ = 0;
}

std::string LineTiming::TakeDue(Clock::time_point now) {
    std::string out;
    while (!queue_.empty() && queue_.front().at <= now) {
        out += queue_.front().byte;
        queue_.pop_front();
    }
    sent_ += out.size();
    return out;
}

std::optional<Clock::time_point> LineTiming::NextDue() const {
    if (queue_.empty()) return std::nullopt;
    return queue_.front().at;
}

std::optional<Clock::time_point> LineTiming::RunDue(int batch) const {
    if (queue_.empty()) return std::nullopt;
    const std::size_t last = std::min(queue_.size(), static_cast<std::size_t>(std::max(batch, 1))) - 1;
    return queue_[last].at;
}

}  // namespace wrk7::emu
