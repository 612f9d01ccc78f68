#include "app/widgets/message_catalog.h"

namespace wrk7 {

// Where a longer line holds a shorter entry's pattern, the longer comes
// first: the first entry that matches a line wins.
const std::vector<CatalogEntry>& MessageCatalogEntries() {
    static const std::vector<CatalogEntry> entries{
        // The bank table.
        {"The bank table adds up to %1; the receiver takes only 1000.",
         "バンク表の合計は %1 です。受信機が受け付けるのは 1000 までです。"},
        {"Bank Table", "バンク表"},

        // A clone file opened with repairs.
        {"This file was opened with repairs (save it to keep them):",
         "このファイルは修復して開きました（保存すると修復した内容が残ります）："},
        {"%1; slot %2 is left empty", "%1。スロット %2 は空にしました"},
        {"%1; slot %2 kept what could be read", "%1。スロット %2 は読めた値を残しました"},
        {"%1; the band keeps what could be read, its defaults elsewhere",
         "%1。バンドは読めた値を残し、ほかは既定値にしました"},
        {"%1; what could not be read takes its default", "%1。読めなかった値は既定値にしました"},
        {"Clone File", "クローンファイル"},

        // The write and its backup.
        {"The receiver could not be backed up; nothing was written.",
         "受信機の内容をバックアップできませんでした。何も書き込んでいません。"},
        {"The backup could not be saved (%1); nothing was written.",
         "バックアップを保存できませんでした（%1）。何も書き込んでいません。"},
        {"Write cancelled; nothing was written.", "書き込みを取り消しました。何も書き込んでいません。"},
        {"Backing up the receiver before the write...", "書き込みの前に受信機の内容をバックアップしています..."},
        {"Backup not saved: %1", "バックアップを保存できませんでした：%1"},
        {"Backup: %1", "バックアップ：%1"},
        {"cannot create %1", "%1 を作成できません"},

        // What the write question says a write replaces.
        {"the settings, the VFO bands, the memory channels (with the program-scan edges, search-pass and "
         "priority entries), the bank table and the scan groups",
         "設定、VFO バンド、メモリーチャンネル（プログラムスキャンの端、サーチパスとプライオリティのエントリーを含む）、"
         "バンク表とスキャングループ"},
        {"the memory channels (with the program-scan edges, search-pass and priority entries), the bank table and "
         "the scan groups",
         "メモリーチャンネル（プログラムスキャンの端、サーチパスとプライオリティのエントリーを含む）、バンク表とスキャングループ"},
        {"the settings and the VFO bands", "設定と VFO バンド"},
        {"the bank table", "バンク表"},
        {"the scan groups", "スキャングループ"},

        // The find bar.
        {"No duplicates are left.", "重複はもうありません。"},
        {"No row matches \"%1\".", "「%1」に一致する行はありません。"},
        {"There is no row \"%1\".", "行「%1」はありません。"},
        {"145.5, 118-137 or a name or note", "145.5、118-137、名前またはメモ"},
        {"07-012, 0A, S5, Pr10 or slot 0-1299", "07-012、0A、S5、Pr10 またはスロット 0-1299"},

        // Finding duplicates: the status bar and the find bar.
        {"No duplicates: no two used rows hold the same frequency and mode.",
         "重複はありません。周波数とモードが同じ使用中の行はありません。"},
        {"%1 group of duplicates (%2 rows) is selected.", "重複 %1 組（%2 行）を選択しました。"},
        {"%1 groups of duplicates (%2 rows) are selected.", "重複 %1 組（%2 行）を選択しました。"},

        // The status bar.
        {"Read cancelled; nothing changed.", "読み出しを取り消しました。何も変わっていません。"},
        {"Listing written to %1", "一覧を %1 に書き出しました"},

        // Sorting, packing and moving rows; the areas are named in the plural.
        {"No row is selected.", "行が選択されていません。"},
        {"The selected rows are %1, %2, %3 and %4: sort the rows of one area at a time.",
         "選択した行は%1、%2、%3と%4にまたがっています。並べ替えは一度に一つの領域の行だけにしてください。"},
        {"The selected rows are %1, %2 and %3: sort the rows of one area at a time.",
         "選択した行は%1、%2と%3にまたがっています。並べ替えは一度に一つの領域の行だけにしてください。"},
        {"The selected rows are %1 and %2: sort the rows of one area at a time.",
         "選択した行は%1と%2にまたがっています。並べ替えは一度に一つの領域の行だけにしてください。"},
        {"The selected rows are %1, %2, %3 and %4: pack the rows of one area at a time.",
         "選択した行は%1、%2、%3と%4にまたがっています。詰めるのは一度に一つの領域の行だけにしてください。"},
        {"The selected rows are %1, %2 and %3: pack the rows of one area at a time.",
         "選択した行は%1、%2と%3にまたがっています。詰めるのは一度に一つの領域の行だけにしてください。"},
        {"The selected rows are %1 and %2: pack the rows of one area at a time.",
         "選択した行は%1と%2にまたがっています。詰めるのは一度に一つの領域の行だけにしてください。"},
        {"The selected rows are %1, %2, %3 and %4: move the rows of one area at a time.",
         "選択した行は%1、%2、%3と%4にまたがっています。移動は一度に一つの領域の行だけにしてください。"},
        {"The selected rows are %1, %2 and %3: move the rows of one area at a time.",
         "選択した行は%1、%2と%3にまたがっています。移動は一度に一つの領域の行だけにしてください。"},
        {"The selected rows are %1 and %2: move the rows of one area at a time.",
         "選択した行は%1と%2にまたがっています。移動は一度に一つの領域の行だけにしてください。"},
        {"The rows are at the top of the %1 already.", "行はすでに%1の先頭にあります。"},
        {"The rows are at the end of the %1 already.", "行はすでに%1の末尾にあります。"},
        {"memory channels", "メモリーチャンネル"},
        {"program-scan edges", "プログラムスキャンの端"},
        {"Search Pass entries", "サーチパスのエントリー"},
        {"priority entries", "プライオリティのエントリー"},

        // The memory page's questions.
        {"Edit > Undo brings them back.", "「編集」の「元に戻す」で元に戻せます。"},
        {"Edit > Undo brings it back.", "「編集」の「元に戻す」で元に戻せます。"},
        {"Disabling empties the channels; Edit > Undo brings them back.",
         "無効にするとチャンネルは空になります。「編集」の「元に戻す」で元に戻せます。"},
        {"Disabling empties the channel; Edit > Undo brings it back.",
         "無効にするとチャンネルは空になります。「編集」の「元に戻す」で元に戻せます。"},
        {"Inserting pushes %1 past the first %2 channels, where it is lost; Edit > Undo brings it back.",
         "挿入すると %1 が先頭 %2 チャンネルの外に押し出されて失われます。「編集」の「元に戻す」で元に戻せます。"},
        {"%1 rows are selected.", "%1 行が選択されています。"},
        {"The paste replaces 1 used channel.", "貼り付けると、使用中の 1 チャンネルが置き換わります。"},
        {"The paste replaces %1 used channels.", "貼り付けると、使用中の %1 チャンネルが置き換わります。"},
        {"The import replaces 1 used channel.", "インポートすると、使用中の 1 チャンネルが置き換わります。"},
        {"The import replaces %1 used channels.", "インポートすると、使用中の %1 チャンネルが置き換わります。"},
        // The newer questions, worded like the long-standing ones ("CLEAR OK" and
        // "Are you sure that you want to do the clear?", which stay as they are).
        {"PASTE OK", "貼り付けの確認"},
        {"IMPORT OK", "インポートの確認"},
        {"ENABLE OK", "有効にする確認"},
        {"DISABLE OK", "無効にする確認"},
        {"INSERT OK", "挿入の確認"},
        {"CANCEL OK", "取り消しの確認"},
        {"Are you sure that you want to paste?", "貼り付けてもよろしいですか？"},
        {"Are you sure that you want to import?", "インポートしてもよろしいですか？"},
        {"Are you sure that you want to enable them?", "有効にしてもよろしいですか？"},
        {"Are you sure that you want to disable them?", "無効にしてもよろしいですか？"},
        {"Are you sure that you want to disable it?", "無効にしてもよろしいですか？"},
        {"Are you sure that you want to disable all memory?", "すべてのメモリーを無効にしてもよろしいですか？"},
        {"Are you sure that you want to do the insert?", "挿入してもよろしいですか？"},
        {"Are you sure that you want to cancel it and close?", "転送を取り消して閉じてもよろしいですか？"},

        // Rows a paste or a change of channels refused, and why.
        {"%1 of %2 row was not pasted:", "%2 行のうち %1 行を貼り付けられませんでした："},
        {"%1 of %2 rows were not pasted:", "%2 行のうち %1 行を貼り付けられませんでした："},
        {"%1 of %2 row was not changed:", "%2 行のうち %1 行を変更できませんでした："},
        {"%1 of %2 rows were not changed:", "%2 行のうち %1 行を変更できませんでした："},
        {"Row %1 (%2): %3", "%1 行目（%2）：%3"},
        {"Row %1: %2", "%1 行目：%2"},
        {"... and %1 more.", "ほか %1 行。"},
        {"The %1 has no band %2.", "%1 にはバンド %2 がありません。"},
        {"An empty row cannot replace a band.", "空の行でバンドを置き換えることはできません。"},
        {"There is no row after the last one.", "最後の行の後に行はありません。"},
        {"The paste stops at the last memory channel.", "貼り付けられるのは最後のメモリーチャンネルまでです。"},
        {"The paste stops at the last program-scan edge.", "貼り付けられるのは最後のプログラムスキャンの端までです。"},
        {"The paste stops at the last Search Pass entry.", "貼り付けられるのは最後のサーチパスのエントリーまでです。"},
        {"The %1 offers no such mode.", "%1 にはそのモードはありません。"},
        {"The %1 offers no such tuning step.", "%1 にはそのステップはありません。"},
        {"The %1 offers no such option.", "%1 にはそのオプションはありません。"},
        {"The %1 offers no such secret code.", "%1 にはそのシークレットコードはありません。"},
        {"The %1 offers no such carrier.", "%1 にはそのキャリアはありません。"},
        {"The %1 offers no such tone.", "%1 にはそのトーンはありません。"},
        {"The %1 offers no such shift.", "%1 にはそのシフトはありません。"},
        {"The %1 offers no such skip mark.", "%1 にはそのスキップ指定はありません。"},
        {"The frequency must lie between %1 and %2 MHz.", "周波数は %1 ～ %2 MHz の範囲にしてください。"},
        {"The offset frequency must be below 100 MHz.", "オフセット周波数は 100 MHz 未満にしてください。"},
        {"A name holds at most %1 printable ASCII characters.", "名前は印字可能な ASCII 文字で %1 文字までです。"},
        {"A note holds at most %1 characters.", "メモは %1 文字までです。"},
        {"The %1 \"%2\" cannot be read.", "%1「%2」を読み取れません。"},
        {"The row has no frequency.", "この行には周波数がありません。"},

        // Why a clone file could not be opened or saved (under the file's name).
        {"not a regular file", "通常のファイルではありません"},
        {"it has 1 line; a clone file has %1", "1 行しかありません（クローンファイルは %1 行）"},
        {"it has %1 lines; a clone file has %2", "%1 行しかありません（クローンファイルは %2 行）"},
        {"its first line is not \"%1\"", "1 行目が「%1」ではありません"},
        {"its last line is not \"%1\"", "最終行が「%1」ではありません"},

        // A CSV file that gave no channel.
        {"No channel rows were found in %1.", "%1 にチャンネルの行が見つかりませんでした。"},
        {"Its one row could not be taken.", "ファイルにある 1 行を取り込めませんでした。"},
        {"None of its %1 rows could be taken.", "ファイルにある %1 行のどれも取り込めませんでした。"},
        {"The file is empty.", "ファイルは空です。"},
        {"It is not a CSV file.", "CSV ファイルではありません。"},
        {"It holds a header line alone.", "見出し行しかありません。"},
        {"Its header is neither this program's nor CHIRP's.",
         "見出しがこのプログラムのものでも CHIRP のものでもありません。"},
        {"Its one row could not be read.", "ファイルにある 1 行を読み取れませんでした。"},
        {"None of its %1 rows could be read.", "ファイルにある %1 行のどれも読み取れませんでした。"},
        {"Line %1 (%2): %3.", "%1 行目（%2）：%3。"},
        {"Line %1: %2.", "%1 行目：%2。"},

        // The import report: its summary and the reason of each row.
        {"%1 channels imported, %2 skipped", "%1 チャンネルをインポートし、%2 件をスキップしました。"},
        {"%1 rows imported, %2 passed over", "%1 行をインポートし、%2 行を読み飛ばしました。"},
        {"model \"%1\" is not WR-K7", "機種「%1」は WR-K7 ではありません"},
        {"bank \"%1\" is not VFO, MEMORY, PROGRAM SCAN, SEARCH PASS or PRIORITY",
         "バンク「%1」は VFO、MEMORY、PROGRAM SCAN、SEARCH PASS、PRIORITY のどれでもありません"},
        {"%1 has no channel \"%2\"", "%1 にチャンネル「%2」はありません"},
        {"the row ends after %1 of 16 fields", "行が 16 項目のうち %1 項目で終わっています"},
        {"frequency is missing", "周波数がありません"},
        {"step \"%1\" is not available", "ステップ「%1」は使えません"},
        {"Rows not taken whole", "そのままでは取り込めなかった行"},
        {"no memory slot left after 999", "999 より後にメモリーのスロットはありません"},
        {"Location %1 is outside 0-999", "Location %1 は 0-999 の範囲外です"},
        {"Location \"%1\" is not a number", "Location「%1」は数値ではありません"},
        {"names \"%1\" (line %2) and \"%3\" became the same: \"%4\"",
         "名前「%1」（%2 行目）と「%3」が同じ「%4」になりました"},
        {"replaced by line %1", "%1 行目で置き換えられました"},
        {"mode \"%1\" is not available", "モード「%1」は使えません"},
        {"frequency %1 MHz is outside %2 MHz", "周波数 %1 MHz は %2 MHz の範囲外です"},
        {"frequency %1 MHz: %2", "周波数 %1 MHz：%2"},
        {"frequency \"%1\" is outside %2 MHz", "周波数「%1」は %2 MHz の範囲外です"},
        {"frequency \"%1\" is negative", "周波数「%1」は負の数です"},
        {"frequency \"%1\" has more than %2 decimals", "周波数「%1」は小数部が %2 桁を超えています"},
        {"frequency \"%1\" is not a number", "周波数「%1」は数値ではありません"},
        {"%1: imported with option OFF; %2: imported with shift OFF",
         "%1：オプション OFF でインポートしました。%2：シフト OFF でインポートしました"},
        {"%1: imported with option OFF", "%1：オプション OFF でインポートしました"},
        {"%1: imported with shift OFF", "%1：シフト OFF でインポートしました"},
        {"tone \"%1\" is not in the tone list", "トーン「%1」はトーンの一覧にありません"},
        {"tone is missing", "トーンがありません"},
        {"tone \"%1\" is negative", "トーン「%1」は負の数です"},
        {"tone \"%1\" has more than %2 decimals", "トーン「%1」は小数部が %2 桁を超えています"},
        {"tone \"%1\" is not a number", "トーン「%1」は数値ではありません"},
        {"\"%1\" squelch", "スケルチ「%1」"},
        {"offset \"%1\" is not below 100 MHz", "オフセット「%1」は 100 MHz 未満ではありません"},
        {"offset is missing", "オフセットがありません"},
        {"offset \"%1\" is negative", "オフセット「%1」は負の数です"},
        {"offset \"%1\" has more than %2 decimals", "オフセット「%1」は小数部が %2 桁を超えています"},
        {"offset \"%1\" is not a number", "オフセット「%1」は数値ではありません"},
        {"name \"%1\" shortened to \"%2\"", "名前「%1」を「%2」に短縮しました"},
        {"name \"%1\" stored as \"%2\"", "名前「%1」を「%2」として保存しました"},
        {"note \"%1\" shortened to \"%2\"", "メモ「%1」を「%2」に短縮しました"},

        // The recent files, the close during a transfer, printing.
        {"Recent Files", "最近使ったファイル"},
        {"%1 no longer exists.", "%1 はもう存在しません。"},
        {"It has been removed from the list.", "一覧から削除しました。"},
        {"A transfer with the receiver is running.", "受信機との転送を実行中です。"},
        {"Printer Error", "プリンターエラー"},

        // The serial trace.
        {"Serial Trace", "シリアルトレース"},
        {"No transfer has left a trace yet.", "トレースを残した転送はまだありません。"},
        {"No viewer could show the serial trace. It is kept here:",
         "シリアルトレースを表示できるビューアーがありませんでした。トレースは次の場所にあります："},

        // The port dialog's notes on a device.
        {"device missing", "デバイスがありません"},
        {"no permission: join group %1", "権限がありません：グループ %1 に参加してください"},
        {"busy: another program holds it", "使用中：別のプログラムが使っています"},
        {"(no device on this machine)", "（このマシンにはデバイスがありません）"},

        // The about box.
        {"Every completed read from the receiver is also kept as a clone file in:",
         "受信機からの読み出しが終わるたびに、その内容はクローンファイルとして次の場所にも保存されます："},
        {"(the newest 20 are kept).", "（新しいものから 20 個を残します。）"},
        {"This program is provided as is, without warranty of any kind. Writing to a receiver replaces its memory; "
         "keep a backup of what it held before you write.",
         "このプログラムは現状のまま提供され、いかなる保証もありません。受信機に書き込むとそのメモリーは置き換わります。"
         "書き込む前に、受信機の内容をバックアップしておいてください。"},
    };
    return entries;
}

}  // namespace wrk7
