#include "edit/bulk_change.h"

#include <algorithm>

#include "core/models.h"
#include "edit/channel_rules.h"

namespace wrk7 {

namespace {

// The coded fields the editor offers a list of values for, with how many
// values and what a message calls the field.
struct Choice {
    int field;
    int count;
    MessageId noSuch;
};
constexpr Choice kChoices[] = {
    {kMode, kModeChoices, MessageId::kNoSuchMode},
    {kStep, kStepChoices, MessageId::kNoSuchStep},
    {kOption, kOptionChoices, MessageId::kNoSuchOption},
    {kSecret, 29, MessageId::kNoSuchSecret},
    {kCarrier, kCarrierJR + 1, MessageId::kNoSuchCarrier},
    {kTone, static_cast<int>(ToneName.size()), MessageId::kNoSuchTone},
    {kShift, kShiftChoices, MessageId::kNoSuchShift},
    {kSkip, 2, MessageId::kNoSuchSkip},
};

bool Offered(int model, int field, int code) {
    const ModelInfo& info = Model(model);
    if (code < 0) return false;
    if (field == kOption) return OfferedOptions(model)[static_cast<std::size_t>(code)];
    if (field == kSecret) return info.secretList;
    if (field == kCarrier) return info.carrierList;
    return true;
}

}  // namespace

ChannelChange& ChannelChange::Set(int field, double value) {
    values.Set(field, value);
    fields.set(static_cast<std::size_t>(field));
    return *this;
}

ChannelChange& ChannelChange::SetText(int field, std::string text) {
    values.SetText(field, std::move(text));
    fields.set(static_cast<std::size_t>(field));
    return *this;
}

std::optional<Message> OfferRefusal(int model, const ChannelChange& change) {
    for (const Choice& c : kChoices)
        if (std::optional<Message> why = ChangeFieldRefusal(model, change, c.field)) return why;
    return std::nullopt;
}

std::optional<Message> ChangeFieldRefusal(int model, const ChannelChange& change, int field) {
    if (field < 0 || field >= kFieldCount || !change.fields.test(static_cast<std::size_t>(field))) return std::nullopt;
    for (const Choice& c : kChoices) {
        if (c.field != field) continue;
        if (!Offered(model, c.field, ChoiceIndex(change.values.Value(c.field), c.count)))
            return Say(c.noSuch, Model(model).name);
        return std::nullopt;
    }
    return FieldRefusal(change.values, field);
}

ChannelChangeResult ChangeChannels(CloneImage& image, const std::vector<int>& slots, const ChannelChange& change) {
    ChannelChangeResult result;
    const std::optional<Message> offer = OfferRefusal(image.model, change);
    for (const int slot : slots) {
        if (!IsValidSlot(slot) || image.memory.slot[slot].IsEmpty()) continue;
        const int row = result.rows++;
        SlotFields next = image.memory.slot[slot];
        for (int f = 0; f < kFieldCount; ++f) {
            if (f == kFreq || !change.fields.test(static_cast<std::size_t>(f))) continue;
            if (f == kNote || f == kName) {
                next.SetText(f, change.values.Text(f));
            } else {
                next.Set(f, change.values.Value(f));
            }
        }
        // The row's own frequency first, as the editor checks it first.
        std::optional<Message> why = MemoryEntryRefusal(image, slot, next);
        if (!why) why = offer;
        if (why) {
            result.refused.push_back({row, slot, std::move(*why)});
            continue;
        }
        if (next == image.memory.slot[slot]) continue;
        image.memory.slot[slot] = std::move(next);
    }
    return result;
}

}  // namespace wrk7
