#include "core/set_mode_catalogue.h"

#include <array>
#include <cstdlib>

#include "core/tables.h"

namespace wrk7 {

namespace {

using S = SetModeSettings;
using Texts = std::vector<std::string_view>;

constexpr bool kWrK7FramesOnly = true;
constexpr std::array<std::string_view, 5> kOneToFive{"1", "2", "3", "4", "5"};

template <typename List>
Texts Entries(const List& list) {
    return Texts(list.begin(), list.end());
}

SetModeSetting Setting(SettingKind kind, std::string_view caption, Texts texts = {}) {
    SetModeSetting s;
    s.kind = kind;
    s.caption = caption;
    s.texts = std::move(texts);
    return s;
}

SetModeSetting Options(std::string_view caption, int S::*member, Texts texts, bool wrK7Only = false) {
    SetModeSetting s = Setting(SettingKind::kOptions, caption, std::move(texts));
    s.number = member;
    s.wrK7FramesOnly = wrK7Only;
    return s;
}

SetModeSetting Check(std::string_view caption, bool S::*member) {
    SetModeSetting s = Setting(SettingKind::kCheck, caption);
    s.flag = member;
    return s;
}

SetModeSetting List(std::string_view caption, int S::*member, Texts texts) {
    SetModeSetting s = Setting(SettingKind::kList, caption, std::move(texts));
    s.number = member;
    return s;
}

SetModeSetting Slider(std::string_view caption, int S::*member, int highest) {
    SetModeSetting s = Setting(SettingKind::kSlider, caption);
    s.number = member;
    s.positions = highest + 1;
    return s;
}

SetModeSetting RemoteKey(std::string_view caption, int key) {
    SetModeSetting s = Setting(SettingKind::kList, caption, Entries(KeyFunctionName));
    s.remoteKey = key;
    return s;
}

std::vector<SetModeSetting> Build() {
    return {
        // Settings 1
        Check("Lo Volume", &S::chkLoVolume),
        Slider("Squelch level", &S::squelchLevel, 9),
        Slider("AF volume level", &S::afVolume, 30),
        // Settings 2: option groups
        Options("Antenna", &S::optAntenna, {"SMA", "EAR"}),
        Options("Lamp", &S::optLamp, {"OFF", "5sec", "ON", "ALL OFF"}),
        Options("Band Transition", &S::optBand, {"Rotate", "Across"}),
        Options("Auto Power Off", &S::opbAPO, {"Off", "30", "60", "90"}),
        Options("MONI key Function", &S::opbKeyFunc, {"Push", "Hold"}),
        Options("MONI key", &S::opbMONI, {"Monitor", "Mute"}),
        Options("Operating Mode", &S::opbOpMode, {"VFO", "Preset", "Memory"}),
        Options("Scan TYPE", &S::optSkip, {"No SKIP", "SKIP"}),
        Options("Key Lock", &S::opbKeyLock, {"NON", "QUICK", "NORMAL"}),
        Options("AF Tone", &S::optAfTone, {"Low", "High"}),
        Options("VFO Scan Speed", &S::optVscanSpeed, Entries(kOneToFive)),
        Options("Memory Scan Speed", &S::optMscanSpeed, Entries(kOneToFive)),
        Options("Tone Burst", &S::opbBurst, {"1750Hz", "2100Hz", "1000Hz", "1450Hz"}),
        Options("Lock BUG", &S::optLockBug, {"ENABLE", "DISABLE"}, kWrK7FramesOnly),
        Options("Bug Sensitive Level", &S::opbBug, Entries(kOneToFive), kWrK7FramesOnly),
        Options("Bug Type", &S::optBugType, {"SILENT", "SOUND"}, kWrK7FramesOnly),
        Options("Rec. Rate", &S::optRecRate, {"LONG", "NORMAL", "CLEAR", "HIGH-Q"}, kWrK7FramesOnly),
        // Settings 2: switches
        Check("Attenuator", &S::chkATT),
        Check("AM bar antenna", &S::chkBarAM),
        Check("SW bar antenna", &S::chkBarSW),
        Check("Battery Save", &S::chkBS),
        Check("Beep", &S::chkBeep),
        Check("Bell", &S::chkBell),
        Check("Charge", &S::chkCharge),
        Check("Auto Wave", &S::chkAutoWave),
        Check("Auto Step", &S::chkAutoStep),
        Check("Auto Program", &S::chkAutoProg),
        Check("TX Extension", &S::chkTxEx),
        Check("Write Protect", &S::chkWP),
        Check("DoReMi", &S::chkFlg1DoReMi),
        Check("None", &S::chkFlg1None),
        // Settings 2: lists
        List("Scan", &S::cbbScan, Entries(ScanTimeName())),
        List("Time Pr", &S::cbbTimePr, Entries(ScanTimeName())),
        List("Time Sp", &S::cbbTimeSp, Entries(TimeSpName)),
        List("Charge Time", &S::cbbChargeTime, Entries(ChargeTimeName())),
        List("Set Mode", &S::cbbSetMode, Entries(SetModeTimeName())),
        List("Wild Key", &S::cbbWildKey, Entries(SetModeKeyword)),
        RemoteKey("Remote Controller A", 0),
        RemoteKey("Remote Controller B", 1),
        RemoteKey("Remote Controller C", 2),
        RemoteKey("Remote Controller D", 3),
    };
}

template <typename Match>
const SetModeSetting& Find(Match match) {
    for (const SetModeSetting& s : SetModeCatalogue())
        if (match(s)) return s;
    // Every member has its entry; a member without one is a mistake in
    // the table above that no input can cause.
    std::abort();
}

}  // namespace

int SetModeSetting::Count() const {
    switch (kind) {
        case SettingKind::kCheck: return 2;
        case SettingKind::kSlider: return positions;
        case SettingKind::kOptions:
        case SettingKind::kList: break;
    }
    return static_cast<int>(texts.size());
}

int SetModeSetting::Get(const SetModeSettings& settings) const {
    if (flag) return settings.*flag ? 1 : 0;
    if (number) return settings.*number;
    return settings.cbbRemocon[static_cast<std::size_t>(remoteKey)];
}

void SetModeSetting::Set(SetModeSettings& settings, int value) const {
    if (flag)
        settings.*flag = value != 0;
    else if (number)
        settings.*number = value;
    else
        settings.cbbRemocon[static_cast<std::size_t>(remoteKey)] = value;
}

std::optional<std::string_view> SetModeSetting::Text(int value) const {
    if (value < 0 || value >= static_cast<int>(texts.size())) return std::nullopt;
    return texts[static_cast<std::size_t>(value)];
}

const std::vector<SetModeSetting>& SetModeCatalogue() {
    static const std::vector<SetModeSetting> catalogue = Build();
    return catalogue;
}

const SetModeSetting& SettingOf(int SetModeSettings::*member) {
    return Find([member](const SetModeSetting& s) { return s.number == member; });
}

const SetModeSetting& SettingOf(bool SetModeSettings::*member) {
    return Find([member](const SetModeSetting& s) { return s.flag == member; });
}

const SetModeSetting& RemoteKeySetting(int key) {
    return Find([key](const SetModeSetting& s) { return !s.number && !s.flag && s.remoteKey == key; });
}

bool ModelHasSetting(const ModelInfo& model, const SetModeSetting& setting) {
    return !setting.wrK7FramesOnly || model.wrK7Frames;
}

}  // namespace wrk7
