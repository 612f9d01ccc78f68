// Whole-image codec throughput: what a clone-file load and save do to the
// image, and what a full memory-grid refresh builds.
#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <vector>

#include "codecs/channel_codec.h"
#include "codecs/grid_text.h"
#include "codecs/settings_codec.h"
#include "codecs/vfo_codec.h"
#include "core/flag_block.h"
#include "core/hex.h"
#include "edit/bank.h"
#include "edit/disabled_slots.h"

namespace {

using namespace wrk7;

// An image with every slot in use and varied field values.
CloneImage FullImage() {
    CloneImage image;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        SlotFields& s = image.memory.slot[slot];
        s.Set(kFreq, 100.0 + slot * 0.0125);
        s.Set(kMode, slot % 3);
        s.Set(kStep, slot % 18);
        s.Set(kOption, slot % 5);
        s.Set(kSecret, slot % 29);
        s.Set(kCarrier, slot % 29);
        s.Set(kTone, slot % 39);
        s.Set(kShift, slot % 3);
        s.Set(kOffset, 0.6);
        s.Set(kSkip, slot % 2);
        s.SetText(kName, "CH" + std::to_string(slot % 1000));
        image.memory.enabled[slot] = true;
    }
    SetVfoDefaults(image);
    image.settings.block0 = DefaultSettingsBlock0(0);
    image.settings.block1 = DefaultSettingsBlock1(0);
    DecodeSettings(image);
    for (int g = 1; g < kGroups; ++g) image.groups.members[g][g] = true;
    return image;
}

// The image in transfer form, as a clone file or the receiver holds it.
struct Transfer {
    std::vector<std::string> channels;
    std::vector<std::string> bands;
};

Transfer Encode(CloneImage& image) {
    Transfer t;
    t.channels.reserve(kSlotCount);
    for (int slot = 0; slot < kSlotCount; ++slot) t.channels.push_back("\r\n" + EncodeChannel(image, slot));
    for (int band = 0; band < kBandCount; ++band) t.bands.push_back("\r\n" + EncodeVfoBand(image, band));
    benchmark::DoNotOptimize(EncodeSettings(image));
    benchmark::DoNotOptimize(EncodeFlagBlock(image));
    benchmark::DoNotOptimize(EncodeBankTable(image));
    benchmark::DoNotOptimize(EncodeGroupBlock(image));
    return t;
}

void Decode(CloneImage& image, const Transfer& t) {
    for (int slot = 0; slot < kSlotCount; ++slot) DecodeChannel(image, t.channels[slot], slot);
    for (int band = 0; band < kBandCount; ++band) DecodeVfoBand(image, t.bands[band], band);
    DecodeSettings(image);
    DecodeFlagBlock(image);
    DecodeBankTable(image);
    DecodeGroupBlock(image);
}

void BM_DecodeWholeImage(benchmark::State& state) {
    CloneImage source = FullImage();
    const Transfer t = Encode(source);
    CloneImage image = source;
    for (auto _ : state) {
        Decode(image, t);
        benchmark::DoNotOptimize(image.memory.slot[kSlotCount - 1]);
    }
}
BENCHMARK(BM_DecodeWholeImage)->Unit(benchmark::kMicrosecond);

void BM_EncodeWholeImage(benchmark::State& state) {
    CloneImage image = FullImage();
    for (auto _ : state) {
        Transfer t = Encode(image);
        benchmark::DoNotOptimize(t);
    }
}
BENCHMARK(BM_EncodeWholeImage)->Unit(benchmark::kMicrosecond);

void BM_DecodeAndReencode(benchmark::State& state) {
    CloneImage source = FullImage();
    const Transfer t = Encode(source);
    CloneImage image = source;
    for (auto _ : state) {
        Decode(image, t);
        Transfer again = Encode(image);
        benchmark::DoNotOptimize(again);
    }
}
BENCHMARK(BM_DecodeAndReencode)->Unit(benchmark::kMicrosecond);

void BM_MemoryGridTexts(benchmark::State& state) {
    CloneImage image = FullImage();
    image.model = static_cast<int>(state.range(0));
    std::vector<GridRow> rows(kSlotCount);
    for (auto _ : state) {
        WipeDisabledSlots(image);
        for (int slot = 0; slot < kSlotCount; ++slot) rows[slot] = MemoryGridRow(image, slot);
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_MemoryGridTexts)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
