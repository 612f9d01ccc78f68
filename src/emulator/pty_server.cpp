#include "emulator/pty_server.h"

#include <algorithm>
#include <optional>

namespace wrk7::emu {

namespace {

constexpr auto kStopCheck = std::chrono::milliseconds(50);
constexpr auto kHangupGrace = std::chrono::milliseconds(100);

}  // namespace

PtyServer::PtyServer(Receiver& receiver, PtyOptions options)
    : receiver_(receiver), options_(std::move(options)), timing_(options_.paced, options_.latencyTimer) {}

PtyServer::~PtyServer() { Close(); }

bool PtyServer::Open(std::string& error) { return terminal_.Open(options_.linkPath, error); }

void PtyServer::Serve(const std::atomic<bool>& stop) {
    std::string pending;
    std::optional<Clock::time_point> hangupAt;
    char buffer[4096];
    while (!stop.load() && terminal_.IsOpen()) {
        const auto now = Clock::now();
        pending += timing_.TakeDue(now);
        if (!pending.empty()) pending.erase(0, terminal_.Write(pending));
        if (pending.empty() && timing_.HangupReached(receiver_)) {
            // Closing the master flushes what the host has not read yet, so
            // give it a moment to take the last answer first.
            if (!hangupAt) hangupAt = now + kHangupGrace;
            if (now >= *hangupAt) {
                hungUp_ = true;
                Close();
                return;
            }
        }
        auto wake = now + kStopCheck;
        if (hangupAt) wake = std::min(wake, *hangupAt);
        if (auto next = timing_.RunDue(options_.paced ? options_.batch : 1)) wake = std::min(wake, *next);
        const auto woke = terminal_.Wait(!pending.empty(), wake - Clock::now());
        if (woke == platform::PseudoTerminal::Wake::kFailed) break;
        if (woke == platform::PseudoTerminal::Wake::kInput) {
            if (const std::size_t n = terminal_.Read(buffer, sizeof buffer); n > 0) {
                received_ += n;
                timing_.Input(receiver_, std::string_view(buffer, n), Clock::now());
            }
        }
    }
}

void PtyServer::Close() { terminal_.Close(); }

}  // namespace wrk7::emu
