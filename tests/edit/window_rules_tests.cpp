// The rules the window's pages and commands follow: which commands may run,
// a bank's Link box and count box, the editor's enable flag and the page a
// transfer brings to the front.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "edit/bank_entry.h"
#include "edit/channel_entry.h"
#include "edit/command_availability.h"
#include "edit/page_rules.h"

namespace wrk7 {
namespace {

CommandState OnMemory(std::vector<int> rows, int used, bool disabledUsed = false) {
    CommandState s;
    s.page = Page::kMemory;
    s.rows = std::move(rows);
    s.usedRows = used;
    s.anyDisabledUsed = disabledUsed;
    return s;
}

TEST(AvailableCommands, FollowThePageTheRowsAndWhetherTheImageMayChange) {
    CommandState readOnly = OnMemory({5}, 1);
    readOnly.readOnly = true;
    CommandState vfo;
    vfo.bandCopyable = true;
    vfo.pasteReady = true;
    CommandState missingBand = vfo;
    missingBand.bandCopyable = false;
    CommandState bank;
    bank.page = Page::kBank;
    bank.transferRunning = true;
    bank.pasteReady = true;
    using A = CommandAvailability;
    const struct {
        const char* what;
        CommandState state;
        bool A::*command;
        bool available;
    } rows[] = {
        {"one used row: Cut", OnMemory({5}, 1), &A::cut, true},
        {"one empty row: no Cut", OnMemory({5}, 0), &A::cut, false},
        {"one empty row: no Clear", OnMemory({5}, 0), &A::clear, false},
        {"one used row: Clear", OnMemory({5}, 1), &A::clear, true},
        {"one used row: Disable", OnMemory({5}, 1), &A::disable, true},
        {"one empty row: no Disable", OnMemory({5}, 0), &A::disable, false},
        {"the clipboard ready: Paste", [] { CommandState s = OnMemory({251}, 0); s.pasteReady = true; return s; }(),
         &A::paste, true},
        {"a used, enabled row: no Enable", OnMemory({5}, 1), &A::enable, false},
        {"a used, disabled row: Enable", OnMemory({5}, 1, true), &A::enable, true},
        {"row 200: Insert", OnMemory({200}, 0), &A::insert, true},
        {"row 201: no Insert", OnMemory({201}, 0), &A::insert, false},
        {"row 201: no Delete", OnMemory({201}, 0), &A::remove, false},
        {"two rows: no Insert", OnMemory({5, 6}, 2), &A::insert, false},
        {"two rows: no Delete", OnMemory({5, 6}, 2), &A::remove, false},
        {"two rows: Sort", OnMemory({5, 6}, 0), &A::sort, true},
        {"one row: no Pack", OnMemory({5}, 1), &A::pack, false},
        {"one row: no Sort", OnMemory({5}, 1), &A::sort, false},
        {"two rows: Pack", OnMemory({5, 6}, 0), &A::pack, true},
        {"one used of two: no Change Channels", OnMemory({5, 6}, 1), &A::changeChannels, false},
        {"two used: Change Channels", OnMemory({5, 6}, 2), &A::changeChannels, true},
        {"the first row: no Move Up", OnMemory({1}, 1), &A::moveUp, false},
        {"the first row: Move Down", OnMemory({1}, 1), &A::moveDown, true},
        {"the first program-scan edge: no Move Up", OnMemory({1001}, 0), &A::moveUp, false},
        {"the first program-scan edge: Move Down", OnMemory({1001}, 0), &A::moveDown, true},
        {"the last channel and the first edge: no Move Up", OnMemory({1000, 1001}, 1), &A::moveUp, false},
        {"read-only: no Clear", readOnly, &A::clear, false},
        {"read-only: no Clear All", readOnly, &A::wholeList, false},
        {"read-only: Copy", readOnly, &A::copy, true},
        {"read-only: Find", readOnly, &A::find, true},
        {"read-only: no Modify", readOnly, &A::modify, false},
        {"read-only: no Paste", readOnly, &A::paste, false},
        {"VFO band: Copy", vfo, &A::copy, true},
        {"VFO band past the model's: no Copy", missingBand, &A::copy, false},
        {"VFO grid: Paste", vfo, &A::paste, true},
        {"VFO grid: Modify", vfo, &A::modify, true},
        {"VFO grid: no Find", vfo, &A::find, false},
        {"bank page: no Modify", bank, &A::modify, false},
        {"bank page: no Copy", bank, &A::copy, false},
        {"bank page: no Paste", bank, &A::paste, false},
        {"bank page: no Find", bank, &A::find, false},
        {"bank page: no Clear All", bank, &A::wholeList, false},
        {"a transfer runs: no transfer", bank, &A::transfers, false},
        {"no transfer runs: transfers", OnMemory({5}, 1), &A::transfers, true},
    };
    for (const auto& r : rows) EXPECT_EQ(AvailableCommands(r.state).*r.command, r.available) << r.what;
}

TEST(AvailableCommands, DescribeRowsCountsTheUsedRowsAndTheDisabledAmongThem) {
    CloneImage image;
    image.memory.slot[4].Set(kFreq, 145.0);
    image.memory.slot[4].SetText(kFreq, "145.000000");
    image.memory.enabled[4] = false;
    image.memory.slot[5] = image.memory.slot[4];
    image.memory.enabled[5] = true;
    CommandState s = OnMemory({5, 6, 7}, 0);
    DescribeRows(s, image);
    EXPECT_EQ(std::pair(s.usedRows, s.anyDisabledUsed), std::pair(2, true));
    s.rows = {6, 7};
    DescribeRows(s, image);
    EXPECT_EQ(std::pair(s.usedRows, s.anyDisabledUsed), std::pair(1, false));
}

TEST(BankEntry, ALinkNeedsChannelsAndAnEmptiedBankLosesItsLink) {
    const struct {
        const char* box;
        bool ticked;
        bool linked;
    } clicks[] = {{"100", true, true}, {"100", false, false}, {"0", true, false}, {"", true, false},
                  {"000", true, false}, {"7", true, true}};
    for (const auto& c : clicks) EXPECT_EQ(LinkAfterClick(c.box, c.ticked), c.linked) << c.box;

    CloneImage image;
    std::array<std::string, kBanks> boxes;
    for (int b = 0; b < kBanks; ++b) boxes[b] = image.BankText(b);
    image.banks.links[0] = image.banks.links[1] = true;
    boxes[0] = "";
    boxes[1] = image.BankText(1);
    EXPECT_TRUE(LeaveCountBox(image, 0, boxes).clearLink);
    EXPECT_FALSE(LeaveCountBox(image, 1, boxes).clearLink);
    EXPECT_EQ(std::pair(image.banks.links[0], image.banks.links[1]), std::pair(false, true));
}

TEST(ChannelEntry, AStoredChannelIsEnabledAndAnEmptyRowKeepsTheBox) {
    SlotFields used;
    used.Set(kFreq, 145.0);
    used.SetText(kFreq, "145.000000");
    const struct {
        bool box;
        bool holdsChannel;
        bool enabled;
    } rows[] = {{false, false, false}, {true, false, true}, {false, true, true}, {true, true, true}};
    for (const auto& r : rows)
        EXPECT_EQ(EntryEnabled(r.box, r.holdsChannel ? used : SlotFields{}), r.enabled) << r.box << r.holdsChannel;
}

TEST(TransferPages, ACommandBringsItsPageToTheFrontAndAFinishedReadAllShowsTheMemory) {
    using D = TransferDirection;
    using P = TransferPart;
    const std::optional<Page> stays;
    const struct {
        Page current;
        D direction;
        P part;
        std::optional<Page> front;
    } rows[] = {
        {Page::kSettings1, D::kRead, P::kMemory, Page::kMemory},  {Page::kMemory, D::kRead, P::kMemory, stays},
        {Page::kMemory, D::kRead, P::kSettings, Page::kSettings1}, {Page::kBank, D::kRead, P::kSettings, stays},
        {Page::kBank, D::kWrite, P::kSettings, Page::kSettings1}, {Page::kSettings2, D::kWrite, P::kSettings, stays},
        {Page::kBank, D::kRead, P::kAll, Page::kSettings1},       {Page::kSettings2, D::kWrite, P::kAll, stays},
        {Page::kSettings1, D::kWrite, P::kBank, stays},           {Page::kMemory, D::kRead, P::kGroups, stays},
    };
    for (const auto& r : rows)
        EXPECT_EQ(PageBeforeTransfer(r.current, r.direction, r.part), r.front)
            << static_cast<int>(r.current) << static_cast<int>(r.part);
    EXPECT_EQ(PageAfterTransfer(Page::kSettings1, P::kAll, true), Page::kMemory);
    EXPECT_EQ(PageAfterTransfer(Page::kSettings1, P::kAll, false), stays);
    EXPECT_EQ(PageAfterTransfer(Page::kSettings1, P::kMemory, true), stays);
    EXPECT_EQ(PageAfterTransfer(Page::kMemory, P::kAll, true), stays);
}

}  // namespace
}  // namespace wrk7
