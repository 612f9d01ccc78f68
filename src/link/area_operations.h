#pragma once
#include <functional>
#include <string>
#include <vector>

#include "core/image.h"
#include "core/memory_map.h"
#include "core/message.h"
#include "link/exchange.h"

namespace wrk7::link {

// How a step of an operation ended: the receiver refused the identification
// (another model or region) apart from every other failure.
enum class StepResult { kOk, kFailed, kRefused };

// The steps the operations are made of, each a walk over memory areas with
// the handshake it needs: each block is one command with its retries, and
// the first that fails ends the walk with the message its failure shows
// (Messages(), in the order shown). Reads fill the image as each block
// arrives; a failed read leaves it partly updated.
class LinkSession {
public:
    LinkSession(CloneImage& image, SerialPort& port, LinkOptions options = {});
    // Writes only: the reads need an image to fill.
    LinkSession(const CloneImage& image, SerialPort& port, LinkOptions options = {});

    StepResult SendIdentification();  // the model's identification, then the opening write
    StepResult SendImCommand();       // never kRefused
    StepResult SendFinish();          // never kRefused

    StepResult ReadFlags();
    StepResult ReadBank();  // decoded once all of it is in
    StepResult ReadGroups();
    StepResult ReadMemory();
    // The bank table, the groups and the channel records, after the flags.
    StepResult ReadRecords();
    StepResult ReadSettings();

    // A bank table written inside a memory write is followed by "KV~IM".
    enum class BankWrite { kAlone, kBeforeMemory };
    StepResult WriteBank(BankWrite mode);
    StepResult WriteGroups();
    StepResult WriteMemory();
    StepResult WriteSettings();
    StepResult WriteZeroFill();
    // Blocks by address, each with its retries, their data appended to data
    // in the order given: what a write left, read back to be checked.
    StepResult ReadAddresses(const std::vector<int>& addresses, std::vector<std::string>& data);

    const std::vector<Message>& Messages() const { return messages_; }
    int BlocksWritten() const { return blocksWritten_; }
    void AddMessage(MessageId id) { messages_.push_back(Say(id)); }
    bool Cancelled() const { return exchange_.Cancelled(); }

private:
    using BlockSink = std::function<void(int block, const ReadReply& reply)>;
    using BlockSource = std::function<std::string(int block)>;
    // The blocks of an area in address order, each with its retries; the first
    // failure ends the walk. With progress, each block first reports how many
    // of the area's blocks are done.
    CommandOutcome ReadArea(Area area, const BlockSink& take, bool progress = false);
    // The same for the given blocks of the area only, in the order given;
    // progress counts the blocks of the list.
    CommandOutcome ReadBlocks(Area area, const std::vector<int>& blocks, const BlockSink& take, bool progress);
    CommandOutcome WriteArea(Area area, const BlockSource& dataOf, bool progress = false);
    // The channel blocks a memory read fetches, once the flags are in.
    std::vector<int> ChannelSlotsToRead() const;
    void Progress(int done, int total);
    // The message of a block that failed: none for a cancel.
    void BlockMessage(CommandOutcome outcome);
    // A walk's outcome as a step's, its failure's message added.
    StepResult Told(CommandOutcome outcome);

    // What the reads fill; null in a session that only writes.
    CloneImage& Target() { return *target_; }

    const CloneImage& image_;
    CloneImage* target_ = nullptr;
    LinkExchange exchange_;
    std::vector<Message> messages_;
    int blocksWritten_ = 0;
};

}  // namespace wrk7::link
