#include "app/translation/string_table.h"

#include <QAction>
#include <QFont>
#include <QFontDatabase>
#include <QLocale>
#include <QMenu>
#include <QVariant>
#include <QWidget>
#include <map>


namespace wrk7 {

namespace {

struct Entry {
    const char* english;  // nullptr: Japanese only
    const char* japanese;
};

const std::map<int, Entry>& Table() {
    static const std::map<int, Entry> table{
        {1000, {"File(&F)", "ﾌｧｲﾙ(&F)"}},
        {1001, {"New(&N)", "新規作成(&N)"}},
        {1002, {"Open(&O)...", "開く(&O)..."}},
        {1003, {"Save(&S)", "上書き保存(&S)"}},
        {1004, {"Save As(&A)...", "名前を付けて保存(&A)..."}},
        {1005, {"Print Setup(&U)...", "ﾍﾟｰｼﾞ設定(&U)..."}},
        {1006, {"Print(&P)...", "印刷(&P)..."}},
        {1007, {"Exit(&X)...", "終了(&X)"}},
        {1008, {"Edit(&E)", "編集(&E)"}},
        {1009, {"Modify(&M)", "変更(&M)"}},
        {1010, {"View(&V)", "表示(&V)"}},
        {1011, {"Tool Bar(&T)", "ﾂｰﾙ ﾊﾞｰ(&T)"}},
        {1012, {"Tool(&T)", "ﾂｰﾙ(&T)"}},
        {1013, {"COM Port Setup(&C)", "COM ポートセットアップ(&C)"}},
        {1014, {"Help(&H)", "ﾍﾙﾌﾟ(&H)"}},
        {1015, {nullptr, "目次(&C)"}},
        {1016, {"About(&A)", "ﾊﾞｰｼﾞｮﾝ情報(&A)"}},
        {1017, {"New", "新規作成"}},
        {1018, {"Open", "開く"}},
        {1019, {"Save", "上書き保存"}},
        {1020, {"Print", "印刷"}},
        {1021, {"Help", "ﾍﾙﾌﾟ"}},
        {1100, {"Status Bar(&S)", "ｽﾃｰﾀｽﾊﾞｰ(&S)"}},
        {1200, {"Status", "ｽﾃｰﾀｽ"}},
        {1201, {"Import(&I)...", "ｲﾝﾎﾟｰﾄ(&I)..."}},
        {1202, {"Export(&E)...", "ｴｸｽﾎﾟｰﾄ(&E)..."}},
        {1203, {"Read(&R)", "読み出し(&R)"}},
        {1204, {"Write(&W)", "書き込み(&W)"}},
        {1205, {"Settings(&S)", "設定(&S)"}},
        {1206, {"Memory(&M)", "メモリー(&M)"}},
        {1207, {"ALL(&A)", "すべて(&A)"}},
    };
    return table;
}

// A caption placeholder: the whole text is a positive decimal number.
int PlaceholderNumber(const QString& text) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok && n > 0 ? n : 0;
}

void ApplyToAction(QAction* action, const StringTable& table) {
    if (action->isSeparator()) return;
    if (int n = PlaceholderNumber(action->text()); n && table.Has(n)) action->setText(table.Text(n));
    if (int n = PlaceholderNumber(action->toolTip()); n && table.Has(n))
        action->setToolTip(table.Text(n));
    if (QMenu* menu = action->menu()) {
        for (QAction* sub : menu->actions()) ApplyToAction(sub, table);
    }
}

}  // namespace

UiLanguage SystemUiLanguage() {
    const QStringList languages = QLocale::system().uiLanguages();
    if (!languages.isEmpty() && languages.first().startsWith(QLatin1String("ja")))
        return UiLanguage::kJapanese;
    return UiLanguage::kEnglish;
}

bool StringTable::Has(int number) const { return Table().count(number) > 0; }

QString StringTable::Text(int number) const {
    auto it = Table().find(number);
    if (it == Table().end()) return {};
    const Entry& e = it->second;
    const char* text = language_ == UiLanguage::kJapanese || !e.english ? e.japanese : e.english;
    return QString::fromUtf8(text);
}

void ApplyResourceCaptions(QWidget* window, const StringTable& table) {
    const QFont font = window->font();
    const auto widgets = window->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        w->setFont(font);
        if (int n = PlaceholderNumber(w->property("resourceCaption").toString()); n && table.Has(n))
            w->setProperty("text", table.Text(n));
        if (int n = PlaceholderNumber(w->property("resourceToolTip").toString()); n && table.Has(n))
            w->setToolTip(table.Text(n));
        for (QAction* action : w->actions()) ApplyToAction(action, table);
    }
    for (QAction* action : window->actions()) ApplyToAction(action, table);
}

QFont NoteColumnFont(const QFont& base) {
    // The window's own family first, so a note looks like every other
    // column; the Japanese family only behind it, for the glyphs the window's
    // lacks. Put first, whatever family sorts first among those that write
    // Japanese (a condensed or fixed-pitch one) drew the Latin text too.
    QFont font = base;
    QStringList families = base.families().isEmpty() ? QStringList{base.family()} : base.families();
    const QString preferred = QString::fromUtf8("ＭＳ ゴシック");
    const QStringList japanese = QFontDatabase::families().contains(preferred)
                                     ? QStringList{preferred}
                                     : QFontDatabase::families(QFontDatabase::Japanese);
    if (!japanese.isEmpty() && !families.contains(japanese.first())) families << japanese.first();
    font.setFamilies(families);
    return font;
}

}  // namespace wrk7
