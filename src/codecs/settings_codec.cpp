#include "codecs/settings_codec.h"

#include <algorithm>
#include <optional>
#include <span>
#include <type_traits>

#include "core/hex.h"
#include "core/models.h"

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

// Reads and writes one settings member as an integer.
struct Accessor {
    int (*get)(const S&) = nullptr;
    void (*set)(S&, int) = nullptr;
};

template <auto Member>
constexpr Accessor Bind() {
    return {[](const S& s) { return static_cast<int>(s.*Member); },
            [](S& s, int v) {
                using T = std::remove_reference_t<decltype(s.*Member)>;
                if constexpr (std::is_same_v<T, bool>)
                    s.*Member = v != 0;
                else
                    s.*Member = v;
            }};
}

template <int Key>
constexpr Accessor BindRemocon() {
    return {[](const S& s) { return s.cbbRemocon[Key]; }, [](S& s, int v) { s.cbbRemocon[Key] = v; }};
}

struct SettingsByte {
    int byte;
    Kind kind;
    Accessor control{};  // empty for fixed bytes
    int count = 0;       // options, list entries or slider positions
    int base = 0;        // list offset; the value of a fixed byte
    int replacement = 0; // index value that replaces an out-of-range byte
    bool decoded = true; // copies written only for the receiver are not read back
};

constexpr SettingsByte Index(int byte, Accessor a, int count, int replacement) {
    return {byte, Kind::kIndex, a, count, 0, replacement};
}
constexpr SettingsByte Check(int byte, Accessor a) { return {byte, Kind::kCheck, a, 2}; }
constexpr SettingsByte Inverted(int byte, Accessor a) { return {byte, Kind::kInverted, a, 2}; }
constexpr SettingsByte List(int byte, Accessor a, int count, int base = 0) {
    return {byte, Kind::kList, a, count, base};
}
constexpr SettingsByte Slider(int byte, Accessor a, int max) { return {byte, Kind::kSlider, a, max + 1}; }
constexpr SettingsByte Fixed(int byte, int value) { return {byte, Kind::kFixed, {}, 0, value, 0, false}; }
constexpr SettingsByte Copy(SettingsByte b) {
    b.decoded = false;
    return b;
}

constexpr int kMarker = 0xA5;
constexpr int kVolumeMax = 30;
constexpr int kSquelchMax = 9;

// Block 0, receiver address 00000: bytes 1..31 in order (byte 0 is the marker).
const std::array<SettingsByte, 31> kBlock0{{
    Check(1, Bind<&S::chkATT>()),
    Index(2, Bind<&S::optAntenna>(), 2, 0),
    Inverted(3, Bind<&S::chkBarAM>()),
    Inverted(4, Bind<&S::chkBarSW>()),
    Index(5, Bind<&S::optLamp>(), 4, 1),
    List(6, Bind<&S::cbbScan>(), 26),
    Fixed(7, 0x00),
    List(8, Bind<&S::cbbTimePr>(), 26),
    Index(9, Bind<&S::optBand>(), 2, 0),
    Index(10, Bind<&S::opbAPO>(), 4, 0),
    Check(11, Bind<&S::chkBS>()),
    Inverted(12, Bind<&S::chkBeep>()),
    Check(13, Bind<&S::chkBell>()),
    Index(14, Bind<&S::opbKeyFunc>(), 2, 0),
    Index(15, Bind<&S::opbMONI>(), 2, 0),
    Index(16, Bind<&S::optLockBug>(), 2, 0),
    Index(17, Bind<&S::opbBug>(), 5, 0),
    Index(18, Bind<&S::optBugType>(), 2, 0),
    Check(19, Bind<&S::chkCharge>()),
    List(20, Bind<&S::cbbChargeTime>(), 24, 1),
    List(21, Bind<&S::cbbSetMode>(), 22, 4),
    Index(22, Bind<&S::optSkip>(), 2, 0),
    List(23, Bind<&S::cbbWildKey>(), 29, 1),
    List(24, BindRemocon<0>(), 20),
    List(25, BindRemocon<1>(), 20),
    List(26, BindRemocon<2>(), 20),
    List(27, BindRemocon<3>(), 20),
    Fixed(28, 0x00),
    Slider(29, Bind<&S::Slider1>(), kVolumeMax),
    Copy(Slider(30, Bind<&S::Slider1>(), kVolumeMax)),
    Slider(31, Bind<&S::Slider2>(), kSquelchMax),
}};

