// The catalog of the newer messages: a Japanese window
// shows them in Japanese, varying parts and all, and leaves every other text
// as it is; every entry can be reached and fills every part it names.

#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

#include "app/widgets/message_catalog.h"

namespace wrk7 {
namespace {

QString U(const char* text) { return QString::fromUtf8(text); }

TEST(MessageCatalogTest, ShowsTheAddedMessagesInJapaneseAndOthersAsTheyAre) {
    const struct {
        const char* english;
        const char* japanese;
    } cases[] = {
        {"The bank table adds up to 999; the receiver takes only 1000.",
         "バンク表の合計は 999 です。受信機が受け付けるのは 1000 までです。"},
        {"No row matches \"  two  words \".", "「  two  words 」に一致する行はありません。"},
        // The parts are looked up too: a reason in a row's line, the areas
        // a refusal names, both losses of an imported row.
        {"Row 2 (S5): The row has no frequency.", "2 行目（S5）：この行には周波数がありません。"},
        {"Row 1 (00-000): It is not possible to set it.", "1 行目（00-000）：It is not possible to set it."},
        {"1 of 1 row was not pasted:", "1 行のうち 1 行を貼り付けられませんでした："},
        {"The selected rows are memory channels, Search Pass entries and priority entries: move the rows of one "
         "area at a time.",
         "選択した行はメモリーチャンネル、サーチパスのエントリーとプライオリティのエントリーにまたがっています。"
         "移動は一度に一つの領域の行だけにしてください。"},
        {"tone is missing: imported with option OFF; offset \"-5\" is negative: imported with shift OFF",
         "トーンがありません：オプション OFF でインポートしました。オフセット「-5」は負の数です：シフト OFF でインポートしました"},
        // Lines joined into one text are each looked up.
        {"Total CH must be 1000\nThe bank table adds up to 1001; the receiver takes only 1000.",
         "Total CH must be 1000\nバンク表の合計は 1001 です。受信機が受け付けるのは 1000 までです。"},
        // The long-standing messages, and anything else, stay as they are.
        {"Total CH must be 1000", "Total CH must be 1000"},
        {"Successed!!", "Successed!!"},
        {"The bank table adds up to", "The bank table adds up to"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(InUiLanguage(U(c.english), UiLanguage::kJapanese), U(c.japanese)) << c.english;
        EXPECT_EQ(InUiLanguage(U(c.english), UiLanguage::kEnglish), U(c.english));
    }
}

// The placeholders of a pattern, in their order.
QStringList Placeholders(const QString& pattern) {
    QStringList found;
    for (const auto& m : QRegularExpression(QStringLiteral("%[1-9]")).globalMatch(pattern)) found << m.captured();
    return found;
}

using Lookup = QString (*)(const QString&, UiLanguage);

void ExpectEveryEntryReached(const std::vector<CatalogEntry>& entries, Lookup lookUp) {
    QSet<QString> seen;
    for (const CatalogEntry& entry : entries) {
        const QString english = U(entry.english);
        const QString japanese = U(entry.japanese);
        SCOPED_TRACE(entry.english);
        EXPECT_FALSE(seen.contains(english)) << "listed twice";
        seen.insert(english);
        QStringList englishParts = Placeholders(english);
        QStringList japaneseParts = Placeholders(japanese);
        EXPECT_EQ(englishParts.size(), QSet<QString>(englishParts.begin(), englishParts.end()).size());
        englishParts.sort();
        japaneseParts.sort();
        EXPECT_EQ(englishParts, japaneseParts);
        // Each part filled with a word of its own must come back in its place:
        // an earlier, looser entry that took the line would show other words.
        QString line = english;
        QString expected = japanese;
        for (const QString& part : englishParts) {
            const QString word = QStringLiteral("W") + part.mid(1) + QStringLiteral("z");
            line.replace(part, word);
            expected.replace(part, word);
        }
        EXPECT_EQ(lookUp(line, UiLanguage::kJapanese), expected);
    }
}

TEST(MessageCatalogTest, EveryEntryIsReachedAndFillsTheSamePartsItTakes) {
    ExpectEveryEntryReached(MessageCatalogEntries(), [](const QString& l, UiLanguage u) { return InUiLanguage(l, u); });
    ExpectEveryEntryReached(CaptionCatalogEntries(), CaptionInUiLanguage);
}

}  // namespace
}  // namespace wrk7
