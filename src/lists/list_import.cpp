#include "lists/list_import.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "edit/bank.h"

namespace wrk7 {

namespace {

using Outcome = ListMapping::Outcome;

constexpr long long kSameFrequencyHz = 1000;  // lists round to the kHz; the receiver's steps are finer

long long Hz(const SlotFields& fields) { return std::llround(fields.Value(kFreq) * 1e6); }

bool Used(const CloneImage& image, int slot) {
    const auto s = static_cast<std::size_t>(slot);
    return image.memory.enabled[s] && !image.memory.slot[s].IsEmpty();
}

// The used memory slot that already holds channel (its frequency within a
// kilohertz, its mode), or -1.
int SlotHolding(const CloneImage& image, const SlotFields& channel) {
    for (int slot = 0; slot < kChannelCount; ++slot) {
        const SlotFields& held = image.memory.slot[static_cast<std::size_t>(slot)];
        if (Used(image, slot) && held.Value(kMode) == channel.Value(kMode) &&
            std::llabs(Hz(held) - Hz(channel)) <= kSameFrequencyHz)
            return slot;
    }
    return -1;
}

struct Room {
    std::vector<int> slots;  // in the order rows fill them
    std::optional<std::vector<int>> grownCounts;
    std::optional<Message> note;  // said of the room (a bank grown or not)
};

// The bank's slots, grown into the banks after it by as many as need asks
// for when grow says so.
Room BankRoom(const CloneImage& image, int bank, int need, bool grow) {
    Room room;
    if (bank < 0 || bank >= kBanks) return room;
    std::vector<int> counts(image.banks.counts.begin(), image.banks.counts.begin() + kBanks);
    for (int& count : counts) count = std::max(count, 0);
    const int start = std::accumulate(counts.begin(), counts.begin() + bank, 0);
    if (grow && need > counts[bank]) {
        int wanted = need - counts[bank];
        for (int later = bank + 1; later < kBanks && wanted > 0; ++later) {
            const int taken = std::min(wanted, counts[later]);
            counts[later] -= taken;
            counts[bank] += taken;
            wanted -= taken;
        }
        if (counts[bank] > std::max(image.banks.counts[bank], 0)) {
            room.grownCounts = counts;
            room.note = Say(MessageId::kBankGrown, bank, counts[bank]);
        } else {
            room.note = Say(MessageId::kBankCannotGrow, bank);
        }
    }
    for (int slot = start; slot < start + counts[bank] && slot < kChannelCount; ++slot) room.slots.push_back(slot);
    return room;
}

Message Joined(std::vector<Message> parts) {
    Message out = std::move(parts.front());
    for (std::size_t i = 1; i < parts.size(); ++i) out = Say(MessageId::kListMore, std::move(out), std::move(parts[i]));
    return out;
}

Message LeftOutPart(const ListImportPlan& plan) {
    std::vector<Message> kinds;
    int present = 0;
    for (const int count : plan.leftOutByKind) present += count > 0 ? 1 : 0;
    for (std::size_t kind = 0; kind < plan.leftOutByKind.size(); ++kind) {
        const int count = plan.leftOutByKind[kind];
        if (count == 0) continue;
        Message word = LeftOutWord(static_cast<LeftOutKind>(kind));
        kinds.push_back(present == 1 ? std::move(word) : Say(MessageId::kPlanLeftOutOfKind, count, std::move(word)));
    }
    return SayCount(MessageId::kPlanLeftOut, plan.leftOut, Joined(std::move(kinds)));
}

Message Summary(const CloneImage& image, const ListImportChoice& choice, const ListImportPlan& plan) {
    const auto labels = BuildRowLabels(image);
    const std::string from = labels[static_cast<std::size_t>(std::clamp(choice.firstSlot, 0, kChannelCount - 1))];
    const long long placed = static_cast<long long>(plan.placed.size());
    Message head = choice.target == ListTarget::kIntoBank       ? SayCount(MessageId::kPlacedIntoBank, placed, choice.bank)
                   : choice.target == ListTarget::kFromSlot      ? SayCount(MessageId::kPlacedFromRow, placed, from)
                   : choice.target == ListTarget::kOwnLocations ? SayCount(MessageId::kPlacedAtLocations, placed)
                                                                 : SayCount(MessageId::kPlacedIntoEmpty, placed, from);
    std::vector<Message> parts;
    if (plan.replacingUsed > 0) parts.push_back(SayCount(MessageId::kPlanReplacesUsed, plan.replacingUsed));
    if (plan.alreadyThere > 0)
        parts.push_back(SayCount(choice.duplicates == DuplicateRule::kSkip ? MessageId::kPlanAlreadySkipped
                                                                          : MessageId::kPlanAlreadyReplaced,
                                 plan.alreadyThere));
    if (plan.replacedByLater > 0) parts.push_back(SayCount(MessageId::kPlanReplacedByLater, plan.replacedByLater));
    if (plan.leftOut > 0) parts.push_back(LeftOutPart(plan));
    if (plan.didNotFit > 0) parts.push_back(SayCount(MessageId::kPlanDoNotFit, plan.didNotFit));
    if (parts.empty()) return head;
    return Say(MessageId::kPlanSummary, std::move(head), Joined(std::move(parts)));
}

}  // namespace

ListImportPlan PlanListImport(const CloneImage& image, const std::vector<ListMapping>& rows,
                              const ListImportChoice& choice) {
    ListImportPlan plan;
    auto labels = BuildRowLabels(image);
    auto chosen = [&](std::size_t row) { return choice.chosen.empty() || (row < choice.chosen.size() && choice.chosen[row]); };
    // A row placed is reported with the row it went to; one left out, with
    // none. A CHIRP row's place is its Location, beside the slot.
    auto report = [&](const ListMapping& row, Message reason, int slot = -1) {
        if (row.location) return plan.report.push_back({row.line, *row.location, std::move(reason), slot});
        plan.report.push_back({row.line, slot >= 0 ? labels[static_cast<std::size_t>(slot)] : "", std::move(reason)});
    };

    // Duplicates first: replacing one keeps its slot out of the room.
    std::vector<int> toPlace;
    std::vector<bool> claimed(kChannelCount, false);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ListMapping& row = rows[i];
        if (!chosen(i) || row.outcome == Outcome::kNoChannel) continue;
        if (row.outcome == Outcome::kLeftOut) {
            ++plan.leftOut;
            ++plan.leftOutByKind[static_cast<std::size_t>(row.kind)];
            if (row.reason) report(row, *row.reason);
            continue;
        }
        const int holding = choice.duplicates == DuplicateRule::kKeep ? -1 : SlotHolding(image, row.channel);
        if (holding < 0 || claimed[static_cast<std::size_t>(holding)]) {
            toPlace.push_back(static_cast<int>(i));
            continue;
        }
        ++plan.alreadyThere;
        const std::string& label = labels[static_cast<std::size_t>(holding)];
        if (choice.duplicates == DuplicateRule::kSkip) {
            report(row, Say(MessageId::kDuplicateSkipped, label));
            continue;
        }
        claimed[static_cast<std::size_t>(holding)] = true;
        plan.placed.push_back({static_cast<int>(i), holding, false, true});
        report(row, Say(MessageId::kDuplicateReplaced, label), holding);
    }

