// The doctor reads a Linux system as files: sysfs says which ports exist and
// which USB adapter and driver stand behind each, /proc who holds them,
// the udev rules who else claims them. It reads them below a root, so the
// same code examines this machine, a copy of a user's machine and the test
// fixtures; plain C++, so it also builds (for --root) on Windows.
#include "link/port_doctor.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <system_error>

#include "link/port_names.h"

namespace wrk7::link {

namespace fs = std::filesystem;

namespace {

struct ChipRow {
    std::uint16_t vendor;
    std::uint16_t product;  // 0: every product of the vendor not named before
    const char* family;
    const char* driver;
};

// WCH's newer chips speak the modem class and need no driver of their own.
constexpr ChipRow kChips[] = {
    {0x1a86, 0x55d3, "WCH CH343", "cdc_acm"},
    {0x1a86, 0x55d4, "WCH CH9102", "cdc_acm"},
    {0x0403, 0, "FTDI", "ftdi_sio"},
    {0x067b, 0, "Prolific PL2303", "pl2303"},
    {0x1a86, 0, "WCH CH340/CH341", "ch341"},
    {0x10c4, 0, "Silicon Labs CP210x", "cp210x"},
};

const ChipRow* FindChip(std::uint16_t vendor, std::uint16_t product) {
    for (const ChipRow& row : kChips)
        if (row.vendor == vendor && (row.product == 0 || row.product == product)) return &row;
    return nullptr;
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::optional<std::uint16_t> ParseHex(const std::string& text) {
    if (text.empty() || text.size() > 4) return std::nullopt;
    unsigned value = 0;
    for (char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
        value = value * 16 + static_cast<unsigned>(std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::tolower(c) - 'a' + 10);
    }
    return static_cast<std::uint16_t>(value);
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A sysfs attribute: one line of text.
std::string Attr(const fs::path& dir, const char* name) { return Trimmed(ReadFile(dir / name)); }

std::string LinkName(const fs::path& link) {
    std::error_code error;
    const fs::path target = fs::read_symlink(link, error);
    return error ? std::string() : target.filename().string();
}

std::vector<fs::path> Entries(const fs::path& dir) {
    std::vector<fs::path> out;
    std::error_code error;
    for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) out.push_back(it->path());
    std::sort(out.begin(), out.end());
    return out;
}

// ---- udev rules, as far as matching one USB device goes ------------------

// udev's patterns: * ? [a-z] [!x], and | between alternatives.
bool GlobMatch(const char* p, const char* s) {
    for (; *p; ++p, ++s) {
        if (*p == '*') {
            for (const char* rest = s;; ++rest) {
                if (GlobMatch(p + 1, rest)) return true;
                if (!*rest) return false;
            }
        }
        if (!*s) return false;
        if (*p == '[') {
            const char* q = p + 1;
            const bool negate = *q == '!';
            if (negate) ++q;
            bool hit = false;
            for (; *q && *q != ']'; ++q) {
                if (q[1] == '-' && q[2] && q[2] != ']') {
                    hit |= *s >= *q && *s <= q[2];
                    q += 2;
                } else {
                    hit |= *s == *q;
                }
            }
            if (!*q || hit == negate) return false;
            p = q;
        } else if (*p != '?' && *p != *s) {
            return false;
        }
    }
    return !*s;
}

bool PatternMatch(const std::string& pattern, const std::string& value) {
    std::size_t start = 0;
    for (;;) {
        const std::size_t bar = pattern.find('|', start);
        if (GlobMatch(pattern.substr(start, bar - start).c_str(), value.c_str())) return true;
        if (bar == std::string::npos) return false;
        start = bar + 1;
    }
}

struct RuleKey {
    std::string key, op, value;
};

// One rule's keys: KEY{attr}=="value", ... (a key udev would refuse ends the list).
std::vector<RuleKey> ParseRule(const std::string& line) {
    std::vector<RuleKey> keys;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ',' || std::isspace(static_cast<unsigned char>(line[i])))) ++i;
        if (i >= line.size()) break;
        RuleKey k;
        while (i < line.size() && std::string("=!+-:").find(line[i]) == std::string::npos) k.key += line[i++];
        while (i < line.size() && std::string("=!+-:").find(line[i]) != std::string::npos) k.op += line[i++];
        if (i >= line.size() || line[i] != '"') break;
        for (++i; i < line.size() && line[i] != '"'; ++i) {
            if (line[i] == '\\' && i + 1 < line.size()) ++i;
            k.value += line[i];
        }
        ++i;
        k.key = Trimmed(k.key);
        keys.push_back(k);
    }
    return keys;
}

