// The three-way merge's rules: each kind of unit changed on one side, alike
// on both, differently on both (decided each way), the notes that follow
// their channel, the bank table as a whole and its refusal.
#include <gtest/gtest.h>

#include <functional>

#include "core/flag_block.h"
#include "edit/bank.h"
#include "edit/three_way_merge.h"

namespace wrk7 {
namespace {

using Edit = std::function<void(CloneImage&)>;

// Transfer forms made from the values, so images compare by what they hold.
CloneImage Normalised(CloneImage image) {
    UpdateBankTotal(image);
    image.banks.blocks = EncodeBankTable(image);
    image.groups.block = EncodeGroupBlock(image);
    image.flags.blocks = EncodeFlagBlock(image);
    return image;
}

CloneImage Base() {
    CloneImage image;
    for (int s : {0, 1, 5}) image.memory.slot[s].Set(kFreq, 145 + s), image.memory.enabled[s] = true;
    image.memory.slot[0].SetText(kNote, "tower");
    return Normalised(image);
}

Edit SlotField(int slot, int field, double value) { return [=](CloneImage& i) { i.memory.slot[slot].Set(field, value); }; }
Edit Name(int slot, const char* name) { return [=](CloneImage& i) { i.memory.slot[slot].SetText(kName, name); }; }
Edit Band(int band, int field, double value) { return [=](CloneImage& i) { i.vfo.bands[band].Set(field, value); }; }
Edit Volume(int level) { return [=](CloneImage& i) { i.settings.values.afVolume = level; }; }
Edit Group(int group, int bank) { return [=](CloneImage& i) { i.groups.members[group][bank] = true; }; }
Edit Link(int bank) { return [=](CloneImage& i) { i.banks.links[bank] = true; }; }
Edit Move(int from, int to, int n) { return [=](CloneImage& i) { i.banks.counts[from] -= n, i.banks.counts[to] += n; }; }
Edit Channel(int slot) { return [=](CloneImage& i) { i.memory.slot[slot].Set(kFreq, 440), i.memory.enabled[slot] = true; }; }
Edit Delete(int slot) { return [=](CloneImage& i) { i.ClearSlot(slot); }; }
Edit Note(int slot, const char* note) { return [=](CloneImage& i) { i.memory.slot[slot].SetText(kNote, note); }; }
Edit Then(Edit a, Edit b) { return [=](CloneImage& i) { a(i), b(i); }; }
const Edit kNothing = [](CloneImage&) {};

CloneImage Edited(const Edit& edit) {
    CloneImage image = Base();
    return edit(image), Normalised(image);
}

TEST(ThreeWayMerge, TakesOneSidedAndAlikeChangesAndDecidesConflictsEachWay) {
    const struct {
        const char* what;
        Edit mine, receiver;
        Edit keepMine, takeReceiver;  // what the merge must hold, decided each way
        std::vector<MergeKind> conflicts;
    } cases[] = {
        {"receiver's frequency, note goes", kNothing, SlotField(0, kFreq, 150), Then(SlotField(0, kFreq, 150), Note(0, "")),
         Then(SlotField(0, kFreq, 150), Note(0, "")), {}},
        {"alike on both", SlotField(1, kTone, 7), SlotField(1, kTone, 7), SlotField(1, kTone, 7), SlotField(1, kTone, 7), {}},
        {"two fields of one slot, a band's", Name(1, "A"), Then(SlotField(1, kTone, 3), Band(3, kMode, 1)),
         Then(Name(1, "A"), Then(SlotField(1, kTone, 3), Band(3, kMode, 1))),
         Then(Name(1, "A"), Then(SlotField(1, kTone, 3), Band(3, kMode, 1))), {}},
        {"tone apart", SlotField(5, kTone, 2), SlotField(5, kTone, 4), SlotField(5, kTone, 2), SlotField(5, kTone, 4),
         {MergeKind::kSlotField}},
        {"frequency apart, note follows", SlotField(0, kFreq, 146.5), SlotField(0, kFreq, 147.5), SlotField(0, kFreq, 146.5),
         Then(SlotField(0, kFreq, 147.5), Note(0, "")), {MergeKind::kSlotField}},
        {"tone on the receiver keeps the note", Note(0, "mast"), SlotField(0, kTone, 5),
         Then(Note(0, "mast"), SlotField(0, kTone, 5)), Then(Note(0, "mast"), SlotField(0, kTone, 5)), {}},
        {"band apart", Band(2, kStep, 4), Band(2, kStep, 5), Band(2, kStep, 4), Band(2, kStep, 5), {MergeKind::kBandField}},
        {"setting apart", Volume(3), Volume(9), Volume(3), Volume(9), {MergeKind::kSetting}},
        {"group apart", Group(2, 1), Group(2, 3), Group(2, 1), Group(2, 3), {MergeKind::kGroup}},
        {"link", Link(4), kNothing, Link(4), Link(4), {}},
        {"bank table of one side", kNothing, Move(0, 1, 10), Move(0, 1, 10), Move(0, 1, 10), {}},
        {"bank tables apart: one unit", Move(0, 1, 10), Move(2, 3, 5), Move(0, 1, 10), Move(2, 3, 5), {MergeKind::kBankTable}},
        {"channel gone on the receiver, renamed in mine", Name(5, "X"), Delete(5), Name(5, "X"), Delete(5),
         {MergeKind::kSlot}},
        {"channel new on the receiver", kNothing, Channel(9), Channel(9), Channel(9), {}},
    };
    for (const auto& c : cases) {
        const CloneImage base = Base(), mine = Edited(c.mine), receiver = Edited(c.receiver);
        const MergePlan plan = PlanMerge(base, mine, receiver);
        std::vector<MergeKind> kinds;
        for (const MergeItem& item : plan.conflicts) kinds.push_back(item.kind);
        EXPECT_EQ(kinds, c.conflicts) << c.what;
        for (const auto& [side, expected] : {std::pair{MergeSide::kMine, &c.keepMine}, {MergeSide::kReceiver, &c.takeReceiver}}) {
            const CloneImage merged = ApplyMerge(mine, receiver, plan, std::vector<MergeSide>(plan.conflicts.size(), side));
            EXPECT_TRUE(merged == Edited(*expected)) << c.what;
        }
    }
}

TEST(ThreeWayMerge, SidesAlikeAreTakenOnceAndATableShortOf1000IsRefused) {
    const CloneImage base = Base(), both = Edited(SlotField(1, kTone, 7));
    EXPECT_EQ(PlanMerge(base, both, both).same, (std::vector<MergeItem>{{MergeKind::kSlotField, 1, kTone}}));
    const CloneImage shorter = Edited([](CloneImage& i) { i.banks.counts[0] -= 10; });
    const CloneImage merged = ApplyMerge(shorter, base, PlanMerge(base, shorter, base), {});
    EXPECT_TRUE(!MergeRefusal(merged).empty() && MergeRefusal(merged) == BankTotalRefusal(merged, TransferPart::kAll));
    EXPECT_TRUE(MergeRefusal(base).empty());
}

}  // namespace
}  // namespace wrk7
