#pragma once
#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/image.h"
#include "core/memory_map.h"
#include "core/message.h"
#include "link/serial_port.h"

namespace wrk7::link {

// Result codes of the radio operations.
// An operation's result, which the command-line tool also gives as its exit
// status.
enum ResultCode : int {
    kResultOk = 0,
    kResultFailed = 1,
    kResultRefused = 4,  // the receiver refused the identification
};

// Status codes of one write exchange.
inline constexpr int kWriteAccepted = 0;
inline constexpr int kWriteBadReply = 1;
inline constexpr int kWriteNoReply = 2;
inline constexpr int kWritePortFault = 3;
inline constexpr int kWriteRefused = 4;

// What one read exchange brought.
struct ReadReply {
    enum class Kind {
        kData,       // a well-formed frame
        kTimeout,    // fewer characters than a frame by the deadline
        kBadReply,   // a frame's length, but broken framing or digits
        kPortFault,  // the port failed while opening, sending or receiving
    };
    Kind kind = Kind::kTimeout;
    std::string frame;  // kData: the 68 characters, CR LF + 64 digits + CR LF

    // The 64 digits of a kData frame; empty for the other kinds.
    std::string_view Data() const {
        return kind == Kind::kData ? std::string_view(frame).substr(2, kBlockDigits) : std::string_view();
    }
    bool operator==(const ReadReply&) const = default;
};

// Messages, in the order an operation shows them.
inline constexpr MessageId kMsgComPortError = MessageId::kComPortError;
inline constexpr MessageId kMsgCommunicationError = MessageId::kCommunicationError;
inline constexpr MessageId kMsgReadFailed = MessageId::kReadFailed;
inline constexpr MessageId kMsgWriteFailed = MessageId::kWriteFailed;
inline constexpr MessageId kMsgRegionError = MessageId::kRegionError;
inline constexpr MessageId kMsgSuccess = MessageId::kSuccess;
// Title of the success box; every other message goes in an error box
// (kErrorTitle), "Total CH must be 1000" (kTotalMustBe1000Message) among them.
inline constexpr MessageId kSuccessTitle = MessageId::kSuccessTitle;

// What an operation did: its result code and the message texts it shows, in
// order. The desktop program shows each as a box ("Successed!!" as the
// success box, all others as error boxes); the tool prints them.
struct LinkResult {
    int code = kResultFailed;
    std::vector<Message> messages;
    bool cancelled = false;  // stopped by the cancel flag between two exchanges
    // Data blocks and channel records of a write the receiver accepted: a
    // write that fails after any of them has left the receiver partly
    // written, one that fails before none has changed nothing.
    int blocksWritten = 0;
    bool ok() const { return code == kResultOk; }
};

// Progress of an operation: done of total (channel slots for the memory
// parts, blocks for the others). Called on the operation's thread.
using ProgressFn = std::function<void(int done, int total)>;

class SerialTrace;

struct LinkOptions {
    ProgressFn progress;                          // may be empty
    const std::atomic<bool>* cancel = nullptr;    // checked before each exchange
    std::chrono::milliseconds replyDeadline{500};  // per exchange
    int maxTries = 10;                             // per command
    // Memory reads fetch the channel blocks of enabled slots only (after the
    // flags, in the same ascending order). The image comes out the same as a
    // full read's: the blocks skipped are of slots the read wipes anyway.
    bool quickRead = false;
    // Where the operation notes its retries and failed commands; the line
    // itself is recorded by the port (MakeTracingPort). May be null.
    SerialTrace* trace = nullptr;
};

// The operations of the buttons and menu commands: each runs the whole
// sequence on the calling thread (blocking; run it on a worker thread in the
// desktop program), opens the port if needed and leaves it open (the caller
// closes it when its transfer ends). A port that fails before the receiver's
// first answer is closed and opened again once before the operation gives up. The image's
// image.model names the model to identify; the caller sets it from the model
// choice first. The image is changed as each block arrives; a failed read
// leaves it partly updated. Cancelling ends the operation as a failure of the
// command it would have sent next (no block message; the operation's own
// outcome message follows).
using Part = TransferPart;

LinkResult ReadAll(CloneImage& image, SerialPort& port, const LinkOptions& options = {});
LinkResult ReadMemorySequence(CloneImage& image, SerialPort& port, const LinkOptions& options = {});    // "Read"
LinkResult ReadSettingsSequence(CloneImage& image, SerialPort& port, const LinkOptions& options = {});  // "Read Settings"
LinkResult ReadBankSequence(CloneImage& image, SerialPort& port, const LinkOptions& options = {});      // "Read Bank"
LinkResult ReadGroupSequence(CloneImage& image, SerialPort& port, const LinkOptions& options = {});     // "Read Group"

LinkResult WriteAll(const CloneImage& image, SerialPort& port, const LinkOptions& options = {});
LinkResult WriteMemorySequence(const CloneImage& image, SerialPort& port, const LinkOptions& options = {});    // "Write"
LinkResult WriteSettingsSequence(const CloneImage& image, SerialPort& port, const LinkOptions& options = {});  // "Write Settings"
LinkResult WriteBankSequence(const CloneImage& image, SerialPort& port, const LinkOptions& options = {});      // "Write Bank"
LinkResult WriteGroupSequence(const CloneImage& image, SerialPort& port, const LinkOptions& options = {});     // "Write Group"

// The sequence of a part: kAll is Read all / Write all, the others the buttons.
// Every write goes through RunWrite, which refuses a bank table that does not
// add up to 1000 ("Total CH must be 1000", "Write Failed...") before anything
// is sent, for every part but the scan groups.
LinkResult RunRead(Part part, CloneImage& image, SerialPort& port, const LinkOptions& options = {});
LinkResult RunWrite(Part part, const CloneImage& image, SerialPort& port, const LinkOptions& options = {});

// The building blocks, for callers that compose their own sequence and for
// tests. Messages accumulate in Messages() in the order shown.
class LinkSession {
public:
    LinkSession(CloneImage& image, SerialPort& port, LinkOptions options = {});
    // Writes only: the reads need an image to fill.
    LinkSession(const CloneImage& image, SerialPort& port, LinkOptions options = {});

