#include "files/listing.h"

#include <cmath>
#include <utility>

#include "codecs/grid_text.h"
#include "core/hex.h"
#include "core/models.h"
#include "core/set_mode_catalogue.h"
#include "core/slot_areas.h"

namespace wrk7 {

namespace {

constexpr char kTab = '\t';

// Width in characters: a UTF-8 lead byte starts a character.
std::size_t CharCount(std::string_view text) {
    std::size_t n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

std::string Join(std::initializer_list<std::string_view> fields) {
    std::string line;
    bool first = true;
    for (auto f : fields) {
        if (!first) line += kTab;
        line += f;
        first = false;
    }
    return line;
}

// "Lamp = ON": the option selected; a group with no button on prints nothing.
void AddOption(ListingLines& out, const SetModeSetting& setting, const SetModeSettings& settings) {
    if (const auto text = setting.Text(setting.Get(settings)))
        out.push_back(std::string(setting.caption) + " = " + std::string(*text));
}

void AddSwitch(ListingLines& out, const SetModeSetting& setting, const SetModeSettings& settings) {
    out.push_back(std::string(setting.caption) + (setting.Get(settings) != 0 ? " = On" : " = Off"));
}

// A channel is marked skipped when its skip field is set or its option
// carries the skip bit (Train+Skip, Tone+Skip, ... as well as OFF+Skip).
bool IsSkipMarked(const SlotFields& f) {
    if (f.Value(kSkip) != 0) return true;
    const double option = f.Value(kOption);
    if (!std::isfinite(option)) return false;
    const long long code = ((std::llround(option) % 16) + 16) % 16;
    return code >= kOptionSkipBit && code < kOptionSkipBit + static_cast<long long>(SkippedOptionName.size());
}

// The sixth and seventh cells of a channel line: the skip mark beside the
// code the model uses.
std::pair<std::string, std::string> CodeCells(const ModelInfo& model, const SlotFields& f) {
    const std::string skipMark = IsSkipMarked(f) ? "*" : " ";
    switch (model.codeColumn) {
        case CodeColumn::kCarrier: return {skipMark, f.Text(kCarrier)};
        case CodeColumn::kSecret: return {RightAligned(FieldText(kSecret, f.Value(kSecret)), 3), skipMark};
        case CodeColumn::kNone: break;
    }
    return {skipMark, "-"};
}

}  // namespace

std::string RightAligned(std::string_view text, std::size_t width) {
    const std::size_t n = CharCount(text);
    if (n >= width) return std::string(text);
    return std::string(width - n, ' ') + std::string(text);
}

ListingLines PrintSettingsSection(const CloneImage& image) {
    const SetModeSettings& s = image.settings.values;
    ListingLines out{"Settings", ""};
    if (const ModelInfo* model = FindModel(image.model))
        out.push_back("Model = " + std::string(model->name));
    out.push_back("Volume = " + std::to_string(s.afVolume));
    out.push_back("Squelch = " + std::to_string(s.squelchLevel));
    using S = SetModeSettings;
    // A mode that is neither VFO nor Memory prints as Preset.
    const SetModeSetting& opMode = SettingOf(&S::opbOpMode);
    const int mode = s.opbOpMode == 0 || s.opbOpMode == 2 ? s.opbOpMode : 1;
    out.push_back(std::string(opMode.caption) + " = " + std::string(opMode.Text(mode).value_or("")));
    for (int S::*option : {&S::optLamp, &S::opbMONI, &S::opbKeyFunc, &S::opbAPO, &S::opbBug}) {
        const SetModeSetting& setting = SettingOf(option);
        if (ModelHasSetting(Model(image.model), setting)) AddOption(out, setting, s);
    }
    for (bool S::*check : {&S::chkWP, &S::chkAutoStep, &S::chkBS, &S::chkATT, &S::chkBarSW, &S::chkBarAM,
                           &S::chkBeep, &S::chkBell})
        AddSwitch(out, SettingOf(check), s);
    out.emplace_back();
    return out;
}

ListingLines PrintVfoSection(const CloneImage& image) {
    const ListingHeadings& codes = Model(image.model).vfoListing;
    ListingLines out{"", "VFO Data", ""};
    out.push_back(Join({"Band", "Frequency", "Mode", "   Step", "Option", codes.sixth, codes.seventh, " Tone",
                        "Shift", "ShiftFreq.", "Note", "Name"}));
    for (int b = 0; b < kBandCount; ++b) {
        const GridRow row = VfoGridRow(image, b);
        out.push_back(Join({std::to_string(b), RightAligned(row[0], 11), row[1], RightAligned(row[2], 7), row[3],
                            RightAligned(row[4], 3), row[5], RightAligned(row[6], 7), row[7],
                            RightAligned(row[8], 9), row[9]}));
    }
    return out;
}

ListingLines PrintMemorySection(const CloneImage& image) {
    const ModelInfo& model = Model(image.model);
    ListingLines out{"", "Memory Bank", ""};
    bool any = false;
    for (bool e : image.memory.enabled) any = any || e;
    if (!any) {
        out.emplace_back("= No Entries =");
        return out;
    }
    const std::string heading =
        Join({"Ch", "Frequency", "Mode", "   Step", "Option", model.memoryListing.sixth,
              model.memoryListing.seventh, " Tone", "Shift", "ShiftFreq.", "Note", "Name"});
    // A section lists the enabled slots of one bank or of one area above the
    // channels, under its own heading.
    auto section = [&](const std::string& title, int first, int count, bool pairs) {
        bool enabled = false;
        for (int s = first; s < first + count; ++s) enabled = enabled || image.memory.enabled[s];
        if (!enabled) return;
        out.emplace_back();
        out.push_back(title);
        out.push_back(heading);
        for (int i = 0; i < count; ++i) {
            const int s = first + i;
            if (!image.memory.enabled[s]) continue;
            const SlotFields& f = image.memory.slot[s];
            const std::string channel = pairs ? EntryLabel(s) : RightAligned(std::to_string(i), 3);
            const auto [sixth, seventh] = CodeCells(model, f);
            out.push_back(Join({channel, FormatFrequency(f.Value(kFreq)), f.Text(kMode), f.Text(kStep),
                                f.Text(kOption), sixth, seventh, f.Text(kTone), f.Text(kShift), f.Text(kOffset),
                                f.Text(kNote), f.Text(kName)}));
        }
    };
    int bankStart = 0;
    for (int k = 0; k < kBanks; ++k) {
        const int first = bankStart;
        int count = std::max(0, image.banks.counts[k]);
        bankStart += count;
        // Counts beyond the channel space (a damaged table) stop at it.
        if (first >= kChannelCount) count = 0;
        count = std::min(count, kChannelCount - std::min(first, kChannelCount));
        if (count > 0) section("Bank" + std::to_string(k), first, count, false);
    }
    for (const SlotArea& area : kSlotAreas)
        if (area.id != SlotAreaId::kChannels) section(std::string(area.title), area.first, area.count, area.pairs);
    return out;
}

ListingLines PrintListing(const CloneImage& image, const ListingSections& sections) {
    if (!sections.Any()) return {};
    ListingLines out{std::string(kListingTitle), "", ""};
    auto append = [&out](ListingLines part) { out.insert(out.end(), part.begin(), part.end()); };
    if (sections.settings) {
        append(PrintSettingsSection(image));
        out.emplace_back();
    }
    if (sections.vfo) {
        append(PrintVfoSection(image));
        out.emplace_back();
    }
    if (sections.memory) append(PrintMemorySection(image));
    return out;
}

}  // namespace wrk7
