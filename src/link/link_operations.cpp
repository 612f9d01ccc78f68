#include "link/link_operations.h"

#include <algorithm>

#include "codecs/channel_codec.h"
#include "codecs/settings_codec.h"
#include "codecs/vfo_codec.h"
#include "core/flag_block.h"
#include "core/hex.h"
#include "core/memory_map.h"
#include "core/models.h"
#include "core/tables.h"
#include "edit/bank.h"
#include "edit/disabled_slots.h"
#include "link/serial_trace.h"

namespace wrk7::link {

namespace {

constexpr std::size_t kFrameLength = 68;  // CR LF + 64 digits + CR LF
constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kOkFrame = "\r\nOK\r\n";
constexpr std::string_view kReFrame = "\r\nRE\r\n";
// The trace's note when a port fault ends the retries of a command.
constexpr std::string_view kNoResendAfterFault = "port fault: the command is not sent again";

bool EndsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

std::string Hex5(int address) {
    static const char* digits = "0123456789ABCDEF";
    std::string out(5, '0');
    for (int i = 4; i >= 0; --i, address >>= 4) out[static_cast<std::size_t>(i)] = digits[address & 0xF];
    return out;
}

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

}  // namespace

std::string ReadCommand(int address) { return "KV~F" + Hex5(address) + "R\r"; }

std::string WriteCommand(int address, std::string_view data) {
    return "KV~F" + Hex5(address) + "W" + std::string(data) + "\r";
}

std::string ChannelWriteCommand(std::string_view bank, std::string_view position, std::string_view data) {
    return "KV~BC" + std::string(bank) + std::string(position) + "W" + std::string(data) + "\r";
}

std::string IdentificationCommand(int modelIndex) {
    return std::string(Model(modelIndex).identification) + "\r";
}

LinkSession::LinkSession(CloneImage& image, SerialPort& port, LinkOptions options)
    : image_(image), target_(&image), port_(port), options_(std::move(options)) {}

LinkSession::LinkSession(const CloneImage& image, SerialPort& port, LinkOptions options)
    : image_(image), port_(port), options_(std::move(options)) {}

bool LinkSession::EnsureOpen() {
    if (port_.IsOpen()) return true;
    // An open that failed is not tried again before the one reopen of
    // Exchange: the operations ask for the port before their first command
    // too, and a missing device would otherwise be opened over and over.
    if (openFailed_) return false;
    openFailed_ = !port_.Open();
    return !openFailed_;
}

bool LinkSession::CheckCancel() {
    if (!cancelled_ && options_.cancel && options_.cancel->load()) cancelled_ = true;
    return cancelled_;
}

void LinkSession::Progress(int done, int total) {
    if (options_.progress) options_.progress(done, total);
}

// A line that failed before anything came back (a cable pulled and put
// back, a receiver switched off and on, a device that came back under the
// same name) often works once opened anew: the port is closed and opened
// again once, and the command sent again, before the operation gives up with
// its port fault. A fault once the receiver has answered ends it at once.
std::string LinkSession::Exchange(std::string_view command, std::size_t want, bool& fault) {
    std::string buffer = ExchangeOnce(command, want, fault);
    if (fault && !answered_ && !reopened_) {
        reopened_ = true;
        Note("port fault before the first answer: closing the port and opening it again");
        port_.Close();
        openFailed_ = false;
        buffer = ExchangeOnce(command, want, fault);
    }
    if (!fault) answered_ = true;
    return buffer;
}

// Sends command and collects what arrives until complete(buffer) or the
// deadline; fault is set on any port failure.
std::string LinkSession::ExchangeOnce(std::string_view command, std::size_t want, bool& fault) {
    fault = false;
    if (!EnsureOpen()) {
        fault = true;
        return {};
    }
    port_.ReadAvailable();  // late characters of an earlier answer
    if (port_.HasFault() || !port_.Write(command)) {
        fault = true;
        return {};
    }
    std::string buffer;
    const auto deadline = Clock::now() + options_.replyDeadline;
    for (;;) {
        buffer += port_.ReadAvailable();
        if (port_.HasFault()) {
            fault = true;
            return {};
        }
        if (buffer.size() >= want && EndsWith(buffer, kCrLf)) break;
        // Short of the length, nothing can complete the answer before the
        // missing characters are in; past it, each new one may end it.
        port_.ExpectAtLeast(buffer.size() < want ? want - buffer.size() : 1);
        const SerialPort::Wait wait = port_.WaitForData(deadline);
        if (wait == SerialPort::Wait::kFault) {
            fault = true;
            return {};
        }
        if (wait == SerialPort::Wait::kTimeout) {
            buffer += port_.ReadAvailable();
            if (port_.HasFault()) fault = true;
            break;
        }
    }
    return buffer;
}

ReadReply LinkSession::SendReadCommand(std::string_view command) {
    using Kind = ReadReply::Kind;
    bool fault = false;
    const std::string buffer = Exchange(command, kFrameLength, fault);
    if (fault) return {Kind::kPortFault, {}};
    if (buffer.size() < kFrameLength) return {Kind::kTimeout, {}};
    std::string frame = buffer.substr(buffer.size() - kFrameLength);
    if (frame.substr(0, 2) != kCrLf || !EndsWith(frame, kCrLf)) return {Kind::kBadReply, {}};
    // A frame whose digits were garbled on the line is as malformed as a
    // broken frame: retried, never decoded into the image.
    if (!IsUpperHex(std::string_view(frame).substr(2, kBlockDigits))) return {Kind::kBadReply, {}};
    return {Kind::kData, std::move(frame)};
}

int LinkSession::SendWriteCommand(std::string_view command) {
    bool fault = false;
    const std::size_t want = command.size() + kOkFrame.size();
    const std::string buffer = Exchange(command, want, fault);
    if (fault) return kWritePortFault;
    if (buffer.size() < want) return kWriteNoReply;
    const std::string_view tail = std::string_view(buffer).substr(buffer.size() - kOkFrame.size());
    if (tail == kOkFrame) return kWriteAccepted;
    if (tail == kReFrame) return kWriteRefused;
    return kWriteBadReply;
}

void LinkSession::Note(std::string_view text) {
    if (options_.trace) options_.trace->Event(text);
}

void LinkSession::NoteFailedTry(int tries, std::string_view why) {
    if (!options_.trace) return;
    const std::string count = "try " + std::to_string(tries) + " of " + std::to_string(options_.maxTries);
    Note(count + " failed: " + std::string(why) + (tries < options_.maxTries ? "; sending again" : "; giving up"));
}

LinkSession::Outcome LinkSession::ReadBlock(int address, ReadReply& reply) {
    const std::string command = ReadCommand(address);
    for (int tries = 0; tries < options_.maxTries; ++tries) {
        if (CheckCancel()) {
            Note("cancelled");
            return Outcome::kCancelled;
        }
        reply = SendReadCommand(command);
        if (reply.kind == ReadReply::Kind::kPortFault) {
            Note(kNoResendAfterFault);
            return Outcome::kPortFault;
        }
        if (reply.kind == ReadReply::Kind::kData) return Outcome::kOk;
        NoteFailedTry(tries + 1, reply.kind == ReadReply::Kind::kTimeout ? "fewer than 68 characters (ERROR01)"
                                                                        : "malformed reply (ERROR02)");
    }
    return Outcome::kRetriesExhausted;
}

LinkSession::Outcome LinkSession::WriteBlock(std::string_view command) {
    for (int tries = 0; tries < options_.maxTries; ++tries) {
        if (CheckCancel()) {
            Note("cancelled");
            return Outcome::kCancelled;
        }
        const int code = SendWriteCommand(command);
        if (code == kWriteAccepted) return Outcome::kOk;
        if (code == kWritePortFault) {
            Note(kNoResendAfterFault);
            return Outcome::kPortFault;
        }
        if (code == kWriteRefused) {
            Note("refused (RE)");
            return Outcome::kRefused;
        }
        NoteFailedTry(tries + 1, code == kWriteNoReply ? "no complete reply (2)" : "neither OK nor RE (1)");
    }
    return Outcome::kRetriesExhausted;
}

LinkSession::Outcome LinkSession::ReadArea(Area area, const BlockSink& take, bool progress) {
    std::vector<int> blocks(static_cast<std::size_t>(AreaOf(area).blocks));
    for (std::size_t k = 0; k < blocks.size(); ++k) blocks[k] = static_cast<int>(k);
    return ReadBlocks(area, blocks, take, progress);
}

LinkSession::Outcome LinkSession::ReadBlocks(Area area, const std::vector<int>& blocks, const BlockSink& take,
                                             bool progress) {
    const int total = static_cast<int>(blocks.size());
    ReadReply reply;
    for (int i = 0; i < total; ++i) {
        if (progress) Progress(i, total);
        const int k = blocks[static_cast<std::size_t>(i)];
        const Outcome outcome = ReadBlock(BlockAddress(area, k), reply);
        if (outcome != Outcome::kOk) return outcome;
        take(k, reply);
    }
    return Outcome::kOk;
}

std::vector<int> LinkSession::ChannelSlotsToRead() const {
    std::vector<int> toRead;
    toRead.reserve(kSlotCount);
    for (int slot = 0; slot < kSlotCount; ++slot)
        if (!options_.quickRead || image_.memory.enabled[static_cast<std::size_t>(slot)]) toRead.push_back(slot);
    return toRead;
}

LinkSession::Outcome LinkSession::WriteArea(Area area, const BlockSource& dataOf, bool progress) {
    const int blocks = AreaOf(area).blocks;
    for (int k = 0; k < blocks; ++k) {
        if (progress) Progress(k, blocks);
        const Outcome outcome = WriteBlock(WriteCommand(BlockAddress(area, k), dataOf(k)));
        if (outcome != Outcome::kOk) return outcome;
        ++blocksWritten_;
    }
    return Outcome::kOk;
}

void LinkSession::BlockMessage(Outcome outcome) {
    if (outcome == Outcome::kRetriesExhausted) AddMessage(kMsgCommunicationError);
    else if (outcome == Outcome::kPortFault || outcome == Outcome::kRefused) AddMessage(kMsgComPortError);
}

int LinkSession::SendIdentification() {
    EnsureOpen();
    const Outcome id = WriteBlock(IdentificationCommand(image_.model));
    if (id == Outcome::kRefused) return kResultRefused;
    if (id != Outcome::kOk) return kResultFailed;
    return WriteBlock(kOpeningWrite) == Outcome::kOk ? kResultOk : kResultFailed;
}

int LinkSession::SendImCommand() {
    EnsureOpen();
    return WriteBlock(kImCommand) == Outcome::kOk ? kResultOk : kResultFailed;
}

int LinkSession::SendFinish() {
    EnsureOpen();
    return WriteBlock(kFinishCommand) == Outcome::kOk ? kResultOk : kResultFailed;
}

bool LinkSession::ReadFlags() {
    const Outcome outcome = ReadArea(Area::kChannelFlags, [this](int k, const ReadReply& reply) {
        Target().flags.blocks[static_cast<std::size_t>(k)] = reply.Data();
    });
    if (outcome != Outcome::kOk) {
        BlockMessage(outcome);
        return false;
    }
    DecodeFlagBlock(Target());
    return true;
}

int LinkSession::ReadBank() {
    const int handshake = SendIdentification();
    if (handshake != kResultOk) return handshake;
    EnsureOpen();
    const Outcome outcome = ReadArea(Area::kBankTable, [this](int k, const ReadReply& reply) {
        Target().banks.blocks[static_cast<std::size_t>(k)] = reply.Data();
    });
    if (outcome != Outcome::kOk) {
        BlockMessage(outcome);
        return kResultFailed;
    }
    return kResultOk;
}

int LinkSession::ReadGroups() {
    Target().groups.block.clear();
    const Outcome outcome =
        ReadArea(Area::kScanGroups, [this](int, const ReadReply& reply) { Target().groups.block += reply.Data(); });
    if (outcome != Outcome::kOk) {
        BlockMessage(outcome);
        return kResultFailed;
    }
    DecodeGroupBlock(Target());
    return kResultOk;
}

int LinkSession::ReadMemory() {
    EnsureOpen();
    const int handshake = SendIdentification();
    if (handshake != kResultOk) return handshake;
    Progress(0, kSlotCount);
    if (!ReadFlags()) return kResultFailed;
    const int records = ReadRecords();
    // What the receiver holds in a disabled slot is nothing this program
    // keeps: the records a quick read skips would have been thrown away here.
    // From the flags on, whatever stopped the read, so the image it leaves
    // is whole as it is.
    WipeDisabledSlots(Target());
    return records;
}

int LinkSession::ReadRecords() {
    if (ReadBank() != kResultOk) return kResultFailed;
    DecodeBankTable(Target());
    if (ReadGroups() != kResultOk) return kResultFailed;
    const std::vector<int> toRead = ChannelSlotsToRead();
    const Outcome outcome = ReadBlocks(
        Area::kChannelRecords, toRead,
        [this](int slot, const ReadReply& reply) {
            if (DecodeChannel(Target(), reply.frame, slot)) return;
            Target().memory.slot[static_cast<std::size_t>(slot)].Clear(kFreq);
            Target().memory.enabled[static_cast<std::size_t>(slot)] = false;
        },
        true);
    BlockMessage(outcome);
    if (outcome != Outcome::kOk) return kResultFailed;
    const int read = static_cast<int>(toRead.size());
    Progress(read, read);
    return kResultOk;
}

int LinkSession::ReadSettings() {
    EnsureOpen();
    const int handshake = SendIdentification();
    if (handshake != kResultOk) return handshake;
    // Either settings block failing is reported as a port error, timeouts too.
    for (auto [area, block] : {std::pair{Area::kSettings0, &Target().settings.block0},
                               std::pair{Area::kSettings1, &Target().settings.block1}}) {
        // Captured by an initializer: clang before 16 cannot capture a
        // structured binding, and the fuzz build uses clang.
        const Outcome outcome =
            ReadArea(area, [block = block](int, const ReadReply& reply) { *block = reply.Data(); });
        if (outcome != Outcome::kOk) {
            if (outcome != Outcome::kCancelled) AddMessage(kMsgComPortError);
            return kResultFailed;
        }
    }
    DecodeSettings(Target());
    const Outcome outcome = ReadArea(
        Area::kVfoRecords, [this](int band, const ReadReply& reply) { DecodeVfoBand(Target(), reply.frame, band); },
        true);
    BlockMessage(outcome);
    if (outcome != Outcome::kOk) return kResultFailed;
    Progress(kBandCount, kBandCount);
    return kResultOk;
}

int LinkSession::WriteBank(BankWrite mode) {
    const int handshake = SendIdentification();
    if (handshake != kResultOk) return handshake;
    const auto blocks = EncodeBankTable(image_);
    const Outcome outcome = WriteArea(Area::kBankTable, [&blocks](int k) { return blocks[static_cast<std::size_t>(k)]; });
    if (outcome != Outcome::kOk) {
        BlockMessage(outcome);
        return kResultFailed;
    }
    if (mode == BankWrite::kBeforeMemory && SendImCommand() != kResultOk) return kResultFailed;
    return kResultOk;
}

int LinkSession::WriteGroups() {
    const std::string block = EncodeGroupBlock(image_);
    const Outcome outcome =
        WriteArea(Area::kScanGroups, [&block](int k) { return BlockSlice(block, Area::kScanGroups, k); });
    if (outcome != Outcome::kOk) {
        BlockMessage(outcome);
        return kResultFailed;
    }
    return kResultOk;
}

bool LinkSession::WriteZeroFill() {
    const Outcome outcome = WriteArea(Area::kZeroFill, [](int) { return std::string(kBlockDigits, '0'); });
    BlockMessage(outcome);
    return outcome == Outcome::kOk;
}

int LinkSession::WriteMemory() {
    EnsureOpen();
    const int handshake = SendIdentification();
    if (handshake != kResultOk) return handshake;
    Progress(0, kSlotCount);
    const int bank = WriteBank(BankWrite::kBeforeMemory);
    if (bank != kResultOk) return bank;
    if (WriteGroups() != kResultOk) return kResultFailed;
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
        const Outcome outcome = WriteBlock(ChannelWriteCommand(bankCode, position, record));
        if (outcome != Outcome::kOk) {
            BlockMessage(outcome);
            return kResultFailed;
        }
        ++blocksWritten_;
    }
    if (!WriteZeroFill()) return kResultFailed;
    Progress(kSlotCount, kSlotCount);
    return kResultOk;
}

