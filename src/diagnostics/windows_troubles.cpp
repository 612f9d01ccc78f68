// What keeps a port from working on Windows, each with what to do in the
// words and menus of Device Manager: Windows users are not given commands.
#include "diagnostics/windows_troubles.h"

#include "diagnostics/diagnostic_messages.h"
#include "diagnostics/usb_chips.h"

namespace wrk7::diagnostics {

namespace {

using Id = DiagnosticId;
using Kind = PortTrouble::Kind;

// Driver versions that users of many serial tools found to fail, and the
// earlier version they went back to. WCH's 3.9.2024.9 came through Windows
// Update from late 2024 and closes the port right after it opens.
struct BadDriverRow {
    const char* chip;  // ChipFamily
    const char* version;
    const char* earlierThatWorks;
};
constexpr BadDriverRow kBadDrivers[] = {
    {"WCH CH340/CH341", "3.9.2024.9", "3.5.2019.1"},
};

// Where each maker offers its chips' driver, for a chip Windows has none for.
struct MakerDriverRow {
    const char* chip;
    const char* driver;
};
constexpr MakerDriverRow kMakerDrivers[] = {
    {"FTDI", "FTDI VCP driver, ftdichip.com"},
    {"Silicon Labs CP210x", "Silicon Labs CP210x VCP driver, silabs.com"},
    {"WCH CH340/CH341", "WCH CH341SER, wch-ic.com"},
    {"Prolific PL2303", "Prolific PL2303 driver, prolific.com.tw"},
};

// The last Prolific driver that still serves the chips it now refuses.
constexpr const char* kOldProlificDriver = "3.3.2.102";
constexpr int kCodeCannotStart = 10;
constexpr int kCodeNoDriver = 28;
// Below this a read loses a second or two at most: not worth a trouble.
constexpr int kLatencyWorthFixingMs = 4;
// The replies of a full read, each of which waits for the timer.
constexpr int kRepliesOfARead = 1330;

bool Has(const std::string& text, const char* part) { return Lower(text).find(Lower(part)) != std::string::npos; }

PortTrouble ProblemTrouble(const WindowsDeviceRecord& r, const SerialDevice& d, const std::string& where) {
    const std::string id = HexId(d.vendor) + ':' + HexId(d.product);
    // The refusing driver renames the device to say so.
    if (d.chip == "Prolific PL2303" && (r.problem == kCodeCannotStart || Has(r.friendlyName, "PHASED OUT")))
        return {Kind::kRefusedChip,
                Say(Id::kDoctorChipRefused, r.problem, r.friendlyName),
                {Say(Id::kDoctorGenuineChip), Say(Id::kDoctorOlderProlificDriver, kOldProlificDriver),
                 Say(Id::kDoctorKeepDriver)}};
    if (r.problem == kCodeNoDriver && !d.usb.empty()) {
        const MessageArg chip = d.chip.empty() ? MessageArg(Say(Id::kDoctorSerialChip)) : MessageArg(d.chip);
        PortTrouble t{Kind::kNoDriver, Say(Id::kDoctorNoDriverInstalled, chip, id, r.problem), {}};
        for (const MakerDriverRow& row : kMakerDrivers)
            if (d.chip == row.chip) t.remedy.push_back(Say(Id::kDoctorInstallMakersDriver, row.driver));
        if (t.remedy.empty()) t.remedy.push_back(Say(Id::kDoctorInstallAdapterDriver));
        t.remedy.push_back(Say(Id::kDoctorSearchDriver));
        return t;
    }
    return {Kind::kProblem, Say(Id::kDoctorProblemCode, r.problem, where), {Say(Id::kDoctorSeeDeviceStatus)}};
}

}  // namespace

void WindowsTroubles(const WindowsDeviceRecord& r, SerialDevice& d) {
    const std::string where = !d.description.empty() ? d.description : !d.path.empty() ? d.path : r.instanceId;
    // A device that does not start has no other trouble worth saying yet.
    if (r.problem != 0) {
        d.troubles.push_back(ProblemTrouble(r, d, where));
        return;
    }
    for (const BadDriverRow& row : kBadDrivers)
        if (d.chip == row.chip && r.driverVersion == row.version)
            d.troubles.push_back({Kind::kBadDriver,
                                  Say(Id::kDoctorBadDriverVersion, r.driverProvider.empty() ? d.chip : r.driverProvider,
                                      r.driverVersion),
                                  {Say(Id::kDoctorRollBackDriver, where), Say(Id::kDoctorEarlierDriver, row.earlierThatWorks),
                                   Say(Id::kDoctorKeepDriver)}});
    if (r.openRefused && !d.path.empty())
        d.troubles.push_back({Kind::kBusy, Say(Id::kDoctorOpenRefused, d.path), {Say(Id::kDoctorCloseThePortUser)}});
    if (d.chip == "FTDI" && r.latencyMs >= kLatencyWorthFixingMs) {
        const int seconds = (kRepliesOfARead * r.latencyMs + 500) / 1000;
        d.troubles.push_back({Kind::kLatency, Say(Id::kDoctorLatency, r.latencyMs, seconds), {Say(Id::kDoctorSetLatency, where)}});
    }
}

}  // namespace wrk7::diagnostics
