#include "emulator/memory_image.h"

#include <algorithm>

#include "codecs/channel_codec.h"
#include "codecs/settings_codec.h"
#include "codecs/vfo_codec.h"
#include "core/flag_block.h"
#include "core/hex.h"
#include "core/memory_map.h"
#include "edit/bank.h"
#include "edit/disabled_slots.h"
#include "codecs/new_image.h"

namespace wrk7::emu {

namespace {

void PutHex(Memory& memory, int address, std::string_view hex) {
    for (std::size_t k = 0; k + 1 < hex.size(); k += 2)
        if (auto byte = HexByteAt(hex, k))
            memory[(static_cast<std::size_t>(address) + k / 2) % kMemorySize] = static_cast<std::uint8_t>(*byte);
}

std::string HexAt(const Memory& memory, int address, int bytes) {
    std::string out;
    out.reserve(static_cast<std::size_t>(2 * bytes));
    for (int k = 0; k < bytes; ++k) out += ByteHex(memory[static_cast<std::size_t>(address + k) % kMemorySize]);
    return out;
}

// Block k of an area, as a read gives its data.
std::string BlockHex(const Memory& memory, Area area, int block = 0) {
    return HexAt(memory, BlockAddress(area, block), kBlockBytes);
}

// A block as the host receives it, framing included.
std::string Framed(const Memory& memory, Area area, int block) { return "\r\n" + BlockHex(memory, area, block) + "\r\n"; }

}  // namespace

void StoreImage(Memory& memory, const CloneImage& image) {
    const auto settings = EncodeSettings(image);
    PutHex(memory, AreaOf(Area::kSettings0).address, settings[0]);
    PutHex(memory, AreaOf(Area::kSettings1).address, settings[1]);
    for (int band = 0; band < kBandCount; ++band)
        PutHex(memory, BlockAddress(Area::kVfoRecords, band), EncodeVfoBand(image, band));
    PutHex(memory, AreaOf(Area::kScanGroups).address, EncodeGroupBlock(image));
    const auto banks = EncodeBankTable(image);
    for (int k = 0; k < AreaOf(Area::kBankTable).blocks; ++k)
        PutHex(memory, BlockAddress(Area::kBankTable, k), banks[k]);
    // The last chunk is one nibble short of a byte: pad it.
    std::string flags;
    for (const auto& chunk : EncodeFlagBlock(image)) flags += chunk;
    PutHex(memory, AreaOf(Area::kChannelFlags).address, flags + "0");
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const int address = BlockAddress(Area::kChannelRecords, slot);
        if (image.memory.slot[slot].IsEmpty()) {
            std::fill_n(memory.begin() + address, kBlockBytes, 0xFF);
        } else {
            PutHex(memory, address, EncodeChannel(image, slot));
        }
    }
}

CloneImage ImageFromMemory(const Memory& memory, int model, const CloneImage* notesFrom) {
    CloneImage image;
    image.model = model;
    NewCloneImage(image);
    image.settings.block0 = BlockHex(memory, Area::kSettings0);
    image.settings.block1 = BlockHex(memory, Area::kSettings1);
    DecodeSettings(image);
    for (int band = 0; band < kBandCount; ++band) DecodeVfoBand(image, Framed(memory, Area::kVfoRecords, band), band);
    // A read takes the map's whole blocks; the clone file also keeps the
    // digits of the last slots past them.
    const MemoryArea& flags = AreaOf(Area::kChannelFlags);
    const int tailDigits = flags.dataDigits - flags.blocks * kBlockDigits;
    for (int k = 0; k < flags.blocks; ++k) image.flags.blocks[k] = BlockHex(memory, Area::kChannelFlags, k);
    image.flags.blocks[flags.blocks] =
        HexAt(memory, BlockAddress(Area::kChannelFlags, flags.blocks), (tailDigits + 1) / 2).substr(0, tailDigits);
    DecodeFlagBlock(image);
    for (int k = 0; k < AreaOf(Area::kBankTable).blocks; ++k) image.banks.blocks[k] = BlockHex(memory, Area::kBankTable, k);
    DecodeBankTable(image);
    const MemoryArea& groups = AreaOf(Area::kScanGroups);
    image.groups.block = HexAt(memory, groups.address, groups.blocks * kBlockBytes);
    DecodeGroupBlock(image);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (!DecodeChannel(image, Framed(memory, Area::kChannelRecords, slot), slot)) {
            image.memory.slot[slot].Clear(kFreq);
            image.memory.enabled[slot] = false;
        }
        if (notesFrom && !image.memory.slot[slot].IsEmpty()) image.memory.slot[slot].SetText(kNote, notesFrom->memory.slot[slot].Text(kNote));
    }
    if (notesFrom)
        for (int band = 0; band < kBandCount; ++band) image.vfo.bands[band].SetText(kNote, notesFrom->vfo.bands[band].Text(kNote));
    WipeDisabledSlots(image);
    return image;
}

