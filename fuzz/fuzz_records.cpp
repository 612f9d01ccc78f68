// The record decoders: any reply text decodes without harm, re-encoding gives
// a record of the exact length, and decoding that record again and encoding
// it gives the same record.
#include <string>

#include "codecs/channel_codec.h"
#include "codecs/settings_codec.h"
#include "codecs/vfo_codec.h"
#include "core/flag_block.h"
#include "edit/bank.h"
#include "fuzz_check.h"

using namespace wrk7;

namespace {

std::string AsReply(const std::string& record) { return "\r\n" + record; }

void Channel(CloneImage& image, const std::string& reply) {
    DecodeChannel(image, reply, 0);
    const std::string first = EncodeChannel(image, 0);
    fuzz::Require(first.size() == 64, "a channel record has 64 digits", first);
    DecodeChannel(image, AsReply(first), 1);
    fuzz::Require(EncodeChannel(image, 1) == first, "a channel record decodes to itself", first);
}

void Vfo(CloneImage& image, const std::string& reply) {
    DecodeVfoBand(image, reply, 0);
    const std::string first = EncodeVfoBand(image, 0);
    fuzz::Require(first.size() == 30, "a VFO record has 30 digits", first);
    DecodeVfoBand(image, AsReply(first), 1);
    fuzz::Require(EncodeVfoBand(image, 1) == first, "a VFO record decodes to itself", first);
}

void Settings(CloneImage& image, const std::string& text) {
    image.settings.block0 = text.substr(0, 64);
    image.settings.block1 = text.size() > 64 ? text.substr(64) : std::string();
    DecodeSettings(image);
    const auto blocks = EncodeSettings(image);
    fuzz::Require(blocks[0].size() == 64 && blocks[1].size() == 46, "settings blocks have 64 and 46 digits",
                  blocks[0] + " " + blocks[1]);
    image.settings.block0 = blocks[0];
    image.settings.block1 = blocks[1];
    DecodeSettings(image);
    fuzz::Require(EncodeSettings(image) == blocks, "settings decode to themselves");
}

void Tables(CloneImage& image, const std::string& text) {
    for (std::size_t k = 0; k < image.banks.blocks.size(); ++k)
        image.banks.blocks[k] = text.size() > 64 * k ? text.substr(64 * k, 64) : std::string();
    image.groups.block = text;
    for (std::size_t k = 0; k < image.flags.blocks.size(); ++k)
        image.flags.blocks[k] = text.size() > 64 * k ? text.substr(64 * k, 64) : std::string();
    DecodeBankTable(image);
    DecodeGroupBlock(image);
    DecodeFlagBlock(image);
    image.banks.blocks = EncodeBankTable(image);
    image.groups.block = EncodeGroupBlock(image);
    image.flags.blocks = EncodeFlagBlock(image);
    const CloneImage first = image;
    DecodeBankTable(image);
    DecodeGroupBlock(image);
    DecodeFlagBlock(image);
    fuzz::Require(EncodeBankTable(image) == first.banks.blocks, "the bank table decodes to itself");
    fuzz::Require(EncodeGroupBlock(image) == first.groups.block, "the group block decodes to itself");
    fuzz::Require(image.flags.blocks == first.flags.blocks, "the enable map decodes to itself");
}

}  // namespace

// The first byte picks the decoder and the model; the rest is the text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t choice = data[0];
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    CloneImage image;
    image.model = (choice >> 2) % 4;
    switch (choice % 4) {
        case 0: Channel(image, text); break;
        case 1: Vfo(image, text); break;
        case 2: Settings(image, text); break;
        default: Tables(image, text); break;
    }
    return 0;
}
