#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/image.h"
#include "edit/memory_ops.h"

namespace wrk7 {

// Which parts of the image an edit touches, so the views of just those parts
// repaint after it is undone or redone.
struct EditedParts {
    SlotRange memory;       // memory slots (fields and enable flags)
    bool vfo = false;       // VFO bands
    bool banks = false;     // bank counts and their Link boxes; row labels follow
    bool groups = false;    // scan-group membership
    bool settings = false;  // set-mode values
    bool flags = false;     // the enable map's transfer form only
    bool model = false;     // the model, and with it every heading and rule

    // Everything: a new image, a file opened, a model switched.
    static EditedParts All() { return {{0, kSlotCount - 1}, true, true, true, true, true, true}; }
};

// One step of the user's work on an image: every part it changed, as it was
// before and as it is after. It is built by comparing the image before the
// step with the image after it, so it holds only what changed (a Clear All of
// a list with ten channels keeps ten slots, not 1300), and Undo and Redo put
// back exactly those parts, both stores of every field and the enable flags
// included. The modified flag and the model are not part of an edit: the
// history decides the former, and a model switch starts a new history.
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
    struct Banks {
        std::array<int, kBanks + 1> counts{};
        std::array<std::string, 4> blocks;
        std::array<bool, kBanks> links{};
        bool operator==(const Banks&) const = default;
    };
    struct Groups {
        std::array<std::array<bool, kGroupBanks>, kGroups> members{};
        std::string block;
        bool operator==(const Groups&) const = default;
    };
    struct Settings {
        std::string block0;
        std::string block1;
        SetModeSettings values;
        bool operator==(const Settings&) const = default;
    };
    using Vfo = std::array<SlotFields, kBandCount>;
    using Flags = std::array<std::string, 6>;

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
    std::optional<Change<Vfo>> vfo_;
    std::optional<Change<Banks>> banks_;
    std::optional<Change<Groups>> groups_;
    std::optional<Change<Settings>> settings_;
    std::optional<Change<Flags>> flags_;
};

}  // namespace wrk7
