#include "emulator/line_timing.h"

#include <algorithm>

namespace wrk7::emu {

void LineTiming::Input(Receiver& receiver, std::string_view bytes, Clock::time_point now) {
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
                } else if (!queue_.empty()) {
                    at = std::max(at, queue_.back().at);  // never overtake
                }
                queue_.push_back({at, out});
            }
        }
    }
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
