#pragma once
#include <concepts>
#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

// Marks an English message template for lupdate (read as QT_TRANSLATE_NOOP),
// so the desktop program finds its Japanese under the context "Message".
#define WRK7_MESSAGE(context, text) text

namespace wrk7 {

// Every message the layers below the window say, by id. The English template
// of each is in message_templates.cpp; the command-line tool prints it filled
// in (English()), the desktop program translates the template first and then
// fills in the same arguments, so a file or channel name is never translated.
// A room above core with messages of its own (diagnostics) keeps them in a
// table of its own, with ids of its own type (see MessageKey).
enum class MessageId {
    kVerbatim,  // "%1": a text that is not ours (the system's reason)
    kLines,     // "%1\n%2": a message with more lines under it

    // Long-standing: wrk7 and the English window keep them word for word.
    kErrorTitle,
    kSuccessTitle,
    kFileOpenError,
    kDataError,
    kComPortError,
    kCommunicationError,
    kReadFailed,
    kWriteFailed,
    kRegionError,
    kSuccess,
    kBankTotalExceeds,
    kBankTotalSetBelow,
    kTotalMustBe1000,
    kNoneOfRecordsReadable,
    kFileTooLarge,
    kFileCannotBeRead,

    // Ours.
    kBankTotalWarning,
    kBankTable,
    kOpenedWithRepairs,
    kRepairSlotEmpty,
    kRepairSlotKept,
    kRepairBandKept,
    kRepairDefault,
    kCloneFile,
    kNotBackedUp,
    kBackupNotSaved,
    kWriteChecked,
    kWriteHeldOtherwise,
    kHeldOtherwiseAt,
    kCheckNotRead,
    kCheckCancelled,
    kReplacesEverything,
    kReplacesMemory,
    kReplacesSettings,
    kReplacesBank,
    kReplacesGroups,
    kNotRegularFile,
    kFileTooShort,
    kFirstLineIsNot,
    kLastLineIsNot,
    kFileFarTooLarge,
    kFileIsChannelList,
    kNoChannelRows,
    kRowsNotTaken,
    kFileIsEmpty,
    kNotCsv,
    kHeaderAlone,
    kHeaderUnknown,
    kRowsNotRead,
    kLineWhereWhy,
    kLineWhy,
    kChirpSummary,
    kCsvSummary,
    kModelIsNot,
    kBankIsNot,
    kNoSuchChannel,
    kRowCutShort,
    kFrequencyMissing,
    kStepNotAvailable,
    kNoSlotLeft,
    kLocationOutside,
    kLocationNotNumber,
    kReplacedByLine,
    kModeNotAvailable,
    kFrequencyOutside,
    kFrequencyRefused,
    kFrequencyTextOutside,
    kFrequencyNegative,
    kFrequencyDecimals,
    kFrequencyNotNumber,
    kToneMissing,
    kToneNegative,
    kToneDecimals,
    kToneNotNumber,
    kOffsetMissing,
    kOffsetNegative,
    kOffsetDecimals,
    kOffsetNotNumber,
    kBothOff,
    kOptionOff,
    kShiftOff,
    kToneNotListed,
    kSquelchNamed,
    kOffsetNotBelow100,
    kNameShortened,
    kNameStoredAs,
    kNoteShortened,
    kNoteControls,
    kSkipNotYesNo,
    kEnableNotYesNo,

    // The editing rules' refusals.
    kCellularTitle,
    kCellularFrequency,
    kCellularNotSettable,
    kSearchPassSameFrequency,
    kSentences,
    kFrequencyBetween,
    kOffsetBelow100,
    kNameHoldsAtMost,
    kNoteHoldsAtMost,
    kNoBand,
    kEmptyRowBand,
    kNoRowAfterLast,
    kPasteStopsAt,
    kRowsNotPasted,
    kRowsNotChanged,
    kRefusedRowNamed,
    kRefusedRow,
    kAndMore,
    kNoSuchMode,
    kNoSuchStep,
    kNoSuchOption,
    kNoSuchSecret,
    kNoSuchCarrier,
    kNoSuchTone,
    kNoSuchShift,
    kNoSuchSkip,
    kCellCannotBeRead,
    kRowHasNoFrequency,
    kNoRowSelected,
    kRowsAtTop,
    kRowsAtEnd,
    kOneAreaSort,
    kOneAreaPack,
    kOneAreaMove,
    kListTwo,
    kListMore,
    kMemoryChannel,
    kProgramScanEdge,
    kSearchPassEntry,
    kPriorityEntry,
    kMemoryChannels,
    kProgramScanEdges,
    kSearchPassEntries,
    kPriorityEntries,

    // Channel lists read.
    kListEmpty,
    kListNotText,
    kListUnknown,
    kListOwnImport,
    kListNoColumn,
    kListFieldCount,
    kListXmlBroken,
    kListXmlRoot,
    kListJsonBroken,
    kListJsonNoLists,

    // Channel lists mapped.
    kDigitalMode,
    kTrunkedMode,
    kModeUnknown,
    kCarrierOnly,
    kToneNotReceivers,
    kToneUnreadable,
    kFrequencyHzFault,
    kLeftOutDigital,
    kLeftOutTrunked,
    kLeftOutSideband,
    kLeftOutOtherModes,
    kLeftOutUnknownMode,
    kLeftOutFrequency,
    kLeftOutUnreadable,
    kLeftOutLocation,

