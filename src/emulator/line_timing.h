#pragma once
#include <chrono>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

#include "emulator/receiver.h"

namespace wrk7::emu {

using Clock = std::chrono::steady_clock;

// One character at 38400 baud 8N1: ten bits, 3840 characters a second.
inline constexpr std::chrono::nanoseconds kCharacterTime{260417};

// When each character the receiver sends reaches the host. Unpaced, output is
// due as soon as the receiver produces it (plus any delay a fault asks for).
// Paced, both directions run at line speed: a character from the host is
// complete at the receiver one character time after the line was free, and
// every character back takes one character time after the previous one.
class LineTiming {
public:
    explicit LineTiming(bool paced) : paced_(paced) {}

    // Characters the host wrote at now, handed to the receiver in order.
    void Input(Receiver& receiver, std::string_view bytes, Clock::time_point now);
    // Output due at or before now, removed from the queue.
    std::string TakeDue(Clock::time_point now);
    // When the next character is due; nullopt when nothing is queued.
    std::optional<Clock::time_point> NextDue() const;
    // When the first run of up to batch characters is complete: the due time
    // of the batch-th queued character, or of the last one queued.
    std::optional<Clock::time_point> RunDue(int batch) const;
    bool Pending() const { return !queue_.empty(); }
    // The receiver hung up and everything before the hang-up was delivered.
    bool HangupReached(const Receiver& receiver) const { return receiver.HungUp() && queue_.empty(); }
    std::size_t CharactersSent() const { return sent_; }

private:
    struct Due {
        Clock::time_point at;
        char byte;
    };
    bool paced_;
    std::deque<Due> queue_;
    Clock::time_point inputFree_{};
    Clock::time_point outputFree_{};
    std::size_t sent_ = 0;
};

}  // namespace wrk7::emu
