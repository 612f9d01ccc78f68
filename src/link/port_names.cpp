#include "link/port_names.h"

#include <algorithm>
#include <cctype>

namespace wrk7::link {

namespace {

std::string BaseName(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool IsUsbAdapter(const std::string& path) {
    const std::string name = BaseName(path);
    return name.rfind("ttyUSB", 0) == 0 || name.rfind("ttyACM", 0) == 0;
}

// Natural order: runs of digits compare by value, so ttyUSB2 < ttyUSB10.
bool NaturalLess(const std::string& a, const std::string& b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const bool da = std::isdigit(static_cast<unsigned char>(a[i])) != 0;
        const bool db = std::isdigit(static_cast<unsigned char>(b[j])) != 0;
        if (da && db) {
            std::size_t ie = i, je = j;
            while (ie < a.size() && std::isdigit(static_cast<unsigned char>(a[ie]))) ++ie;
            while (je < b.size() && std::isdigit(static_cast<unsigned char>(b[je]))) ++je;
            // Compare without leading zeros: longer run is larger.
            std::size_t is = i, js = j;
            while (is + 1 < ie && a[is] == '0') ++is;
            while (js + 1 < je && b[js] == '0') ++js;
            if (ie - is != je - js) return ie - is < je - js;
            const int c = a.compare(is, ie - is, b, js, je - js);
            if (c != 0) return c < 0;
            i = ie;
            j = je;
            continue;
        }
        if (a[i] != b[j]) return a[i] < b[j];
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

// "COM7" (any case) gives 7, "COM0" 0; anything else -1.
int ComNumberOf(const std::string& name) {
    if (name.size() <= 3 || name.size() > 5) return -1;
    for (std::size_t i = 0; i < 3; ++i)
        if (std::tolower(static_cast<unsigned char>(name[i])) != "com"[i]) return -1;
    int number = 0;
    for (std::size_t i = 3; i < name.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(name[i]))) return -1;
        number = number * 10 + (name[i] - '0');
    }
    return number;
}

}  // namespace

std::vector<std::string> SortComOrder(std::vector<std::string> devices) {
    std::sort(devices.begin(), devices.end());
    devices.erase(std::unique(devices.begin(), devices.end()), devices.end());
    std::stable_sort(devices.begin(), devices.end(), [](const std::string& a, const std::string& b) {
        const bool ua = IsUsbAdapter(a), ub = IsUsbAdapter(b);
        if (ua != ub) return ua;
        // USB adapters: ttyACM and ttyUSB are one group, ordered by name.
        return NaturalLess(BaseName(a), BaseName(b));
    });
    return devices;
}

ComTable ComTableInOrder(std::vector<std::string> devices) {
    ComTable table;
    devices = SortComOrder(std::move(devices));
    for (std::size_t i = 0; i < table.size() && i < devices.size(); ++i) table[i] = devices[i];
    return table;
}

ComTable ComTableByName(const std::vector<std::string>& names) {
    ComTable table;
    for (const std::string& name : names) {
        const int number = ComNumberOf(name);
        if (number >= kFirstPortNumber && number <= kLastPortNumber)
            table[static_cast<std::size_t>(number - 1)] = "COM" + std::to_string(number);
    }
    return table;
}

std::optional<std::string> DeviceForComNumber(int number) {
    if (number < kFirstPortNumber || number > kLastPortNumber) return std::nullopt;
    std::string device = SystemComTable()[static_cast<std::size_t>(number - 1)];
    if (device.empty()) return std::nullopt;
    return device;
}

std::string ComCaption(int number) {
    return number < 10 ? "COM  " + std::to_string(number) : "COM " + std::to_string(number);
}

PortChoice ResolvePortName(const std::string& text) {
    PortChoice choice;
    choice.display = text;
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower == kEmulatorPortName) {
        choice.kind = PortChoice::Kind::kEmulator;
        return choice;
    }
    if (const int number = ComNumberOf(lower); number >= 0) {
        choice.device = DeviceForComNumber(number).value_or("");
        return choice;
    }
    choice.device = text;
    return choice;
}

}  // namespace wrk7::link