    // Channel lists placed.
    kPlacedFromRow,
    kPlacedIntoBank,
    kPlacedIntoEmpty,
    kPlacedAtLocations,
    kPlanReplacesUsed,
    kPlanAlreadySkipped,
    kPlanAlreadyReplaced,
    kPlanLeftOut,
    kPlanLeftOutOfKind,
    kPlanDoNotFit,
    kPlanReplacedByLater,
    kPlanSummary,
    kDuplicateSkipped,
    kDuplicateReplaced,
    kNoRoomLeft,
    kBankGrown,
    kBankCannotGrow,

    // A Windows COM port named that the system does not list.
    kNoSuchComPort,
    kNoSuchComPortOfOne,
    kSystemHasNoComPort,

    // A three-way merge of the last read, the window and the receiver.
    kMergeConflict,

    kCount
};

// A template of a table: the English source of its translation (%1..%9 the
// arguments, %n the count, its plural form), the English for a count of one
// where the template has %n (else null), and whether the original program
// had it (wrk7 and the English window keep it word for word). Id names the
// template's id, so a table can be checked to be in the order of its ids.
template <typename Id>
struct MessageTemplateOf {
    Id id;
    const char* source;
    const char* one;
    bool longStanding;
};
using MessageTemplate = MessageTemplateOf<MessageId>;

// A template's texts, whichever table holds it.
struct MessageText {
    const char* source;
    const char* one;
    bool longStanding;
};

// A table of templates, indexed by the value of its ids (0, 1, ...).
struct MessageTable {
    MessageText (*text)(int index);
};

// The text of row index of rows: what a table's MessageTable points to.
template <auto& rows>
MessageText RowText(int index) {
    const auto& row = rows[static_cast<std::size_t>(index)];
    return {row.source, row.one, row.longStanding};
}

// Whether rows hold one template for each id below count, in id order.
template <typename Id, std::size_t N>
constexpr bool InIdOrder(const MessageTemplateOf<Id> (&rows)[N], Id count) {
    for (std::size_t i = 0; i < N; ++i)
        if (rows[i].id != static_cast<Id>(i)) return false;
    return N == static_cast<std::size_t>(count);
}

// Core's table; a room with its own ids declares MessageTableOf(ItsId) in
// its namespace, where MessageKey finds it.
const MessageTable& MessageTableOf(MessageId);

template <typename Id>
concept TabledMessageId = std::is_enum_v<Id> && requires(Id id) {
    { MessageTableOf(id) } -> std::same_as<const MessageTable&>;
};

// Which message: an id of core's or of another room's table.
class MessageKey {
public:
    template <TabledMessageId Id>
    MessageKey(Id id) : table_(&MessageTableOf(id)), index_(static_cast<int>(id)) {}

    MessageText Text() const { return table_->text(index_); }
    bool operator==(const MessageKey&) const = default;

private:
    const MessageTable* table_;
    int index_;
};

struct Message;

// An argument: literal text (a file name, a channel name, a number, the
// system's reason: never translated) or a message of ours.
// Its members are defined below Message: until Message is complete, no code
// may build or destroy the vector that holds it (clang insists).
struct MessageArg {
    MessageArg(std::string text);
    MessageArg(std::string_view text);
    MessageArg(const char* text);
    MessageArg(int number);
    MessageArg(Message message);
    MessageArg(const MessageArg&);
    MessageArg(MessageArg&&) noexcept;
    MessageArg& operator=(const MessageArg&);
    MessageArg& operator=(MessageArg&&) noexcept;
    ~MessageArg();

    bool IsMessage() const { return !nested.empty(); }
    const Message& Nested() const { return nested.front(); }
    bool operator==(const MessageArg&) const;

    std::string text;
    std::vector<Message> nested;  // one message, or none for literal text
};

struct Message {
    MessageKey id = MessageId::kVerbatim;
    std::vector<MessageArg> args;
    // The count for a template with %n (its plural); -1 where there is none.
    long long count = -1;

    // The template filled in, in English: what wrk7 prints.
    std::string English() const;
    bool operator==(const Message&) const = default;
};

inline MessageArg::MessageArg(std::string text) : text(std::move(text)) {}
inline MessageArg::MessageArg(std::string_view text) : text(text) {}
inline MessageArg::MessageArg(const char* text) : text(text) {}
inline MessageArg::MessageArg(int number) : text(std::to_string(number)) {}
inline MessageArg::MessageArg(Message message) : nested{std::move(message)} {}
inline MessageArg::MessageArg(const MessageArg&) = default;
inline MessageArg::MessageArg(MessageArg&&) noexcept = default;
inline MessageArg& MessageArg::operator=(const MessageArg&) = default;
inline MessageArg& MessageArg::operator=(MessageArg&&) noexcept = default;
inline MessageArg::~MessageArg() = default;
inline bool MessageArg::operator==(const MessageArg& other) const {
    return text == other.text && nested == other.nested;
}

template <typename... Args>
Message Say(MessageKey id, Args&&... args) {
    return {id, {MessageArg(std::forward<Args>(args))...}};
}
// A template with %n: count chooses the form (and fills %n).
template <typename... Args>
Message SayCount(MessageKey id, long long count, Args&&... args) {
    return {id, {MessageArg(std::forward<Args>(args))...}, count};
}
inline Message Verbatim(std::string text) { return Say(MessageId::kVerbatim, std::move(text)); }

// The entry of core's id (every id has one).
const MessageTemplate& TemplateOf(MessageId id);
// The English template for count (the singular form for 1).
std::string_view EnglishTemplate(MessageKey id, long long count);
// Fills in %1..%9 with args and %n with count in one pass, so an argument
// that holds "%2" stays as it is.
std::string FillTemplate(std::string_view text, const std::vector<std::string>& args, long long count);

std::vector<std::string> English(const std::vector<Message>& messages);

}  // namespace wrk7
