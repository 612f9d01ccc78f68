#include "files/list_map.h"

#include <QString>
#include <map>
#include <set>

#include "core/channel_limits.h"
#include "core/channel_options.h"
#include "core/hex.h"
#include "core/tables.h"
#include "edit/channel_rules.h"
#include "files/chirp_map.h"
#include "files/csv_records.h"
#include "files/import_fit.h"
#include "files/text_file.h"

namespace wrk7 {

namespace {

using Outcome = ListMapping::Outcome;

// What a written mode is to the receiver: one of its modes, or a reason to
// leave the row out.
enum class ModeKind { kOurs, kDigital, kSideband };
struct ListModeRule {
    std::string_view written;  // compared without case
    ModeKind kind;
    int ours;  // ModeName index, for kOurs
};
constexpr int kFm = 0, kAm = 1, kWfm = 2;
constexpr ListModeRule kListModes[] = {
    {"FM", ModeKind::kOurs, kFm},          {"FMN", ModeKind::kOurs, kFm},
    {"NFM", ModeKind::kOurs, kFm},         {"Narrow FM", ModeKind::kOurs, kFm},
    {"NBFM", ModeKind::kOurs, kFm},        {"Analog", ModeKind::kOurs, kFm},
    {"FM/Analog", ModeKind::kOurs, kFm},   {"AM", ModeKind::kOurs, kAm},
    {"WFM", ModeKind::kOurs, kWfm},        {"WFM (mono)", ModeKind::kOurs, kWfm},
    {"WFM (stereo)", ModeKind::kOurs, kWfm}, {"WFM (oirt)", ModeKind::kOurs, kWfm},
    {"P25", ModeKind::kDigital, 0},        {"P25 Phase II", ModeKind::kDigital, 0},
    {"DMR", ModeKind::kDigital, 0},        {"NXDN", ModeKind::kDigital, 0},
    {"TRS", ModeKind::kDigital, 0},        {"D-Star", ModeKind::kDigital, 0},
    {"DSTAR", ModeKind::kDigital, 0},      {"YSF", ModeKind::kDigital, 0},
    {"Fusion", ModeKind::kDigital, 0},     {"Digital", ModeKind::kDigital, 0},
    {"Telm", ModeKind::kDigital, 0},       {"DV", ModeKind::kDigital, 0},
    {"USB", ModeKind::kSideband, 0},       {"LSB", ModeKind::kSideband, 0},
    {"CW", ModeKind::kSideband, 0},        {"CW-L", ModeKind::kSideband, 0},
    {"CW-U", ModeKind::kSideband, 0},      {"DSB", ModeKind::kSideband, 0},
    {"RAW", ModeKind::kSideband, 0},       {"Demod Off", ModeKind::kSideband, 0},
};

// A tone as lists write it: a CTCSS tone in hertz with or without "PL"
// ("114.8 PL", "114.8"), a DCS code ("023 DPL", "D125"), a P25 NAC
// ("293 NAC"), carrier squelch ("CSQ") or nothing.
enum class ToneKind { kNone, kCtcss, kCodeSquelch, kUnreadable };
struct WrittenTone {
    ToneKind kind = ToneKind::kNone;
    std::string number;  // kCtcss: the hertz as written
};

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return QString::fromUtf8(a.data(), static_cast<qsizetype>(a.size()))
               .compare(QString::fromUtf8(b.data(), static_cast<qsizetype>(b.size())), Qt::CaseInsensitive) == 0;
}

bool EndsWithWord(std::string_view text, std::string_view word, std::string& before) {
    if (text.size() <= word.size() || !SameIgnoringCase(text.substr(text.size() - word.size()), word)) return false;
    before = TrimmedField(text.substr(0, text.size() - word.size()));
    return true;
}

WrittenTone ReadTone(std::string_view written) {
    const std::string text = TrimmedField(written);
    std::string before;
    if (text.empty() || SameIgnoringCase(text, "CSQ")) return {};
    if (EndsWithWord(text, "DPL", before) || EndsWithWord(text, "NAC", before) ||
        ((text[0] == 'D' || text[0] == 'd') && text.size() > 1 && text.find_first_not_of("0123456789NnIi", 1) == std::string::npos))
        return {ToneKind::kCodeSquelch, {}};
    if (!EndsWithWord(text, "PL", before)) before = text;
    if (ParseScaledDecimal(before, 6) || DecimalTooLarge(before, 6)) return {ToneKind::kCtcss, before};
    return {ToneKind::kUnreadable, {}};
}

// Our tone code for hertz written as text, or -1.
int ToneCode(const std::string& hertz) {
    const auto tenths = ParseScaledDecimal(hertz, 1);
    for (std::size_t code = 0; tenths && code < ToneName.size(); ++code) {
        const std::string_view name = ToneName[code];
        if (ParseScaledDecimal(name.substr(0, name.size() - 2), 1) == tenths) return static_cast<int>(code);
    }
    return -1;
}

// The steps a channel list's frequency is most likely laid out on, finest
// first. The 1 kHz step lies under nearly every frequency and says nothing
// of its raster, so it is tried last.
constexpr std::string_view kRasterSteps[] = {"5KHz",  "6.25KHz", "9KHz",  "10KHz",  "12.5KHz",
                                             "15KHz", "20KHz",   "25KHz", "30KHz",  "50KHz",
                                             "100KHz", "125KHz", "150KHz", "200KHz", "500KHz",
                                             "1MHz",  "1KHz"};

long long StepHz(std::string_view name) {
    const bool mega = name.ends_with("MHz");
    return ParseScaledDecimal(name.substr(0, name.size() - 3), mega ? 6 : 3).value_or(0);
}

int StepFor(long long hz, const SlotFields& defaults) {
    if (OnAirbandRaster(hz) && hz % 5000 != 0) return StepCode("8.33KHz");
    for (const std::string_view step : kRasterSteps)
        if (hz % StepHz(step) == 0) return StepCode(step);
    return static_cast<int>(defaults.Value(kStep));
}

struct Frequency {
    std::optional<long long> hz;
    std::optional<Message> fault;
};

Frequency ReadFrequency(const ListRow& row) {
    const std::string text = TrimmedField(row.frequency);
    const int decimals = row.hertz ? 0 : 6;
    const auto count = ParseScaledDecimal(text, decimals);
    if (count) return {count, {}};
    if (DecimalTooLarge(text, decimals)) return {{}, Say(MessageId::kFrequencyTextOutside, text, ChannelRangeText())};
    if (row.hertz) return {{}, Say(MessageId::kFrequencyHzFault, text)};
    return {{}, Say(MessageId::kFrequencyNotNumber, text)};
}

ListMapping LeftOut(LeftOutKind kind, Message reason) {
    ListMapping out;
    out.outcome = Outcome::kLeftOut;
    out.kind = kind;
    out.reason = std::move(reason);
    return out;
}

ListMapping MapRow(const ListRow& row, const CloneImage& image, const std::string& name) {
    if (row.unreadable) return LeftOut(LeftOutKind::kUnreadable, *row.unreadable);
    const std::string frequencyText = TrimmedField(row.frequency);
    const Frequency frequency = ReadFrequency(row);
    if (frequencyText.empty() || frequency.hz == 0) return {};
    if (!frequency.hz) return LeftOut(LeftOutKind::kFrequency, *frequency.fault);

    const std::string modeText = TrimmedField(row.mode);
    const ListModeRule* mode = &kListModes[0];
    if (!modeText.empty()) {
        mode = nullptr;
        for (const ListModeRule& rule : kListModes)
            if (SameIgnoringCase(rule.written, modeText)) mode = &rule;
    }
    if (mode && mode->kind == ModeKind::kDigital) return LeftOut(LeftOutKind::kDigital, Say(MessageId::kDigitalMode, modeText));
    if (!mode || mode->kind == ModeKind::kSideband)
        return LeftOut(LeftOutKind::kSideband, Say(MessageId::kModeNotAvailable, modeText));
    const double mhz = static_cast<double>(*frequency.hz) / 1e6;
    if (auto refusal = MemoryFrequencyRefusal(image, mhz)) return LeftOut(LeftOutKind::kFrequency, std::move(*refusal));

    ListMapping out;
    out.outcome = Outcome::kImported;
    const SlotFields defaults = EmptyRowDefaults();
    SlotFields& c = out.channel;
    c = defaults;
    c.Set(kFreq, mhz);
    c.Set(kMode, mode->ours);
    c.Set(kStep, StepFor(*frequency.hz, defaults));

    const WrittenTone tone = ReadTone(row.tone);
    const std::string toneText = TrimmedField(row.tone);
    if (tone.kind == ToneKind::kCtcss && ToneCode(tone.number) >= 0) {
        c.Set(kOption, static_cast<int>(ChannelOption::kTone));
        c.Set(kTone, ToneCode(tone.number));
    } else if (tone.kind == ToneKind::kCtcss) {
        out.notes.push_back(Say(MessageId::kToneNotReceivers, toneText));
    } else if (tone.kind == ToneKind::kCodeSquelch) {
        out.notes.push_back(Say(MessageId::kCarrierOnly, toneText));
    } else if (tone.kind == ToneKind::kUnreadable) {
        out.notes.push_back(Say(MessageId::kToneUnreadable, toneText));
    }

    FittedTexts fit = FitNameAndNote(row.name, row.note);
    c.SetText(kName, name);
    c.SetText(kNote, fit.note);
    const std::string written = FlattenLineBreaks(row.name);
    const QString upper = QString::fromStdString(written).toUpper().trimmed();
    if (QString::fromStdString(name) != upper)
        out.notes.push_back(Say(upper.size() > kNameLength ? MessageId::kNameShortened : MessageId::kNameStoredAs,
                                written, name));
    for (Message& lost : fit.lost)
        if (lost.id == MessageId::kNoteShortened) out.notes.push_back(std::move(lost));
    return out;
}

// A written name as the display would show all of it: upper case, each
// character it lacks a blank, no blanks at the end.
std::string DisplayName(std::string_view written) {
    std::string out;
    for (const char32_t c : QString::fromUtf8(written.data(), static_cast<qsizetype>(written.size())).toUpper().toStdU32String())
        out += IsNameCharacter(c) ? static_cast<char>(c) : ' ';
    while (!out.empty() && out.back() == ' ') out.pop_back();
    while (!out.empty() && out.front() == ' ') out.erase(out.begin());
    return out;
}

std::string WithoutBlanks(const std::string& text) {
    std::string out;
    for (const char c : text)
        if (c != ' ') out += c;
    return out;
}

std::string Fit(const std::string& text) { return text.substr(0, static_cast<std::size_t>(kNameLength)); }

}  // namespace

