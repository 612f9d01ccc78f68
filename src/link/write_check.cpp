#include "link/write_check.h"

#include <algorithm>
#include <memory>

#include "codecs/channel_codec.h"
#include "codecs/settings_codec.h"
#include "codecs/vfo_codec.h"
#include "core/hex.h"
#include "edit/bank.h"
#include "link/commands.h"

namespace wrk7::link {

namespace {

constexpr int kCharactersPerSecond = 3840;  // 38400 baud, ten bits a character
constexpr std::size_t kFrameCharacters = 68;
constexpr std::size_t kAnswerCharacters = 6;  // CR LF OK CR LF

std::string Frame(const std::string& digits) { return "\r\n" + digits + "\r\n"; }

// A block's data as the read of its area would have put it in the image.
void Place(CloneImage& image, const SentBlock& block, const std::string& data) {
    const auto k = static_cast<std::size_t>(block.index);
    switch (block.area) {
        case Area::kSettings0: image.settings.block0 = data; break;
        case Area::kSettings1: image.settings.block1 = data; break;
        case Area::kScanGroups:
            if (k == 0) image.groups.block.clear();
            image.groups.block += data;
            break;
        case Area::kBankTable: image.banks.blocks[k] = data; break;
        case Area::kVfoRecords: DecodeVfoBand(image, Frame(data), block.index); break;
        case Area::kChannelRecords:
            if (DecodeChannel(image, Frame(data), block.index)) break;
            image.memory.slot[k].Clear(kFreq);
            image.memory.enabled[k] = false;
            break;
        case Area::kZeroFill:
        case Area::kChannelFlags: break;
    }
}

// The decoding a read does once all of an area is in.
void Conclude(CloneImage& image, const std::vector<SentBlock>& sent) {
    auto has = [&sent](Area area) {
        return std::any_of(sent.begin(), sent.end(), [area](const SentBlock& b) { return b.area == area; });
    };
    if (has(Area::kSettings0)) DecodeSettings(image);
    if (has(Area::kBankTable)) DecodeBankTable(image);
    if (has(Area::kScanGroups)) DecodeGroupBlock(image);
}

std::string AddressText(int address) {
    return "0" + ByteHex((address >> 8) & 0xFF) + ByteHex(address & 0xFF);
}

Message HeldOtherwiseMessage(const std::vector<DiffLine>& lines) {
    Message said = SayCount(MessageId::kWriteHeldOtherwise, static_cast<long long>(lines.size()));
    for (const DiffLine& line : lines)
        said = Say(MessageId::kLines, std::move(said), Say(MessageId::kHeldOtherwiseAt, line.place, line.field, line.a, line.b));
    return said;
}

}  // namespace

std::vector<SentBlock> BlocksSentBy(Part part, const CloneImage& image) {
    std::vector<SentBlock> sent;
    for (const MemoryArea& area : kMemoryMap) {
        if (!area.writtenBy.Covers(part) || area.readBy.Empty()) continue;
        switch (area.area) {
            case Area::kSettings0:
            case Area::kSettings1: {
                const auto blocks = EncodeSettings(image);
                sent.push_back({area.area, 0, blocks[area.area == Area::kSettings0 ? 0 : 1]});
                break;
            }
            case Area::kScanGroups: {
                const std::string block = EncodeGroupBlock(image);
                for (int k = 0; k < area.blocks; ++k) {
                    const auto from = static_cast<std::size_t>(k * kBlockDigits);
                    sent.push_back({area.area, k, block.substr(std::min(from, block.size()), kBlockDigits)});
                }
                break;
            }
            case Area::kBankTable: {
                const auto blocks = EncodeBankTable(image);
                for (int k = 0; k < area.blocks; ++k) sent.push_back({area.area, k, blocks[static_cast<std::size_t>(k)]});
                break;
            }
            case Area::kVfoRecords:
                for (int band = 0; band < area.blocks; ++band) sent.push_back({area.area, band, EncodeVfoBand(image, band)});
                break;
            case Area::kChannelRecords:
                // The write sends no empty slot: nothing of it to read back.
                for (int slot = 0; slot < kSlotCount; ++slot) {
                    std::string record = EncodeChannel(image, slot);
                    if (record.compare(0, 8, "00000000") != 0) sent.push_back({area.area, slot, std::move(record)});
                }
                break;
            case Area::kZeroFill:
            case Area::kChannelFlags: break;
        }
    }
    return sent;
}

std::chrono::milliseconds CheckLineTime(Part part, const CloneImage& image) {
    // Every command comes back as its echo before the answer.
    const std::size_t identification = 2 * IdentificationCommand(image.model).size() + kAnswerCharacters +
                                       2 * kOpeningWrite.size() + kAnswerCharacters;
    const std::size_t read = 2 * ReadCommand(0).size() + kFrameCharacters;
    const std::size_t characters = identification + read * BlocksSentBy(part, image).size();
    return std::chrono::milliseconds(static_cast<long long>(characters) * 1000 / kCharactersPerSecond);
}

std::vector<DiffLine> HeldOtherwise(const CloneImage& image, const std::vector<SentBlock>& sent,
                                    const std::vector<std::string>& held) {
    // Both sides decoded alike from whole blocks, so only what differs in
    // the digits sent can differ in a field.
    auto written = std::make_unique<CloneImage>(image);
    auto kept = std::make_unique<CloneImage>(image);
    std::vector<DiffLine> unshown;
    for (std::size_t i = 0; i < sent.size() && i < held.size(); ++i) {
        const SentBlock& block = sent[i];
        const std::string& reply = held[i];
        const std::size_t length = std::min(block.digits.size(), reply.size());
        const std::string expected = block.digits + reply.substr(length);
        if (expected != reply)
            unshown.push_back({std::string(AreaOf(block.area).name) + " " + AddressText(block.Address()), "Data",
                               block.digits, reply.substr(0, block.digits.size())});
        Place(*written, block, expected);
        Place(*kept, block, reply);
    }
    Conclude(*written, sent);
    Conclude(*kept, sent);
    std::vector<DiffLine> lines = DiffImages(*written, *kept);
    return lines.empty() ? unshown : lines;
}

LinkResult CheckWrite(LinkResult written, Part part, const CloneImage& image, SerialPort& port,
                      const LinkOptions& options) {
    if (!written.ok()) return written;
    const std::vector<SentBlock> sent = BlocksSentBy(part, image);
    std::vector<int> addresses;
    addresses.reserve(sent.size());
    for (const SentBlock& block : sent) addresses.push_back(block.Address());
    // The write's last command ended the receiver's session: a read of its own.
    LinkSession session(image, port, options);
    std::vector<std::string> held;
    StepResult read = session.SendIdentification();
    if (read == StepResult::kOk) read = session.ReadAddresses(addresses, held);
    LinkResult out = std::move(written);
    if (session.Cancelled()) {
        out.cancelled = true;
        out.messages.push_back(Say(MessageId::kCheckCancelled));
        return out;
    }
    // What the receiver holds is not known to be what was sent: no success.
    std::erase_if(out.messages, [](const Message& m) { return m.id == MessageId::kSuccess; });
    out.outcome = LinkOutcome::kFailed;
    if (read != StepResult::kOk) {
        Message said = Say(MessageId::kCheckNotRead);
        if (!port.ErrorText().empty()) said = Say(MessageId::kLines, std::move(said), port.ErrorText());
        for (const Message& message : session.Messages()) said = Say(MessageId::kLines, std::move(said), message);
        out.messages.push_back(std::move(said));
        return out;
    }
    const std::vector<DiffLine> lines = HeldOtherwise(image, sent, held);
    if (!lines.empty()) {
        out.messages.push_back(HeldOtherwiseMessage(lines));
        return out;
    }
    out.outcome = LinkOutcome::kOk;
    out.messages.push_back(Say(MessageId::kSuccess));
    out.messages.push_back(SayCount(MessageId::kWriteChecked, static_cast<long long>(sent.size())));
    return out;
}

}  // namespace wrk7::link
