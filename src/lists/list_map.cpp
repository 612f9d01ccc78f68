#include "lists/list_map.h"

#include <QString>

#include "core/channel_limits.h"
#include "core/channel_options.h"
#include "core/hex.h"
#include "core/number_text.h"
#include "core/tables.h"
#include "edit/channel_rules.h"
#include "files/text_file.h"
#include "lists/chirp_map.h"
#include "lists/csv_records.h"
#include "lists/import_fit.h"
#include "lists/name_fit.h"

namespace wrk7 {

namespace {

using Outcome = ListMapping::Outcome;

// What a written mode is to the receiver: one of its modes, or a reason to
// leave the row out.
enum class ModeKind { kOurs, kDigital, kTrunked, kSideband, kOther, kLink };
struct ListModeRule {
    std::string_view written;  // compared without case
    ModeKind kind;
    int ours;  // ModeName index, for kOurs
};
constexpr int kFm = 0, kAm = 1, kWfm = 2;
constexpr ListModeRule kListModes[] = {
    // The receiver's own, as each list writes them.
    {"FM", ModeKind::kOurs, kFm},
    {"FMN", ModeKind::kOurs, kFm},
    {"NFM", ModeKind::kOurs, kFm},
    {"Narrow FM", ModeKind::kOurs, kFm},
    {"NBFM", ModeKind::kOurs, kFm},
    {"Analog", ModeKind::kOurs, kFm},
    {"AM", ModeKind::kOurs, kAm},
    {"AM-Sync", ModeKind::kOurs, kAm},
    {"WFM", ModeKind::kOurs, kWfm},
    {"WFM (mono)", ModeKind::kOurs, kWfm},
    {"WFM (stereo)", ModeKind::kOurs, kWfm},
    {"WFM (oirt)", ModeKind::kOurs, kWfm},
    // Digital voice and data.
    {"P25", ModeKind::kDigital, 0},
    {"P-25", ModeKind::kDigital, 0},
    {"P25E", ModeKind::kDigital, 0},
    {"P25 Phase II", ModeKind::kDigital, 0},
    {"Project 25", ModeKind::kDigital, 0},
    {"DMR", ModeKind::kDigital, 0},
    {"NXDN", ModeKind::kDigital, 0},
    {"NXDN48", ModeKind::kDigital, 0},
    {"D-Star", ModeKind::kDigital, 0},
    {"DStar", ModeKind::kDigital, 0},
    {"YSF", ModeKind::kDigital, 0},
    {"Fusion", ModeKind::kDigital, 0},
    {"System Fusion", ModeKind::kDigital, 0},
    {"M17", ModeKind::kDigital, 0},
    {"dPMR", ModeKind::kDigital, 0},
    {"TETRA", ModeKind::kDigital, 0},
    {"Digital", ModeKind::kDigital, 0},
    {"Telm", ModeKind::kDigital, 0},
    {"DV", ModeKind::kDigital, 0},
    // A trunked system's channels carry its control data, not a call.
    {"TRS", ModeKind::kTrunked, 0},
    {"LTR", ModeKind::kTrunked, 0},
    {"EDACS", ModeKind::kTrunked, 0},
    {"MPT1327", ModeKind::kTrunked, 0},
    {"USB", ModeKind::kSideband, 0},
    {"LSB", ModeKind::kSideband, 0},
    {"CW", ModeKind::kSideband, 0},
    {"CW-L", ModeKind::kSideband, 0},
    {"CW-U", ModeKind::kSideband, 0},
    {"DSB", ModeKind::kSideband, 0},
    {"RAW", ModeKind::kOther, 0},
    {"Raw I/Q", ModeKind::kOther, 0},
    {"Demod Off", ModeKind::kOther, 0},
    {"ATV", ModeKind::kOther, 0},
    // A repeater directory lists the links a repeater offers among its
    // modes ("FM AllStar EchoLink"): they say nothing of what it sends.
    {"AllStar", ModeKind::kLink, 0},
    {"EchoLink", ModeKind::kLink, 0},
    {"IRLP", ModeKind::kLink, 0},
    {"WIRES-X", ModeKind::kLink, 0},
};

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return QString::fromUtf8(a.data(), static_cast<qsizetype>(a.size()))
               .compare(QString::fromUtf8(b.data(), static_cast<qsizetype>(b.size())), Qt::CaseInsensitive) == 0;
}

const ListModeRule* ModeRule(std::string_view written) {
    for (const ListModeRule& rule : kListModes)
        if (SameIgnoringCase(rule.written, written)) return &rule;
    return nullptr;
}

// The rule of a written mode, nullptr for one unknown. Besides a single mode
// ("FMN", "Narrow FM"), a repeater directory writes a repeater's modes as
// primary/secondary ("DMR/analog") or as a list ("FM AllStar EchoLink P-25"):
// one analog part makes it a channel the receiver hears, and a repeater with
// none is as its first mode is.
const ListModeRule* ReadMode(std::string_view text) {
    if (text.empty()) return &kListModes[0];
    if (const ListModeRule* whole = ModeRule(text)) return whole;
    std::vector<std::string> parts;
    for (std::size_t from = 0; from <= text.size();) {
        const std::size_t slash = std::min(text.find('/', from), text.size());
        const std::string_view part = text.substr(from, slash - from);
        if (ModeRule(TrimmedField(part))) {
            parts.push_back(TrimmedField(part));
        } else {
            for (std::size_t at = 0; at < part.size();) {
                const std::size_t start = part.find_first_not_of(" \t", at);
                if (start == std::string_view::npos) break;
                const std::size_t end = std::min(part.find_first_of(" \t", start), part.size());
                parts.emplace_back(part.substr(start, end - start));
                at = end;
            }
        }
        from = slash + 1;
    }
    const ListModeRule* first = nullptr;
    const ListModeRule* firstLink = nullptr;
    bool unknown = false;
    for (const std::string& part : parts) {
        const ListModeRule* rule = ModeRule(part);
        if (rule && rule->kind == ModeKind::kOurs) return rule;
        if (!rule) unknown = true;
        else if (rule->kind == ModeKind::kLink) firstLink = firstLink ? firstLink : rule;
        else first = first ? first : rule;
    }
    if (first || unknown) return first;
    return firstLink;
}

// A tone as lists write it: a CTCSS tone in hertz with or without "PL"
// ("114.8 PL", "114.8"), a DCS code ("023 DPL", "D125"), a P25 NAC
// ("293 NAC"), carrier squelch ("CSQ") or nothing.
enum class ToneKind { kNone, kCtcss, kCodeSquelch, kUnreadable };
struct WrittenTone {
    ToneKind kind = ToneKind::kNone;
    std::string number;  // kCtcss: the hertz as written
};

bool EndsWithWord(std::string_view text, std::string_view word, std::string& before) {
    if (text.size() <= word.size() || !SameIgnoringCase(text.substr(text.size() - word.size()), word)) return false;
    before = TrimmedField(text.substr(0, text.size() - word.size()));
    return true;
}

WrittenTone ReadTone(std::string_view written) {
    const std::string text = TrimmedField(written);
    std::string before;
    // The frequency database writes "n/a" where a channel has no tone.
    if (text.empty() || SameIgnoringCase(text, "CSQ") || SameIgnoringCase(text, "n/a")) return {};
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
    // In MHz a decimal comma reads as the paste reads it; hertz have no decimals.
    const std::string text = row.hertz ? TrimmedField(row.frequency) : DecimalCommaAsPoint(TrimmedField(row.frequency));
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

ListMapping MapRow(const ListRow& row, const CloneImage& image) {
    if (row.unreadable) return LeftOut(LeftOutKind::kUnreadable, *row.unreadable);
    const std::string frequencyText = TrimmedField(row.frequency);
    const Frequency frequency = ReadFrequency(row);
    if (frequencyText.empty() || frequency.hz == 0) return {};
    if (!frequency.hz) return LeftOut(LeftOutKind::kFrequency, *frequency.fault);

    const std::string modeText = TrimmedField(row.mode);
    const ListModeRule* mode = ReadMode(modeText);
    if (!mode) return LeftOut(LeftOutKind::kUnknownMode, Say(MessageId::kModeUnknown, modeText));
    switch (mode->kind) {
        case ModeKind::kOurs: break;
        case ModeKind::kDigital: return LeftOut(LeftOutKind::kDigital, Say(MessageId::kDigitalMode, modeText));
        case ModeKind::kTrunked: return LeftOut(LeftOutKind::kTrunked, Say(MessageId::kTrunkedMode, modeText));
        case ModeKind::kSideband: return LeftOut(LeftOutKind::kSideband, Say(MessageId::kModeNotAvailable, modeText));
        case ModeKind::kOther:
        case ModeKind::kLink: return LeftOut(LeftOutKind::kOtherMode, Say(MessageId::kModeNotAvailable, modeText));
    }
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

    return out;
}

// A CHIRP row, by that list's own rules. What its mapping lost comes first;
// its note is fitted already, and the changes to it (noteChanges) follow the
// name's.
ListMapping MapChirp(const ListRow& row, const CloneImage& image, bool atOwnLocations,
                     std::vector<Message>& noteChanges) {
    ChirpMapping mapped = MapChirpRow(*row.chirp, image);
    ListMapping out;
    if (mapped.outcome == ChirpMapping::Outcome::kSkipped) out = LeftOut(mapped.kind, std::move(*mapped.reason));
    out.location = row.location.value_or(std::string());
    if (mapped.outcome != ChirpMapping::Outcome::kImported) return out;
    LocationSlot own = ChirpLocationSlot(*out.location);
    if (atOwnLocations && own.fault) {
        out = LeftOut(LeftOutKind::kLocation, std::move(*own.fault));
        out.location = row.location.value_or(std::string());
        return out;
    }
    out.ownSlot = own.slot;
    out.outcome = Outcome::kImported;
    out.channel = std::move(mapped.channel);
    if (mapped.reason) out.notes.push_back(std::move(*mapped.reason));
    noteChanges = std::move(mapped.fitted);
    return out;
}

}  // namespace

std::vector<ListMapping> MapChannelList(const ChannelList& list, const CloneImage& image, bool atOwnLocations) {
    std::vector<ListMapping> out;
    out.reserve(list.rows.size());
    std::vector<std::vector<Message>> chirpNoteChanges(list.rows.size());
    for (std::size_t i = 0; i < list.rows.size(); ++i) {
        const ListRow& row = list.rows[i];
        out.push_back(row.chirp ? MapChirp(row, image, atOwnLocations, chirpNoteChanges[i]) : MapRow(row, image));
        out.back().line = row.line;
    }
    // Only the rows that become channels share the display: a digital row
    // left out takes no name from the others, nor one a later row replaces
    // at its Location.
    std::vector<bool> named(out.size());
    std::vector<bool> slotTaken(kChannelCount, false);
    for (std::size_t i = out.size(); i-- > 0;) {
        named[i] = out[i].outcome == Outcome::kImported;
        if (!named[i] || !atOwnLocations || out[i].ownSlot < 0) continue;
        named[i] = !slotTaken[static_cast<std::size_t>(out[i].ownSlot)];
        slotTaken[static_cast<std::size_t>(out[i].ownSlot)] = true;
    }
    std::vector<std::string> written;
    for (std::size_t i = 0; i < out.size(); ++i)
        if (named[i]) written.push_back(list.rows[i].name);
    std::vector<FittedName> names = FitListNames(written);
    std::size_t next = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        ListMapping& mapped = out[i];
        if (mapped.outcome != Outcome::kImported) continue;
        FittedName name = named[i] ? std::move(names[next++]) : FittedName{};
        mapped.channel.SetText(kName, name.stored);
        if (name.change) mapped.notes.push_back(std::move(*name.change));
        if (list.rows[i].chirp) {
            for (Message& change : chirpNoteChanges[i]) mapped.notes.push_back(std::move(change));
            continue;
        }
        ImportedNote note = FitImportedNote(list.rows[i].note);
        mapped.channel.SetText(kNote, note.text);
        for (Message& change : note.changes) mapped.notes.push_back(std::move(change));
    }
    return out;
}

Message LeftOutWord(LeftOutKind kind) {
    switch (kind) {
        case LeftOutKind::kDigital: return Say(MessageId::kLeftOutDigital);
        case LeftOutKind::kTrunked: return Say(MessageId::kLeftOutTrunked);
        case LeftOutKind::kSideband: return Say(MessageId::kLeftOutSideband);
        case LeftOutKind::kOtherMode: return Say(MessageId::kLeftOutOtherModes);
        case LeftOutKind::kUnknownMode: return Say(MessageId::kLeftOutUnknownMode);
        case LeftOutKind::kFrequency: return Say(MessageId::kLeftOutFrequency);
        case LeftOutKind::kLocation: return Say(MessageId::kLeftOutLocation);
        case LeftOutKind::kUnreadable: break;
    }
    return Say(MessageId::kLeftOutUnreadable);
}

}  // namespace wrk7
