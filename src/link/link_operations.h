#pragma once
#include <vector>

#include "core/image.h"
#include "core/memory_map.h"
#include "core/message.h"
#include "link/area_operations.h"
#include "link/serial_port.h"

namespace wrk7::link {

// How an operation ended. The command-line tool gives its number as the exit
// status, and a trace's result line names it by that number too.
enum class LinkOutcome : int {
    kOk = 0,
    kFailed = 1,
    kRefused = 4,  // the receiver refused the identification
};
constexpr int NumberOf(LinkOutcome outcome) { return static_cast<int>(outcome); }
constexpr LinkOutcome OutcomeOf(StepResult result) {
    switch (result) {
        case StepResult::kOk: return LinkOutcome::kOk;
        case StepResult::kRefused: return LinkOutcome::kRefused;
        case StepResult::kFailed: break;
    }
    return LinkOutcome::kFailed;
}

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
    LinkOutcome outcome = LinkOutcome::kFailed;
    std::vector<Message> messages;
    bool cancelled = false;  // stopped by the cancel flag between two exchanges
    // Data blocks and channel records of a write the receiver accepted: a
    // write that fails after any of them has left the receiver partly
    // written, one that fails before none has changed nothing.
    int blocksWritten = 0;
    bool ok() const { return outcome == LinkOutcome::kOk; }
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

// The port's own reason for a failed operation ("Permission denied"), the
// line both programs add under its messages so that the user is not left
// with "Read Failed..." alone; empty after a success, without a reason, or
// when a message already gives it.
std::string UntoldPortReason(const LinkResult& result, const std::string& portError);

}  // namespace wrk7::link
