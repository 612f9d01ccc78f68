#include "files/import_fit.h"

#include <QString>

#include "core/channel_limits.h"
#include "core/hex.h"
#include "edit/channel_rules.h"
#include "files/text_file.h"

namespace wrk7 {

namespace {

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

}  // namespace

FittedTexts FitNameAndNote(std::string_view name, std::string_view note) {
    FittedTexts out;
    std::u32string upper = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())).toUpper().toStdU32String();
    bool replaced = false;
    for (const char32_t c : std::u32string_view(upper).substr(0, kNameLength)) {
        replaced = replaced || !IsNameCharacter(c);
        out.name += IsNameCharacter(c) ? static_cast<char>(c) : ' ';
    }
    while (upper.ends_with(U' ')) upper.pop_back();
    // Trailing blanks cut off lose nothing.
    const bool shortened = upper.size() > static_cast<std::size_t>(kNameLength);
    out.nameFitted = shortened || replaced;
    const std::string shown = "name " + Quoted(FlattenLineBreaks(name));
    if (shortened) out.lost.push_back(shown + " shortened to " + Quoted(out.name));
    else if (replaced) out.lost.push_back(shown + " stored as " + Quoted(out.name));

    const std::string flat = FlattenLineBreaks(note);
    out.note = FittedNote(flat);
    if (!NoteFits(flat)) out.lost.push_back("note " + Quoted(flat) + " shortened to " + Quoted(out.note));
    return out;
}

std::string MemoryFrequencyRefusal(const CloneImage& image, double mhz) {
    // Slot 0: a memory channel, which the search-pass rule does not concern.
    const Verdict verdict = CheckMemoryFrequency(image, 0, mhz);
    const std::string frequency = "frequency " + FormatFrequency(mhz) + " MHz";
    switch (verdict.kind) {
        case Verdict::Kind::kAccepted: return {};
        case Verdict::Kind::kRestored: return frequency + " is outside " + ChannelRangeText() + " MHz";
        case Verdict::Kind::kRefused: break;
    }
    std::string reason = frequency + ":";
    for (const std::string& line : verdict.lines) reason += " " + line;
    return reason;
}

}  // namespace wrk7