    Room room;
    const int first = std::clamp(choice.firstSlot, 0, kChannelCount - 1);
    if (choice.target == ListTarget::kIntoBank) {
        room = BankRoom(image, choice.bank, static_cast<int>(toPlace.size()), choice.growBank);
    } else if (choice.target == ListTarget::kOwnLocations) {
        // A slot a duplicate was replaced in goes to the last row naming it, as any other.
        for (const int i : toPlace) room.slots.push_back(rows[static_cast<std::size_t>(i)].ownSlot);
    } else {
        for (int slot = first; slot < kChannelCount; ++slot)
            if (choice.target == ListTarget::kFromSlot || !Used(image, slot)) room.slots.push_back(slot);
    }
    plan.grownCounts = room.grownCounts;
    if (choice.target != ListTarget::kOwnLocations)
        std::erase_if(room.slots, [&](int slot) { return claimed[static_cast<std::size_t>(slot)]; });

    std::size_t next = 0;
    for (const int i : toPlace) {
        const ListMapping& row = rows[static_cast<std::size_t>(i)];
        if (next >= room.slots.size() || room.slots[next] < 0) {
            ++next;
            ++plan.didNotFit;
            report(row, Say(MessageId::kNoRoomLeft));
            continue;
        }
        const int slot = room.slots[next++];
        plan.placed.push_back({i, slot, Used(image, slot), false});
    }
    // At their own Locations, of rows naming one slot the last wins.
    std::vector<std::pair<PlacedRow, int>> replaced;  // with the line of the row that replaced it
    if (choice.target == ListTarget::kOwnLocations) {
        std::sort(plan.placed.begin(), plan.placed.end(), [](const PlacedRow& a, const PlacedRow& b) { return a.row < b.row; });
        std::vector<int> last(kChannelCount, -1);
        for (const PlacedRow& placed : plan.placed) last[static_cast<std::size_t>(placed.slot)] = placed.row;
        std::erase_if(plan.placed, [&](const PlacedRow& placed) {
            const int winner = last[static_cast<std::size_t>(placed.slot)];
            if (winner == placed.row) return false;
            replaced.push_back({placed, rows[static_cast<std::size_t>(winner)].line});
            return true;
        });
        plan.replacedByLater = static_cast<int>(replaced.size());
    }
    for (const PlacedRow& placed : plan.placed) plan.replacingUsed += placed.replacesUsed ? 1 : 0;
    // A bank grown for the rows names its slots anew.
    if (room.grownCounts) {
        CloneImage grown;
        std::copy_n(room.grownCounts->begin(), kBanks, grown.banks.counts.begin());
        UpdateBankTotal(grown);
        labels = BuildRowLabels(grown);
    }
    for (const PlacedRow& placed : plan.placed)
        for (const Message& note : rows[static_cast<std::size_t>(placed.row)].notes)
            report(rows[static_cast<std::size_t>(placed.row)], note, placed.slot);
    // A row replaced was stored first, with what it lost.
    for (const auto& [placed, byLine] : replaced) {
        const ListMapping& row = rows[static_cast<std::size_t>(placed.row)];
        for (const Message& note : row.notes) report(row, note, placed.slot);
        report(row, Say(MessageId::kReplacedByLine, byLine), placed.slot);
    }
    std::sort(plan.placed.begin(), plan.placed.end(), [](const PlacedRow& a, const PlacedRow& b) { return a.row < b.row; });
    std::stable_sort(plan.report.begin(), plan.report.end(),
                     [](const ImportIssue& a, const ImportIssue& b) { return a.line < b.line; });
    if (room.note) plan.report.insert(plan.report.begin(), {0, "", *room.note});
    plan.summary = Summary(image, choice, plan);
    return plan;
}

void ApplyListImport(CloneImage& image, const std::vector<ListMapping>& rows, const ListImportPlan& plan) {
    if (plan.grownCounts) {
        for (int bank = 0; bank < kBanks; ++bank) image.banks.counts[bank] = (*plan.grownCounts)[static_cast<std::size_t>(bank)];
        UpdateBankTotal(image);
    }
    for (const PlacedRow& placed : plan.placed) {
        const auto slot = static_cast<std::size_t>(placed.slot);
        image.memory.slot[slot] = rows[static_cast<std::size_t>(placed.row)].channel;
        image.memory.enabled[slot] = true;
    }
}

}  // namespace wrk7
