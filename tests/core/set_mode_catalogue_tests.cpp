#include <gtest/gtest.h>

#include <set>

#include "core/set_mode_catalogue.h"

namespace wrk7 {
namespace {

using S = SetModeSettings;

// A setting reads and writes its own member and no other, and no two
// settings share a member or a caption.
TEST(SetModeCatalogue, EachSettingOwnsItsMember) {
    const S defaults;
    std::set<std::string_view> captions;
    for (const SetModeSetting& setting : SetModeCatalogue()) {
        EXPECT_TRUE(captions.insert(setting.caption).second) << setting.caption;
        EXPECT_EQ(setting.texts.empty(), setting.kind == SettingKind::kCheck || setting.kind == SettingKind::kSlider)
            << setting.caption;
        S changed;
        const int value = setting.Get(defaults) == 1 ? 0 : 1;
        setting.Set(changed, value);
        EXPECT_EQ(setting.Get(changed), value) << setting.caption;
        for (const SetModeSetting& other : SetModeCatalogue()) {
            if (&other == &setting) continue;
            EXPECT_EQ(other.Get(changed), other.Get(defaults)) << setting.caption << " wrote " << other.caption;
        }
    }
    EXPECT_EQ(RemoteKeySetting(3).caption, "Remote Controller D");
}

TEST(SetModeCatalogue, ValuesAndModels) {
    struct Case {
        const SetModeSetting& setting;
        int count;
        int value;
        const char* text;  // nullptr: none
        bool onK70;        // the WR-K70 models lack the WR-K7J's bug and recording frames
    };
    for (const Case& c : {Case{SettingOf(&S::optLamp), 4, 3, "ALL OFF", true},
                          Case{SettingOf(&S::optLamp), 4, 4, nullptr, true},
                          Case{SettingOf(&S::opbBug), 5, 0, "1", false},
                          Case{SettingOf(&S::optRecRate), 4, -1, nullptr, false},
                          Case{SettingOf(&S::cbbChargeTime), 24, 23, "24 hrs.", true},
                          Case{SettingOf(&S::Slider1), 31, 30, nullptr, true},
                          Case{SettingOf(&S::chkBeep), 2, 1, nullptr, true}}) {
        EXPECT_EQ(c.setting.Count(), c.count) << c.setting.caption;
        EXPECT_EQ(c.setting.Text(c.value), c.text ? std::optional<std::string_view>(c.text) : std::nullopt)
            << c.setting.caption << " " << c.value;
        EXPECT_TRUE(ModelHasSetting(Model(0), c.setting)) << c.setting.caption;
        for (int model = 1; model < kModelCount; ++model)
            EXPECT_EQ(ModelHasSetting(Model(model), c.setting), c.onK70) << c.setting.caption << " " << model;
    }
}

}  // namespace
}  // namespace wrk7
