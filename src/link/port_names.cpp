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

// "COM7" (any case) gives 7, "COM0" 0; anything else -1. Linux's rule,
// kept as it was: at most two digits.
int LinuxComNumber(const std::string& name) {
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

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
    return true;
}

// The digits after "COM" or "\\.\COM", "" when text is no such name.
std::string_view WindowsComDigits(std::string_view text) {
    if (text.rfind("\\\\.\\", 0) == 0) text.remove_prefix(4);
    if (!StartsWithNoCase(text, "com")) return {};
    text.remove_prefix(3);
    if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return {};
    return text;
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

int WindowsComNumber(std::string_view text) {
    std::string_view digits = WindowsComDigits(text);
    while (digits.size() > 1 && digits.front() == '0') digits.remove_prefix(1);
    if (digits.empty() || digits.size() > 3) return 0;
    int number = 0;
    for (const char c : digits) number = number * 10 + (c - '0');
    return number >= kFirstComPort && number <= kLastWindowsComPort ? number : 0;
}

bool LooksLikeWindowsComName(std::string_view text) { return !WindowsComDigits(text).empty(); }

std::vector<int> ComNumbersByName(const std::vector<std::string>& names) {
    std::vector<int> numbers;
    for (const std::string& name : names)
        if (const int n = WindowsComNumber(name); n != 0) numbers.push_back(n);
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

std::string WindowsComName(int number) { return "COM" + std::to_string(number); }

Message NoSuchComPort(const std::string& named, const std::vector<int>& present) {
    if (present.empty()) return Say(MessageId::kSystemHasNoComPort, named);
    std::string names;
    for (std::size_t i = 0; i < present.size(); ++i) names += (i ? ", " : "") + WindowsComName(present[i]);
    return Say(present.size() == 1 ? MessageId::kNoSuchComPortOfOne : MessageId::kNoSuchComPort, named, names);
}

std::optional<std::string> DeviceForComNumber(int number) {
    if (number < kFirstComPort || number > kLastComPort) return std::nullopt;
#ifdef _WIN32
    const std::vector<int> present = ComNumbersByName(RegisteredPortNames());
    if (!std::binary_search(present.begin(), present.end(), number)) return std::nullopt;
    return WindowsComName(number);
#else
    std::string device = SystemComTable()[static_cast<std::size_t>(number - 1)];
    if (device.empty()) return std::nullopt;
    return device;
#endif
}

int ComNumberOfDevice(const std::string& device, const ComTable& table) {
    if (device.empty()) return 0;
    if (const int number = WindowsComNumber(device); number != 0) return number;
    const auto at = std::find(table.begin(), table.end(), device);
    return at == table.end() ? 0 : static_cast<int>(at - table.begin()) + 1;
}

int ComNumberOfDevice(const std::string& device) {
#ifdef _WIN32
    return WindowsComNumber(device);
#else
    return ComNumberOfDevice(device, SystemComTable());
#endif
}

std::string ComCaption(int number) {
    return number < 10 ? "COM  " + std::to_string(number) : "COM " + std::to_string(number);
}

namespace {

bool IsEmulatorName(const std::string& text) {
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower == kEmulatorPortName;
}

}  // namespace

PortChoice ResolveLinuxPortName(const std::string& text, const ComTable& table) {
    PortChoice choice;
    choice.display = text;
    if (IsEmulatorName(text)) {
        choice.kind = PortChoice::Kind::kEmulator;
        return choice;
    }
    if (const int number = LinuxComNumber(text); number >= 0) {
        if (number >= kFirstComPort && number <= kLastLinuxComPort)
            choice.device = table[static_cast<std::size_t>(number - 1)];
        return choice;
    }
    choice.device = text;
    return choice;
}

PortChoice ResolveWindowsPortName(const std::string& text, const std::vector<std::string>& registered) {
    PortChoice choice;
    choice.display = text;
    if (IsEmulatorName(text)) {
        choice.kind = PortChoice::Kind::kEmulator;
        return choice;
    }
    if (!LooksLikeWindowsComName(text)) {
        choice.device = text;
        return choice;
    }
    // Only what the system lists: a name it does not know would open as
    // nothing, and the user learns no more than that the read failed.
    const std::vector<int> present = ComNumbersByName(registered);
    const int number = WindowsComNumber(text);
    if (number != 0 && std::binary_search(present.begin(), present.end(), number))
        choice.device = WindowsComName(number);
    else
        choice.problem = NoSuchComPort(text, present);
    return choice;
}

PortChoice ResolvePortName(const std::string& text) {
#ifdef _WIN32
    // The registry is read only for a COM name.
    if (!LooksLikeWindowsComName(text)) return ResolveWindowsPortName(text, {});
    return ResolveWindowsPortName(text, RegisteredPortNames());
#else
    if (LinuxComNumber(text) < 0) return ResolveLinuxPortName(text, {});
    return ResolveLinuxPortName(text, SystemComTable());
#endif
}

}  // namespace wrk7::link
