#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "core/set_mode_catalogue.h"
#include "core/set_mode_settings.h"

namespace wrk7 {

// A set-mode setting that the settings blocks carry, by the caption of its
// control on the settings pages, with its value as the control shows it
// (the selected button's or list entry's caption, "on"/"off" for a check box,
// the number of a slider).
struct SettingText {
    std::string_view caption;
    std::string value;
};

// One setting's value as its control shows it.
std::string SettingValueText(const SetModeSetting& setting, const SetModeSettings& settings);

// Every such setting, in the order of the two pages. Controls the blocks do
// not carry (Lo Volume, TX Extension, Tone Burst ...) are left out.
std::vector<SettingText> SettingTexts(const SetModeSettings& settings);

}  // namespace wrk7