std::vector<std::string> FitDistinctNames(const std::vector<std::string>& written) {
    std::vector<std::string> display(written.size()), fitted(written.size());
    // Names written alike, upper case aside, are one name and stay one.
    std::map<std::string, std::vector<std::size_t>> byFitted;  // first fit -> the distinct display names' first rows
    std::map<std::string, std::size_t> firstOf;                // display name -> its first row
    for (std::size_t i = 0; i < written.size(); ++i) {
        display[i] = DisplayName(FlattenLineBreaks(written[i]));
        if (firstOf.emplace(display[i], i).second) byFitted[Fit(display[i])].push_back(i);
    }
    std::set<std::string> taken;
    std::map<std::string, std::string> chosen;  // display name -> stored name
    for (const auto& [plain, rows] : byFitted) {
        if (rows.size() == 1) {
            chosen[display[rows[0]]] = plain;
            taken.insert(plain);
        }
    }
    for (const auto& [plain, rows] : byFitted) {
        if (rows.size() == 1) continue;
        // Keep what tells them apart: the end after their common start,
        // blanks dropped, behind as much of the start as there is room for.
        std::vector<std::string> squeezed;
        for (const std::size_t row : rows) squeezed.push_back(WithoutBlanks(display[row]));
        std::size_t common = squeezed[0].size();
        for (const std::string& s : squeezed) {
            std::size_t k = 0;
            while (k < common && k < s.size() && s[k] == squeezed[0][k]) ++k;
            common = k;
        }
        for (std::size_t n = 0; n < rows.size(); ++n) {
            const std::string& s = squeezed[n];
            const std::string tail = Fit(s.substr(common));
            std::string name = Fit(s.substr(0, std::min(common, static_cast<std::size_t>(kNameLength) - tail.size())) + tail);
            // Still taken: a number at the end makes it another.
            for (int number = 2; taken.contains(name); ++number) {
                const std::string suffix = std::to_string(number);
                name = Fit(s).substr(0, static_cast<std::size_t>(kNameLength) - suffix.size()) + suffix;
            }
            taken.insert(name);
            chosen[display[rows[n]]] = name;
        }
    }
    for (std::size_t i = 0; i < written.size(); ++i) fitted[i] = chosen[display[i]];
    return fitted;
}

std::vector<ListMapping> MapChannelList(const ChannelList& list, const CloneImage& image) {
    std::vector<std::string> written;
    written.reserve(list.rows.size());
    for (const ListRow& row : list.rows) written.push_back(row.name);
    const std::vector<std::string> names = FitDistinctNames(written);
    std::vector<ListMapping> out;
    out.reserve(list.rows.size());
    for (std::size_t i = 0; i < list.rows.size(); ++i) {
        out.push_back(MapRow(list.rows[i], image, names[i]));
        out.back().line = list.rows[i].line;
    }
    return out;
}

Message LeftOutWord(LeftOutKind kind) {
    switch (kind) {
        case LeftOutKind::kDigital: return Say(MessageId::kLeftOutDigital);
        case LeftOutKind::kSideband: return Say(MessageId::kLeftOutSideband);
        case LeftOutKind::kFrequency: return Say(MessageId::kLeftOutFrequency);
        case LeftOutKind::kUnreadable: break;
    }
    return Say(MessageId::kLeftOutUnreadable);
}

}  // namespace wrk7
