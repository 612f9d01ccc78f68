#pragma once
#include <optional>
#include <string_view>
#include <vector>

#include "core/models.h"
#include "core/set_mode_settings.h"

namespace wrk7 {

// Every set-mode setting once: the member of SetModeSettings that holds it,
// the caption of its control on the settings pages, the texts of its options
// or list entries, and the models that have it. The pages, the settings
// codec, the settings' texts of a comparison and the printed listing all read
// this, so a caption or an option is named the same everywhere.

enum class SettingKind {
    kOptions,  // a group of buttons: the index of the one selected
    kCheck,    // a check box: 0 or 1
    kList,     // a drop-down list: the position selected
    kSlider,   // a slider: its position
};

struct SetModeSetting {
    SettingKind kind = SettingKind::kCheck;
    std::string_view caption;
    std::vector<std::string_view> texts;  // options or list entries, in value order
    int positions = 0;                    // a slider's: 0..positions-1
    bool wrK7FramesOnly = false;          // only models with ModelInfo::wrK7Frames have it

    // The member: exactly one of these.
    int SetModeSettings::*number = nullptr;
    bool SetModeSettings::*flag = nullptr;
    int remoteKey = -1;  // cbbRemocon[remoteKey]

    // The values its control can show: its options, entries or positions; 2
    // for a check box.
    int Count() const;
    // The value as an integer (a check box: 0 or 1).
    int Get(const SetModeSettings& settings) const;
    // A check box takes any value but 0 as checked.
    void Set(SetModeSettings& settings, int value) const;
    // The option or entry text of value; nullopt for a value outside them (or
    // for a check box or slider, which have none).
    std::optional<std::string_view> Text(int value) const;
};

// All of them, in the order of the two pages' controls.
const std::vector<SetModeSetting>& SetModeCatalogue();

// The setting a member holds; the member must be one of SetModeSettings'.
const SetModeSetting& SettingOf(int SetModeSettings::*member);
const SetModeSetting& SettingOf(bool SetModeSettings::*member);
// Remote controller key 0..3 (A..D).
const SetModeSetting& RemoteKeySetting(int key);

bool ModelHasSetting(const ModelInfo& model, const SetModeSetting& setting);

}  // namespace wrk7
