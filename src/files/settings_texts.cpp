#include "files/settings_texts.h"

#include <array>

#include "core/tables.h"

namespace wrk7 {

namespace {

using S = SetModeSettings;

constexpr std::string_view kOn = "on";
constexpr std::string_view kOff = "off";
constexpr std::string_view kNone = "none";  // a list or group with nothing selected
constexpr std::array<std::string_view, 5> kOneToFive{"1", "2", "3", "4", "5"};

template <typename List>
std::string Entry(const List& list, int index) {
    if (index < 0) return std::string(kNone);
    if (index >= static_cast<int>(std::size(list))) return std::to_string(index);
    return std::string(list[static_cast<std::size_t>(index)]);
}

std::string Check(bool on) { return std::string(on ? kOn : kOff); }

struct Control {
    std::string_view caption;
    std::string (*text)(const S&);
};

// Captions and value texts as the settings pages show them.
const std::vector<Control>& Controls() {
    static const std::vector<Control> controls{
        {"Squelch level", [](const S& s) { return std::to_string(s.Slider2); }},
        {"AF volume level", [](const S& s) { return std::to_string(s.Slider1); }},
        {"Antenna", [](const S& s) { return Entry(std::array<std::string_view, 2>{"SMA", "EAR"}, s.optAntenna); }},
        {"Lamp", [](const S& s) { return Entry(std::array<std::string_view, 4>{"OFF", "5sec", "ON", "ALL OFF"}, s.optLamp); }},
        {"Band Transition", [](const S& s) { return Entry(std::array<std::string_view, 2>{"Rotate", "Across"}, s.optBand); }},
        {"Auto Power Off", [](const S& s) { return Entry(std::array<std::string_view, 4>{"Off", "30", "60", "90"}, s.opbAPO); }},
        {"MONI key Function", [](const S& s) { return Entry(std::array<std::string_view, 2>{"Push", "Hold"}, s.opbKeyFunc); }},
        {"MONI key", [](const S& s) { return Entry(std::array<std::string_view, 2>{"Monitor", "Mute"}, s.opbMONI); }},
        {"Operating Mode", [](const S& s) { return Entry(std::array<std::string_view, 3>{"VFO", "Preset", "Memory"}, s.opbOpMode); }},
        {"Scan TYPE", [](const S& s) { return Entry(std::array<std::string_view, 2>{"No SKIP", "SKIP"}, s.optSkip); }},
        {"Key Lock", [](const S& s) { return Entry(std::array<std::string_view, 3>{"NON", "QUICK", "NORMAL"}, s.opbKeyLock); }},
        {"AF Tone", [](const S& s) { return Entry(std::array<std::string_view, 2>{"Low", "High"}, s.optAfTone); }},
        {"VFO Scan Speed", [](const S& s) { return Entry(kOneToFive, s.optVscanSpeed); }},
        {"Memory Scan Speed", [](const S& s) { return Entry(kOneToFive, s.optMscanSpeed); }},
        {"Lock BUG", [](const S& s) { return Entry(std::array<std::string_view, 2>{"ENABLE", "DISABLE"}, s.optLockBug); }},
        {"Bug Sensitive Level", [](const S& s) { return Entry(kOneToFive, s.opbBug); }},
        {"Bug Type", [](const S& s) { return Entry(std::array<std::string_view, 2>{"SILENT", "SOUND"}, s.optBugType); }},
        {"Rec. Rate", [](const S& s) { return Entry(std::array<std::string_view, 4>{"LONG", "NORMAL", "CLEAR", "HIGH-Q"}, s.optRecRate); }},
        {"Attenuator", [](const S& s) { return Check(s.chkATT); }},
        {"AM bar antenna", [](const S& s) { return Check(s.chkBarAM); }},
        {"SW bar antenna", [](const S& s) { return Check(s.chkBarSW); }},
        {"Battery Save", [](const S& s) { return Check(s.chkBS); }},
        {"Beep", [](const S& s) { return Check(s.chkBeep); }},
        {"Bell", [](const S& s) { return Check(s.chkBell); }},
        {"Charge", [](const S& s) { return Check(s.chkCharge); }},
        {"Auto Wave", [](const S& s) { return Check(s.chkAutoWave); }},
        {"Auto Step", [](const S& s) { return Check(s.chkAutoStep); }},
        {"Scan", [](const S& s) { return Entry(ScanTimeName(), s.cbbScan); }},
        {"Time Pr", [](const S& s) { return Entry(ScanTimeName(), s.cbbTimePr); }},
        {"Time Sp", [](const S& s) { return Entry(TimeSpName, s.cbbTimeSp); }},
        {"Charge Time", [](const S& s) { return Entry(ChargeTimeName(), s.cbbChargeTime); }},
        {"Set Mode", [](const S& s) { return Entry(SetModeTimeName(), s.cbbSetMode); }},
        {"Wild Key", [](const S& s) { return Entry(SetModeKeyword, s.cbbWildKey); }},
        {"Remote Controller A", [](const S& s) { return Entry(KeyFunctionName, s.cbbRemocon[0]); }},
        {"Remote Controller B", [](const S& s) { return Entry(KeyFunctionName, s.cbbRemocon[1]); }},
        {"Remote Controller C", [](const S& s) { return Entry(KeyFunctionName, s.cbbRemocon[2]); }},
        {"Remote Controller D", [](const S& s) { return Entry(KeyFunctionName, s.cbbRemocon[3]); }},
    };
    return controls;
}

}  // namespace

std::vector<SettingText> SettingTexts(const SetModeSettings& settings) {
    std::vector<SettingText> out;
    out.reserve(Controls().size());
    for (const Control& c : Controls()) out.push_back({c.caption, c.text(settings)});
    return out;
}

}  // namespace wrk7
