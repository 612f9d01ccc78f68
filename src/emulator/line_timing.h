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
//
// With a latency timer, the characters back pass a USB serial adapter of the
// FTDI kind on their way to the host. Such a chip gathers what the line brings
// and hands it to the host in USB packets of up to 62 data bytes: a packet
// goes as soon as 62 bytes are waiting, and otherwise when the latency timer
// runs out. The timer starts again with every packet sent, and an idle chip
// sends a packet of status bytes alone each time it runs out, so the chip's
// packets keep to a beat of the timer's period from its last full packet. A
// character is thus released at the first beat after it has come off the
// line, or with the 62nd byte gathered, whichever is first. The host's
// polling of the USB bus (every frame, 1 ms at full speed) is left out: a
// read has its IN request waiting, so a packet reaches it within the frame.
// The phase of the beat starts with the first character the host sends.
class LineTiming {
public:
    explicit LineTiming(bool paced, std::chrono::milliseconds latencyTimer = {})
        : paced_(paced), latencyTimer_(latencyTimer) {}

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
    // Queues a character that is off the line at done, released as the
    // adapter would release it.
    void Queue(char byte, Clock::time_point done);

    // A USB adapter's packets gather 62 data bytes at most.
    static constexpr std::size_t kPacketBytes = 62;

    bool paced_;
    std::chrono::milliseconds latencyTimer_;
    std::deque<Due> queue_;
    // The adapter: when it last sent a packet, and how many characters at the
    // queue's end it still gathers, released at beat_ unless the packet fills
    // first.
    std::optional<Clock::time_point> lastPacket_;
    Clock::time_point beat_{};
    std::size_t gathered_ = 0;
    Clock::time_point lastDone_{};  // when the last character came off the line
    Clock::time_point inputFree_{};
    Clock::time_point outputFree_{};
    std::size_t sent_ = 0;
};

}  // namespace wrk7::emu