int LinkSession::WriteSettings() {
    EnsureOpen();
    const int handshake = SendIdentification();
    if (handshake != kResultOk) return handshake;
    const auto blocks = EncodeSettings(image_);
    // No failure of this operation shows a message of its own.
    if (WriteArea(Area::kSettings0, [&blocks](int) { return blocks[0]; }) != Outcome::kOk) return kResultFailed;
    if (WriteArea(Area::kSettings1, [&blocks](int) { return blocks[1]; }) != Outcome::kOk) return kResultFailed;
    if (WriteArea(Area::kVfoRecords, [this](int band) { return EncodeVfoBand(image_, band); }, true) != Outcome::kOk)
        return kResultFailed;
    Progress(kBandCount, kBandCount);
    return kResultOk;
}

namespace {

LinkResult Finish(LinkSession& session, int code) {
    LinkResult result;
    result.code = code;
    result.messages = session.Messages();
    result.cancelled = session.Cancelled();
    result.blocksWritten = session.BlocksWritten();
    return result;
}

// The outcome message of a button: region refusal, failure or success.
int Conclude(LinkSession& session, int code, MessageId failed) {
    if (code == kResultRefused) session.AddMessage(kMsgRegionError);
    else if (code != kResultOk) session.AddMessage(failed);
    return code;
}

}  // namespace

