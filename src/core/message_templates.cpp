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
    {Id::kWriteChecked,
     WRK7_MESSAGE("Message", "Read back and compared: the receiver holds what was written (%n blocks)."),
     "Read back and compared: the receiver holds what was written (%n block).", false},
    {Id::kWriteHeldOtherwise,
     WRK7_MESSAGE("Message", "Write Failed: read back, the receiver holds otherwise in %n places:"),
     "Write Failed: read back, the receiver holds otherwise in %n place:", false},
    {Id::kHeldOtherwiseAt, WRK7_MESSAGE("Message", "%1, %2: written %3, held %4"), nullptr, false},
    {Id::kCheckNotRead,
     WRK7_MESSAGE("Message", "The write could not be checked: what it wrote could not be read back."), nullptr,
     false},
    {Id::kCheckCancelled, WRK7_MESSAGE("Message", "The write was not checked: reading it back was cancelled."),
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
    {Id::kHeaderUnknown, WRK7_MESSAGE("Message", "Its header is none of the lists this program reads: %1."), nullptr,
     false},
    {Id::kRowsNotRead, WRK7_MESSAGE("Message", "None of its %n rows could be read."),
     "Its one row could not be read.", false},
    {Id::kLineWhereWhy, WRK7_MESSAGE("Message", "Line %1 (%2): %3."), nullptr, false},
    {Id::kLineWhy, WRK7_MESSAGE("Message", "Line %1: %2."), nullptr, false},
    {Id::kChirpSummary, WRK7_MESSAGE("Message", "%n channels imported, %1 skipped"), "%n channel imported, %1 skipped",
     false},
    {Id::kCsvSummary, WRK7_MESSAGE("Message", "%n rows imported, %1 passed over"), "%n row imported, %1 passed over",
     false},
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
    {Id::kLeftOutLocation, WRK7_MESSAGE("Message", "no channel at the Location"), nullptr, false},

    // Channel lists placed.
    {Id::kPlacedFromRow, WRK7_MESSAGE("Message", "%n channels from row %1"), "1 channel from row %1", false},
    {Id::kPlacedIntoBank, WRK7_MESSAGE("Message", "%n channels into bank %1"), "1 channel into bank %1", false},
    {Id::kPlacedIntoEmpty, WRK7_MESSAGE("Message", "%n channels into empty slots from row %1"), "1 channel into an empty slot from row %1", false},
    {Id::kPlacedAtLocations, WRK7_MESSAGE("Message", "%n channels at their own Locations"), "1 channel at its own Location", false},
    {Id::kPlanReplacesUsed, WRK7_MESSAGE("Message", "%n replace used channels"), "1 replaces a used channel", false},
    {Id::kPlanAlreadySkipped, WRK7_MESSAGE("Message", "%n are already there and are skipped"), "1 is already there and is skipped", false},
    {Id::kPlanAlreadyReplaced, WRK7_MESSAGE("Message", "%n are already there and are replaced"), "1 is already there and is replaced", false},
    {Id::kPlanLeftOut, WRK7_MESSAGE("Message", "%n are left out: %1"), "1 is left out: %1", false},
    {Id::kPlanLeftOutOfKind, WRK7_MESSAGE("Message", "%1 %2"), nullptr, false},
    {Id::kPlanDoNotFit, WRK7_MESSAGE("Message", "%n do not fit"), "1 does not fit", false},
    {Id::kPlanReplacedByLater, WRK7_MESSAGE("Message", "%n are replaced by a later row"), "1 is replaced by a later row", false},
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

    {Id::kMergeConflict, WRK7_MESSAGE("Message", "%1 %2: mine %3, the receiver's %4"), nullptr, false},
};

static_assert(InIdOrder(kTemplates, MessageId::kCount), "every message id has its template, in the order of the ids");

constexpr MessageTable kTable{&RowText<kTemplates>};

}  // namespace

const MessageTable& MessageTableOf(MessageId) { return kTable; }

const MessageTemplate& TemplateOf(MessageId id) { return kTemplates[static_cast<std::size_t>(id)]; }

std::string_view EnglishTemplate(MessageKey id, long long count) {
    const MessageText t = id.Text();
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
