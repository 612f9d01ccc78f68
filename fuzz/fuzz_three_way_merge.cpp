// The three-way merge over random scenarios: from an input's seed, many pairs
// of random edit sets on a rich image, some edits made on both sides alike,
// some on the same field apart. Whichever side wins the conflicts, no change
// of either side is lost, a conflict is reported exactly where both sides
// changed the same unit differently, and a note stays only where its
// frequency does.
#include <algorithm>
#include <random>
#include <set>

#include "core/set_mode_catalogue.h"
#include "edit/three_way_merge.h"
#include "fuzz_check.h"
#include "saved_form.h"

using namespace wrk7;

namespace {

constexpr int kScenariosPerInput = 100;
using Random = std::mt19937_64;

int Pick(Random& random, int count) { return static_cast<int>(random() % static_cast<unsigned>(count)); }

// One random edit; the same random state makes the same edit, so a copy of
// the state made before an edit on one side repeats it on the other.
void RandomEdit(CloneImage& image, Random& random) {
    const int slot = Pick(random, 40) * 31 % kSlotCount;
    switch (Pick(random, 9)) {
        case 0: image.memory.slot[slot].Set(kFreq, 100 + Pick(random, 4) * 0.5); image.memory.enabled[slot] = true; break;
        case 1: image.memory.slot[slot].Set(1 + Pick(random, 8), Pick(random, 3)); break;
        case 2: image.memory.slot[slot].SetText(kName, "N" + std::to_string(Pick(random, 3))); break;
        case 3: image.ClearSlot(slot); break;
        case 4: image.memory.slot[slot].SetText(kNote, "mine " + std::to_string(Pick(random, 3))); break;
        case 5: image.vfo.bands[Pick(random, kBandCount)].Set(Pick(random, kCodedFieldCount), Pick(random, 3)); break;
        case 6: {
            const SetModeSetting& setting = SetModeCatalogue()[static_cast<std::size_t>(Pick(random, 12))];
            setting.Set(image.settings.values, Pick(random, 2));
            break;
        }
        case 7: image.groups.members[Pick(random, kGroups)][Pick(random, 4)] ^= true; break;
        default: {
            const int from = Pick(random, 3), to = Pick(random, 5), count = 1 + Pick(random, 3);
            if (image.banks.counts[from] >= count) image.banks.counts[from] -= count, image.banks.counts[to] += count;
            image.banks.links[Pick(random, 4)] ^= true;
        }
    }
}

bool Used(const CloneImage& image, int slot) { return image.memory.enabled[slot] && !image.memory.slot[slot].IsEmpty(); }

// Every unit, as the merge's rules define them, whatever the plan says.
std::vector<MergeItem> Units(const CloneImage& base, const CloneImage& mine, const CloneImage& receiver) {
    std::vector<MergeItem> units;
    for (int s = 0; s < kSlotCount; ++s) {
        if (Used(base, s) != Used(mine, s) || Used(base, s) != Used(receiver, s)) {
            units.push_back({MergeKind::kSlot, s, 0});
            continue;
        }
        for (int f = 0; f <= kEnableField; ++f)
            if (f != kNote) units.push_back({MergeKind::kSlotField, s, f});
    }
    for (int b = 0; b < kBandCount; ++b)
        for (int f = 0; f < kVfoFieldCount; ++f)
            if (f != kNote) units.push_back({MergeKind::kBandField, b, f});
    units.push_back({MergeKind::kBankTable, 0, 0});
    for (int b = 0; b < kBanks; ++b) units.push_back({MergeKind::kLink, b, 0});
    for (int g = 0; g < kGroups; ++g) units.push_back({MergeKind::kGroup, g, 0});
    for (std::size_t i = 0; i < SetModeCatalogue().size(); ++i) units.push_back({MergeKind::kSetting, static_cast<int>(i), 0});
    return units;
}

void Scenario(int model, Random& random) {
    CloneImage base = fuzz::ChannelsInEveryArea(model);  // made rich by 200 edits
    for (int k = 0; k < 200; ++k) RandomEdit(base, random);
    CloneImage mine = base, receiver = base;
    for (int k = Pick(random, 30); k > 0; --k) {
        Random again = random;
        const int how = Pick(random, 4);
        RandomEdit(how == 1 ? receiver : mine, random);
        if (how == 2) RandomEdit(receiver, again);   // alike on both sides
        if (how == 3) RandomEdit(receiver, random);  // very likely the same field, apart
    }
    const MergePlan plan = PlanMerge(base, mine, receiver);
    const std::set<MergeItem> reported(plan.conflicts.begin(), plan.conflicts.end());
    for (MergeSide side : {MergeSide::kMine, MergeSide::kReceiver}) {
        const CloneImage merged = ApplyMerge(mine, receiver, plan, std::vector<MergeSide>(plan.conflicts.size(), side));
        for (const MergeItem& unit : Units(base, mine, receiver)) {
            const bool mineChanged = !SameInBoth(base, mine, unit), receiverChanged = !SameInBoth(base, receiver, unit);
            const bool apart = mineChanged && receiverChanged && !SameInBoth(mine, receiver, unit);
            const std::string where = std::to_string(int(unit.kind)) + "/" + std::to_string(unit.index) + "/" +
                                      std::to_string(unit.field);
            fuzz::Require(apart == reported.contains(unit), "a conflict exactly where both sides changed apart", where);
            const CloneImage& winner = apart ? (side == MergeSide::kMine ? mine : receiver)
                                             : receiverChanged ? receiver : mineChanged ? mine : base;
            fuzz::Require(SameInBoth(merged, winner, unit), "no change of either side is lost", where);
        }
        for (int s = 0; s < kSlotCount; ++s) {
            const SlotFields &m = merged.memory.slot[s], &own = mine.memory.slot[s];
            fuzz::Require(m.Text(kNote) == (m.Text(kFreq) == own.Text(kFreq) ? own.Text(kNote) : std::string()),
                          "a note stays where its frequency stays", std::to_string(s));
        }
    }
}

}  // namespace

// The first byte picks the model, the rest seed the scenarios.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int model = fuzz::ModelOf(data, size);
    std::seed_seq seed(data, data + size);
    Random random(seed);
    for (int k = 0; k < kScenariosPerInput; ++k) Scenario(model, random);
    return 0;
}
