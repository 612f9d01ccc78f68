#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/message.h"
#include "diagnostics/processes.h"
#include "diagnostics/system_view.h"
#include "diagnostics/udev_rules.h"

namespace wrk7::diagnostics {

struct SerialDevice;

struct PortTrouble {
    enum class Kind {
        kPermission,
        kBusy,
        kBrltty,
        kModemManager,
        kNoPort,
        // Windows: what Device Manager and the driver package tell.
        kRefusedChip,
        kBadDriver,
        kNoDriver,
        kProblem,
        kLatency,
    };
    Kind kind;
    Message text;  // what stands in the way
    // What to do, a line each: words said to the user, or a command or rule
    // to copy as it is (RemedyCommand), which no translation touches.
    std::vector<Message> remedy;
};
// Whether a line of a remedy is a command or rule to copy rather than words.
bool RemedyCommand(const Message& line);
// The remedy in English, its lines joined by '\n': what wrk7 prints.
std::string RemedyEnglish(const PortTrouble& trouble);
// "permission", "busy", "brltty", "modemmanager", "no-port", "refused-chip",
// "bad-driver", "no-driver", "problem", "latency": for scripts.
const char* TroubleName(PortTrouble::Kind kind);

// What the troubles are judged by: the system, who runs on it, the udev
// rules it reads and its /etc/group.
struct TroubleContext {
    const SystemView& system;
    std::vector<Process> processes;
    std::vector<RulesFile> rules;
    std::string etcGroup;
};

// The user may not read and write d's node; nullopt when it may (or when
// nothing tells).
std::optional<PortTrouble> PermissionTrouble(const TroubleContext& c, const SerialDevice& d);
// Adds to d a trouble for each process holding it and each lock file on it.
void BusyTroubles(const TroubleContext& c, SerialDevice& d);
// Adds to d brltty's claim on its USB device, unless a later rule lifts it.
void BrlttyTrouble(const TroubleContext& c, const UsbFacts& facts, SerialDevice& d);
// Adds to d ModemManager's probing, unless a rule tells it to leave d alone.
void ModemManagerTrouble(const TroubleContext& c, const UsbFacts& facts, SerialDevice& d);
// Adds to d, a USB adapter with no port, why it has none; expected names
// the driver its chip needs ("" when unknown).
void NoPortTrouble(const TroubleContext& c, SerialDevice& d, const std::string& expected);

}  // namespace wrk7::diagnostics
