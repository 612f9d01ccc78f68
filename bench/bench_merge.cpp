// A three-way merge of two rich images with 500 changes on each side, as the
// window's merge with the receiver plans and takes it: under 50 ms.
#include <benchmark/benchmark.h>

#include "edit/three_way_merge.h"

namespace {

using namespace wrk7;

// Every slot in use with varied field values.
CloneImage FullImage() {
    CloneImage image;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        SlotFields& s = image.memory.slot[slot];
        s.Set(kFreq, 100.0 + slot * 0.0125);
        s.Set(kMode, slot % 3);
        s.Set(kTone, slot % 39);
        s.Set(kSkip, slot % 2);
        s.SetText(kName, "CH" + std::to_string(slot % 1000));
        s.SetText(kNote, "note " + std::to_string(slot));
        image.memory.enabled[slot] = true;
    }
    for (int g = 1; g < kGroups; ++g) image.groups.members[g][g] = true;
    return image;
}

// count changes of field in every other slot from first.
void Change(CloneImage& image, int first, int field, int count) {
    for (int k = 0; k < count; ++k) {
        SlotFields& s = image.memory.slot[(first + k * 2) % kSlotCount];
        if (field == kTone)
            s.Set(kTone, (s.Value(kTone) + 1 + first % 3));
        else
            s.SetText(kName, "M" + std::to_string(k));
    }
}

void BM_MergeRichImages(benchmark::State& state) {
    const CloneImage base = FullImage();
    CloneImage mine = base, receiver = base;
    Change(mine, 0, kName, 500);
    Change(receiver, 1, kTone, 400);
    Change(receiver, 1, kName, 50);
    receiver.ClearSlot(2);                   // mine renamed it: a whole-slot conflict
    for (int k = 0; k < 49; ++k) Change(receiver, 4 * k, kName, 1);  // apart from mine's names
    for (auto _ : state) {
        const MergePlan plan = PlanMerge(base, mine, receiver);
        benchmark::DoNotOptimize(ApplyMerge(mine, receiver, plan, std::vector<MergeSide>(plan.conflicts.size())));
        state.counters["conflicts"] = static_cast<double>(plan.conflicts.size());
    }
}
BENCHMARK(BM_MergeRichImages)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
