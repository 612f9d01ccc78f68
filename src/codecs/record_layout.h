#pragma once
#include <array>
#include <optional>

#include "core/image.h"

namespace wrk7 {

// Byte layout of the 32-byte memory record. The VFO band record is the first
// 15 bytes of the same layout, so both codecs walk this one table.
struct RecordSpan {
    int offset;  // first byte within the record
    int width;   // bytes
    int field;   // slot field, or kReservedSpan for bytes always written as 0
};
inline constexpr int kReservedSpan = -1;

inline constexpr int kMemoryRecordBytes = 32;
inline constexpr int kVfoRecordBytes = 15;

// In byte order; every byte of the record belongs to exactly one span.
inline constexpr std::array<RecordSpan, 13> kRecordLayout{{
    {0, 4, kFreq},
    {4, 1, kMode},
    {5, 1, kStep},
    {6, 4, kOffset},
    {10, 1, kShift},
    {11, 1, kOption},
    {12, 1, kTone},
    {13, 1, kSecret},
    {14, 1, kCarrier},
    {15, 2, kReservedSpan},
    {17, 1, kSkip},
    {18, 8, kReservedSpan},
    {26, 6, kName},
}};

// One-byte codes that the receiver may hold out of range: a byte above max
// decodes as replacement. Option and shift direction are kept as received.
struct FieldLimit {
    int field;
    int max;
    int replacement;
};
inline constexpr std::array<FieldLimit, 6> kFieldLimits{{
    {kMode, 2, 0},
    {kStep, 18, 0},
    {kSecret, 28, 11},
    {kCarrier, 28, 0},
    {kTone, 38, 0},
    {kSkip, 1, 0},
}};

// The code a decoder stores for a received byte of field.
inline int LimitedCode(int field, int byte) {
    for (const FieldLimit& l : kFieldLimits)
        if (l.field == field) return byte > l.max ? l.replacement : byte;
    return byte;
}

// Text position of record byte k in a reply: two framing characters first.
inline constexpr std::size_t kReplyLead = 2;
inline constexpr std::size_t ReplyPos(int byte) { return kReplyLead + 2 * static_cast<std::size_t>(byte); }

namespace detail {

// Shared by the memory and VFO decoders: the record fields of one slot,
// limited to the spans that end within recordBytes. Returns false (and writes
// nothing) when the frequency holds no data; a zero frequency clears the
// fields given by clearCount and returns false.
bool DecodeRecord(SlotFields& slot, std::string_view reply, int recordBytes, int clearCount);
// Hex text of the spans within recordBytes; the option uses the model's rule.
std::string EncodeRecord(const SlotFields& slot, int recordBytes, int model);

}  // namespace detail

}  // namespace wrk7
