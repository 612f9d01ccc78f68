// Quick read: the channel blocks of enabled slots only, and an image (so a
// clone file) byte for byte the same as a full read's, whatever the receiver
// holds and whatever the image held before.
#include <gtest/gtest.h>

#include <random>

#include "core/flag_block.h"
#include "files/clone_file.h"
#include "link_support.h"

namespace wrk7::link {
namespace {

using test::Bench;
using Strings = std::vector<std::string>;

constexpr int kCommandsBeforeChannels = 16;  // handshake, flags, handshake, bank, groups
constexpr int kFlaggedSlots = 1280;          // the receiver's map has no bits for the rest

// A receiver holding random channel records under a random enable map, and
// the image a read starts from (as --base gives it).
struct Scenario {
    emu::Memory memory{};
    CloneImage base;

    explicit Scenario(unsigned seed) {
        std::mt19937 random(seed);
        auto chance = [&](int percent) { return static_cast<int>(random() % 100) < percent; };
        const int enabledPercent = static_cast<int>(random() % 101);  // from empty to full receivers
        Bench demo;
        memory = demo.receiver->Mem();
        for (int slot = 0; slot < kSlotCount; ++slot) {
            std::uint8_t* record = &memory[static_cast<std::size_t>(BlockAddress(Area::kChannelRecords, slot))];
            for (int b = 0; b < kBlockBytes; ++b) record[b] = static_cast<std::uint8_t>(random());
            if (chance(20)) std::fill(record, record + kBlockBytes, 0xFF);  // erased, maybe still flagged
            if (chance(10)) std::fill(record, record + 4, 0x00);            // a zero frequency
        }
        std::uint8_t* flags = &memory[static_cast<std::size_t>(AreaOf(Area::kChannelFlags).address)];
        for (int slot = 0; slot < kFlaggedSlots; ++slot)
            if (chance(enabledPercent)) flags[slot / 8] |= static_cast<std::uint8_t>(0x80 >> (slot % 8));
            else flags[slot / 8] &= static_cast<std::uint8_t>(~(0x80 >> (slot % 8)));

        // Stale channels everywhere; the priority slots past the map follow
        // the base's own flags.
        base = demo.demo;
        for (int slot = 0; slot < kSlotCount; ++slot) {
            base.Mem[slot].Set(kFreq, 100.0 + slot * 0.025);
            base.ChannelEnable[slot] = chance(50);
        }
        EncodeFlagBlock(base);
        base.Modified = false;
    }

    // The slots a quick read must fetch, ascending.
    std::vector<int> EnabledSlots() const {
        std::vector<int> enabled;
        const std::size_t flags = static_cast<std::size_t>(AreaOf(Area::kChannelFlags).address);
        for (int slot = 0; slot < kSlotCount; ++slot) {
            const bool on = slot < kFlaggedSlots ? (memory[flags + slot / 8] & (0x80 >> (slot % 8))) != 0
                                                 : base.ChannelEnable[slot];
            if (on) enabled.push_back(slot);
        }
        return enabled;
    }

    struct Outcome {
        LinkResult result;
        std::vector<std::string> file;  // the clone file's lines
        Strings log;
        std::vector<std::pair<int, int>> progress;
    };
    Outcome Read(bool quick, int silentAfter = -1) const {
        emu::FaultPlan faults;
        faults.silentAfter = silentAfter;
        Bench bench(0, faults);
        bench.receiver->Mem() = memory;
        Outcome out;
        LinkOptions options = test::Quick();
        options.quickRead = quick;
        options.progress = [&](int done, int total) { out.progress.emplace_back(done, total); };
        CloneImage image = base;
        out.result = ReadMemorySequence(image, *bench.port, options);
        out.file = CloneFileLines(image);
        out.log = bench.Log();
        return out;
    }
};

Strings ChannelReads(const std::vector<int>& which) {
    Strings reads;
    for (int slot : which) reads.push_back(ReadCommand(BlockAddress(Area::kChannelRecords, slot)).substr(0, 10));
    return reads;
}

TEST(QuickRead, GivesTheFullReadsCloneFileReadingTheEnabledSlotsOnly) {
    for (unsigned seed = 1; seed <= 24; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const Scenario scenario(seed);
        const auto full = scenario.Read(false);
        const auto quick = scenario.Read(true);
        ASSERT_EQ(full.result.messages, Strings{"Successed!!"});
        EXPECT_EQ(quick.result.messages, full.result.messages);
        EXPECT_EQ(quick.file, full.file);

        const std::vector<int> enabled = scenario.EnabledSlots();
        const Strings fullLog(full.log.begin(), full.log.begin() + kCommandsBeforeChannels);
        EXPECT_EQ(Strings(quick.log.begin(), quick.log.begin() + kCommandsBeforeChannels), fullLog);
        EXPECT_EQ(Strings(quick.log.begin() + kCommandsBeforeChannels, quick.log.end()), ChannelReads(enabled));
        const int read = static_cast<int>(enabled.size());
        EXPECT_EQ(quick.progress.back(), std::make_pair(read, read)) << "the bar counts the blocks read";
    }
}

TEST(QuickRead, AFailureEndsAsTheFullReadWouldAtThatSlot) {
    const Scenario scenario(99);
    const std::vector<int> enabled = scenario.EnabledSlots();
    ASSERT_GT(enabled.size(), 40u);
    const std::size_t failing = enabled.size() / 2;
    const int slot = enabled[failing];
    const auto quick = scenario.Read(true, kCommandsBeforeChannels + static_cast<int>(failing));
    const auto full = scenario.Read(false, kCommandsBeforeChannels + slot);
    EXPECT_EQ(quick.result.messages, (Strings{"Communication Error", "Read Failed..."}));
    EXPECT_EQ(quick.result.messages, full.result.messages);
    EXPECT_EQ(quick.file, full.file);
    EXPECT_EQ(quick.log.back(), ChannelReads({slot}).front());
}

}  // namespace
}  // namespace wrk7::link