struct RulesFile {
    std::string name;  // "85-brltty.rules"
    std::string folder;
    std::vector<std::vector<RuleKey>> rules;
    bool startsServices = false;  // through SYSTEMD_WANTS
};

// The rules udev reads: a name in /etc hides the same name in /run, and
// both hide the packages' (a link to /dev/null hides it for good).
std::vector<RulesFile> EffectiveRules(const SystemView& system) {
    static const char* const kFolders[] = {"/etc/udev/rules.d", "/run/udev/rules.d", "/usr/local/lib/udev/rules.d",
                                           "/lib/udev/rules.d", "/usr/lib/udev/rules.d"};
    std::map<std::string, RulesFile> byName;
    for (const char* folder : kFolders) {
        for (const fs::path& path : Entries(system.Here(folder))) {
            const std::string name = path.filename().string();
            if (path.extension() != ".rules" || byName.count(name)) continue;
            RulesFile file{name, folder, {}, false};
            std::error_code error;
            if (fs::is_symlink(fs::symlink_status(path, error)) && fs::read_symlink(path, error) == "/dev/null") {
                byName[name] = file;
                continue;
            }
            std::istringstream text(ReadFile(path));
            std::string line, joined;
            while (std::getline(text, line)) {
                if (!line.empty() && line.back() == '\r') line.pop_back();
                if (!line.empty() && line.back() == '\\') {
                    joined += line.substr(0, line.size() - 1);
                    continue;
                }
                joined = Trimmed(joined + line);
                if (!joined.empty() && joined[0] != '#') {
                    file.rules.push_back(ParseRule(joined));
                    if (joined.find("SYSTEMD_WANTS") != std::string::npos) file.startsServices = true;
                }
                joined.clear();
            }
            byName[name] = file;
        }
    }
    std::vector<RulesFile> out;
    for (auto& [name, file] : byName) out.push_back(std::move(file));
    return out;  // in udev's order, by name
}

// What rules are matched against: the USB device and the devices above it.
struct UsbFacts {
    std::uint16_t vendor = 0, product = 0;
    std::string productEnv;      // the kernel's PRODUCT: "1a86/7523/264"
    std::vector<fs::path> chain;  // the device's sysfs folder, then its parents
};

std::string NoLeadingZeros(const std::string& hex) {
    const auto first = hex.find_first_not_of('0');
    return first == std::string::npos ? "0" : hex.substr(first);
}

UsbFacts FactsOf(const fs::path& dir, const fs::path& devicesRoot, std::uint16_t vendor, std::uint16_t product) {
    UsbFacts facts{vendor, product, {}, {}};
    facts.productEnv = NoLeadingZeros(HexId(vendor)) + '/' + NoLeadingZeros(HexId(product)) + '/' +
                       NoLeadingZeros(Lower(Attr(dir, "bcdDevice")));
    for (fs::path p = dir; !p.empty() && p != devicesRoot && p != p.parent_path(); p = p.parent_path())
        facts.chain.push_back(p);
    return facts;
}

// Whether a rule's matches hold for the device; keys the doctor cannot
// judge (SUBSYSTEM, ACTION, KERNEL ...) are taken to hold. A rule that
// names neither the vendor nor the product matches nothing here.
bool RuleMatches(const std::vector<RuleKey>& rule, const UsbFacts& facts) {
    bool identifies = false;
    for (const RuleKey& k : rule) {
        if (k.op != "==" && k.op != "!=") continue;
        std::vector<std::string> values;
        auto attr = [](const std::string& key, const char* kind) {
            return key.rfind(kind, 0) == 0 && key.back() == '}' ? key.substr(std::string(kind).size(), key.size() - std::string(kind).size() - 1)
                                                                 : std::string();
        };
        if (k.key == "ENV{PRODUCT}") {
            values = {facts.productEnv};
            identifies = true;
        } else if (k.key == "ENV{ID_VENDOR_ID}") {
            values = {HexId(facts.vendor)};
            identifies = true;
        } else if (k.key == "ENV{ID_MODEL_ID}") {
            values = {HexId(facts.product)};
        } else if (const std::string name = attr(k.key, "ATTR{"); !name.empty() && !facts.chain.empty()) {
            values = {Attr(facts.chain.front(), name.c_str())};
            identifies |= name == "idVendor";
        } else if (const std::string names = attr(k.key, "ATTRS{"); !names.empty()) {
            for (const fs::path& p : facts.chain)
                if (fs::exists(p / names)) values.push_back(Attr(p, names.c_str()));
            identifies |= names == "idVendor";
        } else {
            continue;
        }
        const bool any = std::any_of(values.begin(), values.end(), [&](const std::string& v) { return PatternMatch(k.value, v); });
        if (any != (k.op == "==")) return false;
    }
    return identifies;
}

