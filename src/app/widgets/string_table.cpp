#include "app/widgets/string_table.h"

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
        {1702, {"Write", "書き込み"}},
        {1703, {"The write replaces %1 on the receiver.", "書き込むと受信機の%1が置き換わります。"}},
        {1704, {"&Back up the receiver first", "先に受信機の内容をバックアップする(&B)"}},
        {1705, {"Reads what the receiver holds into the backups folder before the write",
                "書き込みの前に受信機の内容をバックアップフォルダーに読み出します"}},
        {1706, {"&Do not ask again", "今後は確認しない(&D)"}},
        {1707, {"&Write", "書き込む(&W)"}},
        {1720, {"Print Selection", "印刷する範囲"}},
        {1721, {"Settings", "設定"}},
        {1722, {"VFO Data", "VFO データ"}},
        {1723, {"Memory", "メモリー"}},
        {1724, {"OK", "OK"}},
        {1725, {"Cancel", "キャンセル"}},
        {1730, {"Change Channels", "チャンネルの一括変更"}},
        {1731, {"Check the fields to change on all %1 channels.",
                "%1 チャンネルすべてで変更する項目にチェックを付けてください。"}},
        {1735, {"Compare With %1", "%1 と比較"}},
        {1736, {"The images are the same.", "内容は同じです。"}},
        {1737, {"%1 differences", "相違点 %1 件"}},
        {1738, {"Place", "場所"}},
        {1739, {"Field", "項目"}},
        {1740, {"This image", "このイメージ"}},
        {1745, {"Import", "インポート"}},
        {1746, {"Place the channels of the list", "リストのチャンネルの置き場所"}},
        {1747, {"At each row's Location", "各行の Location の位置"}},
        {1748, {"In consecutive slots from row", "次の行から連続したスロット"}},
        {1749, {"Line", "行"}},
        {1750, {"Reason", "理由"}},
        {1751, {"Channel", "チャンネル"}},
        {1755, {"COM Port Setup", "COM ポートセットアップ"}},
        {1756, {"Device path:", "デバイスのパス:"}},
        {1757, {"This run uses: %1", "今回使うポート: %1"}},
        {1760, {"About %1", "%1 のバージョン情報"}},
        {1761, {"Version %1", "バージョン %1"}},
        {1766, {"Copy Path", "パスをコピー"}},
        {1767, {"Open Folder", "フォルダーを開く"}},
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

void MarkUiLanguage(QWidget* window, UiLanguage language) {
    window->setProperty("uiLanguage", language == UiLanguage::kJapanese ? "ja" : "en");
}

StringTable StringsOf(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QVariant mark = w->property("uiLanguage");
        if (mark.isValid())
            return StringTable(mark.toString() == QLatin1String("ja") ? UiLanguage::kJapanese : UiLanguage::kEnglish);
    }
    return StringTable();
}

QFont NoteColumnFont(const QFont& base) {
    QFont font = base;
    const QString preferred = QString::fromUtf8("ＭＳ ゴシック");
    if (QFontDatabase::families().contains(preferred)) {
        font.setFamily(preferred);
        return font;
    }
    // Any family that writes Japanese; fontconfig substitutes if none does.
    const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
    if (!japanese.isEmpty()) font.setFamilies({japanese.first(), base.family()});
    return font;
}

}  // namespace wrk7
