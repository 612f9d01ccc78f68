// Many rows at once: changing chosen fields of many channels by the editor's
// rules, sorting, packing and moving rows as whole slots, and finding the
// rows that hold the same frequency and mode.
#include <gtest/gtest.h>

#include "core/slot_texts.h"
#include "edit/bulk_change.h"
#include "edit/channel_find.h"
#include "edit/channel_rules.h"
#include "edit/row_order.h"

namespace wrk7 {
namespace {

using testing::Texts;

void Put(CloneImage& image, int slot, double mhz, const std::string& name, int mode = 0, int step = 0, const std::string& note = "") {
    SlotFields& f = image.memory.slot[slot];
    f = EmptyRowDefaults();
    f.Set(kFreq, mhz);
    f.Set(kMode, mode);
    f.Set(kStep, step);
    f.SetText(kName, name);
    f.SetText(kNote, note.empty() ? name + " note" : note);
    image.memory.enabled[slot] = true;
}

// The names of slots first..last, "-" for an empty row.
std::string Names(const CloneImage& image, int first, int last) {
    std::string out;
    for (int s = first; s <= last; ++s)
        out += (s == first ? "" : " ") + (image.memory.slot[s].IsEmpty() ? "-" : image.memory.slot[s].Text(kName));
    return out;
}

// Every row of after is a whole row of before: fields, note and flag together.
void ExpectWholeRows(const CloneImage& before, const CloneImage& after) {
    for (int s = 0; s < kSlotCount; ++s) {
        bool found = false;
        for (int t = 0; t < kSlotCount && !found; ++t)
            found = after.memory.slot[s] == before.memory.slot[t] && after.memory.enabled[s] == before.memory.enabled[t];
        EXPECT_TRUE(found) << s;
    }
    EXPECT_EQ(after.banks, before.banks);
}

TEST(RowOrder, SortIsStableKeepsEmptyRowsLastAndPackKeepsTheOrder) {
    CloneImage image;
    Put(image, 10, 145, "delta", 0, 7, "n2");  // FM 25KHz
    Put(image, 12, 118, "Bravo", 1, 16, "N1");  // AM 1KHz
    Put(image, 13, 145.0000004, "alpha", 2, 3, "n3");  // the same hertz; WFM 10KHz
    Put(image, 14, 430, "charlie", 1, 17, "n1");  // AM 9KHz
    const struct { SortKey key; bool descending; const char* names; } cases[] = {
        {SortKey::kFrequency, false, "Bravo delta alpha charlie -"},
        {SortKey::kFrequency, true, "charlie delta alpha Bravo -"},
        {SortKey::kName, false, "alpha Bravo charlie delta -"},
        {SortKey::kName, true, "delta charlie Bravo alpha -"},
        {SortKey::kNote, false, "Bravo charlie delta alpha -"},
        {SortKey::kMode, false, "Bravo charlie delta alpha -"},
        {SortKey::kStep, false, "Bravo charlie alpha delta -"},
        {SortKey::kStep, true, "delta alpha charlie Bravo -"},
    };
    for (const auto& c : cases) {
        CloneImage sorted = image;
        const RowOrderResult r = SortSlots(sorted, {14, 10, 11, 12, 13, 12}, c.key, c.descending);
        EXPECT_EQ(Names(sorted, 10, 14), c.names) << static_cast<int>(c.key) << c.descending;
        EXPECT_EQ(r.selection, (std::vector<int>{10, 11, 12, 13, 14}));
        ExpectWholeRows(image, sorted);
    }
    PackSlots(image, {10, 11, 12, 13, 14});
    EXPECT_EQ(Names(image, 10, 14), "delta Bravo alpha charlie -");
    EXPECT_EQ(testing::EnglishOf(PackSlots(image, {995, 1005}).refusal),
              "The selected rows are memory channels and program-scan edges: pack the rows of one area at a time.");
}

TEST(RowOrder, MoveTurnsEachRunRoundWithTheRowItPassesWithinItsArea) {
    CloneImage image;
    for (int s = 0; s < 6; ++s) Put(image, 98 + s, 145 + s, std::string(1, static_cast<char>('a' + s)));
    image.banks.counts[0] = 100;  // slots 98..103 cross from bank 0 into bank 1
    const Direction up = Direction::kUp, down = Direction::kDown;
    const struct { std::vector<int> chosen; Direction by; const char* names; } cases[] = {  // slots 98..104, or the refusal
        {{99, 100}, up, "b c a d e f -"},
        {{99, 100}, down, "a d b c e f -"},
        {{99, 101}, up, "b a d c e f -"},
        {{103}, down, "a b c d e - f"},
        {{0}, up, "The rows are at the top of the memory channels already."},
        {{1299}, down, "The rows are at the end of the priority entries already."},
        {{kFirstSearchPassSlot}, up, "The rows are at the top of the Search Pass entries already."},
        {{999, 1000}, down, "The selected rows are memory channels and program-scan edges: move the rows of one area at a time."},
    };
    for (const auto& c : cases) {
        CloneImage moved = image;
        const RowOrderResult r = MoveSlots(moved, c.chosen, c.by);
        EXPECT_EQ(r.refusal, MoveRefusal(c.chosen, c.by));
        EXPECT_EQ(r.refusal ? r.refusal->English() : Names(moved, 98, 104), c.names) << c.chosen.front() << static_cast<int>(c.by);
        if (r.refusal) continue;
        ExpectWholeRows(image, moved);
        for (std::size_t i = 0; i < c.chosen.size(); ++i) EXPECT_EQ(r.selection[i], c.chosen[i] + static_cast<int>(c.by));
    }
}

TEST(RowOrder, DuplicatesShareFrequencyToTheHertzAndMode) {
    CloneImage image;
    for (int s : {3, 900, 1205}) Put(image, s, 145, "a");
    Put(image, 7, 145.0000004, "b");  // the same hertz
    Put(image, 4, 145, "c", 1);       // AM
    Put(image, 10, 118, "d", 1);
    Put(image, 11, 118, "e", 1);
    Put(image, 12, 118.001, "f", 1);
    const Duplicates d = FindDuplicates(image);
    EXPECT_EQ(d.members, (std::vector<int>{3, 7, 10, 11, 900, 1205}));
    EXPECT_EQ(d.groups, 2);
    const struct { std::vector<int> listed; int from; bool forward; std::optional<int> next; } steps[] = {
        {{3, 7, 10}, 3, true, 7}, {{3, 7, 10}, 10, true, 3}, {{3, 7, 10}, 5, false, 3},
        {{3, 7, 10}, 3, false, 10}, {{3, 7, 10}, -1, true, 3}, {{}, 0, true, std::nullopt}};
    for (const auto& s : steps) EXPECT_EQ(NextListedSlot(s.listed, s.from, s.forward), s.next) << s.from;
}

TEST(BulkChange, ChosenFieldsChangeOnUsedRowsThatPassTheEditorsRules) {
    CloneImage image;  // WR-K7J: Train but no Secret, a carrier list but no secret code list
    Put(image, 20, 145, "ONE");
    Put(image, 22, 150, "TWO");
    for (int s : {kFirstSearchPassSlot, kFirstSearchPassSlot + 1}) Put(image, s, 120, "SP");  // from a file
    const std::vector<int> rows{20, 21, 22, kFirstSearchPassSlot};
    const std::string kept = "145.000000|FM|OFF|0.600000|ONE|ONE note";
    // Slot 20's frequency, mode, option, offset, name and note afterwards, and why rows 20 and 22 keep
    // theirs ("" when they take the change): one refusal of what the model offers, one of the entry's
    // rules; each field's refusals are in the table below.
    const struct { int model; ChannelChange change; std::string slot20, refused; } cases[] = {
        {0, ChannelChange().Set(kMode, 1).SetText(kName, "TWR").Set(kFreq, 300), "145.000000|AM|OFF|0.600000|TWR|ONE note", ""},
        {0, ChannelChange().Set(kOption, 1).Set(kOffset, 5).SetText(kNote, ""), "145.000000|FM|Train|5.000000|ONE|", ""},
        {0, ChannelChange().Set(kOption, 4), kept, "The WR-K7J offers no such option."},
        {0, ChannelChange().Set(kOffset, 100), kept, "The offset frequency must be below 100 MHz."},
    };
    // The search-pass entry fails the editor's frequency rule whatever the change.
    const std::string searchPass = "The same frequency as other channels cannot be set in Search Pass bank.";
    for (const auto& c : cases) {
        CloneImage changed = image;
        changed.model = c.model;
        const ChannelChangeResult r = ChangeChannels(changed, rows, c.change);
        EXPECT_EQ(Texts(changed.memory.slot[20], {kFreq, kMode, kOption, kOffset, kName, kNote}), c.slot20);
        const auto& slot = changed.memory.slot;
        EXPECT_TRUE(slot[22].Text(kMode) == slot[20].Text(kMode) && slot[21].IsEmpty());
        EXPECT_EQ(r.rows, 3);
        std::string reasons;
        for (const RefusedRow& refused : r.refused) reasons += refused.reason.English() + "|";
        EXPECT_EQ(reasons, (c.refused.empty() ? "" : c.refused + "|" + c.refused + "|") + searchPass + "|");
        EXPECT_EQ(changed.memory.slot[kFirstSearchPassSlot], image.memory.slot[kFirstSearchPassSlot]);
    }
    // The summary's first line: CommandsTest (tests/app/commands), Change Channels.
}

TEST(BulkChange, EachEntryIsCheckedByItsFieldsRuleAndWhatPassesChangesEveryPlainRow) {
    ChannelChange unchosen;
    unchosen.values.Set(kOffset, 150);  // a value, but the field is not chosen
    const struct { int model; ChannelChange change; int field; std::string refusal; } cases[] = {
        // Where the offset's bounds lie is CheckOffset's table; here, that both ends refuse.
        {0, ChannelChange().Set(kOffset, 100), kOffset, "The offset frequency must be below 100 MHz."},
        {0, ChannelChange().Set(kOffset, -0.5), kOffset, "The offset frequency must be below 100 MHz."},
        {0, unchosen, kOffset, ""},
        {0, ChannelChange().SetText(kName, "ABC-12"), kName, ""},
        {0, ChannelChange().SetText(kName, "TOOLONG"), kName, "A name holds at most 6 printable ASCII characters."},
        // Which texts fit, in characters and not bytes, is ChannelLimits' table.
        {0, ChannelChange().SetText(kNote, std::string(31, 'x')), kNote, "A note holds at most 30 characters."},
        {0, ChannelChange().Set(kOption, 1), kOption, ""},
        {0, ChannelChange().Set(kOption, 4), kOption, "The WR-K7J offers no such option."},
        {1, ChannelChange().Set(kOption, 1), kOption, "The WR-K70E offers no such option."},
        {0, ChannelChange().Set(kSecret, 5), kSecret, "The WR-K7J offers no such secret code."},
        {1, ChannelChange().Set(kSecret, 5), kSecret, ""},
        {0, ChannelChange().Set(kMode, 3), kMode, "The WR-K7J offers no such mode."},
        {0, ChannelChange().Set(kStep, 18), kStep, "The WR-K7J offers no such tuning step."},
        {0, ChannelChange().Set(kTone, 2.5), kTone, "The WR-K7J offers no such tone."},
        {0, ChannelChange().Set(kOffset, 150), kName, ""},  // another field's value is not this one's
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "field " << c.field << ": " << c.refusal);
        EXPECT_EQ(testing::EnglishOf(ChangeFieldRefusal(c.model, c.change, c.field)), c.refusal);
        // The check says what ChangeChannels would refuse every plain row for.
        CloneImage image;
        image.model = c.model;
        Put(image, 5, 145, "ONE");
        const ChannelChangeResult r = ChangeChannels(image, {5}, c.change);
        if (c.change.fields.count() == 1 && c.change.fields.test(static_cast<std::size_t>(c.field))) {
            EXPECT_EQ(r.refused.empty() ? "" : r.refused.front().reason.English(), c.refusal);
        }
    }
}

}  // namespace
}  // namespace wrk7
