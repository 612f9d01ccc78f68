#include "lists/name_fit.h"

#include <QString>
#include <map>
#include <set>

#include "core/char_escapes.h"
#include "core/channel_limits.h"
#include "files/text_file.h"
#include "lists/csv_records.h"

namespace wrk7 {

namespace {

constexpr auto kLength = static_cast<std::size_t>(kNameLength);

std::string WithoutTrailingBlanks(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

// What makes two written names one: upper case, line breaks and control
// characters as blanks, no blanks around it.
std::string NameKey(std::string_view written) {
    const std::string flat = FlattenLineBreaks(written);
    const std::string plain = WithoutControlCharacters(flat).value_or(flat);
    return TrimmedField(QString::fromStdString(plain).toUpper().toStdString());
}

// The whole key as the display would show it: each character it lacks a
// blank, no blanks around it.
std::string DisplayOf(const std::string& key) {
    std::string out;
    for (const char32_t c : QString::fromStdString(key).toStdU32String())
        out += IsNameCharacter(c) ? static_cast<char>(c) : ' ';
    return TrimmedField(out);
}

// A name whose characters all fit as written, upper-cased, blanks around it
// included; nullopt when its blanks in front push it past the display or it
// holds a control character.
std::optional<std::string> AsWritten(std::string_view written) {
    if (WithoutControlCharacters(FlattenLineBreaks(written))) return std::nullopt;
    std::u32string upper = QString::fromStdString(FlattenLineBreaks(written)).toUpper().toStdU32String();
    while (upper.size() > kLength && upper.back() == U' ') upper.pop_back();
    if (upper.size() > kLength) return std::nullopt;
    return QString::fromStdU32String(upper).toStdString();
}

std::string FirstFit(const std::string& display) { return WithoutTrailingBlanks(display.substr(0, kLength)); }

std::string WithoutBlanks(const std::string& text) {
    std::string out;
    for (const char c : text)
        if (c != ' ') out += c;
    return out;
}

// One distinct written name.
struct Distinct {
    std::string key, display, stored;
    bool fitsAsWritten = false;  // the display shows all of it, as written
    bool placed = false;
};

// Names whose first fit is alike (and, when a name that fits holds that fit,
// alike with it too): what tells each from the others is what follows their
// common start, so that is kept, behind as much of the start as there is
// room for; what is still taken gets a number at its end.
void PartAlike(const std::string& fit, std::vector<Distinct*>& alike, std::set<std::string>& taken,
               std::map<std::string, int>& nextNumber) {
    std::vector<std::string> squeezed;
    for (const Distinct* d : alike) squeezed.push_back(WithoutBlanks(d->display));
    std::vector<std::string> compared = squeezed;
    if (taken.contains(fit)) compared.push_back(WithoutBlanks(fit));
    std::size_t common = compared[0].size();
    for (const std::string& s : compared) {
        std::size_t k = 0;
        while (k < common && k < s.size() && s[k] == compared[0][k]) ++k;
        common = k;
    }
    for (std::size_t n = 0; n < alike.size(); ++n) {
        const std::string& s = squeezed[n];
        const std::string tail = s.substr(common).substr(0, kLength);
        std::string name = WithoutTrailingBlanks(s.substr(0, std::min(common, kLength - tail.size())) + tail);
        // Numbers go on from the last one this fit was given, so a list of
        // thousands alike costs no more than thousands of tries.
        int& number = nextNumber.try_emplace(fit, 2).first->second;
        for (; name.empty() || taken.contains(name); ++number) {
            const std::string suffix = std::to_string(number);
            name = WithoutTrailingBlanks(fit.substr(0, std::min(fit.size(), kLength - suffix.size()))) + suffix;
        }
        taken.insert(name);
        alike[n]->stored = name;
        alike[n]->placed = true;
    }
}

}  // namespace

std::vector<FittedName> FitListNames(const std::vector<std::string>& written) {
    std::vector<Distinct> distinct;
    std::map<std::string, std::size_t> byKey;
    std::vector<std::size_t> of(written.size());
    for (std::size_t i = 0; i < written.size(); ++i) {
        std::string key = NameKey(written[i]);
        const auto [at, added] = byKey.emplace(key, distinct.size());
        if (added) {
            Distinct d;
            d.display = DisplayOf(key);
            d.fitsAsWritten = d.display == key && key.size() <= kLength;
            d.key = std::move(key);
            distinct.push_back(std::move(d));
        }
        of[i] = at->second;
    }

    std::set<std::string> taken;
    // A name that fits, and one whose display shows nothing, keeps what it
    // has: there is nothing to part the latter by.
    for (Distinct& d : distinct) {
        if (!d.fitsAsWritten && !d.display.empty()) continue;
        d.stored = d.display;
        d.placed = true;
        if (!d.stored.empty()) taken.insert(d.stored);
    }
    // The others by their first fit, in the order the list first names them.
    std::map<std::string, std::vector<Distinct*>> byFit;
    std::vector<std::string> fitOrder;
    for (Distinct& d : distinct) {
        if (d.placed) continue;
        auto& alike = byFit[FirstFit(d.display)];
        if (alike.empty()) fitOrder.push_back(FirstFit(d.display));
        alike.push_back(&d);
    }
    for (const std::string& fit : fitOrder) {
        std::vector<Distinct*>& alike = byFit[fit];
        if (alike.size() == 1 && !taken.contains(fit)) {
            alike[0]->stored = fit;
            alike[0]->placed = true;
            taken.insert(fit);
        }
    }
    std::map<std::string, int> nextNumber;
    for (const std::string& fit : fitOrder) {
        std::vector<Distinct*>& alike = byFit[fit];
        if (!alike[0]->placed) PartAlike(fit, alike, taken, nextNumber);
    }

    std::vector<FittedName> out(written.size());
    for (std::size_t i = 0; i < written.size(); ++i) {
        const Distinct& d = distinct[of[i]];
        // A name that fits is kept as written, its blanks included, so that
        // a list of this program's own comes back byte for byte.
        const std::optional<std::string> own = d.fitsAsWritten ? AsWritten(written[i]) : std::nullopt;
        out[i].stored = own.value_or(d.stored);
        const bool controls = WithoutControlCharacters(FlattenLineBreaks(written[i])).has_value();
        if (own || (d.stored == d.key && !controls)) continue;
        const std::string shown = ShownWithControls(FlattenLineBreaks(written[i]));
        out[i].change = Say(d.display.size() > kLength ? MessageId::kNameShortened : MessageId::kNameStoredAs, shown, d.stored);
    }
    return out;
}

std::optional<std::string> WithoutControlCharacters(std::string_view text) {
    std::string out;
    bool found = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        // C1 controls are U+0080..U+009F, C2 80..C2 9F in UTF-8.
        const bool c1 = c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(text[i + 1]) <= 0x9F;
        if (c < 0x20 || c == 0x7F || c1) {
            found = true;
            out += ' ';
            if (c1) ++i;
        } else {
            out += text[i];
        }
    }
    if (!found) return std::nullopt;
    return out;
}

std::string ShownWithControls(std::string_view text) {
    // Bytes above 0x7F are the text's own UTF-8.
    static const CharEscapes kShown{{{'\t', "\\t"}}, "\\x%02X", false};
    return EscapeChars(text, kShown);
}

}  // namespace wrk7
