#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "diagnostics/system_view.h"

namespace wrk7::diagnostics {

// Who runs on the system, as /proc says: what may hold a port.
struct Process {
    int pid = 0;
    std::string comm;
    std::vector<std::string> devices;  // the /dev files it has open
};

// Every process of the system's /proc, in pid order; the /dev files of one
// only where the system shows them (its own, or all to root).
std::vector<Process> Processes(const SystemView& system);
bool Runs(const std::vector<Process>& processes, const std::string& comm);
std::string CommOf(const std::vector<Process>& processes, int pid);  // "" when no such process

// A lock file by the UUCP convention: the holder's pid, as text or as a
// binary int; 0 for a lock of unknown form, nullopt when there is none.
std::optional<int> LockPid(const std::filesystem::path& file);

}  // namespace wrk7::diagnostics
