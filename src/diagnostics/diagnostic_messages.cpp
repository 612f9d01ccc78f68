#include "diagnostics/diagnostic_messages.h"

#include <cstddef>

namespace wrk7::diagnostics {

namespace {

using Id = DiagnosticId;

// In the order of DiagnosticId.
constexpr MessageTemplateOf<DiagnosticId> kTemplates[] = {
    {Id::kCablePortNotOpened, WRK7_MESSAGE("Message", "The port %1 could not be opened: %2"), nullptr, false},
    {Id::kCablePortFailed, WRK7_MESSAGE("Message", "The port %1 failed during the test: %2"), nullptr, false},
    {Id::kCameBack, WRK7_MESSAGE("Message", "Came back (%n bytes): %1"), "Came back (1 byte): %1", false},
    // Always more bytes than it shows, never one: no plural form to choose.
    {Id::kCameBackFirst, WRK7_MESSAGE("Message", "Came back (%1 bytes), the first %2: %3"), nullptr, false},
    {Id::kNothingCameBack, WRK7_MESSAGE("Message", "Came back: nothing"), nullptr, false},
    {Id::kLoopWhole,
     WRK7_MESSAGE("Message", "All %1 bytes sent came back unchanged at 38400 baud: the port, the adapter and the "
                             "cable up to its joined end work."),
     nullptr, false},
    {Id::kLoopNothing,
     WRK7_MESSAGE("Message", "None of the %1 bytes sent came back: transmit and receive are not joined at the "
                             "receiver end, or the port, the adapter or the cable is dead (is this the right port?)."),
     nullptr, false},
    {Id::kLoopPart,
     WRK7_MESSAGE("Message", "Only %1 of the %2 bytes sent came back, the first %3 of them as sent: a loose wire, "
                             "a wrong speed, or flow control holding bytes back."),
     nullptr, false},
    {Id::kLoopWrong,
     WRK7_MESSAGE("Message", "%1 bytes came back for the %2 sent, the first %3 of them as sent: a wrong speed, "
                             "noise on the line, or something besides the joined wires answering (is the receiver "
                             "still connected?)."),
     nullptr, false},
    {Id::kLoopFirstDifference, WRK7_MESSAGE("Message", "First difference at offset %1: sent %2, came back %3."),
     nullptr, false},
    {Id::kAskAccepted,
     WRK7_MESSAGE("Message", "The receiver echoed the identification of the %1 and accepted it (OK): the cable, "
                             "the port and the model are right."),
     nullptr, false},
    {Id::kAskRefused,
     WRK7_MESSAGE("Message", "The receiver echoed the identification of the %1 and refused it (RE): it is of "
                             "another model or region. Choose the model it is."),
     nullptr, false},
    {Id::kAskEchoOnly,
     WRK7_MESSAGE("Message", "The identification came back, but no reply followed it: the cable and the port "
                             "work, the receiver is not answering. Is it switched on, in its clone (PC) mode, and "
                             "a %1?"),
     nullptr, false},
    {Id::kAskSilence,
     WRK7_MESSAGE("Message", "Nothing came back, not even the echo of the identification: the cable or the port. "
                             "Is this the right port, the cable plugged in at both ends, the adapter alive? The "
                             "loopback test tells."),
     nullptr, false},
    {Id::kAskGarbage,
     WRK7_MESSAGE("Message", "What came back is neither the echo of the identification nor a reply: a wrong "
                             "speed, noise on the line, or another device on this port."),
     nullptr, false},

    {Id::kDoctorSerialChip, WRK7_MESSAGE("Message", "serial"), nullptr, false},
    {Id::kDoctorGroupMayNot,
     WRK7_MESSAGE("Message", "%1 may not read and write %2: it belongs to user %3 and group %4 (%5), and its group "
                             "may not use it either."),
     nullptr, false},
    {Id::kDoctorJoinedAfterLogin,
     WRK7_MESSAGE("Message", "%1 may not read and write %2: it belongs to user %3 and group %4 (%5); %1 was added to "
                             "group %4 after this login started."),
     nullptr, false},
    {Id::kDoctorNotInGroup,
     WRK7_MESSAGE("Message", "%1 may not read and write %2: it belongs to user %3 and group %4 (%5), and %1 is not "
                             "in group %4."),
     nullptr, false},
    {Id::kDoctorHaveUdevGive,
     WRK7_MESSAGE("Message", "Have udev give such adapters to group %1, join that group, then log in again:"),
     nullptr, false},
    {Id::kDoctorThenReplugAndRelogin,
     WRK7_MESSAGE("Message", "Then unplug the adapter, plug it in again, and log out and in."),
     nullptr, false},
    {Id::kDoctorLogInAgain,
     WRK7_MESSAGE("Message", "Log out and log in again (or restart the computer): only a new login takes up the "
                             "group."),
     nullptr, false},
    {Id::kDoctorJoinGroup, WRK7_MESSAGE("Message", "Join group %1:"), nullptr, false},
    {Id::kDoctorThenLogInAgain,
     WRK7_MESSAGE("Message", "Then log out and log in again: a new login is needed before the group counts."),
     nullptr, false},
    {Id::kDoctorHeldBy, WRK7_MESSAGE("Message", "Another program holds %1: %2 (pid %3)."), nullptr, false},
    {Id::kDoctorCloseOrEnd, WRK7_MESSAGE("Message", "Close %1, or end it:"), nullptr, false},
    {Id::kDoctorStaleLock,
     WRK7_MESSAGE("Message", "The lock file %1 says pid %2 holds %3, but no such program runs: it was left behind."),
     nullptr, false},
    {Id::kDoctorRemoveStaleLock, WRK7_MESSAGE("Message", "Remove the stale lock:"), nullptr, false},
    {Id::kDoctorLockedBy,
     WRK7_MESSAGE("Message", "Another program holds %1 (lock file %2: %3, pid %4)."),
     nullptr, false},
    {Id::kDoctorLockedByPid,
     WRK7_MESSAGE("Message", "Another program holds %1 (lock file %2: pid %3)."),
     nullptr, false},
    {Id::kDoctorLocked, WRK7_MESSAGE("Message", "Another program holds %1 (lock file %2)."), nullptr, false},
    {Id::kDoctorCloseThatOrEnd, WRK7_MESSAGE("Message", "Close that program, or end it:"), nullptr, false},
    {Id::kDoctorCloseThePortUser, WRK7_MESSAGE("Message", "Close the program that uses the port."), nullptr, false},
    {Id::kDoctorBrltty,
     WRK7_MESSAGE("Message", "The braille display service brltty runs, and its udev rules (%1) take USB devices %2 "
                             "for a braille display: it takes this adapter from its serial driver as soon as it is "
                             "plugged in."),
     nullptr, false},
    {Id::kDoctorExemptWithRule,
     WRK7_MESSAGE("Message", "Keep brltty (screen-reader users need it) and exempt this adapter alone with this rule:"),
     nullptr, false},
    {Id::kDoctorWriteAfterBrltty,
     WRK7_MESSAGE("Message", "Write it to %1 (read after brltty's rules) and reload the rules:"),
     nullptr, false},
    {Id::kDoctorExemptWithCopy,
     WRK7_MESSAGE("Message", "Keep brltty (screen-reader users need it) and exempt this adapter alone: a copy of %1 "
                             "under %2 without the lines for %3 takes the place of the package's:"),
     nullptr, false},
    {Id::kDoctorThenReplug, WRK7_MESSAGE("Message", "Then unplug the adapter and plug it in again."), nullptr, false},
    {Id::kDoctorModemManager,
     WRK7_MESSAGE("Message", "ModemManager runs and may probe %1 for a modem when it appears: it sends AT commands "
                             "and holds the port meanwhile, so the first exchange can fail or the port be busy."),
     nullptr, false},
    {Id::kDoctorLeaveAlone,
     WRK7_MESSAGE("Message", "Tell ModemManager to leave this adapter (%1) alone with this rule:"),
     nullptr, false},
    {Id::kDoctorWriteRule, WRK7_MESSAGE("Message", "Write it to %1 and reload the rules:"), nullptr, false},
    {Id::kDoctorTakenOver,
     WRK7_MESSAGE("Message", "The %1 adapter %2 is on USB, but a program took it over (through usbfs), so it has no "
                             "serial port."),
     nullptr, false},
    {Id::kDoctorBrlttyFromBefore,
     WRK7_MESSAGE("Message", "brltty may hold it from before: unplug the adapter and plug it in again."),
     nullptr, false},
    {Id::kDoctorFindTheProgram,
     WRK7_MESSAGE("Message", "Find the program (%1), close it, then unplug the adapter and plug it in again."),
     nullptr, false},
    {Id::kDoctorNoPortAppeared,
     WRK7_MESSAGE("Message", "The %1 driver took the %2 adapter %3, but no serial port appeared."),
     nullptr, false},
    {Id::kDoctorReplugKernelSays,
     WRK7_MESSAGE("Message", "Unplug the adapter and plug it in again; the kernel says why in:"),
     nullptr, false},
    {Id::kDoctorNoDriverTook,
     WRK7_MESSAGE("Message", "The adapter %1 is on USB, but no driver took it, so it has no serial port."),
     nullptr, false},
    {Id::kDoctorKernelSays, WRK7_MESSAGE("Message", "See what the kernel says of it:"), nullptr, false},
    {Id::kDoctorNoDriverLoaded,
     WRK7_MESSAGE("Message", "No driver for the %1 chip is loaded (%2), so no serial port was made."),
     nullptr, false},
    {Id::kDoctorDriverRefused,
     WRK7_MESSAGE("Message", "The %1 driver is loaded but made no serial port for this %2 adapter: it refused the "
                             "chip."),
     nullptr, false},
    {Id::kDoctorPl2303Refused,
     WRK7_MESSAGE("Message", "The %1 driver is loaded but made no serial port for this %2 adapter: it refused the "
                             "chip. Many cheap PL2303 cables carry counterfeit or discontinued chips (PL2303HXA, "
                             "PL2303X) that the driver refuses."),
     nullptr, false},
    {Id::kDoctorDriverSays, WRK7_MESSAGE("Message", "See what the driver says:"), nullptr, false},
    {Id::kDoctorGenuineChip,
     WRK7_MESSAGE("Message", "Use an adapter with a genuine chip (FTDI, CP210x, CH340, or a current PL2303)."),
     nullptr, false},
    {Id::kDoctorTryAnother, WRK7_MESSAGE("Message", "Try another cable or adapter."), nullptr, false},
    {Id::kDoctorLoadDriver, WRK7_MESSAGE("Message", "Load the driver:"), nullptr, false},
    {Id::kDoctorExtraModules,
     WRK7_MESSAGE("Message", "If that fails, this kernel lacks it: install your distribution's extra kernel modules "
                             "(on Ubuntu: %1)."),
     nullptr, false},
    {Id::kDoctorThisUserMayNot, WRK7_MESSAGE("Message", "This user may not read and write %1."), nullptr, false},
    {Id::kDoctorAskAdministrator,
     WRK7_MESSAGE("Message", "Ask the computer's administrator for access to it."),
     nullptr, false},
    {Id::kDoctorChipRefused,
     WRK7_MESSAGE("Message", "Windows' driver refuses this adapter's chip (code %1; Device Manager calls it \"%2\"): it "
                             "is an old PL2303HXA or PL2303X, or a counterfeit of one, which Prolific's current "
                             "drivers no longer serve."),
     nullptr, false},
    {Id::kDoctorOlderProlificDriver,
     WRK7_MESSAGE("Message", "Or install Prolific's older driver %1, which users report still serves these chips, and "
                             "choose it for the port: Device Manager > the port > Properties > Driver > Update Driver > "
                             "Browse my computer > Let me pick."),
     nullptr, false},
    {Id::kDoctorKeepDriver,
     WRK7_MESSAGE("Message", "Windows Update may put the newer driver back: turn off automatic driver downloads (System "
                             "Properties > Hardware > Device Installation Settings > No)."),
     nullptr, false},
    {Id::kDoctorBadDriverVersion,
     WRK7_MESSAGE("Message", "The %1 driver %2 installed for this adapter is known to close the port right after it "
                             "opens, so no exchange gets through."),
     nullptr, false},
    {Id::kDoctorRollBackDriver,
     WRK7_MESSAGE("Message", "Roll the driver back: Device Manager > Ports (COM & LPT) > %1 > Properties > Driver > Roll "
                             "Back Driver."),
     nullptr, false},
    {Id::kDoctorEarlierDriver,
     WRK7_MESSAGE("Message", "If Roll Back Driver is greyed out, install an earlier version of the chip maker's driver "
                             "(users report that %1 works) and choose it for the port: Update Driver > Browse my "
                             "computer > Let me pick."),
     nullptr, false},
    {Id::kDoctorNoDriverInstalled,
     WRK7_MESSAGE("Message", "Windows has no driver installed for this %1 adapter %2 (code %3), so it has no port."),
     nullptr, false},
    {Id::kDoctorInstallMakersDriver,
     WRK7_MESSAGE("Message", "Install the driver of the chip's maker (%1), then unplug the adapter and plug it in "
                             "again."),
     nullptr, false},
    {Id::kDoctorInstallAdapterDriver,
     WRK7_MESSAGE("Message", "Install the driver the adapter's maker offers for it, then unplug the adapter and plug it "
                             "in again."),
     nullptr, false},
    {Id::kDoctorSearchDriver,
     WRK7_MESSAGE("Message", "Or let Windows look for one: Device Manager > the device > Update Driver > Search "
                             "automatically for drivers."),
     nullptr, false},
    {Id::kDoctorProblemCode,
     WRK7_MESSAGE("Message", "Windows reports problem code %1 for %2: the device is not working."),
     nullptr, false},
    {Id::kDoctorSeeDeviceStatus,
     WRK7_MESSAGE("Message", "Device Manager says why: the device > Properties > General > Device status. Unplugging "
                             "the adapter and plugging it in again, or Driver > Update Driver there, often helps."),
     nullptr, false},
    {Id::kDoctorOpenRefused,
     WRK7_MESSAGE("Message", "Another program holds %1: Windows refused to open it (access denied)."),
     nullptr, false},
    {Id::kDoctorLatency,
     WRK7_MESSAGE("Message", "The adapter's latency timer is %1 ms: the adapter holds the end of each reply until it "
                             "runs out, so each of a full read's about 1,330 replies waits up to %1 ms, up to about "
                             "%2 s in all."),
     nullptr, false},
    {Id::kDoctorSetLatency,
     WRK7_MESSAGE("Message", "Set it to 1 ms: Device Manager > Ports (COM & LPT) > %1 > Properties > Port Settings > "
                             "Advanced > Latency Timer (msec) = 1, then OK."),
     nullptr, false},
};
static_assert(InIdOrder(kTemplates, DiagnosticId::kCount),
              "every diagnostic id has its template, in the order of the ids");

constexpr MessageTable kTable{&RowText<kTemplates>};

}  // namespace

const MessageTable& MessageTableOf(DiagnosticId) { return kTable; }

}  // namespace wrk7::diagnostics
