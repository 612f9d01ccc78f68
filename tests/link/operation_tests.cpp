#include <gtest/gtest.h>

#include "codecs/channel_codec.h"
#include "edit/bank.h"
#include "codecs/new_image.h"
#include "link_support.h"

namespace wrk7::link {
namespace {

using test::Bench;
using test::Quick;
using Strings = std::vector<std::string>;

CloneImage NewImage(int model = 0) {
    CloneImage image;
    image.RegionIndex = model;
    NewCloneImage(image);
    return image;
}

// The read commands of an area's blocks, without CR.
Strings Reads(Area area) {
    Strings out;
    for (int k = 0; k < AreaOf(area).blocks; ++k) out.push_back(ReadCommand(BlockAddress(area, k)).substr(0, 10));
    return out;
}

Strings Handshake(int model = 0) { return {IdentificationCommand(model).substr(0, IdentificationCommand(model).size() - 1), "KV~F0FD01W00"}; }

Strings Concat(std::initializer_list<Strings> parts) {
    Strings out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

TEST(ReadOperations, ReadAllTakesTheDemoInWireOrder) {
    Bench bench(2);
    CloneImage image = NewImage(2);
    std::vector<std::pair<int, int>> progress;
    LinkOptions o = Quick();
    o.progress = [&](int done, int total) { progress.emplace_back(done, total); };
    const LinkResult r = ReadAll(image, *bench.port, o);
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.messages, Strings{"Successed!!"});
    EXPECT_EQ(bench.Log(), Concat({Handshake(2), Reads(Area::kSettings0), Reads(Area::kSettings1),
                                   Reads(Area::kVfoRecords), Handshake(2), Reads(Area::kChannelFlags), Handshake(2),
                                   Reads(Area::kBankTable), Reads(Area::kScanGroups), Reads(Area::kChannelRecords)}));
    for (int slot = 0; slot < kSlotCount; ++slot) {
        EXPECT_EQ(image.Mem[slot].Text(kFreq), bench.demo.Mem[slot].Text(kFreq)) << slot;
        EXPECT_EQ(image.Mem[slot].Text(kName), bench.demo.Mem[slot].Text(kName)) << slot;
        EXPECT_EQ(image.ChannelEnable[slot], bench.demo.ChannelEnable[slot]) << slot;
    }
    EXPECT_EQ(image.BankCount, bench.demo.BankCount);
    EXPECT_EQ(image.GroupMember, bench.demo.GroupMember);
    EXPECT_EQ(image.Settings, bench.demo.Settings);
    EXPECT_TRUE(image.Modified);
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.back(), std::make_pair(1300, 1300));
}

TEST(ReadOperations, ButtonsReadTheirBlocksOnly) {
    Bench bench;
    CloneImage image = NewImage();
    EXPECT_EQ(ReadBankSequence(image, *bench.port, Quick()).messages, Strings{"Successed!!"});
    EXPECT_EQ(image.BankCount, bench.demo.BankCount);
    EXPECT_EQ(ReadGroupSequence(image, *bench.port, Quick()).code, 0);
    EXPECT_EQ(ReadSettingsSequence(image, *bench.port, Quick()).code, 0);
    EXPECT_EQ(bench.Log(), Concat({Handshake(), Reads(Area::kBankTable), Reads(Area::kScanGroups), Handshake(),
                                   Reads(Area::kScanGroups), Handshake(), Reads(Area::kSettings0),
                                   Reads(Area::kSettings1), Reads(Area::kVfoRecords)}));
}

TEST(ReadOperations, RegionRefusalReadsNoBlock) {
    Bench bench(1);  // a WR-K70E
    CloneImage image = NewImage(0);
    const CloneImage before = image;
    for (auto run : {&ReadAll, &ReadMemorySequence, &ReadBankSequence, &ReadGroupSequence}) {
        const LinkResult r = run(image, *bench.port, Quick());
        EXPECT_EQ(r.code, 4);
        EXPECT_EQ(r.messages, Strings{"Region Error"});
    }
    for (const auto& c : bench.Log()) EXPECT_EQ(c, "KV~WR-K7J");
    EXPECT_EQ(image, before);

    emu::FaultPlan refuse;
    refuse.refuseId = true;
    Bench own(0, refuse);
    EXPECT_EQ(ReadSettingsSequence(image, *own.port, Quick()).code, 4);
}

TEST(ReadOperations, SilentAfterSlot700KeepsTheOldSlots) {
    emu::FaultPlan faults;
    faults.silentAfter = 16 + 700;  // handshakes, flags, bank, groups, slots 0..699
    Bench bench(0, faults);
    // Every slot in use on the receiver, so the enable map keeps the old ones.
    for (int k = 0; k < 160; ++k) bench.receiver->Mem()[AreaOf(Area::kChannelFlags).address + k] = 0xFF;
    CloneImage image = NewImage();
    for (int slot = 0; slot < kSlotCount; ++slot) {
        image.Mem[slot].Set(kFreq, 100.0);
        image.ChannelEnable[slot] = true;
    }
    image.Modified = false;
    const LinkResult r = ReadMemorySequence(image, *bench.port, Quick());
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.messages, (Strings{"Communication Error", "Read Failed..."}));
    for (int slot = 0; slot < 700; ++slot) EXPECT_EQ(image.Mem[slot].Value(kFreq), bench.demo.Mem[slot].Value(kFreq)) << slot;
    for (int slot = 700; slot < 1280; ++slot) EXPECT_EQ(image.Mem[slot].Value(kFreq), 100.0) << slot;
    EXPECT_TRUE(image.Modified);
    const Strings log = bench.Log();
    EXPECT_EQ(std::count(log.begin(), log.end(), "KV~F06180R"), 10) << "slot 700 tried ten times";
}

