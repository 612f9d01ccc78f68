#include "core/flag_block.h"

#include "core/hex.h"

namespace wrk7 {

std::array<std::string, 6> EncodeFlagBlock(const CloneImage& image) {
    std::string bits;
    bits.reserve(kSlotCount);
    for (bool on : image.memory.enabled) bits += on ? '1' : '0';
    std::string hex;
    for (std::size_t i = 0; i < bits.size(); i += 4) hex += BitsToHexDigit(bits.substr(i, 4));
    std::array<std::string, 6> blocks;
    for (int chunk = 0; chunk < 6; ++chunk) blocks[chunk] = hex.substr(chunk * 64, 64);
    return blocks;
}

void DecodeFlagBlock(CloneImage& image) {
    std::string hex;
    for (const auto& chunk : image.flags.blocks) hex += chunk;
    std::string bits;
    // The receiver's map is 256 bytes; only the first 1300 bits carry slots.
    for (std::size_t i = 0; i < 512; ++i)
        bits += HexDigitToBits(i < hex.size() ? hex.substr(i, 1) : std::string_view{});
    for (int slot = 0; slot < kSlotCount; ++slot) image.memory.enabled[slot] = bits[slot] == '1';
}

}  // namespace wrk7