bool Assigns(const std::vector<RuleKey>& rule, const std::string& key, const std::string& value) {
    return std::any_of(rule.begin(), rule.end(),
                       [&](const RuleKey& k) { return k.key == key && (k.op == "=" || k.op == ":=") && k.value == value; });
}

bool ClaimsForBraille(const std::vector<RuleKey>& rule) {
    return std::any_of(rule.begin(), rule.end(), [](const RuleKey& k) {
        return k.key == "ENV{BRLTTY_BRAILLE_DRIVER}" || (k.key == "GOTO" && k.value.find("brltty") != std::string::npos) ||
               (k.key == "RUN" && k.value.find("brltty") != std::string::npos);
    });
}

// ---- processes -----------------------------------------------------------

struct Process {
    int pid = 0;
    std::string comm;
    std::vector<std::string> devices;  // the /dev files it has open
};

std::vector<Process> Processes(const SystemView& system) {
    std::vector<Process> out;
    const std::string self = LinkName(system.Here("/proc/self"));
    for (const fs::path& dir : Entries(system.Here("/proc"))) {
        const std::string name = dir.filename().string();
        if (name.empty() || !std::all_of(name.begin(), name.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
            continue;
        Process p;
        p.pid = std::atoi(name.c_str());
        p.comm = Trimmed(ReadFile(dir / "comm"));
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

// ---- the examination -----------------------------------------------------

using Id = MessageId;

// A line of a remedy to copy as it is.
Message Command(std::string line) { return Verbatim(std::move(line)); }

struct Context {
    const SystemView& system;
    std::vector<Process> processes;
    std::vector<RulesFile> rules;
    std::string etcGroup;
};

std::string ModeText(unsigned mode) {
    std::string text;
    for (int shift = 6; shift >= 0; shift -= 3) {
        text += (mode >> shift & 4) ? 'r' : '-';
        text += (mode >> shift & 2) ? 'w' : '-';
        text += (mode >> shift & 1) ? 'x' : '-';
    }
    return text;
}

// Whether /etc/group lists user in group (a membership this login may not have yet).
bool ListedInGroup(const std::string& etcGroup, const std::string& group, const std::string& user) {
    std::istringstream lines(etcGroup);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind(group + ':', 0) != 0) continue;
        std::istringstream members(line.substr(line.rfind(':') + 1));
        std::string member;
        while (std::getline(members, member, ','))
            if (Trimmed(member) == user) return true;
    }
    return false;
}

std::optional<PortTrouble> PermissionTrouble(const Context& c, const SerialDevice& d) {
    const auto owner = c.system.Owner(d.path);
    const auto user = c.system.User();
    const auto grants = c.system.Grants(d.path);
    if (!owner || !user) {  // Windows: the system's word alone
        if (!grants || *grants) return std::nullopt;
        return PortTrouble{PortTrouble::Kind::kPermission, Say(Id::kDoctorThisUserMayNot, d.path),
                           {Say(Id::kDoctorAskAdministrator)}};
    }
    if (user->superuser) return std::nullopt;
    const bool member = std::find(user->groups.begin(), user->groups.end(), owner->group) != user->groups.end();
    const unsigned bits = owner->owner == user->name ? owner->mode >> 6 : member ? owner->mode >> 3 : owner->mode;
    if (grants ? *grants : (bits & 6) == 6) return std::nullopt;
    PortTrouble t{PortTrouble::Kind::kPermission, {}, {}};
    const std::string& group = owner->group;
    const std::string mode = ModeText(owner->mode);
    if ((owner->mode & 060) != 060 || group == "root") {
        // Joining its group would not help: the device should get one.
        t.text = Say(Id::kDoctorGroupMayNot, user->name, d.path, owner->owner, group, mode);
        t.remedy = {Say(Id::kDoctorHaveUdevGive, "dialout")};
        if (!d.usb.empty()) {
            const std::string name = "70-wrk7-serial-" + HexId(d.vendor) + '-' + HexId(d.product) + ".rules";
            t.remedy.push_back(Command("printf '%s\\n' 'SUBSYSTEM==\"tty\", ATTRS{idVendor}==\"" + HexId(d.vendor) +
                                       "\", ATTRS{idProduct}==\"" + HexId(d.product) +
                                       "\", GROUP=\"dialout\", MODE=\"0660\"' | sudo tee /etc/udev/rules.d/" + name));
            t.remedy.push_back(Command("sudo udevadm control --reload-rules"));
        }
        t.remedy.push_back(Command("sudo usermod -aG dialout " + user->name));
        t.remedy.push_back(Say(Id::kDoctorThenReplugAndRelogin));
    } else if (member || ListedInGroup(c.etcGroup, group, user->name)) {
        t.text = Say(Id::kDoctorJoinedAfterLogin, user->name, d.path, owner->owner, group, mode);
        t.remedy = {Say(Id::kDoctorLogInAgain)};
    } else {
        t.text = Say(Id::kDoctorNotInGroup, user->name, d.path, owner->owner, group, mode);
        t.remedy = {Say(Id::kDoctorJoinGroup, group), Command("sudo usermod -aG " + group + ' ' + user->name),
                    Say(Id::kDoctorThenLogInAgain)};
    }
    return t;
}

// A lock file by the UUCP convention: the holder's pid, as text or as a binary int.
std::optional<int> LockPid(const fs::path& file) {
    std::error_code error;
    if (!fs::is_regular_file(file, error)) return std::nullopt;
    const std::string text = ReadFile(file);
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

void BusyTroubles(const Context& c, SerialDevice& d) {
    std::set<int> holders;
    for (const Process& p : c.processes)
        if (std::find(p.devices.begin(), p.devices.end(), d.path) != p.devices.end()) holders.insert(p.pid);
    for (int pid : holders) {
        const std::string comm = CommOf(c.processes, pid);
        d.troubles.push_back({PortTrouble::Kind::kBusy, Say(Id::kDoctorHeldBy, d.path, comm, pid),
                              {Say(Id::kDoctorCloseOrEnd, comm), Command("kill " + std::to_string(pid))}});
    }
    const std::string name = fs::path(d.path).filename().string();
    // /var/lock is mostly a link to /run/lock: one lock, one trouble.
    for (const char* folder : {"/var/lock", "/run/lock"}) {
        const std::string lock = std::string(folder) + "/LCK.." + name;
        const auto pid = LockPid(c.system.Here(lock));
        if (!pid || !holders.insert(*pid).second) continue;
        std::error_code error;
        if (*pid > 0 && !fs::exists(c.system.Here("/proc/" + std::to_string(*pid)), error)) {
            d.troubles.push_back({PortTrouble::Kind::kBusy, Say(Id::kDoctorStaleLock, lock, *pid, d.path),
                                  {Say(Id::kDoctorRemoveStaleLock), Command("sudo rm " + lock)}});
        } else if (*pid > 0) {
            const std::string comm = CommOf(c.processes, *pid);
            d.troubles.push_back({PortTrouble::Kind::kBusy,
                                  comm.empty() ? Say(Id::kDoctorLockedByPid, d.path, lock, *pid)
                                               : Say(Id::kDoctorLockedBy, d.path, lock, comm, *pid),
                                  {Say(Id::kDoctorCloseThatOrEnd), Command("kill " + std::to_string(*pid))}});
        } else {
            d.troubles.push_back(
                {PortTrouble::Kind::kBusy, Say(Id::kDoctorLocked, d.path, lock), {Say(Id::kDoctorCloseThePortUser)}});
        }
    }
}

const std::string kReload = "sudo udevadm control --reload-rules";

void BrlttyTrouble(const Context& c, const UsbFacts& facts, SerialDevice& d) {
    if (!Runs(c.processes, "brltty")) return;
    const RulesFile* claim = nullptr;
    for (const RulesFile& file : c.rules) {
        if (claim) {
            // Our own exemption (or one like it) after the claim lifts it.
            for (const auto& rule : file.rules)
                if (Assigns(rule, "ENV{SYSTEMD_WANTS}", "") && RuleMatches(rule, facts)) return;
        } else if (file.name.find("brltty") != std::string::npos) {
            for (const auto& rule : file.rules)
                if (ClaimsForBraille(rule) && RuleMatches(rule, facts)) {
                    claim = &file;
                    break;
                }
        }
    }
    if (!claim) return;
    const std::string id = HexId(d.vendor) + ':' + HexId(d.product);
    PortTrouble t{PortTrouble::Kind::kBrltty, {}, {}};
    t.text = Say(Id::kDoctorBrltty, claim->folder + '/' + claim->name, id);
    const std::string product = NoLeadingZeros(HexId(d.vendor)) + '/' + NoLeadingZeros(HexId(d.product)) + "/*";
    if (claim->startsServices) {
        // brltty's rules start it through systemd (ENV{SYSTEMD_WANTS} on the
        // USB device); a rule read after them takes that back for this
        // vendor:product alone, and brltty goes on serving braille displays.
        const std::string name = "99-wrk7-brltty-ignore-" + HexId(d.vendor) + '-' + HexId(d.product) + ".rules";
        const std::string rule = "SUBSYSTEM==\"usb\", ENV{DEVTYPE}==\"usb_device\", ENV{PRODUCT}==\"" + product +
                                 "\", ENV{SYSTEMD_WANTS}=\"\"";
        t.remedy = {Say(Id::kDoctorExemptWithRule), Command(rule),
                    Say(Id::kDoctorWriteAfterBrltty, "/etc/udev/rules.d/" + name),
                    Command("printf '%s\\n' '" + rule + "' | sudo tee /etc/udev/rules.d/" + name), Command(kReload),
                    Say(Id::kDoctorThenReplug)};
    } else {
        // Rules that run brltty directly: a copy under /etc without this
        // vendor:product's lines replaces the package's file.
        std::string pattern;
        for (char ch : product) pattern += ch == '/' || ch == '*' ? std::string("\\") + ch : std::string(1, ch);
        t.remedy = {Say(Id::kDoctorExemptWithCopy, claim->name, "/etc/udev/rules.d", id),
                    Command("sed '/ENV{PRODUCT}==\"" + pattern + "\"/s/^/#/' " + claim->folder + '/' + claim->name +
                            " | sudo tee /etc/udev/rules.d/" + claim->name),
                    Command(kReload), Say(Id::kDoctorThenReplug)};
    }
    d.troubles.push_back(t);
}

void ModemManagerTrouble(const Context& c, const UsbFacts& facts, SerialDevice& d) {
    if (!Runs(c.processes, "ModemManager")) return;
    for (const RulesFile& file : c.rules)
        for (const auto& rule : file.rules)
            if (Assigns(rule, "ENV{ID_MM_DEVICE_IGNORE}", "1") && RuleMatches(rule, facts)) return;
    const std::string name = "70-wrk7-modemmanager-ignore-" + HexId(d.vendor) + '-' + HexId(d.product) + ".rules";
    const std::string rule = "ACTION==\"add|change|move|bind\", SUBSYSTEMS==\"usb\", ATTRS{idVendor}==\"" + HexId(d.vendor) +
                             "\", ATTRS{idProduct}==\"" + HexId(d.product) + "\", ENV{ID_MM_DEVICE_IGNORE}=\"1\"";
    d.troubles.push_back({PortTrouble::Kind::kModemManager,
                          Say(Id::kDoctorModemManager, d.path),
                          {Say(Id::kDoctorLeaveAlone, HexId(d.vendor) + ':' + HexId(d.product)), Command(rule),
                           Say(Id::kDoctorWriteRule, "/etc/udev/rules.d/" + name),
                           Command("printf '%s\\n' '" + rule + "' | sudo tee /etc/udev/rules.d/" + name),
                           Command(kReload), Say(Id::kDoctorThenReplug)}});
}

Message NoDriverText(const MessageArg& chip, const std::string& driver, bool loaded) {
    if (!loaded) return Say(Id::kDoctorNoDriverLoaded, chip, driver);
    return Say(driver == "pl2303" ? Id::kDoctorPl2303Refused : Id::kDoctorDriverRefused, driver, chip);
}

void NoPortTrouble(const Context& c, SerialDevice& d, const std::string& expected) {
    const std::string id = HexId(d.vendor) + ':' + HexId(d.product);
    const MessageArg chip = d.chip.empty() ? MessageArg(Say(Id::kDoctorSerialChip)) : MessageArg(d.chip);
    const Message dmesgTail = Command("sudo dmesg | tail -n 30");
    PortTrouble t{PortTrouble::Kind::kNoPort, {}, {}};
    if (d.driver == "usbfs") {
        t.text = Say(Id::kDoctorTakenOver, chip, id);
        t.remedy = {Runs(c.processes, "brltty") ? Say(Id::kDoctorBrlttyFromBefore)
                                                : Say(Id::kDoctorFindTheProgram, "sudo lsof /dev/bus/usb/*/*")};
    } else if (!d.driver.empty()) {
        t.text = Say(Id::kDoctorNoPortAppeared, d.driver, chip, id);
        t.remedy = {Say(Id::kDoctorReplugKernelSays), dmesgTail};
    } else if (expected.empty()) {
        t.text = Say(Id::kDoctorNoDriverTook, id);
        t.remedy = {Say(Id::kDoctorKernelSays), dmesgTail};
    } else {
        std::error_code error;
        const bool loaded = fs::exists(c.system.Here("/sys/bus/usb/drivers/" + expected), error);
        t.text = NoDriverText(chip, expected, loaded);
        if (loaded)
            t.remedy = {Say(Id::kDoctorDriverSays), Command("sudo dmesg | grep -i " + expected),
                        Say(expected == "pl2303" ? Id::kDoctorGenuineChip : Id::kDoctorTryAnother)};
        else
            t.remedy = {Say(Id::kDoctorLoadDriver), Command("sudo modprobe " + expected),
                        Say(Id::kDoctorExtraModules, "sudo apt install linux-modules-extra-$(uname -r)")};
    }
    d.troubles.push_back(t);
}

struct UsbSide {
    fs::path device;  // the USB device's folder
    fs::path iface;   // the interface the port hangs on
};

// From a port's sysfs folder up to its interface and USB device.
std::optional<UsbSide> UsbAbove(fs::path dir, const fs::path& devicesRoot) {
    UsbSide side;
    for (; !dir.empty() && dir != devicesRoot && dir != dir.parent_path(); dir = dir.parent_path()) {
        std::error_code error;
        if (side.iface.empty() && fs::exists(dir / "bInterfaceNumber", error)) side.iface = dir;
        if (fs::exists(dir / "idVendor", error)) {
            side.device = dir;
            return side;
        }
    }
    return std::nullopt;
}

void DescribeUsb(SerialDevice& d, const UsbSide& side, const fs::path& sysDevices, const Context& c) {
    d.usb = side.device.filename().string();
    d.vendor = ParseHex(Attr(side.device, "idVendor")).value_or(0);
    d.product = ParseHex(Attr(side.device, "idProduct")).value_or(0);
    d.description = Trimmed(Attr(side.device, "manufacturer") + ' ' + Attr(side.device, "product"));
    if (!side.iface.empty()) d.driver = LinkName(side.iface / "driver");
    d.chip = ChipFamily(d.vendor, d.product, d.driver);
    if (d.chip.empty() && !side.iface.empty() && Attr(side.iface, "bInterfaceClass") == "02") d.chip = "CDC ACM";
    const UsbFacts facts = FactsOf(side.device, sysDevices, d.vendor, d.product);
    BrlttyTrouble(c, facts, d);
    if (!d.path.empty()) ModemManagerTrouble(c, facts, d);
}

// The /dev/serial/by-id links, by the device each names.
std::map<std::string, std::string> ById(const SystemView& system) {
    std::map<std::string, std::string> out;
    const std::string folder = "/dev/serial/by-id";
    for (const fs::path& link : Entries(system.Here(folder))) {
        std::error_code error;
        const fs::path target = fs::read_symlink(link, error);
        if (error) continue;
        const fs::path device = target.is_absolute() ? target : fs::path(folder) / target;
        out.emplace(device.lexically_normal().generic_string(), folder + '/' + link.filename().string());
    }
    return out;
}

// An interface a serial port would hang on: a chip of the table, or the modem class.
bool SerialInterface(const fs::path& iface, std::uint16_t vendor, std::uint16_t product) {
    return FindChip(vendor, product) || (Attr(iface, "bInterfaceClass") == "02" && Attr(iface, "bInterfaceSubClass") == "02");
}

}  // namespace

std::string ChipFamily(std::uint16_t vendor, std::uint16_t product, const std::string& driver) {
    if (const ChipRow* row = FindChip(vendor, product)) return row->family;
    const std::string d = Lower(driver);
    return d == "cdc_acm" || d == "usbser" ? "CDC ACM" : "";
}

std::string ChipDriver(std::uint16_t vendor, std::uint16_t product) {
    const ChipRow* row = FindChip(vendor, product);
    return row ? row->driver : "";
}

bool ParseHardwareId(const std::string& id, std::uint16_t& vendor, std::uint16_t& product) {
    const std::string upper = [&] {
        std::string u = id;
        for (char& c : u) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return u;
    }();
    const auto v = upper.find("VID_");
    const auto p = upper.find("PID_");
    if (v == std::string::npos || p == std::string::npos) return false;
    const auto vid = ParseHex(upper.substr(v + 4, 4));
    const auto pid = ParseHex(upper.substr(p + 4, 4));
    if (!vid || !pid || upper.size() < p + 8 || upper.size() < v + 8) return false;
    vendor = *vid;
    product = *pid;
    return true;
}

std::string HexId(std::uint16_t id) {
    static const char digits[] = "0123456789abcdef";
    std::string out(4, '0');
    for (int i = 3; i >= 0; --i, id = static_cast<std::uint16_t>(id >> 4)) out[static_cast<std::size_t>(i)] = digits[id & 15];
    return out;
}

bool RemedyCommand(const Message& line) { return line.id == MessageId::kVerbatim; }

std::string RemedyEnglish(const PortTrouble& trouble) {
    std::string text;
    for (const Message& line : trouble.remedy) text += (text.empty() ? "" : "\n") + line.English();
    return text;
}

const char* TroubleName(PortTrouble::Kind kind) {
    switch (kind) {
        case PortTrouble::Kind::kPermission: return "permission";
        case PortTrouble::Kind::kBusy: return "busy";
        case PortTrouble::Kind::kBrltty: return "brltty";
        case PortTrouble::Kind::kModemManager: return "modemmanager";
        case PortTrouble::Kind::kNoPort: return "no-port";
    }
    return "";
}

fs::path SystemView::Here(const std::string& path) const { return root_ / fs::path(path).relative_path(); }

namespace {

// port-doctor.txt: see SystemAt.
class DescribedSystem final : public SystemView {
public:
    DescribedSystem(const fs::path& root, const std::string& text) : SystemView(root) {
        std::istringstream lines(text);
        std::string line;
        while (std::getline(lines, line)) {
            std::istringstream words(line.substr(0, line.find('#')));
            std::string kind;
            words >> kind;
            if (kind == "user") {
                UserInfo u;
                words >> u.name;
                for (std::string g; words >> g;) u.groups.push_back(g);
                u.superuser = u.name == "root";
                user_ = u;
            } else if (kind == "node") {
                std::string path, mode;
                NodeOwner n;
                words >> path >> n.owner >> n.group >> mode;
                n.mode = static_cast<unsigned>(std::strtoul(mode.c_str(), nullptr, 8));
                if (!mode.empty()) nodes_[path] = n;
            }
        }
    }
    std::optional<NodeOwner> Owner(const std::string& device) const override {
        const auto it = nodes_.find(device);
        return it == nodes_.end() ? std::nullopt : std::optional<NodeOwner>(it->second);
    }
    std::optional<UserInfo> User() const override { return user_; }

private:
    std::map<std::string, NodeOwner> nodes_;
    std::optional<UserInfo> user_;
};

}  // namespace

std::unique_ptr<SystemView> SystemAt(const fs::path& root) {
    std::error_code error;
    const fs::path described = root / "port-doctor.txt";
    if (fs::is_regular_file(described, error)) return std::make_unique<DescribedSystem>(root, ReadFile(described));
    return FileSystemAt(root);
}

PortReport ExaminePorts(const SystemView& system) {
    PortReport report;
    std::error_code error;
    const fs::path classTty = system.Here("/sys/class/tty");
    if (!fs::is_directory(classTty, error)) return report;
    report.readable = true;
    Context c{system, Processes(system), EffectiveRules(system), ReadFile(system.Here("/etc/group"))};
    const fs::path sysDevices = system.Here("/sys/devices");
    const auto byId = ById(system);

    std::map<std::string, SerialDevice> ports;
    std::set<std::string> usbWithPort;
    for (const fs::path& entry : Entries(classTty)) {
        if (!fs::exists(entry / "device", error)) continue;  // a console or pseudo-terminal
        const fs::path dir = fs::canonical(entry / "device", error);
        if (error) continue;
        // Since Linux 6.5 a port hangs below the serial core's own port and
        // controller devices; the hardware's driver sits above them.
        fs::path hardware = dir;
        std::string driver = LinkName(hardware / "driver");
        while ((driver == "port" || driver == "ctrl") && hardware.has_parent_path() && hardware != sysDevices) {
            hardware = hardware.parent_path();
            driver = LinkName(hardware / "driver");
        }
        if (driver == "serial8250") continue;  // the legacy driver's placeholders for ports that may not exist
        SerialDevice d;
        d.path = "/dev/" + entry.filename().string();
        if (const auto it = byId.find(d.path); it != byId.end()) d.byId = it->second;
        d.driver = driver;
        if (const auto side = UsbAbove(dir, sysDevices)) {
            DescribeUsb(d, *side, sysDevices, c);
            usbWithPort.insert(d.usb);
        }
        if (auto t = PermissionTrouble(c, d)) d.troubles.insert(d.troubles.begin(), *t);
        BusyTroubles(c, d);
        ports[d.path] = std::move(d);
    }
    std::vector<std::string> paths;
    for (const auto& [path, d] : ports) paths.push_back(path);
    for (const std::string& path : SortComOrder(paths)) report.devices.push_back(std::move(ports[path]));

    // Adapters USB sees that got no port.
    for (const fs::path& link : Entries(system.Here("/sys/bus/usb/devices"))) {
        const std::string name = link.filename().string();
        if (name.find(':') != std::string::npos || usbWithPort.count(name)) continue;
        const fs::path dir = fs::canonical(link, error);
        if (error) continue;
        const auto vendor = ParseHex(Attr(dir, "idVendor"));
        const auto product = ParseHex(Attr(dir, "idProduct"));
        if (!vendor || !product) continue;
        fs::path iface;
        for (const fs::path& child : Entries(dir))
            if (fs::exists(child / "bInterfaceNumber", error) && SerialInterface(child, *vendor, *product)) {
                iface = child;
                break;
            }
        if (iface.empty()) continue;
        SerialDevice d;
        DescribeUsb(d, UsbSide{dir, iface}, sysDevices, c);
        const bool brltty = !d.troubles.empty();  // brltty took it: that trouble says it all
        const std::string expected = ChipDriver(d.vendor, d.product);
        if (!brltty) NoPortTrouble(c, d, expected.empty() && d.chip == "CDC ACM" ? "cdc_acm" : expected);
        report.devices.push_back(std::move(d));
    }
    return report;
}

DeviceVerdict RegisteredVerdict(const std::string& device, const std::vector<std::string>& registered) {
    if (device.empty()) return {DeviceVerdict::Kind::kMissing, {}};
    // Another name (a driver's own device) Windows can judge only by opening it.
    if (!LooksLikeWindowsComName(device)) return {};
    const PortChoice choice = ResolveWindowsPortName(device, registered);
    return {choice.device.empty() ? DeviceVerdict::Kind::kMissing : DeviceVerdict::Kind::kFine, {}};
}

DeviceVerdict QuickVerdict(const SystemView& system, const std::string& device) {
#ifdef _WIN32
    // Windows has no device files to look at: a COM port is there when the
    // registry lists it, as the doctor's list and the port dialog say.
    if (system.Root() == "/") return RegisteredVerdict(device, RegisteredPortNames());
#endif
    std::error_code error;
    if (device.empty() || !fs::exists(system.Here(device), error)) return {DeviceVerdict::Kind::kMissing, {}};
    // Through its by-id link or any other: what /proc and the lock files name is the device itself.
    std::string path = device;
    for (int hop = 0; hop < 16; ++hop) {
        const fs::path here = system.Here(path);
        if (!fs::is_symlink(fs::symlink_status(here, error))) break;
        const fs::path target = fs::read_symlink(here, error);
        if (error) break;
        path = (target.is_absolute() ? target : fs::path(path).parent_path() / target).lexically_normal().generic_string();
    }
    Context c{system, {}, {}, {}};
    SerialDevice d;
    d.path = path;
    if (auto t = PermissionTrouble(c, d)) {
        const auto owner = system.Owner(path);
        return {DeviceVerdict::Kind::kNoPermission, owner ? owner->group : std::string()};
    }
    c.processes = Processes(system);
    BusyTroubles(c, d);
    return {d.troubles.empty() ? DeviceVerdict::Kind::kFine : DeviceVerdict::Kind::kBusy, {}};
}

}  // namespace wrk7::link
