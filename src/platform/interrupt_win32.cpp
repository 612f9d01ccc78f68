// The console's Ctrl+C and Ctrl+Break, answered on the thread the system
// starts for them. Closing the console, logging off and shutting down are
// not caught: the system ends the program once the handler returns, so a
// flag could not be acted on.
#ifdef _WIN32
#include <windows.h>

#include "platform/interrupt.h"

namespace wrk7::platform {

namespace {

std::atomic<bool> gInterrupted{false};
std::atomic<bool> gCtrlCSeen{false};

BOOL WINAPI OnControl(DWORD event) {
    switch (event) {
        case CTRL_C_EVENT:
            // The next Ctrl+C goes on to the system's handler, which ends a
            // program that does not stop.
            if (gCtrlCSeen.exchange(true)) return FALSE;
            gInterrupted.store(true);
            return TRUE;
        case CTRL_BREAK_EVENT:
            gInterrupted.store(true);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

InterruptCatcher::InterruptCatcher() {
    gInterrupted.store(false);
    gCtrlCSeen.store(false);
    SetConsoleCtrlHandler(OnControl, TRUE);
}

InterruptCatcher::~InterruptCatcher() { SetConsoleCtrlHandler(OnControl, FALSE); }

const std::atomic<bool>& InterruptCatcher::Flag() const { return gInterrupted; }

}  // namespace wrk7::platform
#endif  // _WIN32
