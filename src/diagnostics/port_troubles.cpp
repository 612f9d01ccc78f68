// The troubles that keep a port from opening, each with its remedy: words
// said to the user and commands or rules to copy as they are.
#include "diagnostics/port_troubles.h"

#include <algorithm>
#include <set>
#include <sstream>
#include <system_error>

#include "diagnostics/diagnostic_messages.h"
#include "diagnostics/port_doctor.h"
#include "diagnostics/usb_chips.h"

namespace wrk7::diagnostics {

namespace fs = std::filesystem;

namespace {

using Id = DiagnosticId;

// A line of a remedy to copy as it is.
Message Command(std::string line) { return Verbatim(std::move(line)); }

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

const std::string kReload = "sudo udevadm control --reload-rules";

Message NoDriverText(const MessageArg& chip, const std::string& driver, bool loaded) {
    if (!loaded) return Say(Id::kDoctorNoDriverLoaded, chip, driver);
    return Say(driver == "pl2303" ? Id::kDoctorPl2303Refused : Id::kDoctorDriverRefused, driver, chip);
}

struct TroubleNameRow {
    PortTrouble::Kind kind;
    const char* name;
};
// The names wrk7 gives the troubles, for scripts.
constexpr TroubleNameRow kTroubleNames[] = {
    {PortTrouble::Kind::kPermission, "permission"},
    {PortTrouble::Kind::kBusy, "busy"},
    {PortTrouble::Kind::kBrltty, "brltty"},
    {PortTrouble::Kind::kModemManager, "modemmanager"},
    {PortTrouble::Kind::kNoPort, "no-port"},
    {PortTrouble::Kind::kRefusedChip, "refused-chip"},
    {PortTrouble::Kind::kBadDriver, "bad-driver"},
    {PortTrouble::Kind::kNoDriver, "no-driver"},
    {PortTrouble::Kind::kProblem, "problem"},
    {PortTrouble::Kind::kLatency, "latency"},
};

}  // namespace

bool RemedyCommand(const Message& line) { return line.id == MessageId::kVerbatim; }

std::string RemedyEnglish(const PortTrouble& trouble) {
    std::string text;
    for (const Message& line : trouble.remedy) {
        if (!text.empty()) text += '\n';
        text += line.English();
    }
    return text;
}

const char* TroubleName(PortTrouble::Kind kind) {
    for (const TroubleNameRow& row : kTroubleNames)
        if (row.kind == kind) return row.name;
    return "";
}

std::optional<PortTrouble> PermissionTrouble(const TroubleContext& c, const SerialDevice& d) {
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


void BusyTroubles(const TroubleContext& c, SerialDevice& d) {
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

void BrlttyTrouble(const TroubleContext& c, const UsbFacts& facts, SerialDevice& d) {
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

void ModemManagerTrouble(const TroubleContext& c, const UsbFacts& facts, SerialDevice& d) {
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

void NoPortTrouble(const TroubleContext& c, SerialDevice& d, const std::string& expected) {
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

}  // namespace wrk7::diagnostics