LinkResult ReadMemorySequence(CloneImage& image, SerialPort& port, const LinkOptions& options) {
    LinkSession s(image, port, options);
    const int code = Conclude(s, s.ReadMemory(), kMsgReadFailed);
    if (code == kResultOk) s.AddMessage(kMsgSuccess);
    return Finish(s, code);
}

LinkResult ReadSettingsSequence(CloneImage& image, SerialPort& port, const LinkOptions& options) {
    LinkSession s(image, port, options);
    const int code = Conclude(s, s.ReadSettings(), kMsgReadFailed);
    if (code == kResultOk) s.AddMessage(kMsgSuccess);
    return Finish(s, code);
}

LinkResult ReadAll(CloneImage& image, SerialPort& port, const LinkOptions& options) {
    LinkSession s(image, port, options);
    const int settings = Conclude(s, s.ReadSettings(), kMsgReadFailed);
    if (settings != kResultOk) return Finish(s, settings);
    const int memory = s.ReadMemory();
    s.AddMessage(memory == kResultOk ? kMsgSuccess : kMsgReadFailed);
    return Finish(s, memory);
}

LinkResult ReadBankSequence(CloneImage& image, SerialPort& port, const LinkOptions& options) {
    LinkSession s(image, port, options);
    const int bank = Conclude(s, s.ReadBank(), kMsgReadFailed);
    if (bank != kResultOk) return Finish(s, bank);
    DecodeBankTable(image);
    if (s.ReadGroups() != kResultOk) return Finish(s, kResultFailed);
    s.AddMessage(kMsgSuccess);
    return Finish(s, kResultOk);
}

