// The transfers on the in-process emulator: each one's commands in wire
// order, what it stores, and how faults, refusals and cancelling end it.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>

#include "core/flag_block.h"
#include "edit/bank.h"
#include "files/clone_file.h"
#include "files/rich_image.h"
#include "link/write_backup.h"
#include "link/write_check.h"
#include "link_support.h"

namespace wrk7::link {
namespace {

using namespace test;
using wrk7::testing::NewImage;
using Strings = std::vector<std::string>;
using Transfer = LinkResult (*)(CloneImage&, SerialPort&, const LinkOptions&);
// A write as a Transfer: the writes take the image const.
template <LinkResult (*Write)(const CloneImage&, SerialPort&, const LinkOptions&)>
LinkResult AsTransfer(CloneImage& image, SerialPort& port, const LinkOptions& options) { return Write(image, port, options); }

// The read commands of an area's blocks (of those listed, ascending, if given), without CR.
Strings Reads(Area area, const std::optional<std::vector<int>>& only = {}) {
    Strings out;
    for (int k = 0; k < AreaOf(area).blocks; ++k)
        if (!only || std::ranges::binary_search(*only, k)) out.push_back(ReadCommand(BlockAddress(area, k)).substr(0, 10));
    return out;
}

// The heads of an area's block writes with their data's length:
// "KV~F00100W+64"; the last block may be shorter.
Strings Writes(Area area, int digits, int lastDigits = -1) {
    Strings out;
    const int blocks = AreaOf(area).blocks;
    for (int k = 0; k < blocks; ++k)
        out.push_back(WriteCommand(BlockAddress(area, k), "").substr(0, 10) + "+" +
                      std::to_string(k + 1 < blocks || lastDigits < 0 ? digits : lastDigits));
    return out;
}

Strings Handshake(int model = 0) {
    const std::string id = IdentificationCommand(model);
    return {id.substr(0, id.size() - 1), "KV~F0FD01W00"};
}

constexpr int kCommandsBeforeChannels = 16;  // of a memory read: handshake, flags, handshake, bank, groups

Strings Concat(std::initializer_list<Strings> parts) {
    Strings out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

TEST(ReadOperations, ReadAllTakesTheDemoInWireOrder) {
    Bench bench(2);
    CloneImage image = NewImage(2);
    std::pair<int, int> progress;
    const LinkResult r = ReadAll(image, *bench.port, {.progress = [&](int done, int total) { progress = {done, total}; },
                                                      .replyDeadline = Quick().replyDeadline});
    EXPECT_EQ(std::pair(r.outcome, English(r.messages)), std::pair(LinkOutcome::kOk, Strings{"Successed!!"}));
    EXPECT_EQ(bench.Log(), Concat({Handshake(2), Reads(Area::kSettings0), Reads(Area::kSettings1),
                                   Reads(Area::kVfoRecords), Handshake(2), Reads(Area::kChannelFlags), Handshake(2),
                                   Reads(Area::kBankTable), Reads(Area::kScanGroups), Reads(Area::kChannelRecords)}));
    // What it reads is checked where a write is read back.
    EXPECT_TRUE(image.settings.values == bench.demo.settings.values);
    EXPECT_EQ(progress, std::pair(1300, 1300));
}

TEST(ReadOperations, ButtonsReadTheirBlocksOnly) {
    Bench bench;
    CloneImage image = NewImage();
    EXPECT_EQ(English(ReadBankSequence(image, *bench.port, Quick()).messages), Strings{"Successed!!"});
    EXPECT_EQ(image.banks.counts, bench.demo.banks.counts);
    EXPECT_EQ(ReadGroupSequence(image, *bench.port, Quick()).outcome, LinkOutcome::kOk);
    EXPECT_EQ(ReadSettingsSequence(image, *bench.port, Quick()).outcome, LinkOutcome::kOk);
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
        EXPECT_EQ(std::pair(r.outcome, English(r.messages)), std::pair(LinkOutcome::kRefused, Strings{"Region Error"}));
    }
    for (const auto& c : bench.Log()) EXPECT_EQ(c, "KV~WR-K7J");
    EXPECT_EQ(image, before);

    EXPECT_EQ(ReadSettingsSequence(image, *Bench(0, Faults({"refuse-id"})).port, Quick()).outcome, LinkOutcome::kRefused) << "its own model refused";
}

TEST(ReadOperations, SilentAfterSlot700KeepsTheOldSlots) {
    Bench bench(0, Faults({"silent-after=716"}));  // handshakes, flags, bank, groups, slots 0..699
    // Every slot in use on the receiver, so the enable map keeps the old ones.
    for (int k = 0; k < 160; ++k) bench.receiver->Mem()[AreaOf(Area::kChannelFlags).address + k] = 0xFF;
    CloneImage image = NewImage();
    for (int slot = 0; slot < kSlotCount; ++slot) image.memory.slot[slot].Set(kFreq, 100.0);
    image.memory.enabled.fill(true);
    const LinkResult r = ReadMemorySequence(image, *bench.port, Quick());
    EXPECT_EQ(std::pair(r.outcome, English(r.messages)), std::pair(LinkOutcome::kFailed, Strings{"Communication Error", "Read Failed..."}));
    for (int slot = 0; slot < 700; ++slot) EXPECT_EQ(image.memory.slot[slot].Value(kFreq), bench.demo.memory.slot[slot].Value(kFreq)) << slot;
    for (int slot = 700; slot < 1280; ++slot) EXPECT_EQ(image.memory.slot[slot].Value(kFreq), 100.0) << slot;
    const Strings log = bench.Log();
    EXPECT_EQ(std::count(log.begin(), log.end(), "KV~F06180R"), 10) << "slot 700 tried ten times";
}

// How a fault on the line ends a transfer: its messages, the command it ended
// on (without its data), how often that one went and how many went in all
// (-1: not counted).
TEST(Operations, FaultsEndATransferTheirWay) {
    const struct { const char* what; std::vector<const char*> faults; Transfer run; bool write; Strings messages;
                   std::string last; long lastSent, sent; int tries = 10, deadlineMs = 40, cancelAt = -1; } cases[] = {
        {"a settings block never answered", {"silent-after=3"}, &ReadSettingsSequence, false,
         {"COM Port Error", "Read Failed..."}, "KV~F00020R", 10, 13},
        {"each garbled or dropped command sent once more", {"split", "garbage=5", "garbage=8", "drop=3"},
         &ReadBankSequence, false, {"Successed!!"}, Reads(Area::kScanGroups).back(), 1, 12},
        {"the line hung up", {"hangup-after=30"}, &ReadMemorySequence, false, {"COM Port Error", "Read Failed..."},
         Reads(Area::kChannelRecords)[30 - kCommandsBeforeChannels - 1], 1, 30},
        // The deadline is a parameter.
        {"answers later than the deadline", {"delay-ms=60"}, &ReadBankSequence, false, {"Read Failed..."},
         Handshake()[0], 2, 2, 2},
        {"a deadline long enough", {"delay-ms=60"}, &ReadBankSequence, false, {"Successed!!"},
         Reads(Area::kScanGroups).back(), 1, 9, 2, 2000},
        {"cancelled: stops between exchanges", {}, &ReadMemorySequence, false, {"Read Failed..."},
         Reads(Area::kChannelRecords)[99], 1, kCommandsBeforeChannels + 100, 10, 40, 100},
        {"a channel refused: sent once, stopped there", {"re-on=BC00003"}, &AsTransfer<WriteMemorySequence>, true,
         {"COM Port Error", "Write Failed..."}, "KV~BC00003", 1, -1},
        {"VFO band 4 never acknowledged", {"silent-after=8"}, &AsTransfer<WriteSettingsSequence>, true, {"Write Failed..."},
         "KV~F00380W", 10, 18},
        {"the bank table refused", {"re-on=00180"}, &AsTransfer<WriteBankSequence>, true, {"COM Port Error"}, "KV~F00180W", 1, -1},
        // FINISH unanswered: the Write button and Write all tell it differently.
        {"FINISH never answered after Write", {"silent-after=55"}, &AsTransfer<WriteMemorySequence>, true, {"Write Failed..."},
         "KV~FINISH", 10, 65},
        {"FINISH never answered after Write all", {"silent-after=73"}, &AsTransfer<WriteAll>, true, {"Communication Error"},
         "KV~FINISH", 10, 83},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Bench bench(0, Faults(c.faults));
        CloneImage image = c.write ? bench.demo : NewImage();
        image.settings.values.afVolume = 5;
        std::atomic<bool> cancel{false};
        const LinkOptions options{.progress = [&](int done, int) { cancel = cancel || done == c.cancelAt; }, .cancel = &cancel,
                                  .replyDeadline = std::chrono::milliseconds(c.deadlineMs), .maxTries = c.tries};
        const LinkResult r = c.run(image, *bench.port, options);
        EXPECT_EQ(std::pair(English(r.messages), r.cancelled), std::pair(c.messages, c.cancelAt >= 0));
        const Strings log = bench.Log();
        ASSERT_FALSE(log.empty());
        EXPECT_EQ(std::pair(log.back().substr(0, 10), std::count(log.begin(), log.end(), log.back())),
                  std::pair(c.last, std::ptrdiff_t{c.lastSent}));
        if (c.sent >= 0) { EXPECT_EQ(static_cast<long>(log.size()), c.sent); }
        // The blocks the receiver took: every command with data but the one it ended on.
        const auto accepted = std::ranges::count_if(log, [&](const std::string& sent) { return sent.size() > 20 && sent != log.back(); });
        EXPECT_EQ(r.blocksWritten, c.write ? accepted : 0);
        EXPECT_EQ(bench.port->Open(), !bench.receiver->HungUp()) << "a line hung up stays dead";
        if (r.ok()) { EXPECT_TRUE(image.banks.counts == bench.demo.banks.counts && image.groups.members == bench.demo.groups.members); }
        if (c.run == &AsTransfer<WriteSettingsSequence>) {
            EXPECT_EQ(emu::ImageFromMemory(bench.receiver->Mem(), 0).settings.values.afVolume, 5) << "the blocks before stay written";
        }
    }
}

// A line that fails before the receiver's first answer is closed and opened
// again once; the transfer then goes on with the same commands on the wire,
// or gives up with its usual message.
TEST(ReadOperations, APortThatWentBadIsOpenedAgainOnce) {
    // opens: those the transfer made.
    const struct { const char* what; bool wasOpen, lineDead; int refusedOpens; bool write; Strings messages; int opens; } cases[] = {
        {"the held line went bad, the receiver is back", true, true, 0, false, {"Successed!!"}, 1},
        {"the same before a write", true, true, 0, true, {"Successed!!"}, 1},
        {"the device is back at the second open", false, false, 1, false, {"Successed!!"}, 2},
        {"the held line went bad, the device is gone for good", true, true, 9, false, {"Read Failed..."}, 1},
        {"the same for a write", false, false, 9, true, {"Write Failed..."}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Transfer run = c.write ? &AsTransfer<WriteSettingsSequence> : &ReadSettingsSequence;
        Bench plain, bench;
        CloneImage image = plain.demo, copy = bench.demo;
        ASSERT_TRUE(run(image, *plain.port, Quick()).ok());
        UnpluggablePort port(*bench.port);
        ASSERT_TRUE(!c.wasOpen || port.Open());
        port.opens = 0;
        port.lineDead = c.lineDead;
        port.refusedOpens = c.refusedOpens;
        const LinkResult r = run(copy, port, Quick());
        EXPECT_EQ(English(r.messages), c.messages);
        EXPECT_EQ(port.opens, c.opens);
        EXPECT_EQ(bench.Log(), r.ok() ? plain.Log() : Strings{});
    }
}

// The demo read back, changed, then written: what the receiver holds.
TEST(WriteOperations, WriteAllSendsUsedSlotsHighestFirstAndReadsBack) {
    Bench bench;
    CloneImage image = bench.demo;
    image.memory.slot[1205].Set(kFreq, 433.0);
    image.memory.slot[1205].SetText(kName, "PRIO-5");
    image.memory.enabled[1205] = true;
    image.memory.slot[0].Set(kFreq, 0);  // emptied: not sent
    ASSERT_EQ(English(WriteAll(image, *bench.port, Quick()).messages), Strings{"Successed!!"});
    Strings log;  // the data of each long command replaced by its length, as Writes gives them
    for (const std::string& c : bench.Log()) {
        const std::size_t w = c.size() > 20 ? c.find('W', 4) : std::string::npos;
        log.push_back(w == std::string::npos ? c : c.substr(0, w + 1) + "+" + std::to_string(c.size() - w - 1));
    }
    const Strings before = Concat({Handshake(), Writes(Area::kSettings0, 64), Writes(Area::kSettings1, 46),
                                   Writes(Area::kVfoRecords, 30), Handshake(), Handshake(),
                                   Writes(Area::kBankTable, 64, 24), {"KV~IM"}, Writes(Area::kScanGroups, 64, 48)});
    const Strings after = Concat({Writes(Area::kZeroFill, 64), {"KV~FINISH"}});
    const auto used = std::count_if(image.memory.slot.begin(), image.memory.slot.end(), [](const SlotFields& f) { return !f.IsEmpty(); });
    ASSERT_EQ(log.size(), before.size() + static_cast<std::size_t>(used) + after.size());
    EXPECT_EQ(Strings(log.begin(), log.begin() + before.size()), before);
    EXPECT_EQ(Strings(log.end() - after.size(), log.end()), after);
    EXPECT_EQ(log[before.size()], "KV~BC52005W+64") << "slot 1205 first";
    for (std::size_t i = before.size(); i + after.size() < log.size(); ++i) {
        EXPECT_EQ(log[i].substr(0, 5) + log[i].substr(10), "KV~BCW+64") << log[i];
        EXPECT_TRUE(i == before.size() || log[i] < log[i - 1]) << "highest slot first: " << log[i];
    }
    EXPECT_EQ(bench.Log()[log.size() - 2], "KV~F001E0W" + std::string(64, '0'));
    // Every channel landed in its slot, so each went by its bank and position.
    CloneImage back = NewImage();
    ASSERT_EQ(ReadAll(back, *bench.port, Quick()).outcome, LinkOutcome::kOk);
    for (int slot = 0; slot < 1280; ++slot) {
        EXPECT_EQ(back.memory.slot[slot].Value(kFreq), image.memory.slot[slot].Value(kFreq)) << slot;
        EXPECT_EQ(back.memory.slot[slot].Text(kName), image.memory.slot[slot].IsEmpty() ? "" : image.memory.slot[slot].Text(kName)) << slot;
        EXPECT_EQ(back.memory.enabled[slot], !image.memory.slot[slot].IsEmpty()) << slot;
    }
    EXPECT_EQ(back.settings.values, image.settings.values);
}

TEST(WriteOperations, TheThousandChannelCheck) {
    Bench bench;
    CloneImage image = bench.demo;
    image.banks.counts[0] -= 1;  // 999
    for (Part part : {Part::kAll, Part::kMemory, Part::kSettings, Part::kBank})
        EXPECT_EQ(English(RunWrite(part, image, *bench.port, Quick()).messages), (Strings{"Total CH must be 1000", "Write Failed..."}));
    EXPECT_TRUE(bench.Log().empty()) << "nothing sent";
    EXPECT_EQ(English(RunWrite(Part::kGroups, image, *bench.port, Quick()).messages), Strings{"Successed!!"});
    EXPECT_EQ(bench.Log().size(), 5u);
}

TEST(WriteOperations, AWriteAfterBackupKeepsWhatTheReceiverHeldFirstOrWritesNothing) {
    const struct { const char* what; std::vector<const char*> faults; bool keeps; Strings messages; } cases[] = {
        {"kept, then written", {}, true, {"Successed!!"}},
        // One message, with what stopped the read under it, and no "Read Failed...".
        {"the read times out", {"silent-after=40"}, true, {"The receiver could not be backed up; nothing was written.\nCommunication Error"}},
        {"the plug is pulled", {"hangup-after=40"}, true, {"The receiver could not be backed up; nothing was written.\nemulator: the line was hung up"}},
        {"the backup cannot be kept", {}, false, {"The backup could not be saved (disk full); nothing was written."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Bench bench(0, Faults(c.faults));
        CloneImage image = bench.demo;
        image.memory.slot[3].Set(kFreq, 433.0);
        image.memory.enabled[3] = true;
        std::vector<CloneImage> kept;
        const auto keep = [&](const CloneImage& held, std::string& why) { kept.push_back(held); why = "disk full"; return c.keeps; };
        const LinkResult r = RunWriteAfterBackup(Part::kMemory, image, *bench.port, Quick(), keep);
        EXPECT_EQ(English(r.messages), c.messages);
        const bool written = c.messages == Strings{"Successed!!"};
        // Only a block's data makes a command this long.
        EXPECT_EQ(std::ranges::any_of(bench.Log(), [](const std::string& c) { return c.size() > 20; }), written);
        if (c.faults.empty()) {
            ASSERT_EQ(kept.size(), 1u);
            CloneImage full = NewImage();
            ASSERT_TRUE(ReadAll(full, *Bench().port, Quick()).ok());
            EXPECT_EQ(CloneFileLines(kept[0]), CloneFileLines(full)) << "what the receiver held";
        }
    }
}

// Quick read: the channel blocks of enabled slots only, and an image (so a
// clone file) byte for byte the same as a full read's, whatever the receiver
// holds and whatever the image held before.
constexpr int kFlaggedSlots = 1280;          // the receiver's map has no bits for the rest

// A receiver holding random channel records under a random enable map, and
// the image a read starts from (as --base gives it).
struct Scenario {
    emu::Memory memory{};
    CloneImage base;
    std::vector<int> enabled;  // the slots a quick read must fetch, ascending

    explicit Scenario(unsigned seed) {
        std::mt19937 random(seed);
        auto chance = [&](int percent) { return static_cast<int>(random() % 100) < percent; };
        const int enabledPercent = static_cast<int>(random() % 101);  // from empty to full receivers
        Bench demo;
        memory = demo.receiver->Mem();
        // Stale channels everywhere; the priority slots past the map follow
        // the base's own flags.
        base = demo.demo;
        std::uint8_t* flags = &memory[static_cast<std::size_t>(AreaOf(Area::kChannelFlags).address)];
        for (int slot = 0; slot < kSlotCount; ++slot) {
            std::uint8_t* record = &memory[static_cast<std::size_t>(BlockAddress(Area::kChannelRecords, slot))];
            for (int b = 0; b < kBlockBytes; ++b) record[b] = static_cast<std::uint8_t>(random());
            if (chance(20)) std::fill(record, record + kBlockBytes, 0xFF);  // erased, maybe still flagged
            if (chance(10)) std::fill(record, record + 4, 0x00);            // a zero frequency
            base.memory.slot[slot].Set(kFreq, 100.0 + slot * 0.025);
            base.memory.enabled[slot] = chance(50);
            const bool on = slot < kFlaggedSlots ? chance(enabledPercent) : base.memory.enabled[slot];
            const auto bit = static_cast<std::uint8_t>(0x80 >> (slot % 8));
            if (slot < kFlaggedSlots) flags[slot / 8] = static_cast<std::uint8_t>(on ? flags[slot / 8] | bit : flags[slot / 8] & ~bit);
            if (on) enabled.push_back(slot);
        }
        base.flags.blocks = EncodeFlagBlock(base);
    }

    // The result, the clone file's lines, the commands sent and the progress reported.
    struct Outcome { LinkResult result; std::vector<std::string> file; Strings log; std::pair<int, int> progress; CloneImage image; };
    Outcome Read(bool quick, int silentAfter = -1) const {
        Bench bench(0, {.silentAfter = silentAfter, .drop = {}, .garbage = {}, .reOn = {}});
        bench.receiver->Mem() = memory;
        Outcome out;
        const LinkOptions options{.progress = [&](int done, int total) { out.progress = {done, total}; },
                                  .replyDeadline = Quick().replyDeadline, .quickRead = quick};
        CloneImage image = base;
        out.result = ReadMemorySequence(image, *bench.port, options);
        out.file = CloneFileLines(image);
        out.log = bench.Log();
        out.image = image;
        return out;
    }
};

TEST(QuickRead, GivesTheFullReadsCloneFileReadingTheEnabledSlotsOnly) {
    for (unsigned seed = 1; seed <= 24; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const Scenario scenario(seed);
        const auto full = scenario.Read(false);
        const auto quick = scenario.Read(true);
        ASSERT_EQ(English(full.result.messages), Strings{"Successed!!"});
        EXPECT_TRUE(English(quick.result.messages) == English(full.result.messages) && quick.file == full.file);

        EXPECT_EQ(quick.log, Concat({Strings(full.log.begin(), full.log.begin() + kCommandsBeforeChannels),
                                     Reads(Area::kChannelRecords, scenario.enabled)}));
        const int read = static_cast<int>(scenario.enabled.size());
        EXPECT_EQ(quick.progress, std::make_pair(read, read)) << "the bar counts the blocks read";
    }
}

TEST(ReadMemory, FromTheFlagsOnNoDisabledSlotHoldsAnythingWhereverTheReadStops) {
    const Scenario scenario(5);
    // Stopped in the groups (after the flags and the bank), in the records, or not at all.
    for (const int silentAfter : {kCommandsBeforeChannels - 1, kCommandsBeforeChannels + 40, -1}) {
        const auto read = scenario.Read(false, silentAfter);
        int held = 0;
        for (int slot = 0; slot < kSlotCount; ++slot)
            if (!read.image.memory.enabled[slot] && read.image.memory.slot[slot] != SlotFields{}) ++held;
        EXPECT_EQ(held, 0) << silentAfter;
        EXPECT_EQ(read.result.ok(), silentAfter < 0) << silentAfter;
    }
}

TEST(QuickRead, AFailureEndsAsTheFullReadWouldAtThatSlot) {
    const Scenario scenario(99);
    const std::vector<int>& enabled = scenario.enabled;
    ASSERT_GT(enabled.size(), 40u);
    const std::size_t failing = enabled.size() / 2;
    const int slot = enabled[failing];
    const auto quick = scenario.Read(true, kCommandsBeforeChannels + static_cast<int>(failing));
    const auto full = scenario.Read(false, kCommandsBeforeChannels + slot);
    EXPECT_EQ(English(quick.result.messages), (Strings{"Communication Error", "Read Failed..."}));
    EXPECT_TRUE(English(quick.result.messages) == English(full.result.messages) && quick.file == full.file);
    EXPECT_EQ(quick.log.back(), Reads(Area::kChannelRecords)[static_cast<std::size_t>(slot)]);
}

}  // namespace
}  // namespace wrk7::link

namespace wrk7::link {
namespace {

// The check after a write reads back what that write sent, no more, and
// names the row a receiver keeps wrongly.
TEST(WriteCheck, ReadsBackWhatTheWriteSentAndNamesTheRowHeldOtherwise) {
    const std::vector<Area> all{Area::kSettings0, Area::kSettings1, Area::kScanGroups, Area::kBankTable,
                                Area::kVfoRecords, Area::kChannelRecords};
    const struct { const char* what; Part part; std::vector<Area> areas; std::vector<const char*> faults; int wrongWrite = 0;
                   bool silentAfterHandshake = false; } cases[] = {
        {"all, held as sent", Part::kAll, all, {}},
        {"all, the first channel written kept wrongly", Part::kAll, all, {"keep-wrong=1"}, 1},
        {"memory, the fifth", Part::kMemory, {Area::kScanGroups, Area::kBankTable, Area::kChannelRecords}, {"keep-wrong=5"}, 5},
        {"settings write no channel", Part::kSettings, {Area::kSettings0, Area::kSettings1, Area::kVfoRecords}, {"keep-wrong=1"}},
        {"bank", Part::kBank, {Area::kBankTable}, {}},
        {"groups", Part::kGroups, {Area::kScanGroups}, {}},
        {"the line falls silent after the handshake", Part::kGroups, {}, {}, 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Bench bench(0, Faults(c.faults));
        const CloneImage& image = bench.demo;
        const LinkResult written = RunWrite(c.part, image, *bench.port, Quick());
        ASSERT_TRUE(written.ok());
        const std::size_t before = bench.Log().size();
        if (c.silentAfterHandshake)
            bench.port->WithReceiver([&](emu::Receiver& r) { r.SetFaults(Faults({("silent-after=" + std::to_string(before + 2)).c_str()})); });
        const LinkResult r = CheckWrite(written, c.part, image, *bench.port, Quick());
        std::vector<int> used;
        for (int slot = 0; slot < kSlotCount; ++slot)
            if (!image.memory.slot[slot].IsEmpty()) used.push_back(slot);
        Strings reads = Handshake();
        for (Area area : c.areas) {
            const Strings more = area == Area::kChannelRecords ? Reads(area, used) : Reads(area);
            reads.insert(reads.end(), more.begin(), more.end());
        }
        const Strings log = bench.Log();
        if (!c.silentAfterHandshake) { EXPECT_EQ(Strings(log.begin() + static_cast<std::ptrdiff_t>(before), log.end()), reads); }
        Strings said{"Successed!!", "Read back and compared: the receiver holds what was written (" +
                                        std::to_string(reads.size() - 2) + " blocks)."};
        if (c.silentAfterHandshake) said = {"The write could not be checked: what it wrote could not be read back.\nCommunication Error"};
        if (c.wrongWrite > 0) {
            const int slot = used[used.size() - static_cast<std::size_t>(c.wrongWrite)];  // written highest first
            said = {"Write Failed: read back, the receiver holds otherwise in 1 place:\nMemory " + BuildRowLabels(image)[slot] +
                    ", Frequency: written " + image.memory.slot[slot].Text(kFreq) + ", held "};
            ASSERT_EQ(r.messages.size(), 1u);
            EXPECT_EQ(r.messages[0].English().substr(0, said[0].size()), said[0]);
        } else {
            EXPECT_EQ(English(r.messages), said);
        }
        EXPECT_EQ(r.ok(), c.wrongWrite == 0 && !c.silentAfterHandshake);
    }
}

// A byte held otherwise is named by the field it changes; one no field
// shows, by its block.
TEST(WriteCheck, ABlockHeldOtherwiseIsNamedByItsFieldOrElseByItsAddress) {
    const struct { const char* what; Part part; Area area; int index; std::size_t digit; std::string place, field; } cases[] = {
        {"the lamp", Part::kSettings, Area::kSettings0, 0, 2 * 5 + 1, "Settings", "Lamp"},
        {"the volume's second copy", Part::kSettings, Area::kSettings0, 0, 2 * 30 + 1, "settings block 0 00000", "Data"},
        {"a VFO band's frequency", Part::kSettings, Area::kVfoRecords, 3, 1, "VFO 3", "Frequency"},
        {"a bank's count", Part::kBank, Area::kBankTable, 0, 1, "Bank 0", "Count"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const CloneImage image = emu::DemoImage(0);
        const std::vector<SentBlock> sent = BlocksSentBy(c.part, image);
        Strings held;
        for (const SentBlock& b : sent) {
            held.push_back(b.digits + std::string(kBlockDigits - b.digits.size(), 'F'));
            if (b.area != c.area || b.index != c.index) continue;
            held.back()[c.digit] = held.back()[c.digit] == '0' ? '1' : '0';
        }
        const std::vector<DiffLine> lines = HeldOtherwise(image, sent, held);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(std::pair(lines[0].place, lines[0].field), std::pair(c.place, c.field));
        EXPECT_NE(lines[0].a, lines[0].b);
    }
}

}  // namespace
}  // namespace wrk7::link
