#pragma once
#include <array>
#include <chrono>
#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/image.h"

namespace wrk7::emu {

inline constexpr std::size_t kMemorySize = 0x10000;
using Memory = std::array<std::uint8_t, kMemorySize>;

// Misbehaviour on request, for tests and for trying the error paths by hand.
// Command numbers count from 1 over every complete command received.
struct FaultPlan {
    bool refuseId = false;        // "RE" to every identification
    int silentAfter = -1;         // no echo and no answer after this many commands
    std::set<int> drop;           // echo but no answer to these commands
    std::set<int> garbage;        // a corrupted answer to these commands
    bool split = false;           // answers in small pieces with short gaps
    std::set<std::string> reOn;   // "00100" (a block write) or "BC00037" (a channel write)
    int delayMs = 0;              // wait before every answer
    int hangupAfter = -1;         // the line goes dead after this many commands
    int keepWrong = -1;           // this channel write (from 1) is acknowledged but kept with another frequency

    bool operator==(const FaultPlan&) const = default;
};

// Adds one fault given as text ("refuse-id", "silent-after=700", "re-on=00100",
// ...). False with a message for an unknown fault or a bad number.
bool AddFault(FaultPlan& plan, std::string_view text, std::string& error);

// A stretch of output and the time to wait before it starts, counted from
// the previous piece (the first from the moment the input arrived).
struct Piece {
    std::string bytes;
    std::chrono::microseconds delay{0};
};

// The receiver as the host sees it over the line: it echoes every character,
// and after each CR answers the command. It holds 64 KiB of memory laid out
// as the receiver's memory map and knows its own model only.
//
// What the host never sees, and this model therefore assumes:
// - Block and channel commands are refused ("RE") until an identification of
//   its own model has been accepted; "KV~FINISH" ends that session.
// - "KV~IM" starts a memory load: every channel record is erased (FF) and
//   every enable bit cleared, and the bank table now at 00100 becomes the one
//   that channel writes are placed by. A write that skips empty slots thus
//   leaves exactly the written channels in use.
// - "KV~BCbbpppW<64 digits>" stores the record at the slot that bank bb,
//   position ppp has in that table (bank codes 50, 51 and 52: the program-scan
//   edges, search-pass and priority entries, positions 0..99), and sets the
//   slot's enable bit; a record whose frequency is FFFFFFFF clears it. A
//   position outside its bank is refused.
// - Block writes store their bytes as given (any even count up to 64 digits);
//   block reads answer 32 bytes from the address, wrapping at 64 KiB.
// - Unknown commands, lower-case hex and odd digit counts are refused.
class Receiver {
public:
    explicit Receiver(int model = 0);
    virtual ~Receiver() = default;

    // Characters from the host, in order; returns what goes back.
    // A replay of a trace stands in for the receiver by these two.
    virtual std::vector<Piece> Receive(std::string_view bytes);

    Memory& Mem() { return memory_; }
    const Memory& Mem() const { return memory_; }
    int Model() const { return model_; }
    void SetFaults(FaultPlan plan) { faults_ = std::move(plan); }
    const FaultPlan& Faults() const { return faults_; }

    // Every complete command received, without its CR, in order.
    const std::vector<std::string>& CommandLog() const { return log_; }
    int CommandCount() const { return static_cast<int>(log_.size()); }
    // The hang-up fault has fired: the line goes dead after the pending output.
    virtual bool HungUp() const { return hungUp_; }
    bool Identified() const { return identified_; }

    // The slot a channel write of bank code and position lands on, by the
    // latched bank table; -1 when there is none.
    int SlotOf(int bankCode, int position) const;
    void LatchBankTable();

private:
    std::string Answer(const std::string& command);
    std::string HandleBlock(const std::string& command);
    std::string HandleChannel(const std::string& command);
    bool RefusedByFault(const std::string& key) const;

    Memory memory_{};
    int model_ = 0;
    FaultPlan faults_;
    std::string line_;
    std::vector<std::string> log_;
    std::array<int, kBanks> latchedCounts_{};
    bool identified_ = false;
    bool hungUp_ = false;
    int channelWrites_ = 0;  // channel writes stored, for keepWrong
    std::mt19937 random_{7};
};

}  // namespace wrk7::emu
