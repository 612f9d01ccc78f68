#pragma once
#include <array>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "core/image.h"

namespace wrk7 {

// The transfers the buttons and menus start: kAll is "read all" / "write
// all", which covers what the settings and memory parts cover.
enum class TransferPart { kAll, kSettings, kMemory, kBank, kGroups };
enum class TransferDirection { kRead, kWrite };

// A set of parts, for the map's "read by" and "written by" columns.
class PartSet {
public:
    constexpr PartSet() = default;
    constexpr PartSet(std::initializer_list<TransferPart> parts) {
        for (TransferPart p : parts) bits_ |= Bit(p);
    }
    // kAll is in the set when the settings or the memory part is.
    constexpr bool Covers(TransferPart part) const {
        if (part == TransferPart::kAll) return (bits_ & (Bit(TransferPart::kSettings) | Bit(TransferPart::kMemory))) != 0;
        return (bits_ & Bit(part)) != 0;
    }
    constexpr bool Empty() const { return bits_ == 0; }

private:
    static constexpr std::uint8_t Bit(TransferPart p) { return static_cast<std::uint8_t>(1u << static_cast<int>(p)); }
    std::uint8_t bits_ = 0;
};

// The areas of the receiver's memory the program reads or writes.
enum class Area {
    kSettings0,       // settings block 0
    kSettings1,       // settings block 1
    kScanGroups,      // scan-group block
    kBankTable,       // 50 bank sizes
    kZeroFill,        // cleared by the bank and memory writes, never read
    kChannelFlags,    // enable bit map, one bit a slot; never written
    kVfoRecords,      // one block a VFO band
    kChannelRecords,  // one block a slot; written by bank and position, not by address
};

// Every block is 32 bytes and starts 0x20 after the one before.
inline constexpr int kBlockBytes = 32;
inline constexpr int kBlockDigits = 2 * kBlockBytes;

struct MemoryArea {
    Area area;
    std::string_view name;
    int address;     // of the first block
    int blocks;      // blocks a transfer reads or writes, one after the other
    int dataDigits;  // hex digits of data the area holds (a read still takes whole blocks)
    PartSet readBy;
    PartSet writtenBy;
};

// The receiver's memory map, in address order.
inline constexpr std::array<MemoryArea, 8> kMemoryMap{{
    {Area::kSettings0, "settings block 0", 0x0000, 1, 64, {TransferPart::kSettings}, {TransferPart::kSettings}},
    // Only 23 of the 32 bytes are written; the rest stay as the receiver had them.
    {Area::kSettings1, "settings block 1", 0x0020, 1, 46, {TransferPart::kSettings}, {TransferPart::kSettings}},
    // 11 group records of 8 bytes; the last block is written 24 bytes short.
    {Area::kScanGroups, "scan groups", 0x0080, 3, 176,
     {TransferPart::kMemory, TransferPart::kBank, TransferPart::kGroups},
     {TransferPart::kMemory, TransferPart::kGroups}},
    // 50 counts and four fixed words: the last block is written 12 bytes long.
    {Area::kBankTable, "bank table", 0x0100, 4, 216, {TransferPart::kMemory, TransferPart::kBank},
     {TransferPart::kMemory, TransferPart::kBank}},
    {Area::kZeroFill, "zero-filled area", 0x0180, 4, 256, {}, {TransferPart::kMemory, TransferPart::kBank}},
    // 1300 bits; the five digits past the fifth block are never read.
    {Area::kChannelFlags, "channel flags", 0x0200, 5, 325, {TransferPart::kMemory}, {}},
    {Area::kVfoRecords, "VFO records", 0x0300, 14, 14 * 30, {TransferPart::kSettings}, {TransferPart::kSettings}},
    {Area::kChannelRecords, "channel records", 0x0A00, 1300, 1300 * kBlockDigits, {TransferPart::kMemory},
     {TransferPart::kMemory}},
}};

constexpr const MemoryArea& AreaOf(Area area) { return kMemoryMap[static_cast<std::size_t>(area)]; }
// The address of block k of area (k may run past its blocks, as the bit map's tail does).
constexpr int BlockAddress(Area area, int block) { return AreaOf(area).address + kBlockBytes * block; }

// A channel write names its slot by bank code and position, not by address:
// a memory channel by its bank (00..49) and its place there, a slot from 1000
// up by the codes 50, 51 and 52, one per hundred slots (program-scan edges,
// search pass, priority).
struct UpperChannelAddress {
    int bankCode;
    int position;
};
inline constexpr int kUpperSlotsPerCode = 100;

// For slots 1000..1299.
constexpr UpperChannelAddress UpperAddressOf(int slot) {
    const int offset = slot - kChannelCount;
    return {kBanks + offset / kUpperSlotsPerCode, offset % kUpperSlotsPerCode};
}

// The slot from 1000 up that a code and position name; -1 when they name none.
constexpr int UpperSlotOf(int bankCode, int position) {
    const int part = bankCode - kBanks;
    if (part < 0 || position < 0 || position >= kUpperSlotsPerCode) return -1;
    const int slot = kChannelCount + part * kUpperSlotsPerCode + position;
    return slot < kSlotCount ? slot : -1;
}

}  // namespace wrk7