TEST(ReadOperations, SettingsFailuresAndFaultsOnTheWay) {
    emu::FaultPlan faults;
    faults.silentAfter = 3;  // block 00020 never answered
    Bench silent(0, faults);
    CloneImage image = NewImage();
    EXPECT_EQ(ReadSettingsSequence(image, *silent.port, Quick()).messages, (Strings{"COM Port Error", "Read Failed..."}));

    emu::FaultPlan noisy;
    noisy.split = true;
    noisy.garbage = {5, 8};
    noisy.drop = {3};
    Bench bench(0, noisy);
    CloneImage image2 = NewImage();
    const LinkResult r = ReadBankSequence(image2, *bench.port, Quick());
    EXPECT_EQ(r.messages, Strings{"Successed!!"});
    EXPECT_EQ(image2.BankCount, bench.demo.BankCount);
    EXPECT_EQ(image2.GroupMember, bench.demo.GroupMember);
    EXPECT_EQ(bench.Log().size(), 9u + 3u) << "each garbled or dropped command sent once more";
}

TEST(ReadOperations, HangUpEndsWithThePortFault) {
    emu::FaultPlan faults;
    faults.hangupAfter = 30;
    Bench bench(0, faults);
    CloneImage image = NewImage();
    const LinkResult r = ReadMemorySequence(image, *bench.port, Quick());
    EXPECT_EQ(r.messages, (Strings{"COM Port Error", "Read Failed..."}));
    EXPECT_EQ(bench.Log().size(), 30u);
    EXPECT_FALSE(bench.port->Open()) << "the line stays dead";
}

TEST(ReadOperations, CancelStopsBetweenExchanges) {
    Bench bench;
    CloneImage image = NewImage();
    std::atomic<bool> cancel{false};
    LinkOptions o = Quick();
    o.cancel = &cancel;
    o.progress = [&](int done, int) {
        if (done == 100) cancel = true;
    };
    const LinkResult r = ReadMemorySequence(image, *bench.port, o);
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.cancelled);
    EXPECT_EQ(r.messages, Strings{"Read Failed..."});
    EXPECT_EQ(bench.Log().size(), 16u + 100u);
}

