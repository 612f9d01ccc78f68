#include "files/import_fit.h"

#include <QString>

#include "core/channel_limits.h"
#include "core/hex.h"
#include "edit/channel_rules.h"
#include "files/text_file.h"

namespace wrk7 {


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
    const std::string shown = FlattenLineBreaks(name);
    if (shortened) out.lost.push_back(Say(MessageId::kNameShortened, shown, out.name));
    else if (replaced) out.lost.push_back(Say(MessageId::kNameStoredAs, shown, out.name));

    const std::string flat = FlattenLineBreaks(note);
    out.note = FittedNote(flat);
    if (!NoteFits(flat)) out.lost.push_back(Say(MessageId::kNoteShortened, flat, out.note));
    return out;
}

std::optional<Message> MemoryFrequencyRefusal(const CloneImage& image, double mhz) {
    // Slot 0: a memory channel, which the search-pass rule does not concern.
    const Verdict verdict = CheckMemoryFrequency(image, 0, mhz);
    const std::string frequency = FormatFrequency(mhz);
    switch (verdict.kind) {
        case Verdict::Kind::kAccepted: return std::nullopt;
        case Verdict::Kind::kRestored: return Say(MessageId::kFrequencyOutside, frequency, ChannelRangeText());
        case Verdict::Kind::kRefused: break;
    }
    return Say(MessageId::kFrequencyRefused, frequency, OneLine(verdict.lines));
}

}  // namespace wrk7
