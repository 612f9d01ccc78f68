#include <array>
#include <cstddef>

#include "core/message.h"

namespace wrk7 {

namespace {

using Id = MessageId;

// In the order of MessageId.
constexpr MessageTemplate kTemplates[] = {
    {Id::kVerbatim, "%1", nullptr, true},
    {Id::kLines, "%1\n%2", nullptr, true},

    {Id::kErrorTitle, WRK7_MESSAGE("Message", "ERROR"), nullptr, true},
    {Id::kSuccessTitle, WRK7_MESSAGE("Message", "Success"), nullptr, true},
    {Id::kFileOpenError, WRK7_MESSAGE("Message", "File Open Error"), nullptr, true},
    {Id::kDataError, WRK7_MESSAGE("Message", "Data Error"), nullptr, true},
    {Id::kComPortError, WRK7_MESSAGE("Message", "COM Port Error"), nullptr, true},
    {Id::kCommunicationError, WRK7_MESSAGE("Message", "Communication Error"), nullptr, true},
    {Id::kReadFailed, WRK7_MESSAGE("Message", "Read Failed..."), nullptr, true},
    {Id::kWriteFailed, WRK7_MESSAGE("Message", "Write Failed..."), nullptr, true},
    {Id::kRegionError, WRK7_MESSAGE("Message", "Region Error"), nullptr, true},
    {Id::kSuccess, WRK7_MESSAGE("Message", "Successed!!"), nullptr, true},
    {Id::kBankTotalExceeds, WRK7_MESSAGE("Message", "The total of the number of channels exceeds 1000."), nullptr,
     true},
    {Id::kBankTotalSetBelow, WRK7_MESSAGE("Message", "Please set for the total of the channel to become 1000 or less."),
     nullptr, true},
    {Id::kTotalMustBe1000, WRK7_MESSAGE("Message", "Total CH must be 1000"), nullptr, true},
    {Id::kNoneOfRecordsReadable, WRK7_MESSAGE("Message", "none of its VFO and channel records can be read"), nullptr,
     true},
    {Id::kFileTooLarge, WRK7_MESSAGE("Message", "the file is larger than %1 bytes"), nullptr, true},
    {Id::kFileCannotBeRead, WRK7_MESSAGE("Message", "the file cannot be read"), nullptr, true},

    {Id::kBankTotalWarning, WRK7_MESSAGE("Message", "The bank table adds up to %1; the receiver takes only %2."),
     nullptr, false},
    {Id::kBankTable, WRK7_MESSAGE("Message", "Bank Table"), nullptr, false},
    {Id::kOpenedWithRepairs, WRK7_MESSAGE("Message", "This file was opened with repairs (save it to keep them):"),
     nullptr, false},
    {Id::kRepairSlotEmpty, WRK7_MESSAGE("Message", "%1; slot %2 is left empty"), nullptr, false},
    {Id::kRepairSlotKept, WRK7_MESSAGE("Message", "%1; slot %2 kept what could be read"), nullptr, false},
    {Id::kRepairBandKept, WRK7_MESSAGE("Message", "%1; the band keeps what could be read, its defaults elsewhere"),
     nullptr, false},
    {Id::kRepairDefault, WRK7_MESSAGE("Message", "%1; what could not be read takes its default"), nullptr, false},
    {Id::kCloneFile, WRK7_MESSAGE("Message", "Clone File"), nullptr, false},
    {Id::kNotBackedUp, WRK7_MESSAGE("Message", "The receiver could not be backed up; nothing was written."), nullptr,
     false},
    {Id::kBackupNotSaved, WRK7_MESSAGE("Message", "The backup could not be saved (%1); nothing was written."),
     nullptr, false},
    {Id::kReplacesEverything,
     WRK7_MESSAGE("Message", "the settings, the VFO bands, the memory channels (with the program-scan edges, "
                             "search-pass and priority entries), the bank table and the scan groups"),
     nullptr, false},
    {Id::kReplacesMemory,
     WRK7_MESSAGE("Message", "the memory channels (with the program-scan edges, search-pass and priority entries), "
                             "the bank table and the scan groups"),
     nullptr, false},
    {Id::kReplacesSettings, WRK7_MESSAGE("Message", "the settings and the VFO bands"), nullptr, false},
    {Id::kReplacesBank, WRK7_MESSAGE("Message", "the bank table"), nullptr, false},
    {Id::kReplacesGroups, WRK7_MESSAGE("Message", "the scan groups"), nullptr, false},
    {Id::kNotRegularFile, WRK7_MESSAGE("Message", "not a regular file"), nullptr, false},
    {Id::kFileTooShort, WRK7_MESSAGE("Message", "it has %n lines; a clone file has %1"),
     "it has %n line; a clone file has %1", false},
    {Id::kFirstLineIsNot, WRK7_MESSAGE("Message", "its first line is not \"%1\""), nullptr, false},
    {Id::kLastLineIsNot, WRK7_MESSAGE("Message", "its last line is not \"%1\""), nullptr, false},
    {Id::kFileFarTooLarge, WRK7_MESSAGE("Message", "the file is %1; a clone file is never larger than %2"), nullptr,
     false},
    {Id::kFileIsChannelList,
     WRK7_MESSAGE("Message", "it is a channel list (%1), not a clone file: import it with File > Import"), nullptr,
     false},
    {Id::kNoChannelRows, WRK7_MESSAGE("Message", "No channel rows were found in %1."), nullptr, false},
    {Id::kRowsNotTaken, WRK7_MESSAGE("Message", "None of its %n rows could be taken."),
     "Its one row could not be taken.", false},
    {Id::kFileIsEmpty, WRK7_MESSAGE("Message", "The file is empty."), nullptr, false},
    {Id::kNotCsv, WRK7_MESSAGE("Message", "It is not a CSV file."), nullptr, false},
    {Id::kHeaderAlone, WRK7_MESSAGE("Message", "It holds a header line alone."), nullptr, false},
    {Id::kHeaderUnknown, WRK7_MESSAGE("Message", "Its header is neither this program's nor CHIRP's."), nullptr,
     false},
    {Id::kRowsNotRead, WRK7_MESSAGE("Message", "None of its %n rows could be read."),
     "Its one row could not be read.", false},
    {Id::kLineWhereWhy, WRK7_MESSAGE("Message", "Line %1 (%2): %3."), nullptr, false},
    {Id::kLineWhy, WRK7_MESSAGE("Message", "Line %1: %2."), nullptr, false},
    {Id::kChirpSummary, WRK7_MESSAGE("Message", "%1 channels imported, %2 skipped"), nullptr, false},
    {Id::kCsvSummary, WRK7_MESSAGE("Message", "%1 rows imported, %2 passed over"), nullptr, false},
    {Id::kModelIsNot, WRK7_MESSAGE("Message", "model \"%1\" is not %2"), nullptr, false},
    {Id::kBankIsNot, WRK7_MESSAGE("Message", "bank \"%1\" is not %2, %3, %4, %5 or %6"), nullptr, false},
    {Id::kNoSuchChannel, WRK7_MESSAGE("Message", "%1 has no channel \"%2\""), nullptr, false},
    {Id::kRowCutShort, WRK7_MESSAGE("Message", "the row ends after %1 of %2 fields"), nullptr, false},
    {Id::kFrequencyMissing, WRK7_MESSAGE("Message", "frequency is missing"), nullptr, false},
    {Id::kStepNotAvailable, WRK7_MESSAGE("Message", "step \"%1\" is not available"), nullptr, false},
    {Id::kNoSlotLeft, WRK7_MESSAGE("Message", "no memory slot left after %1"), nullptr, false},
    {Id::kLocationOutside, WRK7_MESSAGE("Message", "Location %1 is outside 0-%2"), nullptr, false},
    {Id::kLocationNotNumber, WRK7_MESSAGE("Message", "Location \"%1\" is not a number"), nullptr, false},
    {Id::kReplacedByLine, WRK7_MESSAGE("Message", "replaced by line %1"), nullptr, false},
    {Id::kModeNotAvailable, WRK7_MESSAGE("Message", "mode \"%1\" is not available"), nullptr, false},
    {Id::kFrequencyOutside, WRK7_MESSAGE("Message", "frequency %1 MHz is outside %2 MHz"), nullptr, false},
    {Id::kFrequencyRefused, WRK7_MESSAGE("Message", "frequency %1 MHz: %2"), nullptr, false},
    {Id::kFrequencyTextOutside, WRK7_MESSAGE("Message", "frequency \"%1\" is outside %2 MHz"), nullptr, false},
    {Id::kFrequencyNegative, WRK7_MESSAGE("Message", "frequency \"%1\" is negative"), nullptr, false},
    {Id::kFrequencyDecimals, WRK7_MESSAGE("Message", "frequency \"%1\" has more than %2 decimals"), nullptr, false},
    {Id::kFrequencyNotNumber, WRK7_MESSAGE("Message", "frequency \"%1\" is not a number"), nullptr, false},
    {Id::kToneMissing, WRK7_MESSAGE("Message", "tone is missing"), nullptr, false},
    {Id::kToneNegative, WRK7_MESSAGE("Message", "tone \"%1\" is negative"), nullptr, false},
    {Id::kToneDecimals, WRK7_MESSAGE("Message", "tone \"%1\" has more than %2 decimals"), nullptr, false},
    {Id::kToneNotNumber, WRK7_MESSAGE("Message", "tone \"%1\" is not a number"), nullptr, false},
    {Id::kOffsetMissing, WRK7_MESSAGE("Message", "offset is missing"), nullptr, false},
    {Id::kOffsetNegative, WRK7_MESSAGE("Message", "offset \"%1\" is negative"), nullptr, false},
    {Id::kOffsetDecimals, WRK7_MESSAGE("Message", "offset \"%1\" has more than %2 decimals"), nullptr, false},
    {Id::kOffsetNotNumber, WRK7_MESSAGE("Message", "offset \"%1\" is not a number"), nullptr, false},
    {Id::kBothOff, WRK7_MESSAGE("Message", "%1; %2"), nullptr, false},
    {Id::kOptionOff, WRK7_MESSAGE("Message", "%1: imported with option OFF"), nullptr, false},
    {Id::kShiftOff, WRK7_MESSAGE("Message", "%1: imported with shift OFF"), nullptr, false},
    {Id::kToneNotListed, WRK7_MESSAGE("Message", "tone \"%1\" is not in the tone list"), nullptr, false},
    {Id::kSquelchNamed, WRK7_MESSAGE("Message", "\"%1\" squelch"), nullptr, false},
    {Id::kOffsetNotBelow100, WRK7_MESSAGE("Message", "offset \"%1\" is not below 100 MHz"), nullptr, false},
    {Id::kNameShortened, WRK7_MESSAGE("Message", "name \"%1\" shortened to \"%2\""), nullptr, false},
    {Id::kNameStoredAs, WRK7_MESSAGE("Message", "name \"%1\" stored as \"%2\""), nullptr, false},
    {Id::kNoteShortened, WRK7_MESSAGE("Message", "note \"%1\" shortened to \"%2\""), nullptr, false},
    {Id::kNoteControls, WRK7_MESSAGE("Message", "note \"%1\" held control characters: stored as \"%2\""), nullptr, false},
    {Id::kSkipNotYesNo, WRK7_MESSAGE("Message", "SKIP \"%1\" is neither #TRUE# nor #FALSE#: imported without skip"), nullptr, false},
    {Id::kEnableNotYesNo, WRK7_MESSAGE("Message", "ENABLE \"%1\" is neither #TRUE# nor #FALSE#: the slot keeps what it holds"), nullptr, false},

    {Id::kCellularTitle, WRK7_MESSAGE("Message", "Frequency of the cellular phone"), nullptr, false},
    {Id::kCellularFrequency, WRK7_MESSAGE("Message", "It is a frequency of the cellular phone."), nullptr, false},
    {Id::kCellularNotSettable, WRK7_MESSAGE("Message", "It is not possible to set it."), nullptr, false},
    {Id::kSearchPassSameFrequency, WRK7_MESSAGE("Message", "The same frequency as other channels cannot be set in Search Pass bank."), nullptr, false},
    {Id::kSentences, WRK7_MESSAGE("Message", "%1 %2"), nullptr, false},
    {Id::kFrequencyBetween, WRK7_MESSAGE("Message", "The frequency must lie between %1 and %2 MHz."), nullptr, false},
    {Id::kOffsetBelow100, WRK7_MESSAGE("Message", "The offset frequency must be below 100 MHz."), nullptr, false},
    {Id::kNameHoldsAtMost, WRK7_MESSAGE("Message", "A name holds at most %1 printable ASCII characters."), nullptr, false},
    {Id::kNoteHoldsAtMost, WRK7_MESSAGE("Message", "A note holds at most %1 characters."), nullptr, false},
    {Id::kNoBand, WRK7_MESSAGE("Message", "The %1 has no band %2."), nullptr, false},
    {Id::kEmptyRowBand, WRK7_MESSAGE("Message", "An empty row cannot replace a band."), nullptr, false},
    {Id::kNoRowAfterLast, WRK7_MESSAGE("Message", "There is no row after the last one."), nullptr, false},
    {Id::kPasteStopsAt, WRK7_MESSAGE("Message", "The paste stops at the last %1."), nullptr, false},
    {Id::kRowsNotPasted, WRK7_MESSAGE("Message", "%1 of %n rows were not pasted:"), "%1 of %n row was not pasted:", false},
    {Id::kRowsNotChanged, WRK7_MESSAGE("Message", "%1 of %n rows were not changed:"), "%1 of %n row was not changed:", false},
    {Id::kRefusedRowNamed, WRK7_MESSAGE("Message", "Row %1 (%2): %3"), nullptr, false},
    {Id::kRefusedRow, WRK7_MESSAGE("Message", "Row %1: %2"), nullptr, false},
    {Id::kAndMore, WRK7_MESSAGE("Message", "... and %1 more."), nullptr, false},
    {Id::kNoSuchMode, WRK7_MESSAGE("Message", "The %1 offers no such mode."), nullptr, false},
    {Id::kNoSuchStep, WRK7_MESSAGE("Message", "The %1 offers no such tuning step."), nullptr, false},
    {Id::kNoSuchOption, WRK7_MESSAGE("Message", "The %1 offers no such option."), nullptr, false},
    {Id::kNoSuchSecret, WRK7_MESSAGE("Message", "The %1 offers no such secret code."), nullptr, false},
    {Id::kNoSuchCarrier, WRK7_MESSAGE("Message", "The %1 offers no such carrier."), nullptr, false},
    {Id::kNoSuchTone, WRK7_MESSAGE("Message", "The %1 offers no such tone."), nullptr, false},
    {Id::kNoSuchShift, WRK7_MESSAGE("Message", "The %1 offers no such shift."), nullptr, false},
    {Id::kNoSuchSkip, WRK7_MESSAGE("Message", "The %1 offers no such skip mark."), nullptr, false},
    {Id::kCellCannotBeRead, WRK7_MESSAGE("Message", "The %1 \"%2\" cannot be read."), nullptr, false},
    {Id::kRowHasNoFrequency, WRK7_MESSAGE("Message", "The row has no frequency."), nullptr, false},
    {Id::kNoRowSelected, WRK7_MESSAGE("Message", "No row is selected."), nullptr, false},
    {Id::kRowsAtTop, WRK7_MESSAGE("Message", "The rows are at the top of the %1 already."), nullptr, false},
    {Id::kRowsAtEnd, WRK7_MESSAGE("Message", "The rows are at the end of the %1 already."), nullptr, false},
    {Id::kOneAreaSort, WRK7_MESSAGE("Message", "The selected rows are %1: sort the rows of one area at a time."), nullptr, false},
    {Id::kOneAreaPack, WRK7_MESSAGE("Message", "The selected rows are %1: pack the rows of one area at a time."), nullptr, false},
    {Id::kOneAreaMove, WRK7_MESSAGE("Message", "The selected rows are %1: move the rows of one area at a time."), nullptr, false},
    {Id::kListTwo, WRK7_MESSAGE("Message", "%1 and %2"), nullptr, false},
    {Id::kListMore, WRK7_MESSAGE("Message", "%1, %2"), nullptr, false},
    {Id::kMemoryChannel, WRK7_MESSAGE("Message", "memory channel"), nullptr, false},
    {Id::kProgramScanEdge, WRK7_MESSAGE("Message", "program-scan edge"), nullptr, false},
    {Id::kSearchPassEntry, WRK7_MESSAGE("Message", "Search Pass entry"), nullptr, false},
    {Id::kPriorityEntry, WRK7_MESSAGE("Message", "priority entry"), nullptr, false},
    {Id::kMemoryChannels, WRK7_MESSAGE("Message", "memory channels"), nullptr, false},
    {Id::kProgramScanEdges, WRK7_MESSAGE("Message", "program-scan edges"), nullptr, false},
    {Id::kSearchPassEntries, WRK7_MESSAGE("Message", "Search Pass entries"), nullptr, false},
    {Id::kPriorityEntries, WRK7_MESSAGE("Message", "priority entries"), nullptr, false},

    // Channel lists read.
    {Id::kListEmpty, WRK7_MESSAGE("Message", "the file is empty"), nullptr, false},
    {Id::kListNotText, WRK7_MESSAGE("Message", "the file is not text"), nullptr, false},
    {Id::kListUnknown, WRK7_MESSAGE("Message", "the file is none of the lists this program reads"), nullptr, false},
    {Id::kListOwnImport, WRK7_MESSAGE("Message", "a %1 is imported by its own reader"), nullptr, false},
    {Id::kListNoColumn, WRK7_MESSAGE("Message", "no frequency column: the heading names no \"%1\""), nullptr, false},
    {Id::kListFieldCount, WRK7_MESSAGE("Message", "the row has %n fields where the heading names %1"),
     "the row has %n field where the heading names %1", false},
    {Id::kListXmlBroken, WRK7_MESSAGE("Message", "the XML is not well formed at line %1: %2"), nullptr, false},
    {Id::kListXmlRoot, WRK7_MESSAGE("Message", "the XML root is <%1>, not <%2>"), nullptr, false},
    {Id::kListJsonBroken, WRK7_MESSAGE("Message", "the JSON is not well formed at line %1: %2"), nullptr, false},
    {Id::kListJsonNoLists, WRK7_MESSAGE("Message", "the JSON is no object holding \"%1\" or \"%2\""), nullptr, false},

    // Channel lists mapped.
    {Id::kDigitalMode, WRK7_MESSAGE("Message", "mode \"%1\" is digital: the receiver hears FM, AM and WFM only"), nullptr, false},
    {Id::kTrunkedMode, WRK7_MESSAGE("Message", "mode \"%1\" is a trunked system's: the receiver hears FM, AM and WFM only"), nullptr, false},
    {Id::kModeUnknown, WRK7_MESSAGE("Message", "mode \"%1\" is unknown: the receiver hears FM, AM and WFM only"), nullptr, false},
    {Id::kCarrierOnly, WRK7_MESSAGE("Message", "squelch \"%1\" is not a CTCSS tone: imported with carrier squelch only"), nullptr, false},
    {Id::kToneNotReceivers, WRK7_MESSAGE("Message", "tone \"%1\" is not one of the receiver's tones: imported without a tone"), nullptr, false},
    {Id::kToneUnreadable, WRK7_MESSAGE("Message", "tone \"%1\" is not a tone: imported without a tone"), nullptr, false},
    {Id::kFrequencyHzFault, WRK7_MESSAGE("Message", "frequency \"%1\" is not a whole number of hertz"), nullptr, false},
    {Id::kLeftOutDigital, WRK7_MESSAGE("Message", "digital"), nullptr, false},
    {Id::kLeftOutTrunked, WRK7_MESSAGE("Message", "trunked"), nullptr, false},
    {Id::kLeftOutSideband, WRK7_MESSAGE("Message", "sideband"), nullptr, false},
    {Id::kLeftOutOtherModes, WRK7_MESSAGE("Message", "other modes"), nullptr, false},
    {Id::kLeftOutUnknownMode, WRK7_MESSAGE("Message", "unknown mode"), nullptr, false},
    {Id::kLeftOutFrequency, WRK7_MESSAGE("Message", "out of range"), nullptr, false},
    {Id::kLeftOutUnreadable, WRK7_MESSAGE("Message", "unreadable"), nullptr, false},

    // Channel lists placed.
    {Id::kPlacedFromRow, WRK7_MESSAGE("Message", "%n channels from row %1"), "1 channel from row %1", false},
    {Id::kPlacedIntoBank, WRK7_MESSAGE("Message", "%n channels into bank %1"), "1 channel into bank %1", false},
    {Id::kPlacedIntoEmpty, WRK7_MESSAGE("Message", "%n channels into empty slots from row %1"), "1 channel into an empty slot from row %1", false},
    {Id::kPlanReplacesUsed, WRK7_MESSAGE("Message", "%n replace used channels"), "1 replaces a used channel", false},
    {Id::kPlanAlreadySkipped, WRK7_MESSAGE("Message", "%n are already there and are skipped"), "1 is already there and is skipped", false},
    {Id::kPlanAlreadyReplaced, WRK7_MESSAGE("Message", "%n are already there and are replaced"), "1 is already there and is replaced", false},
    {Id::kPlanLeftOut, WRK7_MESSAGE("Message", "%n are left out: %1"), "1 is left out: %1", false},
    {Id::kPlanLeftOutOfKind, WRK7_MESSAGE("Message", "%1 %2"), nullptr, false},
    {Id::kPlanDoNotFit, WRK7_MESSAGE("Message", "%n do not fit"), "1 does not fit", false},
    {Id::kPlanSummary, WRK7_MESSAGE("Message", "%1: %2"), nullptr, false},
    {Id::kDuplicateSkipped, WRK7_MESSAGE("Message", "already in row %1: skipped"), nullptr, false},
    {Id::kDuplicateReplaced, WRK7_MESSAGE("Message", "already in row %1: replaced there"), nullptr, false},
    {Id::kNoRoomLeft, WRK7_MESSAGE("Message", "no room left"), nullptr, false},
    {Id::kBankGrown, WRK7_MESSAGE("Message", "bank %1 grows to %2 channels"), nullptr, false},
    {Id::kBankCannotGrow, WRK7_MESSAGE("Message", "the banks after bank %1 hold no room for it to grow"), nullptr, false},

    {Id::kNoSuchComPort, WRK7_MESSAGE("Message", "%1 is not a port of this system; its COM ports: %2"), nullptr,
     false},
    {Id::kNoSuchComPortOfOne, WRK7_MESSAGE("Message", "%1 is not a port of this system; its COM port: %2"), nullptr,
     false},
    {Id::kSystemHasNoComPort, WRK7_MESSAGE("Message", "%1 is not a port of this system; it has no COM port"), nullptr,
     false},

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
};

constexpr bool InIdOrder() {
    for (std::size_t i = 0; i < std::size(kTemplates); ++i)
        if (kTemplates[i].id != static_cast<MessageId>(i)) return false;
    return std::size(kTemplates) == static_cast<std::size_t>(MessageId::kCount);
}
static_assert(InIdOrder(), "every message id has its template, in the order of the ids");

}  // namespace

const MessageTemplate& TemplateOf(MessageId id) { return kTemplates[static_cast<std::size_t>(id)]; }

std::string_view EnglishTemplate(MessageId id, long long count) {
    const MessageTemplate& t = TemplateOf(id);
    return count == 1 && t.one ? t.one : t.source;
}

std::string FillTemplate(std::string_view text, const std::vector<std::string>& args, long long count) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (c == '%' && next >= '1' && next <= '9' && static_cast<std::size_t>(next - '1') < args.size()) {
            out += args[static_cast<std::size_t>(next - '1')];
            ++i;
        } else if (c == '%' && next == 'n' && count >= 0) {
            out += std::to_string(count);
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

std::string Message::English() const {
    std::vector<std::string> filled;
    filled.reserve(args.size());
    for (const MessageArg& a : args) filled.push_back(a.IsMessage() ? a.Nested().English() : a.text);
    return FillTemplate(EnglishTemplate(id, count), filled, count);
}

std::vector<std::string> English(const std::vector<Message>& messages) {
    std::vector<std::string> out;
    out.reserve(messages.size());
    for (const Message& m : messages) out.push_back(m.English());
    return out;
}

}  // namespace wrk7
