// The emulated receiver: its answers, its faults, its line timing and the
// image it holds. Its pseudo-terminal is served in the link tests.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "core/memory_map.h"
#include "core/tables.h"
#include "edit/bank.h"
#include "emulator/line_timing.h"
#include "emulator/memory_image.h"
#include "emulator/receiver.h"
#include "files/rich_image.h"

namespace wrk7::emu {
namespace {

const std::string kOk = "\r\nOK\r\n";
const std::string kRe = "\r\nRE\r\n";

std::string Joined(const std::vector<Piece>& pieces) {
    std::string out;
    for (const auto& p : pieces) out += p.bytes;
    return out;
}

// Sends one command; returns everything that came back (echo + answer).
std::string Say(Receiver& rx, const std::string& command) { return Joined(rx.Receive(command + "\r")); }
std::string Answer(Receiver& rx, const std::string& command) { return Say(rx, command).substr(command.size() + 1); }

TEST(Receiver, EchoesAndAnswersOnlyItsOwnModel) {
    Receiver rx(1);
    EXPECT_EQ(Say(rx, "KV~WR-K7J"), "KV~WR-K7J\r" + kRe);
    EXPECT_EQ(Answer(rx, "KV~F00000R"), kRe) << "no block before an accepted identification";
    EXPECT_EQ(Say(rx, "KV~WR-K70E"), "KV~WR-K70E\r" + kOk);
    rx.Mem()[0x0100] = 0x64;
    rx.Mem()[0x011F] = 0xAB;
    const std::string reply = Answer(rx, "KV~F00100R");
    ASSERT_EQ(reply.size(), 68u);
    EXPECT_EQ(reply.substr(0, 4) + reply.substr(62), "\r\n64FFAB\r\n");
    EXPECT_EQ(Answer(rx, "KV~FINISH"), kOk);
    EXPECT_EQ(Answer(rx, "KV~F00100R"), kRe) << "FINISH ends the session";
    EXPECT_EQ(rx.CommandLog(), (std::vector<std::string>{"KV~WR-K7J", "KV~F00000R", "KV~WR-K70E", "KV~F00100R",
                                                        "KV~FINISH", "KV~F00100R"}));
}

TEST(Receiver, WritesStoreWhatIsValidAndChannelsFollowTheBankTableLatchedByIm) {
    Receiver rx(0);
    const int table = AreaOf(Area::kBankTable).address;
    const int flags = AreaOf(Area::kChannelFlags).address;
    // Banks 0 and 1 of 3 channels each, the rest empty.
    std::fill_n(&rx.Mem()[table], 100, 0);
    rx.Mem()[table] = rx.Mem()[table + 2] = 3;
    rx.Mem()[BlockAddress(Area::kChannelRecords, 4)] = 0x12;  // an old channel in slot 4
    rx.Mem()[flags] = 0xFF;
    ASSERT_EQ(Answer(rx, "KV~WR-K7J"), kOk);
    EXPECT_EQ(Answer(rx, "KV~F0FD01W00"), kOk);
    EXPECT_EQ(rx.Mem()[0xFD01], 0x00);
    for (int digits : {2, 24, 30, 46, 48, 64}) {
        const std::string data(static_cast<std::size_t>(digits), '1');
        EXPECT_EQ(Answer(rx, "KV~F00300W" + data), kOk) << digits;
        EXPECT_EQ(rx.Mem()[0x300 + digits / 2 - 1], 0x11);
    }
    ASSERT_EQ(Answer(rx, "KV~IM"), kOk);
    // KV~IM erases the channels and the enable map.
    EXPECT_EQ(std::pair(int(rx.Mem()[BlockAddress(Area::kChannelRecords, 4)]), int(rx.Mem()[flags])), std::pair(0xFF, 0x00));
    const std::string record = "4086A408" + std::string(56, '0');
    EXPECT_EQ(Answer(rx, "KV~BC01002W" + record), kOk);
    // Bank 1 position 2 is slot 5, which is enabled.
    EXPECT_EQ(std::pair(int(rx.Mem()[BlockAddress(Area::kChannelRecords, 5)]), int(rx.Mem()[flags])), std::pair(0x40, 0x04));
    EXPECT_EQ(Answer(rx, "KV~BC52099W" + record), kOk);
    EXPECT_EQ(rx.Mem()[BlockAddress(Area::kChannelRecords, 1299)], 0x40);
    // A block write of an odd digit count, in lower-case hex, of more than 32
    // bytes, a read beyond 64 KiB, no command at all; a channel beyond its
    // bank, beyond the last priority entry, a short record, an empty bank.
    const std::string refused[] = {"KV~F00300W123", "KV~F00300Wab", "KV~F00300W" + std::string(66, '0'), "KV~F10000R", "KV~XYZ",
                                   "KV~BC01003W" + record, "KV~BC52100W" + record, "KV~BC00000W" + record.substr(2), "KV~BC02000W" + record};
    for (const std::string& command : refused) EXPECT_EQ(Answer(rx, command), kRe) << command;
    EXPECT_EQ(rx.Mem()[0x300], 0x11) << "refused writes change nothing";
}

TEST(Faults, ParseEveryKindAndRejectNonsense) {
    FaultPlan plan;
    std::string error;
    for (const char* f : {"refuse-id", "silent-after=700", "drop=3", "drop=5", "garbage=2", "split", "re-on=00100",
                          "re-on=bc00037", "delay-ms=20", "hangup-after=9"})
        EXPECT_TRUE(AddFault(plan, f, error)) << f << ": " << error;
    EXPECT_EQ(plan, (FaultPlan{.refuseId = true, .silentAfter = 700, .drop = {3, 5}, .garbage = {2}, .split = true,
                               .reOn = {"00100", "BC00037"}, .delayMs = 20, .hangupAfter = 9}));
    const FaultPlan before = plan;
    for (const char* bad : {"drop", "drop=x", "drop=-1", "silent-after=", "re-on=123", "re-on=BC1", "explode", "split=3"}) {
        error.clear();
        EXPECT_TRUE(!AddFault(plan, bad, error) && !error.empty()) << bad;
    }
    EXPECT_EQ(plan, before);
}

TEST(Faults, ChangeTheAnswersAsNamed) {
    Receiver rx(0);
    rx.SetFaults({.silentAfter = 7, .drop = {2}, .garbage = {3, 4}, .reOn = {"00100", "BC00000"}});
    EXPECT_EQ(Answer(rx, "KV~WR-K7J"), kOk);
    EXPECT_EQ(Say(rx, "KV~F00100W00"), "KV~F00100W00\r") << "dropped: echo only";
    EXPECT_NE(rx.Mem()[0x100], 0x00) << "and not carried out";
    const std::string bad = Answer(rx, "KV~F00000R"), badAck = Answer(rx, "KV~F00000W00");
    EXPECT_TRUE(bad.size() == 68u && !bad.starts_with("\r\n") && bad.ends_with("\r\n")) << bad;
    EXPECT_TRUE(badAck.size() == 6u && badAck != kOk && badAck != kRe) << badAck;
    EXPECT_EQ(Answer(rx, "KV~F00100W00"), kRe);
    EXPECT_EQ(Answer(rx, "KV~BC00000W" + std::string(64, '0')), kRe);
    EXPECT_EQ(Answer(rx, "KV~F00000R").size(), 68u);
    EXPECT_EQ(Say(rx, "KV~F00000R"), "") << "silent after 7 commands, not even the echo";
    EXPECT_EQ(rx.CommandCount(), 8);
}

TEST(Faults, SplitDelayAndHangUp) {
    Receiver plain(0), split(0);
    split.SetFaults({.drop = {}, .garbage = {}, .split = true, .reOn = {}, .delayMs = 5, .hangupAfter = 2});
    for (Receiver* rx : {&plain, &split}) Say(*rx, "KV~WR-K7J");
    const auto pieces = split.Receive("KV~F00A00R\r");
    EXPECT_EQ(Joined(pieces), Say(plain, "KV~F00A00R"));
    EXPECT_GT(pieces.size(), 3u);
    EXPECT_GE(pieces[1].delay, std::chrono::milliseconds(5)) << "the answer waits for the delay";
    EXPECT_TRUE(split.HungUp() && split.Receive("KV~F00A00R\r").empty());
}

TEST(LineTiming, PacedOutputKeepsLineSpeedInBothDirections) {
    Receiver rx(0);
    LineTiming timing(true);
    const auto t0 = Clock::now();
    timing.Input(rx, "KV~WR-K7J\r", t0);  // 10 characters in, 10 + 6 out
    // The last answer character completes one character after the echo of
    // the CR, which itself trails the CR by one character.
    const auto expectedEnd = t0 + 17 * kCharacterTime;
    EXPECT_EQ(timing.TakeDue(t0 + kCharacterTime), "");
    EXPECT_EQ(timing.TakeDue(t0 + 2 * kCharacterTime), "K");
    EXPECT_EQ(timing.TakeDue(expectedEnd - std::chrono::nanoseconds(1)), "V~WR-K7J\r\r\nOK\r");
    EXPECT_EQ(timing.TakeDue(expectedEnd), "\n");
    EXPECT_TRUE(!timing.NextDue().has_value() && timing.CharactersSent() == 16u) << timing.CharactersSent();

    LineTiming fast(false);
    Receiver rx2(0);
    fast.Input(rx2, "KV~WR-K7J\r", t0);
    EXPECT_EQ(fast.TakeDue(t0), "KV~WR-K7J\r" + kOk);
}

// A block read at t0, after the identification, brings 79 characters back: the 11 of the echo, then the
// 68 of the answer. Paced, character j is off the line at (j + 2) character
// times (260.4 us each), so by 16 ms the adapter has 60 of them (fewer than a
// packet) and by 1 ms two; unpaced, all are there at once and a full packet
// of 62 goes at once. The rest wait for the timer's next beat.
TEST(LineTiming, ALatencyTimerReleasesWhatTheAdapterGathered) {
    using std::chrono::milliseconds;
    struct Step {
        Clock::duration at;
        std::size_t delivered;  // characters the host has by then
    };
    const struct {
        bool paced;
        int timerMs;
        std::vector<Step> steps;
    } kCases[] = {
        {false, 0, {{{}, 79}}},
        {false, 1, {{{}, 62}, {milliseconds(1) - Clock::duration(1), 62}, {milliseconds(1), 79}}},
        {false, 16, {{{}, 62}, {milliseconds(16) - Clock::duration(1), 62}, {milliseconds(16), 79}}},
        {true, 1, {{milliseconds(1) - Clock::duration(1), 0}, {milliseconds(1), 2}, {milliseconds(20), 75}, {milliseconds(21), 79}}},
        {true, 16, {{milliseconds(16) - Clock::duration(1), 0}, {milliseconds(16), 60}, {milliseconds(32) - Clock::duration(1), 60}, {milliseconds(32), 79}}},
    };
    for (const auto& c : kCases) {
        Receiver rx(0);
        rx.Receive("KV~WR-K7J\r");  // identified: block reads are answered
        LineTiming timing(c.paced, milliseconds(c.timerMs));
        const auto t0 = Clock::now();
        timing.Input(rx, "KV~F00A00R\r", t0);
        std::size_t delivered = 0;
        for (const Step& step : c.steps) {
            delivered += timing.TakeDue(t0 + step.at).size();
            EXPECT_EQ(delivered, step.delivered) << c.paced << " " << c.timerMs << " ms, at " << step.at.count() << " ns";
        }
    }
}

TEST(MemoryImage, DemoSurvivesTheReceiverMemory) {
    for (int model = 0; model < kModelCount; ++model) {
        const CloneImage demo = DemoImage(model);
        EXPECT_EQ(BankTotal(demo), 1000);
        Memory memory{};
        memory.fill(0xFF);
        StoreImage(memory, demo);
        const CloneImage back = ImageFromMemory(memory, model, &demo);
        SCOPED_TRACE(model);
        // Enable bits of slots 1280..1299 lie outside the blocks a read takes;
        // the demo keeps its entries below them.
        EXPECT_GT(std::count(demo.memory.enabled.begin(), demo.memory.enabled.end(), true), 30);
        EXPECT_EQ(std::tie(back.memory.slot, back.memory.enabled, back.banks.counts, back.groups.members,
                           back.settings.values, back.vfo.bands),
                  std::tie(demo.memory.slot, demo.memory.enabled, demo.banks.counts, demo.groups.members,
                           demo.settings.values, demo.vfo.bands));
        EXPECT_NE(back.settings.values, testing::NewImage(model).settings.values) << "the demo shows options other than the defaults";
    }
}

}  // namespace
}  // namespace wrk7::emu
