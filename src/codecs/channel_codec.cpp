#include "codecs/channel_codec.h"

#include <algorithm>
#include <cmath>

#include "codecs/record_layout.h"
#include "core/channel_limits.h"
#include "core/channel_options.h"
#include "core/hex.h"
#include "core/models.h"

namespace wrk7 {

namespace {

constexpr std::string_view kNoData = "FFFFFFFF";

// A stored code as the one byte a record holds.
int CodeByte(double value) {
    if (!std::isfinite(value)) return 0;
    return static_cast<int>(std::clamp(std::llround(value), 0LL, 255LL));
}

}  // namespace

namespace detail {

bool DecodeRecord(SlotFields& slot, std::string_view reply, int recordBytes, int clearCount) {
    const std::string_view freqDigits =
        reply.size() >= ReplyPos(4) ? reply.substr(kReplyLead, 8) : std::string_view{};
    if (freqDigits == kNoData) return false;
    // A reply cut short or garbled in the frequency carries no channel either;
    // reading it as 0 would wipe a slot that may hold a good channel.
    if (freqDigits.size() != 8 || !IsUpperHex(freqDigits)) return false;

    const double freq = LittleEndianHexToMHz(freqDigits);
    if (freq == 0) {
        for (int f = 0; f < clearCount; ++f) slot.Clear(f);
        return false;
    }
    for (const RecordSpan& span : kRecordLayout) {
        if (span.offset + span.width > recordBytes || span.field == kReservedSpan) continue;
        const std::size_t pos = ReplyPos(span.offset);
        switch (span.field) {
            case kFreq: slot.Set(kFreq, freq); break;
            case kOffset:
                slot.Set(kOffset, LittleEndianHexToMHz(pos < reply.size() ? reply.substr(pos, 8) : ""));
                break;
            case kName:
                slot.SetText(kName, DecodeName(pos < reply.size() ? reply.substr(pos, 2 * kNameLength) : ""));
                break;
            default:
                // A missing or garbled byte reads as 0, as the receiver's own
                // reset value for every one-byte field.
                slot.Set(span.field, LimitedCode(span.field, HexByteAt(reply, pos).value_or(0)));
                break;
        }
    }
    return true;
}

std::string EncodeRecord(const SlotFields& slot, int recordBytes, int model) {
    std::string out;
    out.reserve(2 * static_cast<std::size_t>(recordBytes));
    for (const RecordSpan& span : kRecordLayout) {
        if (span.offset + span.width > recordBytes) continue;
        switch (span.field) {
            case kReservedSpan: out.append(2 * static_cast<std::size_t>(span.width), '0'); break;
            case kFreq:
            case kOffset: out += HzToLittleEndianHex(slot.Value(span.field)); break;
            case kName: out += EncodeName(slot.Text(kName)); break;
            case kOption: out += ByteHex(WrittenOptionCode(model, slot.Value(kOption))); break;
            default: out += ByteHex(CodeByte(slot.Value(span.field))); break;
        }
    }
    return out;
}

}  // namespace detail

bool DecodeChannel(CloneImage& image, std::string_view reply, int slot) {
    if (!IsValidSlot(slot)) return false;
    return detail::DecodeRecord(image.memory.slot[slot], reply, kMemoryRecordBytes, kFieldCount);
}

std::string EncodeChannel(const CloneImage& image, int slot) {
    if (!IsValidSlot(slot)) return std::string(2 * kMemoryRecordBytes, '0');
    return detail::EncodeRecord(image.memory.slot[slot], kMemoryRecordBytes, image.model);
}

std::string EncodeName(std::string_view name) {
    std::string out;
    out.reserve(2 * kNameLength);
    const std::size_t used = std::min<std::size_t>(name.size(), kNameLength);
    for (std::size_t i = 0; i < used; ++i) {
        const int code = static_cast<unsigned char>(name[i]);
        out += ByteHex(IsNameCharacter(static_cast<char32_t>(code)) ? code : ' ');
    }
    out.append(2 * (kNameLength - used), '0');
    return out;
}

std::string DecodeName(std::string_view hex12) {
    std::string out(kNameLength, ' ');
    for (int i = 0; i < kNameLength; ++i) {
        const auto code = HexByteAt(hex12, 2 * static_cast<std::size_t>(i));
        if (code && IsNameCharacter(static_cast<char32_t>(*code))) out[i] = static_cast<char>(*code);
    }
    return out;
}

bool RecordKeepsCode(int field, double value) {
    const auto span = std::find_if(kRecordLayout.begin(), kRecordLayout.end(),
                                   [field](const RecordSpan& s) { return s.field == field; });
    if (span == kRecordLayout.end() || span->width != 1) return true;
    // A value above the limit would be saved and read back as another code.
    int highest = 255;
    for (const FieldLimit& l : kFieldLimits)
        if (l.field == field) highest = l.max;
    return value >= 0 && value <= highest && value == std::floor(value);
}

int WrittenOptionCode(int model, double option) {
    const int code = CodeByte(option);
    const std::optional<ChannelOption> named = OptionOfCode(code);
    if (named && !OffersOption(Model(model), *named)) return static_cast<int>(ChannelOption::kOff);
    return code;
}

}  // namespace wrk7
