// Channel lists without slots of their own (database and directory exports,
// SDR bookmarks): whatever the text, a list that cannot be read gives no
// rows; every row maps to one outcome; a plan places each row in its own
// memory slot 0..999, and applying it changes those slots and the bank table
// only, each to the channel its row maps to. The result, written as each SDR
// program's bookmarks, reads back to one imported row per channel with the
// same frequency and mode.
#include <cmath>
#include <set>

#include "fuzz_check.h"
#include "lists/channel_list.h"
#include "lists/list_import.h"
#include "lists/sdr_export.h"
#include "saved_form.h"

using namespace wrk7;

namespace {

constexpr ListFormat kForcible[] = {ListFormat::kRadioReference, ListFormat::kRepeaterBook, ListFormat::kGqrx,
                                    ListFormat::kSdrSharp, ListFormat::kSdrPlusPlus};

// The second byte's choice of where the rows go and what a duplicate does.
ListImportChoice ChoiceOf(std::uint8_t bits, std::uint8_t place) {
    ListImportChoice choice;
    const ListTarget targets[] = {ListTarget::kEmptySlots, ListTarget::kFromSlot, ListTarget::kIntoBank,
                                  ListTarget::kEmptySlots};
    choice.target = targets[bits & 3];
    choice.firstSlot = place * 4 % kChannelCount;
    choice.bank = place % kBanks;
    choice.growBank = bits & 4;
    choice.duplicates = bits & 8 ? DuplicateRule::kReplace : DuplicateRule::kSkip;
    return choice;
}

void RequireOnlyPlacedSlotsChanged(const CloneImage& before, const CloneImage& after, const std::set<int>& placed) {
    fuzz::Require(after.vfo == before.vfo && after.groups == before.groups && after.settings == before.settings &&
                      after.flags == before.flags && after.model == before.model,
                  "an import changes memory slots and bank counts only");
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (placed.count(slot)) continue;
        fuzz::Require(after.memory.slot[slot] == before.memory.slot[slot] &&
                          after.memory.enabled[slot] == before.memory.enabled[slot],
                      "a slot no row was placed in is unchanged", std::to_string(slot));
    }
}

long long Hz(double mhz) { return std::llround(mhz * 1e6); }

void RequireBookmarksReadBack(const CloneImage& image) {
    std::multiset<std::string> channels;
    for (int slot = 0; slot < kChannelCount; ++slot)
        if (image.memory.enabled[slot] && !image.memory.slot[slot].IsEmpty())
            channels.insert(std::to_string(Hz(image.memory.slot[slot].Value(kFreq))) + " " +
                            image.memory.slot[slot].Text(kMode));
    for (const ListFormat format : {ListFormat::kGqrx, ListFormat::kSdrSharp, ListFormat::kSdrPlusPlus}) {
        const ChannelList back = ReadChannelList(SdrBookmarksText(image, format), format);
        fuzz::Require(!back.failure, "written bookmarks read back", std::string(InfoOf(format).name));
        std::multiset<std::string> read;
        for (const ListMapping& m : MapChannelList(back, image)) {
            fuzz::Require(m.outcome == ListMapping::Outcome::kImported, "every bookmark imports",
                          std::string(InfoOf(format).name) + " line " + std::to_string(m.line));
            read.insert(std::to_string(Hz(m.channel.Value(kFreq))) + " " + m.channel.Text(kMode));
        }
        fuzz::Require(read == channels, "bookmarks give the same frequencies and modes", std::string(InfoOf(format).name));
    }
}

}  // namespace

// The first byte picks the model and, in its upper bits, a format to force
// (none above 4); the second the target and the rule; the third the first
// slot or the bank; the rest is the list.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    const int model = fuzz::ModelOf(data, size);
    const std::size_t forced = data[0] >> 2;
    const std::optional<ListFormat> format =
        forced < std::size(kForcible) ? std::optional(kForcible[forced]) : std::nullopt;
    const std::string_view text(reinterpret_cast<const char*>(data + 3), size - 3);

    const ChannelList list = ReadChannelList(text, format);
    if (list.failure) {
        fuzz::Require(list.rows.empty(), "a list that cannot be read gives no rows");
        return 0;
    }
    const CloneImage& start = fuzz::ChannelsInEveryArea(model);
    const std::vector<ListMapping> rows = MapChannelList(list, start);
    fuzz::Require(rows.size() == list.rows.size(), "every row maps to one outcome");
    for (const ListMapping& m : rows)
        if (m.outcome == ListMapping::Outcome::kImported)
            fuzz::Require(!m.channel.IsEmpty() && m.channel.Text(kName).size() <= 6 * 4,
                          "an imported row is a channel with a display name");

    const ListImportPlan plan = PlanListImport(start, rows, ChoiceOf(data[1], data[2]));
    std::set<int> placedSlots;
    for (const PlacedRow& p : plan.placed) {
        fuzz::Require(p.slot >= 0 && p.slot < kChannelCount, "a row goes into a memory channel slot");
        fuzz::Require(placedSlots.insert(p.slot).second, "no two rows share a slot");
        fuzz::Require(rows[static_cast<std::size_t>(p.row)].outcome == ListMapping::Outcome::kImported,
                      "only an imported row is placed");
    }
    CloneImage after = start;
    ApplyListImport(after, rows, plan);
    RequireOnlyPlacedSlotsChanged(start, after, placedSlots);
    for (const PlacedRow& p : plan.placed)
        fuzz::Require(after.memory.enabled[p.slot] &&
                          after.memory.slot[p.slot] == rows[static_cast<std::size_t>(p.row)].channel,
                      "a placed slot holds its row's channel", std::to_string(p.slot));
    RequireBookmarksReadBack(after);
    return 0;
}