LinkResult ReadGroupSequence(CloneImage& image, SerialPort& port, const LinkOptions& options) {
    LinkSession s(image, port, options);
    const int handshake = Conclude(s, s.SendIdentification(), kMsgReadFailed);
    if (handshake != kResultOk) return Finish(s, handshake);
    if (s.ReadGroups() != kResultOk) return Finish(s, kResultFailed);
    s.AddMessage(kMsgSuccess);
    return Finish(s, kResultOk);
}

LinkResult WriteMemorySequence(const CloneImage& image, SerialPort& port, const LinkOptions& options) {
    LinkSession s(image, port, options);
    const int memory = Conclude(s, s.WriteMemory(), kMsgWriteFailed);
    if (memory != kResultOk) return Finish(s, memory);
    if (s.SendFinish() != kResultOk) {
        s.AddMessage(kMsgWriteFailed);
        return Finish(s, kResultFailed);
    }
    s.AddMessage(kMsgSuccess);
    return Finish(s, kResultOk);
}

LinkResult WriteSettingsSequence(const CloneImage& image, SerialPort& port, const LinkOptions& options) {
    LinkSession s(image, port, options);
    const int code = Conclude(s, s.WriteSettings(), kMsgWriteFailed);
    if (code == kResultOk) s.AddMessage(kMsgSuccess);
    return Finish(s, code);
}

