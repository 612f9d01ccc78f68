#include "diagnostics/processes.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <system_error>

namespace wrk7::diagnostics {

namespace fs = std::filesystem;

std::vector<Process> Processes(const SystemView& system) {
    std::vector<Process> out;
    const std::string self = LinkName(system.Here("/proc/self"));
    for (const fs::path& dir : Entries(system.Here("/proc"))) {
        const std::string name = dir.filename().string();
        if (name.empty() || !std::all_of(name.begin(), name.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
            continue;
        Process p;
        p.pid = std::atoi(name.c_str());
        p.comm = Trimmed(ReadText(dir / "comm"));
        // Another user's descriptors are hidden: the system says only what it may.
        if (name != self) {
            for (const fs::path& fd : Entries(dir / "fd")) {
                std::error_code error;
                const std::string target = fs::read_symlink(fd, error).generic_string();
                if (!error && target.rfind("/dev/", 0) == 0) p.devices.push_back(target);
            }
        }
        out.push_back(std::move(p));
    }
    return out;
}

bool Runs(const std::vector<Process>& processes, const std::string& comm) {
    return std::any_of(processes.begin(), processes.end(), [&](const Process& p) { return p.comm == comm; });
}

std::string CommOf(const std::vector<Process>& processes, int pid) {
    for (const Process& p : processes)
        if (p.pid == pid) return p.comm;
    return {};
}

std::optional<int> LockPid(const fs::path& file) {
    std::error_code error;
    if (!fs::is_regular_file(file, error)) return std::nullopt;
    const std::string text = ReadText(file);
    const std::string digits = Trimmed(text);
    if (!digits.empty() && std::all_of(digits.begin(), digits.end(), [](char ch) { return std::isdigit(static_cast<unsigned char>(ch)); }))
        return std::atoi(digits.c_str());
    if (text.size() == 4) {
        int pid = 0;
        for (int i = 3; i >= 0; --i) pid = pid * 256 + static_cast<unsigned char>(text[static_cast<std::size_t>(i)]);
        return pid;
    }
    return 0;  // a lock of unknown form: held by someone
}

}  // namespace wrk7::diagnostics