// Block 1, receiver address 00020: bytes 0..22 as the encoder builds them.
const std::array<SettingsByte, 23> kBlock1{{
    Copy(Index(0, Bind<&S::opbOpMode>(), 3, 0)),
    Fixed(1, 0x06),
    Fixed(2, 0x00),
    Index(3, Bind<&S::optRecRate>(), 4, 1),
    Index(4, Bind<&S::optVscanSpeed>(), 5, 2),
    Index(5, Bind<&S::optMscanSpeed>(), 5, 2),
    Fixed(6, 0x00),
    Fixed(7, 0x01),
    Index(8, Bind<&S::opbKeyLock>(), 3, 0),
    Fixed(9, 0x00),
    Fixed(10, 0x00),
    Fixed(11, 0x00),
    Fixed(12, 0x00),
    Inverted(13, Bind<&S::chkAutoWave>()),
    Inverted(14, Bind<&S::chkAutoStep>()),
    Index(15, Bind<&S::optAfTone>(), 2, 0),
    Copy(Slider(16, Bind<&S::Slider1>(), kVolumeMax)),
    Fixed(17, 0x00),
    Fixed(18, 0x00),
    Index(19, Bind<&S::opbOpMode>(), 3, 0),
    Fixed(20, 0x00),
    Fixed(21, 0x00),
    List(22, Bind<&S::cbbTimeSp>(), 8),
}};

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
                if (v >= 0 && v < b.count) {
                    b.control.set(s, v);
                } else {
                    b.control.set(s, b.replacement);
                    // The repaired byte is what a later write or save sends;
                    // a block too short for it keeps its length.
                    if (pos + 2 <= block.size()) block.replace(pos, 2, ByteHex(b.replacement));
                }
                break;
            case Kind::kCheck: b.control.set(s, Clamp(v, 2)); break;
            case Kind::kInverted: b.control.set(s, 1 - Clamp(v, 2)); break;
            case Kind::kList: b.control.set(s, Clamp(v - b.base, b.count)); break;
            case Kind::kSlider: b.control.set(s, Clamp(v, b.count)); break;
            case Kind::kFixed: break;
        }
    }
}

// One byte from the controls. Values the pages cannot hold (no option or no
// entry selected) are brought into range so the block keeps two digits a byte.
int EncodeByte(const SettingsByte& b, const S& s) {
    if (b.kind == Kind::kFixed) return b.base;
    const int v = b.control.get(s);
    switch (b.kind) {
        case Kind::kIndex: return v >= 0 && v < b.count ? v : b.replacement;
        case Kind::kInverted: return 1 - Clamp(v, 2);
        case Kind::kList: return Clamp(v, b.count) + b.base;
        default: return Clamp(v, b.count);
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
    if (image.SettingsBlock0.substr(0, 2) != ByteHex(kMarker)) {
        image.SettingsBlock0 = DefaultSettingsBlock0(image.RegionIndex);
        image.SettingsBlock1 = DefaultSettingsBlock1(image.RegionIndex);
    }
    DecodeBlock(image.SettingsBlock0, kBlock0, image.Settings);
    DecodeBlock(image.SettingsBlock1, kBlock1, image.Settings);
}

void EncodeSettings(CloneImage& image) {
    image.SettingsBlock0 = EncodeBlock(ByteHex(kMarker), kBlock0, image.Settings);
    image.SettingsBlock1 = EncodeBlock("", kBlock1, image.Settings);
}

}  // namespace wrk7
