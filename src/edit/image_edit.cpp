#include "edit/image_edit.h"

#include <algorithm>

namespace wrk7 {

namespace {

// Keeps a part only when the step changed it.
template <typename Part>
void Compare(std::optional<Part>& out, auto before, auto after) {
    if (!(before == after)) out = Part{std::move(before), std::move(after)};
}

// this-then-later for one part: the earliest before, the latest after.
template <typename Change>
void Join(std::optional<Change>& mine, const std::optional<Change>& later) {
    if (!later) return;
    if (!mine) {
        mine = later;
        return;
    }
    mine->after = later->after;
}

}  // namespace

ImageEdit ImageEdit::Between(const CloneImage& before, const CloneImage& after) {
    ImageEdit edit;
    for (int s = 0; s < kSlotCount; ++s) {
        const SlotState was{before.memory.slot[s], before.memory.enabled[s]};
        const SlotState is{after.memory.slot[s], after.memory.enabled[s]};
        if (!(was == is)) edit.slots_.push_back({s, {was, is}});
    }
    Compare(edit.vfo_, before.vfo, after.vfo);
    Compare(edit.banks_, before.banks, after.banks);
    Compare(edit.groups_, before.groups, after.groups);
    Compare(edit.settings_, before.settings, after.settings);
    Compare(edit.flags_, before.flags, after.flags);
    return edit;
}

bool ImageEdit::Empty() const {
    return slots_.empty() && !vfo_ && !banks_ && !groups_ && !settings_ && !flags_;
}

void ImageEdit::Undo(CloneImage& image) const { Apply(image, false); }
void ImageEdit::Redo(CloneImage& image) const { Apply(image, true); }

void ImageEdit::Apply(CloneImage& image, bool redo) const {
    auto pick = [redo](const auto& change) -> const auto& { return redo ? change.after : change.before; };
    for (const SlotChange& c : slots_) {
        image.memory.slot[c.slot] = pick(c.state).fields;
        image.memory.enabled[c.slot] = pick(c.state).enabled;
    }
    if (vfo_) image.vfo = pick(*vfo_);
    if (banks_) image.banks = pick(*banks_);
    if (groups_) image.groups = pick(*groups_);
    if (settings_) image.settings = pick(*settings_);
    if (flags_) image.flags = pick(*flags_);
}

void ImageEdit::Absorb(const ImageEdit& later) {
    std::vector<SlotChange> joined;
    joined.reserve(slots_.size() + later.slots_.size());
    auto mine = slots_.begin();
    auto theirs = later.slots_.begin();
    while (mine != slots_.end() || theirs != later.slots_.end()) {
        if (theirs == later.slots_.end() || (mine != slots_.end() && mine->slot < theirs->slot)) {
            joined.push_back(*mine++);
        } else if (mine == slots_.end() || theirs->slot < mine->slot) {
            joined.push_back(*theirs++);
        } else {
            joined.push_back({mine->slot, {mine->state.before, theirs->state.after}});
            ++mine;
            ++theirs;
        }
    }
    // A slot changed and then changed back is no change at all.
    std::erase_if(joined, [](const SlotChange& c) { return c.state.before == c.state.after; });
    slots_ = std::move(joined);
    Join(vfo_, later.vfo_);
    Join(banks_, later.banks_);
    Join(groups_, later.groups_);
    Join(settings_, later.settings_);
    Join(flags_, later.flags_);
    auto dropUnchanged = [](auto& part) {
        if (part && part->before == part->after) part.reset();
    };
    dropUnchanged(vfo_);
    dropUnchanged(banks_);
    dropUnchanged(groups_);
    dropUnchanged(settings_);
    dropUnchanged(flags_);
}

std::vector<ChangeTopic> TopicsOf(const EditedParts& parts) {
    std::vector<ChangeTopic> topics;
    if (parts.Has(ImagePart::kMemory) || parts.Has(ImagePart::kFlags)) topics.push_back(ChangeTopic::kChannels);
    if (parts.Has(ImagePart::kBanks)) topics.push_back(ChangeTopic::kBankTable);
    if (parts.Has(ImagePart::kGroups)) topics.push_back(ChangeTopic::kScanGroups);
    if (parts.Has(ImagePart::kSettings) || parts.Has(ImagePart::kVfo)) topics.push_back(ChangeTopic::kSettings);
    return topics;
}

EditedParts ImageEdit::Parts() const {
    EditedParts parts;
    if (!slots_.empty()) parts.memory = {slots_.front().slot, slots_.back().slot};
    if (!slots_.empty()) parts.Add(ImagePart::kMemory);
    if (vfo_) parts.Add(ImagePart::kVfo);
    if (banks_) parts.Add(ImagePart::kBanks);
    if (groups_) parts.Add(ImagePart::kGroups);
    if (settings_) parts.Add(ImagePart::kSettings);
    if (flags_) parts.Add(ImagePart::kFlags);
    return parts;
}

}  // namespace wrk7
