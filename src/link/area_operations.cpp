#include "link/area_operations.h"

#include <algorithm>

#include "codecs/channel_codec.h"
#include "codecs/settings_codec.h"
#include "codecs/vfo_codec.h"
#include "core/flag_block.h"
#include "core/tables.h"
#include "edit/bank.h"
#include "edit/disabled_slots.h"

namespace wrk7::link {

namespace {

std::string Pad3(int value) {
    std::string text = std::to_string(value);
    return std::string(text.size() < 3 ? 3 - text.size() : 0, '0') + text;
}

// Block k's share of an area's data held as one text: whole blocks, the last
// one cut at the area's length; nothing past the end of the text.
std::string BlockSlice(const std::string& data, Area area, int block) {
    const std::size_t offset = static_cast<std::size_t>(kBlockDigits) * static_cast<std::size_t>(block);
    if (offset >= data.size()) return {};
    const std::size_t length = static_cast<std::size_t>(AreaOf(area).dataDigits) - offset;
    return data.substr(offset, std::min<std::size_t>(kBlockDigits, length));
}

StepResult Done(CommandOutcome outcome) {
    return outcome == CommandOutcome::kOk ? StepResult::kOk : StepResult::kFailed;
}

}  // namespace

LinkSession::LinkSession(CloneImage& image, SerialPort& port, LinkOptions options)
    : image_(image), target_(&image), exchange_(port, std::move(options)) {}

LinkSession::LinkSession(const CloneImage& image, SerialPort& port, LinkOptions options)
    : image_(image), exchange_(port, std::move(options)) {}

void LinkSession::Progress(int done, int total) {
    if (exchange_.Options().progress) exchange_.Options().progress(done, total);
}

CommandOutcome LinkSession::ReadArea(Area area, const BlockSink& take, bool progress) {
    std::vector<int> blocks(static_cast<std::size_t>(AreaOf(area).blocks));
    for (std::size_t k = 0; k < blocks.size(); ++k) blocks[k] = static_cast<int>(k);
    return ReadBlocks(area, blocks, take, progress);
}

CommandOutcome LinkSession::ReadBlocks(Area area, const std::vector<int>& blocks, const BlockSink& take, bool progress) {
    const int total = static_cast<int>(blocks.size());
    ReadReply reply;
    for (int i = 0; i < total; ++i) {
        if (progress) Progress(i, total);
        const int k = blocks[static_cast<std::size_t>(i)];
        const CommandOutcome outcome = exchange_.Read(BlockAddress(area, k), reply);
        if (outcome != CommandOutcome::kOk) return outcome;
        take(k, reply);
    }
    return CommandOutcome::kOk;
}

std::vector<int> LinkSession::ChannelSlotsToRead() const {
    std::vector<int> toRead;
    toRead.reserve(kSlotCount);
    for (int slot = 0; slot < kSlotCount; ++slot)
        if (!exchange_.Options().quickRead || image_.memory.enabled[static_cast<std::size_t>(slot)]) toRead.push_back(slot);
    return toRead;
}

CommandOutcome LinkSession::WriteArea(Area area, const BlockSource& dataOf, bool progress) {
    const int blocks = AreaOf(area).blocks;
    for (int k = 0; k < blocks; ++k) {
        if (progress) Progress(k, blocks);
        const CommandOutcome outcome = exchange_.Write(WriteCommand(BlockAddress(area, k), dataOf(k)));
        if (outcome != CommandOutcome::kOk) return outcome;
        ++blocksWritten_;
    }
    return CommandOutcome::kOk;
}

void LinkSession::BlockMessage(CommandOutcome outcome) {
    if (outcome == CommandOutcome::kRetriesExhausted) AddMessage(MessageId::kCommunicationError);
    else if (outcome == CommandOutcome::kPortFault || outcome == CommandOutcome::kRefused) AddMessage(MessageId::kComPortError);
}

StepResult LinkSession::Told(CommandOutcome outcome) {
    BlockMessage(outcome);
    return Done(outcome);
}

StepResult LinkSession::SendIdentification() {
    exchange_.EnsureOpen();
    const CommandOutcome id = exchange_.Write(IdentificationCommand(image_.model));
    if (id == CommandOutcome::kRefused) return StepResult::kRefused;
    if (id != CommandOutcome::kOk) return StepResult::kFailed;
    return Done(exchange_.Write(kOpeningWrite));
}

StepResult LinkSession::SendImCommand() {
    exchange_.EnsureOpen();
    return Done(exchange_.Write(kImCommand));
}

StepResult LinkSession::SendFinish() {
    exchange_.EnsureOpen();
    return Done(exchange_.Write(kFinishCommand));
}

StepResult LinkSession::ReadFlags() {
    const CommandOutcome outcome = ReadArea(Area::kChannelFlags, [this](int k, const ReadReply& reply) {
        Target().flags.blocks[static_cast<std::size_t>(k)] = reply.Data();
    });
    if (outcome != CommandOutcome::kOk) return Told(outcome);
    DecodeFlagBlock(Target());
    return StepResult::kOk;
}

StepResult LinkSession::ReadBank() {
    const StepResult handshake = SendIdentification();
    if (handshake != StepResult::kOk) return handshake;
    exchange_.EnsureOpen();
    const CommandOutcome outcome = ReadArea(Area::kBankTable, [this](int k, const ReadReply& reply) {
        Target().banks.blocks[static_cast<std::size_t>(k)] = reply.Data();
    });
    if (outcome != CommandOutcome::kOk) return Told(outcome);
    DecodeBankTable(Target());
    return StepResult::kOk;
}

StepResult LinkSession::ReadGroups() {
    Target().groups.block.clear();
    const CommandOutcome outcome =
        ReadArea(Area::kScanGroups, [this](int, const ReadReply& reply) { Target().groups.block += reply.Data(); });
    if (outcome != CommandOutcome::kOk) return Told(outcome);
    DecodeGroupBlock(Target());
    return StepResult::kOk;
}

StepResult LinkSession::ReadMemory() {
    exchange_.EnsureOpen();
    const StepResult handshake = SendIdentification();
    if (handshake != StepResult::kOk) return handshake;
    Progress(0, kSlotCount);
    if (ReadFlags() != StepResult::kOk) return StepResult::kFailed;
    const StepResult records = ReadRecords();
    // What the receiver holds in a disabled slot is nothing this program
    // keeps: the records a quick read skips would have been thrown away here.
    // From the flags on, whatever stopped the read, so the image it leaves
    // is whole as it is.
    WipeDisabledSlots(Target());
    return records;
}

StepResult LinkSession::ReadRecords() {
    if (ReadBank() != StepResult::kOk) return StepResult::kFailed;
    if (ReadGroups() != StepResult::kOk) return StepResult::kFailed;
    const std::vector<int> toRead = ChannelSlotsToRead();
    const CommandOutcome outcome = ReadBlocks(
        Area::kChannelRecords, toRead,
        [this](int slot, const ReadReply& reply) {
            if (DecodeChannel(Target(), reply.frame, slot)) return;
            Target().memory.slot[static_cast<std::size_t>(slot)].Clear(kFreq);
            Target().memory.enabled[static_cast<std::size_t>(slot)] = false;
        },
        true);
    const StepResult read = Told(outcome);
    if (read != StepResult::kOk) return read;
    const int count = static_cast<int>(toRead.size());
    Progress(count, count);
    return StepResult::kOk;
}

StepResult LinkSession::ReadSettings() {
    exchange_.EnsureOpen();
    const StepResult handshake = SendIdentification();
    if (handshake != StepResult::kOk) return handshake;
    // Either settings block failing is reported as a port error, timeouts too.
    for (auto [area, block] : {std::pair{Area::kSettings0, &Target().settings.block0},
                               std::pair{Area::kSettings1, &Target().settings.block1}}) {
        // Captured by an initializer: clang before 16 cannot capture a
        // structured binding, and the fuzz build uses clang.
        const CommandOutcome outcome =
            ReadArea(area, [block = block](int, const ReadReply& reply) { *block = reply.Data(); });
        if (outcome != CommandOutcome::kOk) {
            if (outcome != CommandOutcome::kCancelled) AddMessage(MessageId::kComPortError);
            return StepResult::kFailed;
        }
    }
    DecodeSettings(Target());
    const CommandOutcome outcome = ReadArea(
        Area::kVfoRecords, [this](int band, const ReadReply& reply) { DecodeVfoBand(Target(), reply.frame, band); },
        true);
    if (outcome != CommandOutcome::kOk) return Told(outcome);
    Progress(kBandCount, kBandCount);
    return StepResult::kOk;
}

StepResult LinkSession::WriteBank(BankWrite mode) {
    const StepResult handshake = SendIdentification();
    if (handshake != StepResult::kOk) return handshake;
    const auto blocks = EncodeBankTable(image_);
    const CommandOutcome outcome =
        WriteArea(Area::kBankTable, [&blocks](int k) { return blocks[static_cast<std::size_t>(k)]; });
    if (outcome != CommandOutcome::kOk) return Told(outcome);
    if (mode == BankWrite::kBeforeMemory && SendImCommand() != StepResult::kOk) return StepResult::kFailed;
    return StepResult::kOk;
}

StepResult LinkSession::WriteGroups() {
    const std::string block = EncodeGroupBlock(image_);
    return Told(WriteArea(Area::kScanGroups, [&block](int k) { return BlockSlice(block, Area::kScanGroups, k); }));
}

StepResult LinkSession::WriteZeroFill() {
    return Told(WriteArea(Area::kZeroFill, [](int) { return std::string(kBlockDigits, '0'); }));
}

StepResult LinkSession::ReadAddresses(const std::vector<int>& addresses, std::vector<std::string>& data) {
    const int total = static_cast<int>(addresses.size());
    ReadReply reply;
    for (int i = 0; i < total; ++i) {
        Progress(i, total);
        const CommandOutcome outcome = exchange_.Read(addresses[static_cast<std::size_t>(i)], reply);
        if (outcome != CommandOutcome::kOk) return Told(outcome);
        data.emplace_back(reply.Data());
    }
    Progress(total, total);
    return StepResult::kOk;
}

StepResult LinkSession::WriteMemory() {
    exchange_.EnsureOpen();
    const StepResult handshake = SendIdentification();
    if (handshake != StepResult::kOk) return handshake;
    Progress(0, kSlotCount);
    const StepResult bank = WriteBank(BankWrite::kBeforeMemory);
    if (bank != StepResult::kOk) return bank;
    if (WriteGroups() != StepResult::kOk) return StepResult::kFailed;
    const auto labels = BuildRowLabels(image_);
    for (int slot = kSlotCount - 1; slot >= 0; --slot) {
        Progress(kSlotCount - 1 - slot, kSlotCount);
        const std::string record = EncodeChannel(image_, slot);
        if (record.compare(0, 8, "00000000") == 0) continue;
        std::string bankCode, position;
        if (slot < kChannelCount) {
            const std::string& label = labels[static_cast<std::size_t>(slot)];
            bankCode = label.substr(0, 2);
            position = label.substr(3, 3);
        } else {
            const UpperChannelAddress address = UpperAddressOf(slot);
            bankCode = std::to_string(address.bankCode);
            position = Pad3(address.position);
        }
        const CommandOutcome outcome = exchange_.Write(ChannelWriteCommand(bankCode, position, record));
        if (outcome != CommandOutcome::kOk) return Told(outcome);
        ++blocksWritten_;
    }
    if (WriteZeroFill() != StepResult::kOk) return StepResult::kFailed;
    Progress(kSlotCount, kSlotCount);
    return StepResult::kOk;
}

StepResult LinkSession::WriteSettings() {
    exchange_.EnsureOpen();
    const StepResult handshake = SendIdentification();
    if (handshake != StepResult::kOk) return handshake;
    const auto blocks = EncodeSettings(image_);
    // No failure of this operation shows a message of its own.
    if (WriteArea(Area::kSettings0, [&blocks](int) { return blocks[0]; }) != CommandOutcome::kOk) return StepResult::kFailed;
    if (WriteArea(Area::kSettings1, [&blocks](int) { return blocks[1]; }) != CommandOutcome::kOk) return StepResult::kFailed;
    if (WriteArea(Area::kVfoRecords, [this](int band) { return EncodeVfoBand(image_, band); }, true) != CommandOutcome::kOk)
        return StepResult::kFailed;
    Progress(kBandCount, kBandCount);
    return StepResult::kOk;
}

}  // namespace wrk7::link