    // One exchange (no retry): what a read brought, and the status code 0..4
    // of a write.
    ReadReply SendReadCommand(std::string_view command);
    int SendWriteCommand(std::string_view command);

    int SendIdentification();  // 0, 1 or 4
    int SendImCommand();                 // 0 or 1
    int SendFinish();             // 0 or 1

    bool ReadFlags();
    int ReadBank();
    int ReadGroups();
    int ReadMemory();
    // The bank table, the groups and the channel records, after the flags.
    int ReadRecords();
    int ReadSettings();

    // A bank table written inside a memory write is followed by "KV~IM".
    enum class BankWrite { kAlone, kBeforeMemory };
    int WriteBank(BankWrite mode);
    int WriteGroups();
    int WriteMemory();
    int WriteSettings();
    bool WriteZeroFill();

    const std::vector<Message>& Messages() const { return messages_; }
    int BlocksWritten() const { return blocksWritten_; }
    void AddMessage(MessageId id) { messages_.push_back(Say(id)); }
    bool Cancelled() const { return cancelled_; }

private:
    enum class Outcome { kOk, kRetriesExhausted, kPortFault, kRefused, kCancelled };
    using BlockSink = std::function<void(int block, const ReadReply& reply)>;
    using BlockSource = std::function<std::string(int block)>;
    Outcome ReadBlock(int address, ReadReply& reply);
    Outcome WriteBlock(std::string_view command);
    // The blocks of an area in address order, each with its retries; the first
    // failure ends the walk. With progress, each block first reports how many
    // of the area's blocks are done.
    Outcome ReadArea(Area area, const BlockSink& take, bool progress = false);
    // The same for the given blocks of the area only, in the order given;
    // progress counts the blocks of the list.
    Outcome ReadBlocks(Area area, const std::vector<int>& blocks, const BlockSink& take, bool progress);
    // The channel blocks a memory read fetches, once the flags are in.
    std::vector<int> ChannelSlotsToRead() const;
    // A note in the trace, when there is one.
    void Note(std::string_view text);
    // Notes a try that failed and whether the command is sent again.
    void NoteFailedTry(int tries, std::string_view why);
    Outcome WriteArea(Area area, const BlockSource& dataOf, bool progress = false);
    bool EnsureOpen();
    bool CheckCancel();
    void Progress(int done, int total);
    void BlockMessage(Outcome outcome);
    // One exchange; a port fault before the receiver's first answer in this
    // session closes and opens the port once and sends the command again.
    std::string Exchange(std::string_view command, std::size_t want, bool& fault);
    std::string ExchangeOnce(std::string_view command, std::size_t want, bool& fault);

    // What the reads fill; null in a session that only writes.
    CloneImage& Target() { return *target_; }

    const CloneImage& image_;
    CloneImage* target_ = nullptr;
    SerialPort& port_;
    LinkOptions options_;
    std::vector<Message> messages_;
    bool cancelled_ = false;
    int blocksWritten_ = 0;
    bool answered_ = false;    // an exchange of this session ended without a port fault
    bool reopened_ = false;    // the one reopen after a port fault is spent
    bool openFailed_ = false;  // the last open failed; only the reopen tries again
};

// Command texts, CR included.
std::string ReadCommand(int address);                          // "KV~F00A00R\r"
std::string WriteCommand(int address, std::string_view data);  // "KV~F00100W...\r"
std::string ChannelWriteCommand(std::string_view bank, std::string_view position, std::string_view data);
std::string IdentificationCommand(int modelIndex);            // "KV~WR-K7J\r"; other values give K70K
inline constexpr std::string_view kOpeningWrite = "KV~F0FD01W00\r";
inline constexpr std::string_view kImCommand = "KV~IM\r";
inline constexpr std::string_view kFinishCommand = "KV~FINISH\r";

}  // namespace wrk7::link
