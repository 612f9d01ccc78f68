#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "emulator/receiver.h"

namespace wrk7::emu {

// A serial trace read back as what the receiver did: for each command sent,
// in order, every run of characters that came back (echo, answer, garbage)
// with the time it took, and whether the line died after it.
struct ReplayStep {
    std::string command;        // as sent, CR included
    std::vector<Piece> answer;  // each delay counted from the command, then from the piece before
    bool hangUp = false;
};
struct TraceScript {
    std::vector<ReplayStep> steps;
};

// The script of a trace's text; nullopt, with why in error, for a text that
// is no serial trace (or holds no command at all).
std::optional<TraceScript> ParseTrace(std::string_view text, std::string& error);

// Serves the receiver's side of a trace: a command gets the answer recorded
// for its next occurrence in the trace, with the silence, garbage or hang-up
// recorded; one the trace does not hold (or holds no more often) gets
// silence, not even its echo. Unpaced, gaps too short to meet a deadline are
// left out, so a long read replays in moments; paced keeps every gap.
class ReplayReceiver final : public Receiver {
public:
    ReplayReceiver(TraceScript script, bool paced);
    std::vector<Piece> Receive(std::string_view bytes) override;
    bool HungUp() const override { return hungUp_; }
    // Commands received that the trace did not hold.
    int UnknownCommands() const { return unknown_; }

private:
    TraceScript script_;
    bool paced_;
    std::string line_;
    std::size_t next_ = 0;  // steps before it are behind the replay
    bool hungUp_ = false;
    int unknown_ = 0;
};

}  // namespace wrk7::emu
