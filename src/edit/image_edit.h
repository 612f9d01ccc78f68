#pragma once
#include <array>
#include <bitset>
#include <optional>
#include <string>
#include <vector>

#include "core/image.h"
#include "edit/memory_ops.h"

namespace wrk7 {

// Which parts of the image an edit touches, so the views of just those parts
// repaint after it. Memory slots also say which slots.
struct EditedParts {
    SlotRange memory;  // the slots changed (fields and enable flags)
    std::bitset<6> parts;
    bool model = false;  // the model, and with it every heading and rule

    bool Has(ImagePart part) const { return parts.test(static_cast<std::size_t>(part)); }
    void Add(ImagePart part) { parts.set(static_cast<std::size_t>(part)); }
    // Everything: a new image, a file opened, a model switched.
    static EditedParts All() {
        EditedParts all{{0, kSlotCount - 1}, {}, true};
        all.parts.set();
        return all;
    }
};

// What the user would call the parts changed, in the order a question about
// them names them. The settings pages hold the set-mode settings and the VFO
// bands; the channels include their enable flags.
enum class ChangeTopic { kChannels, kBankTable, kScanGroups, kSettings };
std::vector<ChangeTopic> TopicsOf(const EditedParts& parts);

// One step of the user's work on an image: every part it changed, as it was
// before and as it is after. It is built by comparing the image before the
// step with the image after it, so it holds only what changed (a Clear All of
// a list with ten channels keeps ten slots, not 1300), and Undo and Redo put
// back exactly those parts, both stores of every field and the enable flags
// included. The model is not part of an edit: a model switch starts a new
// history.
class ImageEdit {
public:
    ImageEdit() = default;
    static ImageEdit Between(const CloneImage& before, const CloneImage& after);

    // True when the two images were the same in every part an edit covers.
    bool Empty() const;
    void Undo(CloneImage& image) const;
    void Redo(CloneImage& image) const;
    // later was made on the image this edit leaves: afterwards this edit goes
    // from its own before to later's after (a slider dragged over several
    // values is one step).
    void Absorb(const ImageEdit& later);
    EditedParts Parts() const;

private:
    struct SlotState {
        SlotFields fields;
        bool enabled = false;
        bool operator==(const SlotState&) const = default;
    };

    template <typename T>
    struct Change {
        T before;
        T after;
    };
    struct SlotChange {
        int slot = 0;
        Change<SlotState> state;
    };

    void Apply(CloneImage& image, bool redo) const;

    std::vector<SlotChange> slots_;  // in slot order
    std::optional<Change<VfoBands>> vfo_;
    std::optional<Change<BankTable>> banks_;
    std::optional<Change<ScanGroups>> groups_;
    std::optional<Change<SettingsBlocks>> settings_;
    std::optional<Change<FlagBlocks>> flags_;
};

}  // namespace wrk7
