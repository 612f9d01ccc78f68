#pragma once
#include <atomic>
#include <string>

#include "emulator/line_timing.h"
#include "emulator/receiver.h"
#include "platform/pseudo_terminal.h"

namespace wrk7::emu {

struct PtyOptions {
    bool paced = false;
    std::string linkPath;  // also reachable through this symlink ("" for none)
    // Paced output is handed over in runs of up to this many characters (the
    // last character of an answer is never held back), which spares the host
    // a wake-up per character without changing the overall pace.
    int batch = 4;
    // A USB adapter's latency timer between the receiver and the host (see
    // LineTiming); zero for none.
    std::chrono::milliseconds latencyTimer{0};
};

// Serves a Receiver on a new pseudo-terminal: the host opens DevicePath() as
// its serial port.
class PtyServer {
public:
    PtyServer(Receiver& receiver, PtyOptions options);
    ~PtyServer();
    PtyServer(const PtyServer&) = delete;
    PtyServer& operator=(const PtyServer&) = delete;

    // Creates the pseudo-terminal (raw mode) and the symlink.
    bool Open(std::string& error);
    const std::string& DevicePath() const { return terminal_.DevicePath(); }

    // Serves until stop is set or the hang-up fault has fired (then the
    // pseudo-terminal is closed and the host sees the line go dead).
    void Serve(const std::atomic<bool>& stop);
    bool HungUp() const { return hungUp_; }
    std::size_t CharactersReceived() const { return received_; }
    std::size_t CharactersSent() const { return timing_.CharactersSent(); }

    void Close();

private:
    Receiver& receiver_;
    PtyOptions options_;
    LineTiming timing_;
    platform::PseudoTerminal terminal_;
    bool hungUp_ = false;
    std::size_t received_ = 0;
};

}  // namespace wrk7::emu
