#include "lists/chirp_map.h"

#include <cmath>
#include <limits>

#include "core/channel_limits.h"
#include "core/channel_options.h"
#include "core/hex.h"
#include "edit/channel_rules.h"
#include "files/text_file.h"
#include "lists/csv_records.h"
#include "lists/import_fit.h"

namespace wrk7 {

namespace {

using Outcome = ChirpMapping::Outcome;

// Their mode names and ours; a name not listed is a mode the receiver lacks.
struct ModeRule {
    std::string_view theirs;
    int ours;
};
constexpr ModeRule kModes[] = {{"FM", 0}, {"NFM", 0}, {"AM", 1}, {"NAM", 1}, {"WFM", 2}};

// What the summary counts a mode of theirs the receiver lacks as; any other
// is one of the other modes.
struct LeftOutModeRule {
    std::string_view theirs;
    LeftOutKind kind;
};
constexpr LeftOutModeRule kLeftOutModes[] = {
    {"DV", LeftOutKind::kDigital},   {"DN", LeftOutKind::kDigital},   {"DMR", LeftOutKind::kDigital},
    {"P25", LeftOutKind::kDigital},  {"USB", LeftOutKind::kSideband}, {"LSB", LeftOutKind::kSideband},
    {"CW", LeftOutKind::kSideband},  {"CWR", LeftOutKind::kSideband},
};

// What each of their tone modes leaves of the squelch on a receiver, which
// has nothing to transmit: a tone squelch it can do, nothing, or a squelch
// it cannot do (named in the report).
enum class Squelch { kNone, kTone, kLost };
struct ToneModeRule {
    std::string_view theirs;
    Squelch squelch;
};
constexpr ToneModeRule kToneModes[] = {{"", Squelch::kNone},      {"Tone", Squelch::kNone},
                                       {"TSQL", Squelch::kTone},  {"DTCS", Squelch::kLost},
                                       {"DTCS-R", Squelch::kLost}, {"TSQL-R", Squelch::kLost},
                                       {"Cross", Squelch::kLost}};

struct DuplexRule {
    std::string_view theirs;
    int shift;  // ShiftName index
};
constexpr DuplexRule kDuplex[] = {{"+", 1}, {"-", 2}};

// Steps that tool offers, in hertz. Ours that it lacks (8.33, 150, 500 kHz,
// 1 MHz) are exported as the largest of these below them.
constexpr long long kTheirStepsHz[] = {1000,  2500,  5000,  6250,   9000,   10000,  12500, 15000,
                                       20000, 25000, 30000, 50000, 100000, 125000, 200000};

// Values of the columns a receiver has no use for, as that tool writes them
// for an unused tone, code or power.
constexpr std::string_view kNeutralDtcsCode = "023";
constexpr std::string_view kNeutralDtcsPolarity = "NN";
constexpr std::string_view kNeutralCrossMode = "Tone->Tone";
constexpr std::string_view kNeutralPower = "50W";

// That tool writes our 8.33 kHz channels with 6.25 kHz (TheirStepFor); the
// airband has no 6.25 kHz channels, so there such a row is one of them.
constexpr long long kAirbandLowHz = 118000000, kAirbandHighHz = 136975000;
constexpr long long kAirChannelHz = 25000;  // an 8.33 kHz channel is a third of it
constexpr int kStep6_25KHz = StepCode("6.25KHz"), kStep8_33KHz = StepCode("8.33KHz");

constexpr int kOptionTone = static_cast<int>(ChannelOption::kTone);
constexpr int kMHzDecimals = 6;  // Frequency and Offset: whole hertz
constexpr int kToneTextDecimals = 6;  // a tone written finer than ours is still a number

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

template <typename Rule>
const Rule* Find(const auto& rules, std::string_view theirs) {
    for (const Rule& r : rules)
        if (SameIgnoringCase(r.theirs, theirs)) return &r;
    return nullptr;
}

// Size of our step code in hertz ("6.25KHz" -> 6250, "1MHz" -> 1000000).
long long OurStepHz(int code) {
    const std::string_view name = StepName[static_cast<std::size_t>(code)];
    const bool mega = name.ends_with("MHz");
    const auto number = ParseScaledDecimal(name.substr(0, name.size() - 3), mega ? 6 : 3);
    return number.value_or(0);
}

int OurStepFor(long long hz) {
    int best = -1;
    for (int code = 0; code < kStepChoices; ++code) {
        const long long size = OurStepHz(code);
        if (size <= hz && (best < 0 || size > OurStepHz(best))) best = code;
    }
    if (best >= 0) return best;
    // Finer than all of ours: the finest.
    for (int code = 0; code < kStepChoices; ++code)
        if (best < 0 || OurStepHz(code) < OurStepHz(best)) best = code;
    return best;
}

long long TheirStepFor(long long hz) {
    long long best = kTheirStepsHz[0];
    for (const long long size : kTheirStepsHz)
        if (size <= hz) best = size;
    return best;
}

// Our tone code for a tone in tenths of hertz, or -1.
int ToneCode(long long tenths) {
    for (std::size_t code = 0; code < ToneName.size(); ++code) {
        const std::string_view name = ToneName[code];
        if (ParseScaledDecimal(name.substr(0, name.size() - 2), 1) == tenths) return static_cast<int>(code);
    }
    return -1;
}

// A tone code as that tool writes tones ("88.5"); a code outside the list as
// the editor's default tone.
std::string ToneNumber(double code) {
    int index = ChoiceIndex(code, static_cast<int>(ToneName.size()));
    if (index < 0) index = static_cast<int>(EmptyRowDefaults().Value(kTone));
    const std::string_view name = ToneName[static_cast<std::size_t>(index)];
    return std::string(name.substr(0, name.size() - 2));
}

// Places after the point of a decimal, trailing zeros aside ("146.52" -> 2,
// "5.10" -> 1, "5" -> 0), or -1 when text is no decimal: digits with at most
// one point, a '+' allowed first.
int DecimalPlaces(std::string_view text) {
    if (text.starts_with('+')) text.remove_prefix(1);
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    auto digits = [](std::string_view t) { return t.find_first_not_of("0123456789") == std::string_view::npos; };
    if (!digits(whole) || !digits(fraction) || whole.size() + fraction.size() == 0) return -1;
    while (fraction.ends_with('0')) fraction.remove_suffix(1);
    return static_cast<int>(fraction.size());
}

// Why ParseScaledDecimal refused the trimmed text of the column what, for
// the report: missing, not a number, negative or too finely written.
// The column's faults, in the order missing, negative, too many decimals, not a number.
using FaultIds = std::array<MessageId, 4>;
constexpr FaultIds kFrequencyFaults{MessageId::kFrequencyMissing, MessageId::kFrequencyNegative,
                                    MessageId::kFrequencyDecimals, MessageId::kFrequencyNotNumber};
constexpr FaultIds kToneFaults{MessageId::kToneMissing, MessageId::kToneNegative, MessageId::kToneDecimals,
                               MessageId::kToneNotNumber};
constexpr FaultIds kOffsetFaults{MessageId::kOffsetMissing, MessageId::kOffsetNegative,
                                 MessageId::kOffsetDecimals, MessageId::kOffsetNotNumber};

Message DecimalFault(const FaultIds& what, const std::string& text, int decimals) {
    if (text.empty()) return Say(what[0]);
    const bool negative = text.starts_with('-');
    const int places = DecimalPlaces(negative ? std::string_view(text).substr(1) : std::string_view(text));
    if (places >= 0 && negative) return Say(what[1], text);
    if (places > decimals) return Say(what[2], text, decimals);
    return Say(what[3], text);
}

// The row's note as the editor would take it, and a report line for what it
// lost. The name is fitted with the list's others.
void FitTexts(const ChirpRow& row, ChirpMapping& out) {
    ImportedNote note = FitImportedNote(row.comment);
    out.channel.SetText(kNote, note.text);
    out.writtenName = row.name;
    out.fitted = std::move(note.changes);
}

std::string MHzText(long long hz) { return FormatFrequency(static_cast<double>(hz) / 1e6); }

// Hertz as kilohertz with two decimals, as that tool writes steps ("6.25", "12.50").
std::string KHzText(long long hz) {
    const std::string hundredths = std::to_string(hz / 10 % 100 + 100);
    return std::to_string(hz / 1000) + "." + hundredths.substr(1);
}

long long Hz(double mhz) { return std::llround(mhz * 1e6); }

struct Squelching {
    int option;
    int tone;
    std::optional<Message> lost;  // what the report says, none when nothing was lost
};

Squelching MapSquelch(const ChirpRow& row, const SlotFields& defaults) {
    Squelching out{static_cast<int>(defaults.Value(kOption)), static_cast<int>(defaults.Value(kTone)), {}};
    const std::string toneText = TrimmedField(row.cToneFreq);
    const auto tenths = ParseScaledDecimal(toneText, 1);
    const int code = tenths ? ToneCode(*tenths) : -1;
    if (code >= 0) out.tone = code;
    const std::string mode = TrimmedField(row.tone);
    const ToneModeRule* rule = Find<ToneModeRule>(kToneModes, mode);
    const Squelch squelch = rule ? rule->squelch : Squelch::kLost;
    if (squelch == Squelch::kTone && code >= 0) {
        out.option = kOptionTone;
    } else if (squelch == Squelch::kTone) {
        // A number finer than our tenths is still a tone, just not one of ours.
        Message fault = ParseScaledDecimal(toneText, kToneTextDecimals) ||
                                DecimalTooLarge(toneText, kToneTextDecimals)
                            ? Say(MessageId::kToneNotListed, toneText)
                            : DecimalFault(kToneFaults, toneText, kToneTextDecimals);
        out.lost = Say(MessageId::kOptionOff, std::move(fault));
    } else if (squelch == Squelch::kLost) {
        out.lost = Say(MessageId::kOptionOff, Say(MessageId::kSquelchNamed, mode));
    }
    return out;
}

struct Shifting {
    int shift;
    double offset;  // MHz
    std::optional<Message> lost;
};

Shifting MapShift(const ChirpRow& row, const SlotFields& defaults) {
    Shifting out{static_cast<int>(defaults.Value(kShift)), defaults.Value(kOffset), {}};
    const std::string offsetText = TrimmedField(row.offset);
    const auto offsetHz = ParseScaledDecimal(offsetText, kMHzDecimals);
    const double offset = offsetHz ? static_cast<double>(*offsetHz) / 1e6 : -1;
    const bool offsetOk = offsetHz && CheckOffset(defaults, offset).Accepted();
    const std::string duplex = TrimmedField(row.duplex);
    // A split row's Offset is its transmit frequency, nothing a receiver
    // keeps; "" and "off" keep the offset, as our own export writes it.
    if (offsetOk && !SameIgnoringCase(duplex, "split")) out.offset = offset;
    const DuplexRule* rule = Find<DuplexRule>(kDuplex, duplex);
    if (!rule) return out;
    if (offsetOk) {
        out.shift = rule->shift;
    } else {
        Message fault = offsetHz || DecimalTooLarge(offsetText, kMHzDecimals)
                            ? Say(MessageId::kOffsetNotBelow100, offsetText)
                            : DecimalFault(kOffsetFaults, offsetText, kMHzDecimals);
        out.lost = Say(MessageId::kShiftOff, std::move(fault));
    }
    return out;
}

int MapStep(const ChirpRow& row, const SlotFields& defaults, long long frequencyHz) {
    const auto hz = ParseScaledDecimal(row.tStep, 3);
    const int step = hz && *hz > 0 ? OurStepFor(*hz) : static_cast<int>(defaults.Value(kStep));
    return step == kStep6_25KHz && OnAirbandRaster(frequencyHz) ? kStep8_33KHz : step;
}

std::optional<Message> Joined(const std::optional<Message>& a, const std::optional<Message>& b) {
    if (!a) return b;
    if (!b) return a;
    return Say(MessageId::kBothOff, *a, *b);
}

}  // namespace

LocationSlot ChirpLocationSlot(const std::string& location) {
    // The channels a Location can name, as the faults write them.
    auto outside = [](const std::string& text) { return Say(MessageId::kLocationOutside, text, kChannelCount - 1); };
    const bool negative = location.starts_with('-');
    const std::string digits = negative ? location.substr(1) : location;
    const auto n = ParseScaledDecimal(digits, 0);
    if ((n && negative && *n > 0) || (!n && DecimalTooLarge(digits, 0))) return {-1, outside(location)};
    if (!n) return {-1, Say(MessageId::kLocationNotNumber, TrimmedField(location))};
    if (*n >= kChannelCount) return {-1, outside(std::to_string(*n))};
    return {static_cast<int>(*n), {}};
}

bool OnAirbandRaster(long long hz) {
    if (hz < kAirbandLowHz || hz > kAirbandHighHz) return false;
    const long long above = hz % kAirChannelHz;
    for (long long k = 0; k < 3; ++k)
        if (above == (2 * k * kAirChannelHz + 3) / 6) return true;  // k * 25000 / 3 to the nearest hertz
    return false;
}

std::optional<long long> ParseScaledDecimal(std::string_view text, int decimals) {
    const std::string t = TrimmedField(text);
    std::size_t i = t.starts_with('+') ? 1 : 0;
    long long value = 0;
    // Appends a digit to value unless the result would not fit.
    auto append = [&value](int digit) {
        if (value > (std::numeric_limits<long long>::max() - digit) / 10) return false;
        value = value * 10 + digit;
        return true;
    };
    int digits = 0, scale = -1;  // scale: decimals taken after the point
    for (; i < t.size(); ++i) {
        const char c = t[i];
        if (c == '.' && scale < 0) {
            scale = 0;
            continue;
        }
        if (c < '0' || c > '9') return std::nullopt;
        ++digits;
        if (scale >= decimals) {
            if (c != '0') return std::nullopt;
            continue;
        }
        if (!append(c - '0')) return std::nullopt;
        if (scale >= 0) ++scale;
    }
    if (digits == 0) return std::nullopt;
    for (int s = std::max(scale, 0); s < decimals; ++s)
        if (!append(0)) return std::nullopt;
    return value;
}

bool DecimalTooLarge(std::string_view text, int decimals) {
    const std::string t = TrimmedField(text);
    const int places = DecimalPlaces(t);
    return places >= 0 && places <= decimals && !ParseScaledDecimal(t, decimals);
}

ChirpMapping MapChirpRow(const ChirpRow& row, const CloneImage& image) {
    ChirpMapping out;
    const std::string freqText = TrimmedField(row.frequency);
    const auto hz = ParseScaledDecimal(freqText, kMHzDecimals);
    if (freqText.empty() || hz == 0) return out;
    out.outcome = Outcome::kSkipped;
    if (!hz) {
        out.reason = DecimalTooLarge(freqText, kMHzDecimals)
                         ? Say(MessageId::kFrequencyTextOutside, freqText, ChannelRangeText())
                         : DecimalFault(kFrequencyFaults, freqText, kMHzDecimals);
        return out;
    }
    const std::string modeText = TrimmedField(row.mode);
    const ModeRule* mode = modeText.empty() ? &kModes[0] : Find<ModeRule>(kModes, modeText);
    if (!mode) {
        out.reason = Say(MessageId::kModeNotAvailable, modeText);
        const LeftOutModeRule* kind = Find<LeftOutModeRule>(kLeftOutModes, modeText);
        out.kind = kind ? kind->kind : LeftOutKind::kOtherMode;
        return out;
    }
    out.reason = MemoryFrequencyRefusal(image, static_cast<double>(*hz) / 1e6);
    if (out.reason) return out;

    const SlotFields defaults = EmptyRowDefaults();
    const Squelching squelch = MapSquelch(row, defaults);
    const Shifting shift = MapShift(row, defaults);
    SlotFields& c = out.channel;
    c = defaults;
    c.Set(kFreq, static_cast<double>(*hz) / 1e6);
    c.Set(kMode, mode->ours);
    c.Set(kStep, MapStep(row, defaults, *hz));
    c.Set(kOption, squelch.option);
    c.Set(kTone, squelch.tone);
    c.Set(kShift, shift.shift);
    c.Set(kOffset, shift.offset);
    FitTexts(row, out);
    c.Set(kSkip, SameIgnoringCase(TrimmedField(row.skip), "S") ? 1 : 0);
    out.outcome = Outcome::kImported;
    out.reason = Joined(squelch.lost, shift.lost);
    return out;
}

std::vector<std::string> ChirpExportFields(int slot, const SlotFields& channel) {
    int stepCode = ChoiceIndex(channel.Value(kStep), kStepChoices);
    if (stepCode < 0) stepCode = static_cast<int>(EmptyRowDefaults().Value(kStep));
    const long long stepHz = TheirStepFor(OurStepHz(stepCode));
    const int shift = static_cast<int>(channel.Value(kShift));
    const std::string tone = ToneNumber(channel.Value(kTone));
    // Codes 8-12 are options 0-4 with the skip bit ("Tone+Skip").
    const int option = static_cast<int>(channel.Value(kOption));
    const bool skipBit = option >= kOptionSkipBit && option < kOptionSkipBit + static_cast<int>(OptionName.size());
    const int plainOption = skipBit ? option % kOptionSkipBit : option;
    std::string name = channel.Text(kName);
    while (!name.empty() && name.back() == ' ') name.pop_back();
    std::string mode = channel.Text(kMode);
    if (mode.empty()) mode = kModes[0].theirs;
    return {std::to_string(slot),
            name,
            MHzText(Hz(channel.Value(kFreq))),
            shift == 1 ? "+" : shift == 2 ? "-" : "",
            MHzText(Hz(channel.Value(kOffset))),
            plainOption == kOptionTone ? "TSQL" : "",
            tone,
            tone,
            std::string(kNeutralDtcsCode),
            std::string(kNeutralDtcsPolarity),
            std::string(kNeutralDtcsCode),
            std::string(kNeutralCrossMode),
            mode,
            KHzText(stepHz),
            skipBit || channel.Value(kSkip) != 0 ? "S" : "",
            std::string(kNeutralPower),
            channel.Text(kNote),
            "", "", "", ""};
}

}  // namespace wrk7