namespace {

struct DemoChannel {
    double mhz;
    int mode;  // 0 FM, 1 AM, 2 WFM
    int step;  // StepName index
    const char* name;
    const char* note;
    int tone = -1;      // option Tone with this tone index
    int shift = 0;      // 1 +, 2 -
    double offset = 0;  // MHz
    bool skip = false;
};

void PutChannel(CloneImage& image, int slot, const DemoChannel& ch) {
    SlotFields& f = image.memory.slot[slot];
    f.ClearAll();
    f.Set(kFreq, ch.mhz);
    f.Set(kMode, ch.mode);
    f.Set(kStep, ch.step);
    f.Set(kOption, ch.tone >= 0 ? 2 : 0);
    f.Set(kSecret, 0);
    f.Set(kCarrier, 0);
    f.Set(kTone, ch.tone >= 0 ? ch.tone : 8);
    f.Set(kShift, ch.shift);
    f.Set(kOffset, ch.offset);
    f.SetText(kNote, ch.note);
    // As the receiver gives it back: always six characters.
    f.SetText(kName, DecodeName(EncodeName(ch.name)));
    f.Set(kSkip, ch.skip ? 1 : 0);
    image.memory.enabled[slot] = true;
}

}  // namespace

CloneImage DemoImage(int model) {
    CloneImage image;
    image.model = model;
    NewCloneImage(image);

    // Banks by service; the sizes add up to 1000.
    const std::array<int, 12> counts{120, 80, 150, 60, 100, 90, 100, 100, 50, 50, 60, 40};
    image.banks.counts.fill(0);
    for (std::size_t b = 0; b < counts.size(); ++b) image.banks.counts[b] = counts[b];
    UpdateBankTotal(image);
    auto at = [&](int bank, int position) { return *BankToChannel(image, bank, position); };

    // Bank 0: air band (AM, 8.33/25 kHz).
    const DemoChannel air[] = {
        {118.100, 1, 2, "TWR", "Tower north runway"},  {119.250, 1, 2, "APP", "Approach"},
        {121.500, 1, 7, "GUARD", "Emergency, keep"},    {121.900, 1, 2, "GND", "Ground movement"},
        {124.750, 1, 2, "CTR-E", "Area control east"}, {127.825, 1, 2, "ATIS", "Information", -1, 0, 0, true},
        {131.550, 1, 2, "ACARS", "Data link, skip", -1, 0, 0, true},
    };
    for (int i = 0; i < 7; ++i) PutChannel(image, at(0, i), air[i]);
    // Bank 1: marine VHF (FM, 25 kHz), duplex ones with their shift.
    const DemoChannel marine[] = {
        {156.800, 0, 7, "CH16", "Distress and calling"}, {156.650, 0, 7, "CH13", "Bridge to bridge"},
        {156.300, 0, 7, "CH06", "Ship safety"},          {157.100, 0, 7, "CH22A", "Coast guard"},
        {156.925, 0, 7, "PORT", "Harbour ops", -1, 2, 4.6},
    };
    for (int i = 0; i < 5; ++i) PutChannel(image, at(1, i), marine[i]);
    // Bank 2: amateur repeaters with tones and shifts.
    const DemoChannel ham[] = {
        {145.500, 0, 4, "S20", "2 m calling"},
        {145.650, 0, 4, "RPT-A", "Hill repeater", 8, 2, 0.6},
        {145.725, 0, 4, "RPT-B", "City repeater", 12, 2, 0.6},
        {433.500, 0, 7, "U280", "70 cm calling"},
        {439.100, 0, 4, "RPT-C", "Club repeater", 23, 2, 7.6},
        {430.925, 0, 4, "RPT-D", "Link, skip", 12, 1, 5.0, true},
    };
    for (int i = 0; i < 6; ++i) PutChannel(image, at(2, i), ham[i]);
    // Bank 3: broadcast FM.
    const DemoChannel fm[] = {
        {80.000, 2, 9, "FM-A", "Morning news"}, {82.500, 2, 9, "FM-B", "Music"},
        {88.100, 2, 10, "FM-C", "Classic"},     {90.500, 2, 9, "FM-D", "Talk"},
    };
    for (int i = 0; i < 4; ++i) PutChannel(image, at(3, i), fm[i]);
    // Bank 4: medium and short wave (AM, 9/5 kHz).
    const DemoChannel am[] = {
        {0.594, 1, 17, "MW-1", "Medium wave 1"}, {0.693, 1, 17, "MW-2", "Medium wave 2"},
        {6.055, 1, 0, "SW-49", "49 m band"},     {9.595, 1, 0, "SW-31", "31 m band"},
    };
    for (int i = 0; i < 4; ++i) PutChannel(image, at(4, i), am[i]);
    // Bank 5: business and rail, one in the last position of the bank.
    PutChannel(image, at(5, 0), {150.080, 0, 3, "RAIL-1", "Rail ops"});
    PutChannel(image, at(5, 1), {154.450, 0, 7, "TAXI", "Cab dispatch"});
    PutChannel(image, at(5, 89), {158.250, 0, 3, "WORKS", "Last of its bank"});
    // Bank 11 (the last): its last channel is the last memory channel.
    PutChannel(image, at(11, 0), {462.5625, 0, 1, "PMR-1", "Personal radio 1"});
    PutChannel(image, at(11, 39), {467.7125, 0, 1, "PMR-14", "Channel 999"});

    // Program-scan edges: air band and 2 m.
    PutChannel(image, 1000, {118.000, 1, 2, "", "Air low"});
    PutChannel(image, 1001, {137.000, 1, 2, "", "Air high"});
    PutChannel(image, 1002, {144.000, 0, 4, "", "2 m low"});
    PutChannel(image, 1003, {146.000, 0, 4, "", "2 m high"});
    // Search-pass entries: birdies to step over.
    PutChannel(image, 1100, {127.000, 1, 2, "", "Birdie"});
    PutChannel(image, 1101, {145.000, 0, 4, "", "Beacon"});
    // Priority entries.
    PutChannel(image, 1200, {121.500, 1, 7, "PRIO", "Guard watch"});
    PutChannel(image, 1201, {156.800, 0, 7, "PRIO16", "Marine watch"});

    image.vfo.bands[0].SetText(kNote, "Long wave");

    // Set-mode options other than the defaults.
    image.settings.values.optLamp = 1;
    image.settings.values.chkBeep = true;
    image.settings.values.opbAPO = 2;
    image.settings.values.afVolume = 12;
    image.settings.values.squelchLevel = 3;
    image.settings.values.optSkip = 1;
    image.settings.values.opbOpMode = 2;
    image.settings.values.optRecRate = 1;
    image.settings.values.optVscanSpeed = 3;
    image.settings.values.cbbTimeSp = 2;
    // The blocks as a read of this receiver would bring them.
    const auto settings = EncodeSettings(image);
    image.settings.block0 = settings[0];
    image.settings.block1 = settings[1];

    // Scan groups: 1 air + marine, 2 amateur, 3 broadcast.
    image.groups.members[1][0] = image.groups.members[1][1] = true;
    image.groups.members[2][2] = true;
    image.groups.members[3][3] = image.groups.members[3][4] = true;
    image.groups.block = EncodeGroupBlock(image);
    image.banks.blocks = EncodeBankTable(image);
    image.flags.blocks = EncodeFlagBlock(image);
    return image;
}

}  // namespace wrk7::emu