LinkResult WriteAll(const CloneImage& image, SerialPort& port, const LinkOptions& options) {
    LinkSession s(image, port, options);
    const int settings = Conclude(s, s.WriteSettings(), kMsgWriteFailed);
    if (settings != kResultOk) return Finish(s, settings);
    const int memory = s.WriteMemory();
    if (memory != kResultOk) {
        s.AddMessage(kMsgWriteFailed);
        return Finish(s, memory);
    }
    if (s.SendFinish() != kResultOk) {
        s.AddMessage(kMsgCommunicationError);
        return Finish(s, kResultFailed);
    }
    s.AddMessage(kMsgSuccess);
    return Finish(s, kResultOk);
}

LinkResult WriteBankSequence(const CloneImage& image, SerialPort& port, const LinkOptions& options) {
    LinkSession s(image, port, options);
    const int bank = Conclude(s, s.WriteBank(LinkSession::BankWrite::kAlone), kMsgWriteFailed);
    if (bank != kResultOk) return Finish(s, bank);
    if (!s.WriteZeroFill()) return Finish(s, kResultFailed);
    s.AddMessage(kMsgSuccess);
    return Finish(s, kResultOk);
}

LinkResult WriteGroupSequence(const CloneImage& image, SerialPort& port, const LinkOptions& options) {
    LinkSession s(image, port, options);
    const int handshake = Conclude(s, s.SendIdentification(), kMsgWriteFailed);
    if (handshake != kResultOk) return Finish(s, handshake);
    const int groups = Conclude(s, s.WriteGroups(), kMsgWriteFailed);
    if (groups == kResultOk) s.AddMessage(kMsgSuccess);
    return Finish(s, groups);
}

