#include "link/serial_by_id.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

namespace wrk7::link {

namespace fs = std::filesystem;

std::string StableNameForDevice(const std::string& device, const std::string& folder) {
    if (device.empty()) return {};
    std::error_code error;
    const fs::path target = fs::canonical(device, error);
    if (error) return {};
    std::vector<fs::path> links;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        links.push_back(it->path());
    std::sort(links.begin(), links.end());
    for (const fs::path& link : links) {
        // A dangling link (an adapter just pulled out) simply does not match.
        const fs::path resolved = fs::canonical(link, error);
        if (!error && resolved == target) return link.string();
    }
    return {};
}

}  // namespace wrk7::link
