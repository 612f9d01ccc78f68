// Where things are: the areas of the receiver's memory, the parts of the slot
// space, the upper slots' codes, and the merge of a transfer that walks the map.
#include <gtest/gtest.h>

#include <set>
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
        EXPECT_LE(a.dataDigits, (a.blocks + 1) * kBlockDigits) << a.name << ": data beyond its blocks";
    }
    EXPECT_EQ(BlockAddress(Area::kChannelRecords, 1299), 0xAC60);
    for (std::size_t k = 1; k < kMemoryMap.size(); ++k)
        EXPECT_LE(kMemoryMap[k - 1].address + kMemoryMap[k - 1].blocks * kBlockBytes, kMemoryMap[k].address)
            << kMemoryMap[k - 1].name << " runs into " << kMemoryMap[k].name;
}

// Every slot belongs to exactly one area, and no slot is left out. The labels
// and numbers that name the slots are tested where they are read and written:
// the grid's row labels (tests/edit, BankTable) and the CSV file (tests/files).
TEST(SlotAreas, TileTheSlotSpace) {
    int next = 0;
    for (const SlotArea& area : kSlotAreas) {
        EXPECT_EQ(area.first, next) << area.csvName;
        EXPECT_TRUE(&AreaById(area.id) == &area && &SlotAreaOf(area.first) == &area && &SlotAreaOf(area.End() - 1) == &area)
            << area.csvName;
        next = area.End();
    }
    EXPECT_EQ(next, kSlotCount);
    EXPECT_EQ(SlotAreaOf(-1).id, SlotAreaId::kChannels);
    EXPECT_EQ(SlotAreaOf(kSlotCount).id, SlotAreaId::kPriority);
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

// Which stores differ between two images, by name.
std::set<std::string> Changed(const CloneImage& a, const CloneImage& b) {
    std::set<std::string> out;
    const auto note = [&out](bool same, const char* name) { if (!same) out.insert(name); };
    note(a.settings.block0 == b.settings.block0, "SettingsBlock0");
    note(a.settings.block1 == b.settings.block1, "SettingsBlock1");
    note(a.settings.values == b.settings.values, "Settings");
    note(a.vfo.bands == b.vfo.bands, "Vfo");
    note(a.banks.counts == b.banks.counts, "BankCount");
    note(a.banks.blocks == b.banks.blocks, "BankBlock");
    note(a.groups.block == b.groups.block, "GroupBlock");
    note(a.groups.members == b.groups.members, "GroupMember");
    note(a.flags.blocks == b.flags.blocks, "FlagBlock");
    note(a.memory.enabled == b.memory.enabled, "ChannelEnable");
    note(a.memory.slot == b.memory.slot, "Mem");
    return out;
}

// The merge walks the map's readBy: a part that covers the wrong areas takes
// the wrong stores here.
TEST(TransferMerge, TakesOnlyTheStoresOfTheAreasRead) {
    CloneImage edited;
    CloneImage worked;
    worked.settings.block0 = "A5";
    worked.settings.block1 = "0B";
    worked.settings.values.afVolume = 9;
    worked.vfo.bands[3].Set(kFreq, 145.0);
    worked.banks.counts[0] = 90;
    worked.banks.blocks[0] = "5A00";
    worked.groups.block = "01";
    worked.groups.members[1][0] = true;
    worked.flags.blocks[0] = "80";
    worked.memory.enabled[0] = true;
    worked.memory.slot[0].Set(kFreq, 118.1);

    using Names = std::set<std::string>;
    const Names settingsRead{"SettingsBlock0", "SettingsBlock1", "Settings", "Vfo"};
    const Names bankRead{"BankCount", "BankBlock", "GroupBlock", "GroupMember"};
    Names memoryRead = bankRead;
    memoryRead.insert({"FlagBlock", "ChannelEnable", "Mem"});
    Names allRead = settingsRead;
    allRead.insert(memoryRead.begin(), memoryRead.end());
    const struct { P part; Names taken; } rows[] = {
        {P::kAll, allRead}, {P::kSettings, settingsRead}, {P::kMemory, memoryRead}, {P::kBank, bankRead},
        {P::kGroups, {"GroupBlock", "GroupMember"}},
    };
    for (const auto& r : rows) {
        CloneImage image = edited;
        TakeReadAreas(image, worked, r.part);
        EXPECT_EQ(Changed(edited, image), r.taken) << static_cast<int>(r.part);
    }
}

}  // namespace
}  // namespace wrk7
