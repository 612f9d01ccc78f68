#include "link/port_names.h"

#include <QSerialPortInfo>
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

std::vector<std::string> SerialDevicesInComOrder() {
    std::vector<std::string> devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        devices.push_back(info.systemLocation().toStdString());
    return SortComOrder(std::move(devices));
}

std::optional<std::string> DeviceForComNumber(int number) {
    if (number < kFirstPortNumber || number > kLastPortNumber) return std::nullopt;
    const auto devices = SerialDevicesInComOrder();
    if (static_cast<std::size_t>(number) > devices.size()) return std::nullopt;
    return devices[static_cast<std::size_t>(number - 1)];
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
    if (lower.size() > 3 && lower.size() <= 5 && lower.rfind("com", 0) == 0 &&
        std::all_of(lower.begin() + 3, lower.end(), [](unsigned char c) { return std::isdigit(c) != 0; })) {
        const int number = std::stoi(lower.substr(3));
        choice.device = DeviceForComNumber(number).value_or("");
        return choice;
    }
    choice.device = text;
    return choice;
}

}  // namespace wrk7::link
