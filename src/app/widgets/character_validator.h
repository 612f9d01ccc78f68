#pragma once
#include <QString>
#include <QValidator>

namespace wrk7 {

// Key filter for a text box, applied to every character that enters it,
// whether typed or pasted: the characters that do not belong are dropped and
// the rest kept, so a paste can never leave text the box would not accept
// from the keyboard.
//
// kDecimal: digits and one "." (a "." arriving while the text has one is
// dropped). kPrintableAscii: the characters a name may hold (IsNameCharacter).
//
// One filter per box: it remembers the box's last text to tell what a change
// inserted.
class CharacterValidator : public QValidator {
    Q_OBJECT
public:
    enum class Kind { kDecimal, kPrintableAscii };

    explicit CharacterValidator(Kind kind, QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;

    // The filter on its own: what a box holding before shows after its text
    // became after (the change being the characters between their common
    // head and tail). Exposed for the tests.
    static QString Apply(Kind kind, const QString& before, const QString& after, int* insertEnd);

private:
    Kind kind_;
    mutable QString last_;
};

}  // namespace wrk7
