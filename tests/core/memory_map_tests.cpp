// Where things are: the areas of the receiver's memory, the parts of the slot
// space, the upper slots' codes, and the merge of a transfer that walks the map
// and keeps the notes the receiver does not hold.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "core/memory_map.h"
#include "core/slot_areas.h"
#include "edit/transfer_merge.h"

namespace wrk7 {
namespace {

using P = TransferPart;

// Where the receiver keeps what: the map every transfer, the emulator and the
// merge walk, so a slip here would move them all together.
TEST(MemoryMap, AreasSitWhereTheReceiverKeepsThem) {
    const struct { Area area; int address, blocks, digits; } rows[] = {
        {Area::kSettings0, 0x0000, 1, 64},      {Area::kSettings1, 0x0020, 1, 46},
        {Area::kScanGroups, 0x0080, 3, 176},    {Area::kBankTable, 0x0100, 4, 216},
        {Area::kZeroFill, 0x0180, 4, 256},      {Area::kChannelFlags, 0x0200, 5, 325},
        {Area::kVfoRecords, 0x0300, 14, 420},   {Area::kChannelRecords, 0x0A00, 1300, 83200},
    };
    for (const auto& r : rows) {
        const MemoryArea& a = AreaOf(r.area);
        EXPECT_EQ(std::tuple(a.address, a.blocks, a.dataDigits), std::tuple(r.address, r.blocks, r.digits)) << a.name;
    }
    EXPECT_EQ(BlockAddress(Area::kChannelRecords, 1299), 0xAC60);
    for (std::size_t k = 1; k < kMemoryMap.size(); ++k)
        EXPECT_LE(kMemoryMap[k - 1].address + kMemoryMap[k - 1].blocks * kBlockBytes, kMemoryMap[k].address)
            << kMemoryMap[k - 1].name << " runs into " << kMemoryMap[k].name;
}

// Every slot belongs to exactly one area, and no slot is left out. The labels
// and numbers that name the slots are tested where they are read and written:
// the grid's row labels (tests/edit, BankTable) and the CSV file (tests/lists).
TEST(SlotAreas, TileTheSlotSpace) {
    int next = 0;
    for (const SlotArea& area : kSlotAreas) {
        EXPECT_EQ(area.first, next) << area.csvName;
        EXPECT_TRUE(&AreaById(area.id) == &area && &SlotAreaOf(area.first) == &area && &SlotAreaOf(area.End() - 1) == &area)
            << area.csvName;
        next = area.End();
    }
    EXPECT_EQ(next, kSlotCount);
    EXPECT_EQ(std::pair(SlotAreaOf(-1).id, SlotAreaOf(kSlotCount).id), std::pair(SlotAreaId::kChannels, SlotAreaId::kPriority));
}

// Slots from 1000 up go by the codes 50..52 and a place in their hundred.
TEST(MemoryMap, UpperSlotsByCodeAndPosition) {
    for (const auto& [slot, code, position] :
         {std::tuple{1000, 50, 0}, {1099, 50, 99}, {1100, 51, 0}, {1250, 52, 50}, {1299, 52, 99}}) {
        const auto upper = UpperAddressOf(slot);
        EXPECT_EQ(std::tuple(upper.bankCode, upper.position, UpperSlotOf(code, position)), std::tuple(code, position, slot));
    }
    for (auto [code, position] : {std::pair{49, 0}, {50, 100}, {50, -1}, {53, 0}})
        EXPECT_EQ(UpperSlotOf(code, position), -1) << code << "/" << position;
}

// Which stores differ between two images, by name, in the order below.
std::string Changed(const CloneImage& a, const CloneImage& b) {
    const std::pair<bool, const char*> stores[] = {
        {a.settings.block0 == b.settings.block0, "SettingsBlock0"}, {a.settings.block1 == b.settings.block1, "SettingsBlock1"},
        {a.settings.values == b.settings.values, "Settings"},       {a.vfo.bands == b.vfo.bands, "Vfo"},
        {a.banks.counts == b.banks.counts, "BankCount"},            {a.banks.blocks == b.banks.blocks, "BankBlock"},
        {a.groups.block == b.groups.block, "GroupBlock"},           {a.groups.members == b.groups.members, "GroupMember"},
        {a.flags.blocks == b.flags.blocks, "FlagBlock"},            {a.memory.enabled == b.memory.enabled, "ChannelEnable"},
        {a.memory.slot == b.memory.slot, "Mem"}};
    std::string out;
    for (const auto& [same, name] : stores)
        if (!same) out.append(out.empty() ? "" : " ").append(name);
    return out;
}

// The notes of slots 0 and 1, then of bands 0 and 1.
std::string Notes(const CloneImage& image) {
    std::string out;
    for (int i = 0; i < 2; ++i) out += image.memory.slot[i].Text(kNote) + "|";
    for (int i = 0; i < 2; ++i) out += image.vfo.bands[i].Text(kNote) + "|";
    return out;
}

// The merge walks the map's readBy: a part that covers the wrong areas takes
// the wrong stores here. The receiver sends no notes, so a read keeps the
// image's note only where it left the frequency as it was.
TEST(TransferMerge, TakesOnlyTheStoresOfTheAreasReadAndNotesWhereTheFrequencyStayed) {
    CloneImage edited;  // slots 0 and 1, VFO bands 0 and 1, each with a note
    for (int s = 0; s < 2; ++s) {
        edited.memory.slot[s].Set(kFreq, s == 0 ? 145.0 : 118.1);
        edited.memory.slot[s].SetText(kNote, "slot " + std::to_string(s));
        edited.memory.enabled[s] = true;
        edited.vfo.bands[s].Set(kFreq, 30.0 * (s + 1));
        edited.vfo.bands[s].SetText(kNote, "band " + std::to_string(s));
    }
    // What the receiver sent: slot 0 and band 0 as they were, slot 1 and band
    // 1 moved to another frequency, and no note anywhere; a note the read
    // result carries (not the receiver's) never moves with a changed frequency.
    CloneImage worked = edited;
    DropNotes(worked);
    ASSERT_EQ(Notes(worked), "||||");
    worked.memory.slot[1].Set(kFreq, 119.0);
    worked.memory.slot[1].SetText(kNote, "stale");
    worked.memory.enabled[5] = true;
    worked.vfo.bands[1].Set(kFreq, 61.0);
    worked.settings.block0 = "A5";
    worked.settings.block1 = "0B";
    worked.settings.values.afVolume = 9;
    worked.banks.counts[0] = 90;
    worked.banks.blocks[0] = "5A00";
    worked.groups.block = "01";
    worked.groups.members[1][0] = true;
    worked.flags.blocks[0] = "80";

    const struct { P part; const char* taken; const char* notes; } rows[] = {
        {P::kAll, "SettingsBlock0 SettingsBlock1 Settings Vfo BankCount BankBlock GroupBlock GroupMember FlagBlock ChannelEnable Mem",
         "slot 0||band 0||"},
        {P::kSettings, "SettingsBlock0 SettingsBlock1 Settings Vfo", "slot 0|slot 1|band 0||"},
        {P::kMemory, "BankCount BankBlock GroupBlock GroupMember FlagBlock ChannelEnable Mem", "slot 0||band 0|band 1|"},
        {P::kBank, "BankCount BankBlock GroupBlock GroupMember", "slot 0|slot 1|band 0|band 1|"},
        {P::kGroups, "GroupBlock GroupMember", "slot 0|slot 1|band 0|band 1|"},
    };
    for (const auto& r : rows) {
        CloneImage image = edited;
        TakeReadAreas(image, worked, r.part);
        EXPECT_EQ(Changed(edited, image), r.taken) << static_cast<int>(r.part);
        EXPECT_EQ(Notes(image), r.notes) << static_cast<int>(r.part);
    }
}

}  // namespace
}  // namespace wrk7
