#include "edit/settings_texts.h"

#include "codecs/settings_codec.h"
#include "core/set_mode_catalogue.h"

namespace wrk7 {

namespace {

constexpr std::string_view kOn = "on";
constexpr std::string_view kOff = "off";
constexpr std::string_view kNone = "none";  // a list or group with nothing selected

}  // namespace

// A value no entry has (from a damaged block) shows as its number.
std::string SettingValueText(const SetModeSetting& setting, const SetModeSettings& settings) {
    const int value = setting.Get(settings);
    switch (setting.kind) {
        case SettingKind::kCheck: return std::string(value != 0 ? kOn : kOff);
        case SettingKind::kSlider: return std::to_string(value);
        case SettingKind::kOptions:
        case SettingKind::kList: break;
    }
    if (value < 0) return std::string(kNone);
    const auto text = setting.Text(value);
    return text ? std::string(*text) : std::to_string(value);
}

std::vector<SettingText> SettingTexts(const SetModeSettings& settings) {
    std::vector<SettingText> out;
    for (const SetModeSetting& setting : SetModeCatalogue())
        if (SettingsBlocksCarry(setting)) out.push_back({setting.caption, SettingValueText(setting, settings)});
    return out;
}

}  // namespace wrk7
