#include "wincli/block_file.h"

#include "../link/link_support.h"
#include "codecs/new_image.h"

namespace wrk7::wincli {
namespace {

using link::test::Bench;
using link::test::Faults;

CloneImage Fresh(int model) {
    CloneImage image;
    image.model = model;
    NewCloneImage(image);
    image.model = model;
    return image;
}

// A full read recorded over a faulty line gives back, through the text and a
// replay, exactly the image the read made.
struct RoundTrip {
    int model;
    std::vector<const char*> faults;
};

TEST(BlockFile, RecordedReadReplaysToTheSameImage) {
    const RoundTrip cases[] = {{0, {}}, {1, {"garbage=40"}}, {2, {"drop=7"}}, {3, {"split"}}};
    for (const RoundTrip& c : cases) {
        SCOPED_TRACE(c.model);
        emu::FaultPlan plan;
        std::string error;
        for (const char* word : c.faults) ASSERT_TRUE(emu::AddFault(plan, word, error)) << error;
        Bench bench(c.model, plan);
        Blocks blocks;
        CloneImage read = Fresh(c.model);
        auto port = MakeRecordingPort(*bench.port, blocks);
        ASSERT_TRUE(link::RunRead(link::Part::kAll, read, *port, link::test::Quick()).ok());
        std::string why;
        const auto parsed = ParseBlocksText(BlocksText(blocks), why);
        ASSERT_TRUE(parsed) << why;
        EXPECT_EQ(parsed->size(), FullReadAddresses().size());
        CloneImage replayed = Fresh(c.model);
        ASSERT_TRUE(ImageFromBlocks(replayed, *parsed));
        EXPECT_TRUE(replayed == read);
        EXPECT_EQ(replayed.settings.values, bench.demo.settings.values);
        for (int slot = 0; slot < kSlotCount; ++slot)
            ASSERT_EQ(replayed.memory.slot[slot].Value(kFreq), bench.demo.memory.slot[slot].Value(kFreq)) << slot;
    }
}

TEST(BlockFile, MalformedTextsAreRefusedWithTheirReason) {
    Blocks full;
    for (int address : FullReadAddresses()) full[address] = std::string(kBlockDigits, '0');
    const std::string good = BlocksText(full);
    const std::string first = good.substr(0, good.find('\n') + 1);
    const struct {
        std::string text;
        std::string why;
    } cases[] = {
        {good.substr(first.size()), "block 00000 is missing"},
        {"00000 " + std::string(kBlockDigits, 'a') + "\n" + good, "line 1:"},
        {good + "00A00 123\n", "not ADDRESS and 64 hex digits"},
        {good + "00A0G" + first.substr(5), "line " + std::to_string(FullReadAddresses().size() + 1) + ":"},
    };
    for (const auto& c : cases) {
        std::string why;
        EXPECT_FALSE(ParseBlocksText(c.text, why));
        EXPECT_NE(why.find(c.why), std::string::npos) << why;
    }
    std::string why;
    EXPECT_TRUE(ParseBlocksText(good, why));
}

}  // namespace
}  // namespace wrk7::wincli
