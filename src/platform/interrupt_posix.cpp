// SIGINT and SIGTERM, the signals a terminal and a service manager send.
#ifndef _WIN32
#include <signal.h>

#include "platform/interrupt.h"

namespace wrk7::platform {

namespace {

std::atomic<bool> gInterrupted{false};
struct sigaction gOldInt {}, gOldTerm {};

void OnInterrupt(int) {
    gInterrupted.store(true);
    // The next Ctrl+C is not caught: it ends a program that does not stop.
    signal(SIGINT, SIG_DFL);
}

}  // namespace

InterruptCatcher::InterruptCatcher() {
    gInterrupted.store(false);
    struct sigaction sa {};
    sa.sa_handler = OnInterrupt;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = 0;  // no restart: a wait ends at once
    sigaction(SIGINT, &sa, &gOldInt);
    sigaction(SIGTERM, &sa, &gOldTerm);
}

InterruptCatcher::~InterruptCatcher() {
    sigaction(SIGINT, &gOldInt, nullptr);
    sigaction(SIGTERM, &gOldTerm, nullptr);
}

const std::atomic<bool>& InterruptCatcher::Flag() const { return gInterrupted; }

}  // namespace wrk7::platform
#endif  // _WIN32