TEST(ReadOperations, TheDeadlineIsAParameter) {
    emu::FaultPlan slow;
    slow.delayMs = 60;
    Bench bench(0, slow);
    CloneImage image = NewImage();
    LinkOptions o = Quick();
    o.maxTries = 2;
    EXPECT_EQ(ReadGroupSequence(image, *bench.port, o).messages, Strings{"Read Failed..."});
    o.replyDeadline = std::chrono::milliseconds(2000);
    EXPECT_EQ(ReadGroupSequence(image, *bench.port, o).messages, Strings{"Successed!!"});
}

// The demo read back, changed, then written: what the receiver holds.
TEST(WriteOperations, WriteAllOrderLengthsAndRoundTrip) {
    Bench bench;
    CloneImage image = bench.demo;
    image.Mem[1205].Set(kFreq, 433.0);
    image.Mem[1205].SetText(kName, "PRIO-5");
    image.ChannelEnable[1205] = true;
    image.Mem[0].Set(kFreq, 0);  // emptied: not sent
    const LinkResult r = WriteAll(image, *bench.port, Quick());
    EXPECT_EQ(r.messages, Strings{"Successed!!"});
    const Strings log = bench.Log();
    Strings expected = Concat({Handshake(), Strings{"KV~F00000W" + image.SettingsBlock0, "KV~F00020W" + image.SettingsBlock1}});
    for (int band = 0; band < kBandCount; ++band)
        expected.push_back(WriteCommand(BlockAddress(Area::kVfoRecords, band), "").substr(0, 10));
    ASSERT_GE(log.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(log[i].substr(0, expected[i].size()), expected[i]) << i;
    EXPECT_EQ(log[2].size(), 10u + 64u);
    EXPECT_EQ(log[3].size(), 10u + 46u);
    EXPECT_EQ(log[4].size(), 10u + 30u);
    std::size_t i = expected.size();
    EXPECT_EQ(Strings(log.begin() + i, log.begin() + i + 4), Concat({Handshake(), Handshake()}));
    i += 4;
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(log[i + k].substr(0, 10), WriteCommand(BlockAddress(Area::kBankTable, k), "").substr(0, 10));
    EXPECT_EQ(log[i + 3].size(), 10u + 24u);
    EXPECT_EQ(log[i + 4], "KV~IM");
    EXPECT_EQ(log[i + 7].substr(0, 10), "KV~F000C0W");
    EXPECT_EQ(log[i + 7].size(), 10u + 48u);
    i += 8;
    // Channel writes: descending slots, used ones only.
    std::vector<int> slots;
    for (int slot = kSlotCount - 1; slot >= 0; --slot)
        if (!image.Mem[slot].IsEmpty()) slots.push_back(slot);
    ASSERT_EQ(log.size(), i + slots.size() + 5);
    EXPECT_EQ(log[i].substr(0, 11), "KV~BC52005W") << "slot 1205 first";
    EXPECT_EQ(log[i].size(), 11u + 64u);
    const auto labels = BuildRowLabels(image);
    EXPECT_EQ(log[i + slots.size() - 1].substr(0, 11), "KV~BC" + labels[slots.back()].substr(0, 2) + labels[slots.back()].substr(3, 3) + "W");
    const Strings tail(log.end() - 5, log.end());
    EXPECT_EQ(tail, (Strings{"KV~F00180W" + std::string(64, '0'), "KV~F001A0W" + std::string(64, '0'),
                             "KV~F001C0W" + std::string(64, '0'), "KV~F001E0W" + std::string(64, '0'), "KV~FINISH"}));

    CloneImage back = NewImage();
    ASSERT_EQ(ReadAll(back, *bench.port, Quick()).code, 0);
    for (int slot = 0; slot < 1280; ++slot) {
        EXPECT_EQ(back.Mem[slot].Value(kFreq), image.Mem[slot].Value(kFreq)) << slot;
        EXPECT_EQ(back.Mem[slot].Text(kName), image.Mem[slot].IsEmpty() ? "" : image.Mem[slot].Text(kName)) << slot;
        EXPECT_EQ(back.ChannelEnable[slot], !image.Mem[slot].IsEmpty()) << slot;
    }
    EXPECT_EQ(back.Settings, image.Settings);
}

TEST(WriteOperations, OnlyUsedSlotsAreSentHighestFirst) {
    Bench bench;
    CloneImage image = NewImage();
    for (int slot : {5, 1250}) {
        image.Mem[slot].Set(kFreq, 145.0);
        image.ChannelEnable[slot] = true;
    }
    image.Mem[7].Set(kMode, 1);  // no frequency: not sent
    ASSERT_EQ(WriteMemorySequence(image, *bench.port, Quick()).messages, Strings{"Successed!!"});
    Strings channel;
    for (const auto& c : bench.Log())
        if (c.rfind("KV~BC", 0) == 0) channel.push_back(c.substr(0, 11));
    EXPECT_EQ(channel, (Strings{"KV~BC52050W", "KV~BC00005W"}));
}

TEST(WriteOperations, TheThousandChannelCheck) {
    Bench bench;
    CloneImage image = bench.demo;
    image.BankCount[0] -= 1;  // 999
    for (auto run : {&WriteAll, &WriteMemorySequence, &WriteSettingsSequence, &WriteBankSequence}) {
        EXPECT_EQ(run(image, *bench.port, Quick()).messages, (Strings{"Total CH must be 1000", "Write Failed..."}));
    }
    EXPECT_TRUE(bench.Log().empty()) << "nothing sent";
    EXPECT_EQ(WriteGroupSequence(image, *bench.port, Quick()).messages, Strings{"Successed!!"});
    EXPECT_EQ(bench.Log().size(), 5u);
}

TEST(WriteOperations, RefusalsAndTimeoutsEndTheirWay) {
    {
        emu::FaultPlan f;
        f.reOn = {"BC00003"};
        Bench bench(0, f);
        CloneImage image = bench.demo;
        EXPECT_EQ(WriteMemorySequence(image, *bench.port, Quick()).messages, (Strings{"COM Port Error", "Write Failed..."}));
        EXPECT_EQ(bench.Log().back().substr(0, 11), "KV~BC00003W") << "sent once, stopped there";
    }
    {
        emu::FaultPlan f;
        f.silentAfter = 8;  // VFO band 4 never acknowledged
        Bench bench(0, f);
        CloneImage image = bench.demo;
        image.Settings.Slider1 = 5;
        EXPECT_EQ(WriteSettingsSequence(image, *bench.port, Quick()).messages, Strings{"Write Failed..."});
        EXPECT_EQ(emu::ImageFromMemory(bench.receiver->Mem(), 0).Settings.Slider1, 5) << "the blocks before stay written";
        const Strings log = bench.Log();
        EXPECT_EQ(std::count(log.begin(), log.end(), log.back()), 10);
        EXPECT_EQ(log.back().substr(0, 10), "KV~F00380W");
    }
    // FINISH timing out: the Write button and Write all tell it differently.
    Bench probe;
    CloneImage image = probe.demo;
    ASSERT_EQ(WriteMemorySequence(image, *probe.port, Quick()).code, 0);
    const int beforeFinish = static_cast<int>(probe.Log().size()) - 1;
    for (bool all : {false, true}) {
        emu::FaultPlan f;
        f.silentAfter = beforeFinish + (all ? 18 : 0);
        Bench bench(0, f);
        CloneImage copy = bench.demo;
        const LinkResult r = all ? WriteAll(copy, *bench.port, Quick()) : WriteMemorySequence(copy, *bench.port, Quick());
        EXPECT_EQ(r.messages, Strings{all ? "Communication Error" : "Write Failed..."});
        EXPECT_EQ(bench.Log().back(), "KV~FINISH");
    }
    {
        emu::FaultPlan f;
        f.reOn = {"00180"};
        Bench bench(0, f);
        CloneImage copy = bench.demo;
        EXPECT_EQ(WriteBankSequence(copy, *bench.port, Quick()).messages, Strings{"COM Port Error"});
    }
}

}  // namespace
}  // namespace wrk7::link
