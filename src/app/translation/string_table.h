#pragma once
#include <QString>

class QFont;
class QWidget;
class QTableView;

namespace wrk7 {

// The original's numbered caption table, in English and Japanese: the menus
// and tool tips it numbered are looked up by number. Every other text of the
// window is tr().
enum class UiLanguage { kEnglish, kJapanese };

// Japanese when the first of the system's UI languages is Japanese (LANGUAGE
// wins over LANG, as QLocale reads them).
UiLanguage SystemUiLanguage();

class StringTable {
public:
    explicit StringTable(UiLanguage language = UiLanguage::kEnglish) : language_(language) {}

    UiLanguage Language() const { return language_; }
    // The entry in the table's language; entries that exist in Japanese only
    // stand in for English too. nullptr-like empty text when there is none.
    QString Text(int number) const;
    bool Has(int number) const;

private:
    UiLanguage language_;
};

// Replaces the numbers that stand in place of captions: a menu action whose
// text is a number, a widget whose "resourceCaption"/"resourceToolTip"
// property is a number. Anything that is not a number, or a number with no
// entry, keeps its design text. Every control gets the window's font.
void ApplyResourceCaptions(QWidget* window, const StringTable& table);

// The font of the Note column: "ＭＳ ゴシック" when the system has it, otherwise
// a font that covers Japanese.
QFont NoteColumnFont(const QFont& base);

}  // namespace wrk7
