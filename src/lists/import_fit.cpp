#include "lists/import_fit.h"

#include "core/channel_limits.h"
#include "core/hex.h"
#include "edit/channel_rules.h"
#include "files/text_file.h"
#include "lists/name_fit.h"

namespace wrk7 {

ImportedNote FitImportedNote(std::string_view note) {
    ImportedNote out;
    const std::string flat = FlattenLineBreaks(note);
    const std::optional<std::string> plain = WithoutControlCharacters(flat);
    out.text = FittedNote(plain.value_or(flat));
    // One line says all that changed: the text it quotes shows each control.
    if (plain)
        out.changes.push_back(Say(MessageId::kNoteControls, ShownWithControls(flat), out.text));
    else if (!NoteFits(flat))
        out.changes.push_back(Say(MessageId::kNoteShortened, flat, out.text));
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
