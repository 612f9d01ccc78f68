#include "app/widgets/character_validator.h"

#include <algorithm>

#include "core/channel_limits.h"

namespace wrk7 {

namespace {

bool Allowed(CharacterValidator::Kind kind, QChar c) {
    const char16_t u = c.unicode();
    if (kind == CharacterValidator::Kind::kPrintableAscii) return IsNameCharacter(u);
    return (u >= u'0' && u <= u'9') || u == u'.';
}

}  // namespace

CharacterValidator::CharacterValidator(Kind kind, QObject* parent) : QValidator(parent), kind_(kind) {}

QString CharacterValidator::Apply(Kind kind, const QString& before, const QString& after, int* insertEnd) {
    // The part of after that is new: whatever lies between the longest common
    // head and the longest common tail of the two texts.
    const qsizetype limit = std::min(before.size(), after.size());
    qsizetype head = 0;
    while (head < limit && before[head] == after[head]) ++head;
    qsizetype tail = 0;
    while (tail < limit - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;

    // Kept characters of the old text are filtered too, in case the box was
    // filled by the program with something the keys could not have typed.
    auto keepOld = [kind](const QString& part, bool& dot) {
        QString out;
        for (QChar c : part) {
            if (!Allowed(kind, c)) continue;
            if (kind == Kind::kDecimal && c == u'.') {
                if (dot) continue;
                dot = true;
            }
            out += c;
        }
        return out;
    };
    bool dot = false;
    const QString headText = keepOld(after.left(head), dot);
    const QString tailText = keepOld(after.right(tail), dot);

    QString inserted;
    for (QChar c : after.mid(head, after.size() - head - tail)) {
        if (!Allowed(kind, c)) continue;
        if (kind == Kind::kDecimal && c == u'.') {
            if (dot) continue;  // the text already holds its one "."
            dot = true;
        }
        inserted += c;
    }
    if (insertEnd) *insertEnd = static_cast<int>(headText.size() + inserted.size());
    return headText + inserted + tailText;
}

QValidator::State CharacterValidator::validate(QString& input, int& pos) const {
    int end = 0;
    const QString filtered = Apply(kind_, last_, input, &end);
    if (filtered != input) {
        input = filtered;
        pos = end;
    }
    last_ = input;
    return Acceptable;
}

}  // namespace wrk7