LinkResult RunRead(Part part, CloneImage& image, SerialPort& port, const LinkOptions& options) {
    switch (part) {
        case Part::kSettings: return ReadSettingsSequence(image, port, options);
        case Part::kMemory: return ReadMemorySequence(image, port, options);
        case Part::kBank: return ReadBankSequence(image, port, options);
        case Part::kGroups: return ReadGroupSequence(image, port, options);
        case Part::kAll: break;
    }
    return ReadAll(image, port, options);
}

LinkResult RunWrite(Part part, const CloneImage& image, SerialPort& port, const LinkOptions& options) {
    // The receiver refuses a bank table that does not add up to 1000, so
    // nothing is sent; the window says it before it starts (BankTotalRefusal).
    if (!BankTotalRefusal(image, part).empty()) {
        LinkResult refused;
        refused.messages = {Say(kTotalMustBe1000Message), Say(kMsgWriteFailed)};
        return refused;
    }
    switch (part) {
        case Part::kSettings: return WriteSettingsSequence(image, port, options);
        case Part::kMemory: return WriteMemorySequence(image, port, options);
        case Part::kBank: return WriteBankSequence(image, port, options);
        case Part::kGroups: return WriteGroupSequence(image, port, options);
        case Part::kAll: break;
    }
    return WriteAll(image, port, options);
}

}  // namespace wrk7::link
