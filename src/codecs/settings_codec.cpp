#include "codecs/settings_codec.h"

#include <algorithm>
#include <optional>
#include <span>

#include "core/hex.h"
#include "core/models.h"
#include "core/set_mode_catalogue.h"

namespace wrk7 {

namespace {

using S = SetModeSettings;

// How a byte carries its control's value.
enum class Kind {
    kIndex,     // selected option of a group; out of range repaired in the block
    kCheck,     // 0 cleared, 1 checked
    kInverted,  // 0 checked, 1 cleared
    kList,      // list position + base
    kSlider,    // slider position 0..count-1
    kFixed,     // always `base`, never read
};

struct SettingsByte {
    int byte;
    Kind kind;
    const SetModeSetting* setting = nullptr;  // none for fixed bytes
    int base = 0;         // list offset; the value of a fixed byte
    int replacement = 0;  // index value that replaces an out-of-range byte
    bool decoded = true;  // copies written only for the receiver are not read back

    // Options, list entries or slider positions, as the catalogue has them.
    int Count() const { return setting->Count(); }
};

constexpr SettingsByte Index(int byte, const SetModeSetting& s, int replacement) {
    return {byte, Kind::kIndex, &s, 0, replacement};
}
constexpr SettingsByte Check(int byte, const SetModeSetting& s) { return {byte, Kind::kCheck, &s}; }
constexpr SettingsByte Inverted(int byte, const SetModeSetting& s) { return {byte, Kind::kInverted, &s}; }
constexpr SettingsByte List(int byte, const SetModeSetting& s, int base = 0) {
    return {byte, Kind::kList, &s, base};
}
constexpr SettingsByte Slider(int byte, const SetModeSetting& s) { return {byte, Kind::kSlider, &s}; }
constexpr SettingsByte Fixed(int byte, int value) { return {byte, Kind::kFixed, nullptr, value, 0, false}; }
constexpr SettingsByte Copy(SettingsByte b) {
    b.decoded = false;
    return b;
}

constexpr int kMarker = 0xA5;

// Block 0, receiver address 00000: bytes 1..31 in order (byte 0 is the marker).
const std::array<SettingsByte, 31>& Block0() {
    static const std::array<SettingsByte, 31> block{{
        Check(1, SettingOf(&S::chkATT)),
        Index(2, SettingOf(&S::optAntenna), 0),
        Inverted(3, SettingOf(&S::chkBarAM)),
        Inverted(4, SettingOf(&S::chkBarSW)),
        Index(5, SettingOf(&S::optLamp), 1),
        List(6, SettingOf(&S::cbbScan)),
        Fixed(7, 0x00),
        List(8, SettingOf(&S::cbbTimePr)),
        Index(9, SettingOf(&S::optBand), 0),
        Index(10, SettingOf(&S::opbAPO), 0),
        Check(11, SettingOf(&S::chkBS)),
        Inverted(12, SettingOf(&S::chkBeep)),
        Check(13, SettingOf(&S::chkBell)),
        Index(14, SettingOf(&S::opbKeyFunc), 0),
        Index(15, SettingOf(&S::opbMONI), 0),
        Index(16, SettingOf(&S::optLockBug), 0),
        Index(17, SettingOf(&S::opbBug), 0),
        Index(18, SettingOf(&S::optBugType), 0),
        Check(19, SettingOf(&S::chkCharge)),
        List(20, SettingOf(&S::cbbChargeTime), 1),
        List(21, SettingOf(&S::cbbSetMode), 4),
        Index(22, SettingOf(&S::optSkip), 0),
        List(23, SettingOf(&S::cbbWildKey), 1),
        List(24, RemoteKeySetting(0)),
        List(25, RemoteKeySetting(1)),
        List(26, RemoteKeySetting(2)),
        List(27, RemoteKeySetting(3)),
        Fixed(28, 0x00),
        Slider(29, SettingOf(&S::afVolume)),
        Copy(Slider(30, SettingOf(&S::afVolume))),
        Slider(31, SettingOf(&S::squelchLevel)),
    }};
    return block;
}

// Block 1, receiver address 00020: bytes 0..22 as the encoder builds them.
const std::array<SettingsByte, 23>& Block1() {
    static const std::array<SettingsByte, 23> block{{
        Copy(Index(0, SettingOf(&S::opbOpMode), 0)),
        Fixed(1, 0x06),
        Fixed(2, 0x00),
        Index(3, SettingOf(&S::optRecRate), 1),
        Index(4, SettingOf(&S::optVscanSpeed), 2),
        Index(5, SettingOf(&S::optMscanSpeed), 2),
        Fixed(6, 0x00),
        Fixed(7, 0x01),
        Index(8, SettingOf(&S::opbKeyLock), 0),
        Fixed(9, 0x00),
        Fixed(10, 0x00),
        Fixed(11, 0x00),
        Fixed(12, 0x00),
        Inverted(13, SettingOf(&S::chkAutoWave)),
        Inverted(14, SettingOf(&S::chkAutoStep)),
        Index(15, SettingOf(&S::optAfTone), 0),
        Copy(Slider(16, SettingOf(&S::afVolume))),
        Fixed(17, 0x00),
        Fixed(18, 0x00),
        Index(19, SettingOf(&S::opbOpMode), 0),
        Fixed(20, 0x00),
        Fixed(21, 0x00),
        List(22, SettingOf(&S::cbbTimeSp)),
    }};
    return block;
}

int Clamp(int v, int count) { return std::clamp(v, 0, count - 1); }

// Spreads one block over the controls. A byte that is missing or not two
// upper-case hex digits counts as out of range.
void DecodeBlock(std::string& block, std::span<const SettingsByte> layout, S& s) {
    for (const SettingsByte& b : layout) {
        if (!b.decoded) continue;
        const std::size_t pos = 2 * static_cast<std::size_t>(b.byte);
        const std::optional<int> read = HexByteAt(block, pos);
        const int v = read.value_or(-1);
        switch (b.kind) {
            case Kind::kIndex:
                if (v >= 0 && v < b.Count()) {
                    b.setting->Set(s, v);
                } else {
                    b.setting->Set(s, b.replacement);
                    // The repaired byte is what a later write or save sends;
                    // a block too short for it keeps its length.
                    if (pos + 2 <= block.size()) block.replace(pos, 2, ByteHex(b.replacement));
                }
                break;
            case Kind::kCheck: b.setting->Set(s, Clamp(v, 2)); break;
            case Kind::kInverted: b.setting->Set(s, 1 - Clamp(v, 2)); break;
            case Kind::kList: b.setting->Set(s, Clamp(v - b.base, b.Count())); break;
            case Kind::kSlider: b.setting->Set(s, Clamp(v, b.Count())); break;
            case Kind::kFixed: break;
        }
    }
}

// One byte from the controls. Values the pages cannot hold (no option or no
// entry selected) are brought into range so the block keeps two digits a byte.
int EncodeByte(const SettingsByte& b, const S& s) {
    if (b.kind == Kind::kFixed) return b.base;
    const int v = b.setting->Get(s);
    switch (b.kind) {
        case Kind::kIndex: return v >= 0 && v < b.Count() ? v : b.replacement;
        case Kind::kInverted: return 1 - Clamp(v, 2);
        case Kind::kList: return Clamp(v, b.Count()) + b.base;
        default: return Clamp(v, b.Count());
    }
}

std::string EncodeBlock(std::string prefix, std::span<const SettingsByte> layout, const S& s) {
    for (const SettingsByte& b : layout) prefix += ByteHex(EncodeByte(b, s));
    return prefix;
}

}  // namespace

std::string DefaultSettingsBlock0(int model) { return std::string(Model(model).settingsBlock0); }

std::string DefaultSettingsBlock1(int model) { return std::string(Model(model).settingsBlock1); }

void DecodeSettings(CloneImage& image) {
    if (image.settings.block0.substr(0, 2) != ByteHex(kMarker)) {
        image.settings.block0 = DefaultSettingsBlock0(image.model);
        image.settings.block1 = DefaultSettingsBlock1(image.model);
    }
    DecodeBlock(image.settings.block0, Block0(), image.settings.values);
    DecodeBlock(image.settings.block1, Block1(), image.settings.values);
}

std::array<std::string, 2> EncodeSettings(const CloneImage& image) {
    return {EncodeBlock(ByteHex(kMarker), Block0(), image.settings.values),
            EncodeBlock("", Block1(), image.settings.values)};
}

}  // namespace wrk7

namespace wrk7 {

bool SettingsBlocksCarry(const SetModeSetting& setting) {
    const auto carries = [&setting](const SettingsByte& b) { return b.setting == &setting; };
    return std::any_of(Block0().begin(), Block0().end(), carries) ||
           std::any_of(Block1().begin(), Block1().end(), carries);
}

}  // namespace wrk7
