<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>Backups</name>
    <message>
        <source>save failed</source>
        <translation>保存に失敗しました</translation>
    </message>
</context>
<context>
    <name>KeptAdapter</name>
    <message>
        <source>Found the adapter %1 at %2; it was at %3.</source>
        <translation>アダプター %1 は %2 にありました（以前は %3）。</translation>
    </message>
    <message>
        <source>%1 now leads to %2, not to the adapter kept for this program, %3.</source>
        <translation>%1 の先は現在 %2 で、このプログラム用に登録したアダプター %3 ではありません。</translation>
    </message>
    <message>
        <source>Use %1 this time anyway, or cancel and choose the port in COM Port Setup.</source>
        <translation>今回はそのまま %1 を使うか、キャンセルして COM ポートセットアップでポートを選んでください。</translation>
    </message>
    <message>
        <source>Use %1</source>
        <translation>%1 を使う</translation>
    </message>
    <message>
        <source>The adapter kept for this program, %1, is not connected.</source>
        <translation>このプログラム用に登録したアダプター %1 が接続されていません。</translation>
    </message>
    <message>
        <source>Plug it in, or choose another port in COM Port Setup.</source>
        <translation>接続するか、COM ポートセットアップで別のポートを選んでください。</translation>
    </message>
    <message>
        <source>More than one adapter like %1 is connected, and none at %2.</source>
        <translation>%1 と同じ種類のアダプターが複数接続されていて、%2 にはありません。</translation>
    </message>
    <message>
        <source>Without a serial number they cannot be told apart: choose the port in COM Port Setup.</source>
        <translation>シリアル番号がないため区別できません。COM ポートセットアップでポートを選んでください。</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>ERROR</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>File Open Error</source>
        <translation>ファイルオープンエラー</translation>
    </message>
    <message>
        <source>Data Error</source>
        <translation>データエラー</translation>
    </message>
    <message>
        <source>COM Port Error</source>
        <translation>COM ポートエラー</translation>
    </message>
    <message>
        <source>Communication Error</source>
        <translation>通信エラー</translation>
    </message>
    <message>
        <source>Read Failed...</source>
        <translation>読み出しに失敗しました...</translation>
    </message>
    <message>
        <source>Write Failed...</source>
        <translation>書き込みに失敗しました...</translation>
    </message>
    <message>
        <source>Region Error</source>
        <translation>地域エラー</translation>
    </message>
    <message>
        <source>Successed!!</source>
        <translation>成功しました。</translation>
    </message>
    <message>
        <source>The total of the number of channels exceeds 1000.</source>
        <translation>チャンネル数の合計が 1000 を超えています。</translation>
    </message>
    <message>
        <source>Please set for the total of the channel to become 1000 or less.</source>
        <translation>チャンネルの合計が 1000 以下になるように設定してください。</translation>
    </message>
    <message>
        <source>Total CH must be 1000</source>
        <translation>チャンネルの合計は 1000 にしてください</translation>
    </message>
    <message>
        <source>none of its VFO and channel records can be read</source>
        <translation>VFO とチャンネルのレコードがどれも読み取れません</translation>
    </message>
    <message>
        <source>the file is larger than %1 bytes</source>
        <translation>ファイルが %1 バイトより大きくなっています</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>ファイルを読み取れません</translation>
    </message>
    <message>
        <source>The bank table adds up to %1; the receiver takes only %2.</source>
        <translation>バンク表の合計は %1 です。受信機が受け付けるのは %2 までです。</translation>
    </message>
    <message>
        <source>Bank Table</source>
        <translation>バンク表</translation>
    </message>
    <message>
        <source>This file was opened with repairs (save it to keep them):</source>
        <translation>このファイルは修復して開きました（保存すると修復した内容が残ります）：</translation>
    </message>
    <message>
        <source>%1; slot %2 is left empty</source>
        <translation>%1。スロット %2 は空にしました</translation>
    </message>
    <message>
        <source>%1; slot %2 kept what could be read</source>
        <translation>%1。スロット %2 は読めた値を残しました</translation>
    </message>
    <message>
        <source>%1; the band keeps what could be read, its defaults elsewhere</source>
        <translation>%1。バンドは読めた値を残し、ほかは既定値にしました</translation>
    </message>
    <message>
        <source>%1; what could not be read takes its default</source>
        <translation>%1。読めなかった値は既定値にしました</translation>
    </message>
    <message>
        <source>Clone File</source>
        <translation>クローンファイル</translation>
    </message>
    <message>
        <source>The receiver could not be backed up; nothing was written.</source>
        <translation>受信機の内容をバックアップできませんでした。何も書き込んでいません。</translation>
    </message>
    <message>
        <source>The backup could not be saved (%1); nothing was written.</source>
        <translation>バックアップを保存できませんでした（%1）。何も書き込んでいません。</translation>
    </message>
    <message>
        <source>the settings, the VFO bands, the memory channels (with the program-scan edges, search-pass and priority entries), the bank table and the scan groups</source>
        <translation>設定、VFO バンド、メモリーチャンネル（プログラムスキャンの端、サーチパスとプライオリティのエントリーを含む）、バンク表とスキャングループ</translation>
    </message>
    <message>
        <source>the memory channels (with the program-scan edges, search-pass and priority entries), the bank table and the scan groups</source>
        <translation>メモリーチャンネル（プログラムスキャンの端、サーチパスとプライオリティのエントリーを含む）、バンク表とスキャングループ</translation>
    </message>
    <message>
        <source>the settings and the VFO bands</source>
        <translation>設定と VFO バンド</translation>
    </message>
    <message>
        <source>the bank table</source>
        <translation>バンク表</translation>
    </message>
    <message>
        <source>the scan groups</source>
        <translation>スキャングループ</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>it has %n lines; a clone file has %1</source>
        <translation>%n 行しかありません（クローンファイルは %1 行）</translation>
    </message>
    <message>
        <source>its first line is not &quot;%1&quot;</source>
        <translation>1 行目が「%1」ではありません</translation>
    </message>
    <message>
        <source>its last line is not &quot;%1&quot;</source>
        <translation>最終行が「%1」ではありません</translation>
    </message>
    <message>
        <source>No channel rows were found in %1.</source>
        <translation>%1 にチャンネルの行が見つかりませんでした。</translation>
    </message>
    <message>
        <source>None of its %n rows could be taken.</source>
        <translation>ファイルにある %n 行を取り込めませんでした。</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>ファイルは空です。</translation>
    </message>
    <message>
        <source>It is not a CSV file.</source>
        <translation>CSV ファイルではありません。</translation>
    </message>
    <message>
        <source>It holds a header line alone.</source>
        <translation>見出し行しかありません。</translation>
    </message>
    <message>
        <source>None of its %n rows could be read.</source>
        <translation>ファイルにある %n 行を読み取れませんでした。</translation>
    </message>
    <message>
        <source>Line %1 (%2): %3.</source>
        <translation>%1 行目（%2）：%3。</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>%1 行目：%2。</translation>
    </message>
    <message>
        <source>model &quot;%1&quot; is not %2</source>
        <translation>機種「%1」は %2 ではありません</translation>
    </message>
    <message>
        <source>bank &quot;%1&quot; is not %2, %3, %4, %5 or %6</source>
        <translation>バンク「%1」は %2、%3、%4、%5、%6 のどれでもありません</translation>
    </message>
    <message>
        <source>%1 has no channel &quot;%2&quot;</source>
        <translation>%1 にチャンネル「%2」はありません</translation>
    </message>
    <message>
        <source>the row ends after %1 of %2 fields</source>
        <translation>行が %2 項目のうち %1 項目で終わっています</translation>
    </message>
    <message>
        <source>frequency is missing</source>
        <translation>周波数がありません</translation>
    </message>
    <message>
        <source>step &quot;%1&quot; is not available</source>
        <translation>ステップ「%1」は使えません</translation>
    </message>
    <message>
        <source>no memory slot left after %1</source>
        <translation>%1 より後にメモリーのスロットはありません</translation>
    </message>
    <message>
        <source>Location %1 is outside 0-%2</source>
        <translation>Location %1 は 0-%2 の範囲外です</translation>
    </message>
    <message>
        <source>Location &quot;%1&quot; is not a number</source>
        <translation>Location「%1」は数値ではありません</translation>
    </message>
    <message>
        <source>replaced by line %1</source>
        <translation>%1 行目で置き換えられました</translation>
    </message>
    <message>
        <source>mode &quot;%1&quot; is not available</source>
        <translation>モード「%1」は使えません</translation>
    </message>
    <message>
        <source>frequency %1 MHz is outside %2 MHz</source>
        <translation>周波数 %1 MHz は %2 MHz の範囲外です</translation>
    </message>
    <message>
        <source>frequency %1 MHz: %2</source>
        <translation>周波数 %1 MHz：%2</translation>
    </message>
    <message>
        <source>frequency &quot;%1&quot; is outside %2 MHz</source>
        <translation>周波数「%1」は %2 MHz の範囲外です</translation>
    </message>
    <message>
        <source>frequency &quot;%1&quot; is negative</source>
        <translation>周波数「%1」は負の数です</translation>
    </message>
    <message>
        <source>frequency &quot;%1&quot; has more than %2 decimals</source>
        <translation>周波数「%1」は小数部が %2 桁を超えています</translation>
    </message>
    <message>
        <source>frequency &quot;%1&quot; is not a number</source>
        <translation>周波数「%1」は数値ではありません</translation>
    </message>
    <message>
        <source>tone is missing</source>
        <translation>トーンがありません</translation>
    </message>
    <message>
        <source>tone &quot;%1&quot; is negative</source>
        <translation>トーン「%1」は負の数です</translation>
    </message>
    <message>
        <source>tone &quot;%1&quot; has more than %2 decimals</source>
        <translation>トーン「%1」は小数部が %2 桁を超えています</translation>
    </message>
    <message>
        <source>tone &quot;%1&quot; is not a number</source>
        <translation>トーン「%1」は数値ではありません</translation>
    </message>
    <message>
        <source>offset is missing</source>
        <translation>オフセットがありません</translation>
    </message>
    <message>
        <source>offset &quot;%1&quot; is negative</source>
        <translation>オフセット「%1」は負の数です</translation>
    </message>
    <message>
        <source>offset &quot;%1&quot; has more than %2 decimals</source>
        <translation>オフセット「%1」は小数部が %2 桁を超えています</translation>
    </message>
    <message>
        <source>offset &quot;%1&quot; is not a number</source>
        <translation>オフセット「%1」は数値ではありません</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1。%2</translation>
    </message>
    <message>
        <source>%1: imported with option OFF</source>
        <translation>%1：オプション OFF でインポートしました</translation>
    </message>
    <message>
        <source>%1: imported with shift OFF</source>
        <translation>%1：シフト OFF でインポートしました</translation>
    </message>
    <message>
        <source>tone &quot;%1&quot; is not in the tone list</source>
        <translation>トーン「%1」はトーンの一覧にありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; squelch</source>
        <translation>スケルチ「%1」</translation>
    </message>
    <message>
        <source>offset &quot;%1&quot; is not below 100 MHz</source>
        <translation>オフセット「%1」は 100 MHz 未満ではありません</translation>
    </message>
    <message>
        <source>name &quot;%1&quot; shortened to &quot;%2&quot;</source>
        <translation>名前「%1」を「%2」に短縮しました</translation>
    </message>
    <message>
        <source>name &quot;%1&quot; stored as &quot;%2&quot;</source>
        <translation>名前「%1」を「%2」として保存しました</translation>
    </message>
    <message>
        <source>note &quot;%1&quot; shortened to &quot;%2&quot;</source>
        <translation>メモ「%1」を「%2」に短縮しました</translation>
    </message>
    <message>
        <source>Frequency of the cellular phone</source>
        <translation>携帯電話の周波数</translation>
    </message>
    <message>
        <source>It is a frequency of the cellular phone.</source>
        <translation>携帯電話の周波数です。</translation>
    </message>
    <message>
        <source>It is not possible to set it.</source>
        <translation>設定することはできません。</translation>
    </message>
    <message>
        <source>The same frequency as other channels cannot be set in Search Pass bank.</source>
        <translation>サーチパスのバンクには、ほかのチャンネルと同じ周波数は設定できません。</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>The frequency must lie between %1 and %2 MHz.</source>
        <translation>周波数は %1 ～ %2 MHz の範囲にしてください。</translation>
    </message>
    <message>
        <source>The offset frequency must be below 100 MHz.</source>
        <translation>オフセット周波数は 100 MHz 未満にしてください。</translation>
    </message>
    <message>
        <source>A name holds at most %1 printable ASCII characters.</source>
        <translation>名前は印字可能な ASCII 文字で %1 文字までです。</translation>
    </message>
    <message>
        <source>A note holds at most %1 characters.</source>
        <translation>メモは %1 文字までです。</translation>
    </message>
    <message>
        <source>The %1 has no band %2.</source>
        <translation>%1 にはバンド %2 がありません。</translation>
    </message>
    <message>
        <source>An empty row cannot replace a band.</source>
        <translation>空の行でバンドを置き換えることはできません。</translation>
    </message>
    <message>
        <source>There is no row after the last one.</source>
        <translation>最後の行の後に行はありません。</translation>
    </message>
    <message>
        <source>The paste stops at the last %1.</source>
        <translation>貼り付けられるのは最後の%1までです。</translation>
    </message>
    <message>
        <source>%1 of %n rows were not pasted:</source>
        <translation>%n 行のうち %1 行を貼り付けられませんでした：</translation>
    </message>
    <message>
        <source>%1 of %n rows were not changed:</source>
        <translation>%n 行のうち %1 行を変更できませんでした：</translation>
    </message>
    <message>
        <source>Row %1 (%2): %3</source>
        <translation>%1 行目（%2）：%3</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>%1 行目：%2</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>ほか %1 行。</translation>
    </message>
    <message>
        <source>The %1 offers no such mode.</source>
        <translation>%1 にはそのモードはありません。</translation>
    </message>
    <message>
        <source>The %1 offers no such tuning step.</source>
        <translation>%1 にはそのステップはありません。</translation>
    </message>
    <message>
        <source>The %1 offers no such option.</source>
        <translation>%1 にはそのオプションはありません。</translation>
    </message>
    <message>
        <source>The %1 offers no such secret code.</source>
        <translation>%1 にはそのシークレットコードはありません。</translation>
    </message>
    <message>
        <source>The %1 offers no such carrier.</source>
        <translation>%1 にはそのキャリアはありません。</translation>
    </message>
    <message>
        <source>The %1 offers no such tone.</source>
        <translation>%1 にはそのトーンはありません。</translation>
    </message>
    <message>
        <source>The %1 offers no such shift.</source>
        <translation>%1 にはそのシフトはありません。</translation>
    </message>
    <message>
        <source>The %1 offers no such skip mark.</source>
        <translation>%1 にはそのスキップ指定はありません。</translation>
    </message>
    <message>
        <source>No row is selected.</source>
        <translation>行が選択されていません。</translation>
    </message>
    <message>
        <source>The rows are at the top of the %1 already.</source>
        <translation>行はすでに%1の先頭にあります。</translation>
    </message>
    <message>
        <source>The rows are at the end of the %1 already.</source>
        <translation>行はすでに%1の末尾にあります。</translation>
    </message>
    <message>
        <source>The selected rows are %1: sort the rows of one area at a time.</source>
        <translation>選択した行は%1にまたがっています。並べ替えは一度に一つの領域の行だけにしてください。</translation>
    </message>
    <message>
        <source>The selected rows are %1: pack the rows of one area at a time.</source>
        <translation>選択した行は%1にまたがっています。詰めるのは一度に一つの領域の行だけにしてください。</translation>
    </message>
    <message>
        <source>The selected rows are %1: move the rows of one area at a time.</source>
        <translation>選択した行は%1にまたがっています。移動は一度に一つの領域の行だけにしてください。</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1と%2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>memory channel</source>
        <translation>メモリーチャンネル</translation>
    </message>
    <message>
        <source>program-scan edge</source>
        <translation>プログラムスキャンの端</translation>
    </message>
    <message>
        <source>Search Pass entry</source>
        <translation>サーチパスのエントリー</translation>
    </message>
    <message>
        <source>priority entry</source>
        <translation>プライオリティのエントリー</translation>
    </message>
    <message>
        <source>memory channels</source>
        <translation>メモリーチャンネル</translation>
    </message>
    <message>
        <source>program-scan edges</source>
        <translation>プログラムスキャンの端</translation>
    </message>
    <message>
        <source>Search Pass entries</source>
        <translation>サーチパスのエントリー</translation>
    </message>
    <message>
        <source>priority entries</source>
        <translation>プライオリティのエントリー</translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; cannot be read.</source>
        <translation>%1「%2」を読み取れません。</translation>
    </message>
    <message>
        <source>The row has no frequency.</source>
        <translation>この行には周波数がありません。</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>ファイルが空です</translation>
    </message>
    <message>
        <source>the file is not text</source>
        <translation>ファイルがテキストではありません</translation>
    </message>
    <message>
        <source>the file is none of the lists this program reads</source>
        <translation>このプログラムが読めるリストのどれでもありません</translation>
    </message>
    <message>
        <source>a %1 is imported by its own reader</source>
        <translation>%1 はそれ専用の読み込みでインポートします</translation>
    </message>
    <message>
        <source>no frequency column: the heading names no &quot;%1&quot;</source>
        <translation>周波数の列がありません: 見出しに「%1」がありません</translation>
    </message>
    <message>
        <source>the row has %n fields where the heading names %1</source>
        <translation>この行のフィールドは %n 個ですが、見出しは %1 個です</translation>
    </message>
    <message>
        <source>the XML is not well formed at line %1: %2</source>
        <translation>XML の %1 行目が正しくありません: %2</translation>
    </message>
    <message>
        <source>the XML root is &lt;%1&gt;, not &lt;%2&gt;</source>
        <translation>XML のルートが &lt;%2&gt; ではなく &lt;%1&gt; です</translation>
    </message>
    <message>
        <source>the JSON is not well formed at line %1: %2</source>
        <translation>JSON の %1 行目が正しくありません: %2</translation>
    </message>
    <message>
        <source>the JSON is no object holding &quot;%1&quot; or &quot;%2&quot;</source>
        <translation>JSON が「%1」または「%2」を持つオブジェクトではありません</translation>
    </message>
    <message>
        <source>mode &quot;%1&quot; is digital: the receiver hears FM, AM and WFM only</source>
        <translation>モード「%1」はデジタルです: 受信機は FM、AM、WFM のみ受信します</translation>
    </message>
    <message>
        <source>squelch &quot;%1&quot; is not a CTCSS tone: imported with carrier squelch only</source>
        <translation>スケルチ「%1」は CTCSS トーンではありません: キャリアスケルチのみでインポートしました</translation>
    </message>
    <message>
        <source>tone &quot;%1&quot; is not one of the receiver&apos;s tones: imported without a tone</source>
        <translation>トーン「%1」は受信機のトーンにありません: トーンなしでインポートしました</translation>
    </message>
    <message>
        <source>tone &quot;%1&quot; is not a tone: imported without a tone</source>
        <translation>「%1」はトーンではありません: トーンなしでインポートしました</translation>
    </message>
    <message>
        <source>frequency &quot;%1&quot; is not a whole number of hertz</source>
        <translation>周波数「%1」はヘルツの整数ではありません</translation>
    </message>
    <message>
        <source>digital</source>
        <translation>デジタル</translation>
    </message>
    <message>
        <source>note &quot;%1&quot; held control characters: stored as &quot;%2&quot;</source>
        <translation>メモ「%1」に制御文字があったため「%2」として保存しました</translation>
    </message>
    <message>
        <source>SKIP &quot;%1&quot; is neither #TRUE# nor #FALSE#: imported without skip</source>
        <translation>SKIP「%1」は #TRUE# でも #FALSE# でもありません: スキップなしで取り込みました</translation>
    </message>
    <message>
        <source>ENABLE &quot;%1&quot; is neither #TRUE# nor #FALSE#: the slot keeps what it holds</source>
        <translation>ENABLE「%1」は #TRUE# でも #FALSE# でもありません: スロットは元の内容のままです</translation>
    </message>
    <message>
        <source>mode &quot;%1&quot; is a trunked system&apos;s: the receiver hears FM, AM and WFM only</source>
        <translation>モード「%1」はトランキングシステムのものです: 受信機は FM、AM、WFM のみ受信します</translation>
    </message>
    <message>
        <source>mode &quot;%1&quot; is unknown: the receiver hears FM, AM and WFM only</source>
        <translation>モード「%1」は不明です: 受信機は FM、AM、WFM のみ受信します</translation>
    </message>
    <message>
        <source>trunked</source>
        <translation>トランキング</translation>
    </message>
    <message>
        <source>other modes</source>
        <translation>その他のモード</translation>
    </message>
    <message>
        <source>unknown mode</source>
        <translation>不明なモード</translation>
    </message>
    <message>
        <source>%1 is not a port of this system; its COM ports: %2</source>
        <translation>%1 はこのシステムのポートではありません。COM ポートは %2 です</translation>
    </message>
    <message>
        <source>%1 is not a port of this system; its COM port: %2</source>
        <translation>%1 はこのシステムのポートではありません。COM ポートは %2 です</translation>
    </message>
    <message>
        <source>%1 is not a port of this system; it has no COM port</source>
        <translation>%1 はこのシステムのポートではありません。このシステムには COM ポートがありません</translation>
    </message>
    <message>
        <source>sideband</source>
        <translation>サイドバンド</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>範囲外</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>読めない行</translation>
    </message>
    <message>
        <source>no channel at the Location</source>
        <translation>Location がチャンネルではない行</translation>
    </message>
    <message>
        <source>%n channels from row %1</source>
        <translation>%1 から %n チャンネル</translation>
    </message>
    <message>
        <source>%n channels into bank %1</source>
        <translation>バンク %1 に %n チャンネル</translation>
    </message>
    <message>
        <source>%n channels into empty slots from row %1</source>
        <translation>%1 からの空きスロットに %n チャンネル</translation>
    </message>
    <message>
        <source>%n channels at their own Locations</source>
        <translation>各行の Location に %n チャンネル</translation>
    </message>
    <message>
        <source>%n replace used channels</source>
        <translation>%n 個は使用中のチャンネルを置き換えます</translation>
    </message>
    <message>
        <source>%n are already there and are skipped</source>
        <translation>%n 個は既にあるのでスキップします</translation>
    </message>
    <message>
        <source>%n are already there and are replaced</source>
        <translation>%n 個は既にあるので置き換えます</translation>
    </message>
    <message>
        <source>%n are left out: %1</source>
        <translation>%n 個は取り込みません: %1</translation>
    </message>
    <message>
        <source>%n do not fit</source>
        <translation>%n 個は入りきりません</translation>
    </message>
    <message>
        <source>%n are replaced by a later row</source>
        <translation>%n 個は後の行で置き換えられます</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>already in row %1: skipped</source>
        <translation>既に %1 にあります: スキップしました</translation>
    </message>
    <message>
        <source>already in row %1: replaced there</source>
        <translation>既に %1 にあります: そこで置き換えました</translation>
    </message>
    <message>
        <source>no room left</source>
        <translation>空きがありません</translation>
    </message>
    <message>
        <source>bank %1 grows to %2 channels</source>
        <translation>バンク %1 を %2 チャンネルに増やします</translation>
    </message>
    <message>
        <source>the banks after bank %1 hold no room for it to grow</source>
        <translation>バンク %1 の後のバンクに増やせる空きがありません</translation>
    </message>
    <message>
        <source>the file is %1; a clone file is never larger than %2</source>
        <translation>ファイルは %1 です。クローンファイルは %2 を超えることはありません</translation>
    </message>
    <message>
        <source>it is a channel list (%1), not a clone file: import it with File &gt; Import</source>
        <translation>これはクローンファイルではなくチャンネルリスト（%1）です。ファイル &gt; インポートで取り込んでください</translation>
    </message>
    <message>
        <source>The port %1 could not be opened: %2</source>
        <translation>ポート %1 を開けませんでした: %2</translation>
    </message>
    <message>
        <source>The port %1 failed during the test: %2</source>
        <translation>テスト中にポート %1 でエラーが起きました: %2</translation>
    </message>
    <message>
        <source>Came back (%n bytes): %1</source>
        <translation>返ってきたもの (%n バイト): %1</translation>
    </message>
    <message>
        <source>Came back (%1 bytes), the first %2: %3</source>
        <translation>返ってきたもの (%1 バイト)、先頭 %2 バイト: %3</translation>
    </message>
    <message>
        <source>Came back: nothing</source>
        <translation>返ってきたもの: なし</translation>
    </message>
    <message>
        <source>All %1 bytes sent came back unchanged at 38400 baud: the port, the adapter and the cable up to its joined end work.</source>
        <translation>送信した %1 バイトがすべて 38400 ボーで変わらずに返ってきました: ポート、アダプター、つないだ端までのケーブルは正常です。</translation>
    </message>
    <message>
        <source>None of the %1 bytes sent came back: transmit and receive are not joined at the receiver end, or the port, the adapter or the cable is dead (is this the right port?).</source>
        <translation>送信した %1 バイトが1バイトも返ってきません: 受信機側で送信と受信がつながっていないか、ポート、アダプター、ケーブルのいずれかが動いていません (ポートは正しいですか?)。</translation>
    </message>
    <message>
        <source>Only %1 of the %2 bytes sent came back, the first %3 of them as sent: a loose wire, a wrong speed, or flow control holding bytes back.</source>
        <translation>送信した %2 バイトのうち %1 バイトしか返ってきません (先頭 %3 バイトは送信どおり): 配線の緩み、速度の違い、またはフロー制御がバイトを止めています。</translation>
    </message>
    <message>
        <source>%1 bytes came back for the %2 sent, the first %3 of them as sent: a wrong speed, noise on the line, or something besides the joined wires answering (is the receiver still connected?).</source>
        <translation>送信した %2 バイトに対して %1 バイトが返ってきました (先頭 %3 バイトは送信どおり): 速度の違い、回線のノイズ、またはつないだ線以外のものが応答しています (受信機がまだつながっていませんか?)。</translation>
    </message>
    <message>
        <source>First difference at offset %1: sent %2, came back %3.</source>
        <translation>最初の違いはオフセット %1: 送信 %2、返ってきたもの %3。</translation>
    </message>
    <message>
        <source>The receiver echoed the identification of the %1 and accepted it (OK): the cable, the port and the model are right.</source>
        <translation>受信機は %1 の識別コマンドをエコーし、受け付けました (OK): ケーブル、ポート、機種は正しいです。</translation>
    </message>
    <message>
        <source>The receiver echoed the identification of the %1 and refused it (RE): it is of another model or region. Choose the model it is.</source>
        <translation>受信機は %1 の識別コマンドをエコーし、拒否しました (RE): 別の機種または地域の受信機です。受信機に合った機種を選んでください。</translation>
    </message>
    <message>
        <source>The identification came back, but no reply followed it: the cable and the port work, the receiver is not answering. Is it switched on, in its clone (PC) mode, and a %1?</source>
        <translation>識別コマンドは返ってきましたが、応答が続きません: ケーブルとポートは正常で、受信機が応答していません。電源は入っていますか? クローン (PC) モードになっていますか? %1 ですか?</translation>
    </message>
    <message>
        <source>Nothing came back, not even the echo of the identification: the cable or the port. Is this the right port, the cable plugged in at both ends, the adapter alive? The loopback test tells.</source>
        <translation>識別コマンドのエコーも含めて何も返ってきません: ケーブルかポートの問題です。ポートは正しいですか? ケーブルは両端とも差し込まれていますか? アダプターは動いていますか? ループバックテストで確かめられます。</translation>
    </message>
    <message>
        <source>What came back is neither the echo of the identification nor a reply: a wrong speed, noise on the line, or another device on this port.</source>
        <translation>返ってきたものは識別コマンドのエコーでも応答でもありません: 速度の違い、回線のノイズ、またはこのポートに別の機器がつながっています。</translation>
    </message>
    <message>
        <source>serial</source>
        <translation>シリアル</translation>
    </message>
    <message>
        <source>%1 may not read and write %2: it belongs to user %3 and group %4 (%5), and its group may not use it either.</source>
        <translation>%1 は %2 を読み書きできません。%2 の所有者はユーザー %3、グループ %4 (%5) で、そのグループにも使用が許されていません。</translation>
    </message>
    <message>
        <source>%1 may not read and write %2: it belongs to user %3 and group %4 (%5); %1 was added to group %4 after this login started.</source>
        <translation>%1 は %2 を読み書きできません。%2 の所有者はユーザー %3、グループ %4 (%5) です。%1 はグループ %4 に加えられていますが、今のログインの後のことです。</translation>
    </message>
    <message>
        <source>%1 may not read and write %2: it belongs to user %3 and group %4 (%5), and %1 is not in group %4.</source>
        <translation>%1 は %2 を読み書きできません。%2 の所有者はユーザー %3、グループ %4 (%5) で、%1 はグループ %4 に入っていません。</translation>
    </message>
    <message>
        <source>Have udev give such adapters to group %1, join that group, then log in again:</source>
        <translation>udev でこの種のアダプターをグループ %1 のものにし、そのグループに加わってから、ログインし直してください：</translation>
    </message>
    <message>
        <source>Then unplug the adapter, plug it in again, and log out and in.</source>
        <translation>その後、アダプターを抜いて差し直し、ログアウトしてログインし直してください。</translation>
    </message>
    <message>
        <source>Log out and log in again (or restart the computer): only a new login takes up the group.</source>
        <translation>ログアウトしてログインし直してください (またはコンピューターを再起動してください)。グループは新しいログインから有効になります。</translation>
    </message>
    <message>
        <source>Join group %1:</source>
        <translation>グループ %1 に加わってください：</translation>
    </message>
    <message>
        <source>Then log out and log in again: a new login is needed before the group counts.</source>
        <translation>その後、ログアウトしてログインし直してください。グループが有効になるのは新しいログインからです。</translation>
    </message>
    <message>
        <source>Another program holds %1: %2 (pid %3).</source>
        <translation>別のプログラムが %1 を使っています: %2 (pid %3)。</translation>
    </message>
    <message>
        <source>Close %1, or end it:</source>
        <translation>%1 を閉じるか、終了させてください：</translation>
    </message>
    <message>
        <source>The lock file %1 says pid %2 holds %3, but no such program runs: it was left behind.</source>
        <translation>ロックファイル %1 によると pid %2 が %3 を使っていますが、そのプログラムは動いていません。残ったままのロックファイルです。</translation>
    </message>
    <message>
        <source>Remove the stale lock:</source>
        <translation>残ったロックファイルを削除してください：</translation>
    </message>
    <message>
        <source>Another program holds %1 (lock file %2: %3, pid %4).</source>
        <translation>別のプログラムが %1 を使っています (ロックファイル %2: %3、pid %4)。</translation>
    </message>
    <message>
        <source>Another program holds %1 (lock file %2: pid %3).</source>
        <translation>別のプログラムが %1 を使っています (ロックファイル %2: pid %3)。</translation>
    </message>
    <message>
        <source>Another program holds %1 (lock file %2).</source>
        <translation>別のプログラムが %1 を使っています (ロックファイル %2)。</translation>
    </message>
    <message>
        <source>Close that program, or end it:</source>
        <translation>そのプログラムを閉じるか、終了させてください：</translation>
    </message>
    <message>
        <source>Close the program that uses the port.</source>
        <translation>このポートを使っているプログラムを閉じてください。</translation>
    </message>
    <message>
        <source>The braille display service brltty runs, and its udev rules (%1) take USB devices %2 for a braille display: it takes this adapter from its serial driver as soon as it is plugged in.</source>
        <translation>点字ディスプレイのサービス brltty が動いていて、その udev ルール (%1) が USB デバイス %2 を点字ディスプレイとして扱います。そのため、このアダプターは差し込んだとたんにシリアルドライバーから取り上げられます。</translation>
    </message>
    <message>
        <source>Keep brltty (screen-reader users need it) and exempt this adapter alone with this rule:</source>
        <translation>brltty はそのままにして (スクリーンリーダーを使う人に必要です)、次のルールでこのアダプターだけを対象から外してください：</translation>
    </message>
    <message>
        <source>Write it to %1 (read after brltty&apos;s rules) and reload the rules:</source>
        <translation>これを %1 に書き込み (brltty のルールより後に読まれます)、ルールを読み込み直してください：</translation>
    </message>
    <message>
        <source>Keep brltty (screen-reader users need it) and exempt this adapter alone: a copy of %1 under %2 without the lines for %3 takes the place of the package&apos;s:</source>
        <translation>brltty はそのままにして (スクリーンリーダーを使う人に必要です)、このアダプターだけを対象から外してください。%3 の行を除いた %1 のコピーを %2 に置くと、パッケージのファイルの代わりに読まれます：</translation>
    </message>
    <message>
        <source>Then unplug the adapter and plug it in again.</source>
        <translation>その後、アダプターを抜いて差し直してください。</translation>
    </message>
    <message>
        <source>ModemManager runs and may probe %1 for a modem when it appears: it sends AT commands and holds the port meanwhile, so the first exchange can fail or the port be busy.</source>
        <translation>ModemManager が動いていて、%1 が現れるとモデムかどうかを調べることがあります。その間は AT コマンドを送ってポートを使うため、最初のやり取りが失敗したり、ポートが使用中になったりします。</translation>
    </message>
    <message>
        <source>Tell ModemManager to leave this adapter (%1) alone with this rule:</source>
        <translation>次のルールで、ModemManager がこのアダプター (%1) に触れないようにしてください：</translation>
    </message>
    <message>
        <source>Write it to %1 and reload the rules:</source>
        <translation>これを %1 に書き込み、ルールを読み込み直してください：</translation>
    </message>
    <message>
        <source>The %1 adapter %2 is on USB, but a program took it over (through usbfs), so it has no serial port.</source>
        <translation>%1 アダプター %2 は USB につながっていますが、プログラムが (usbfs を通して) 占有しているため、シリアルポートがありません。</translation>
    </message>
    <message>
        <source>brltty may hold it from before: unplug the adapter and plug it in again.</source>
        <translation>brltty が以前から占有しているのかもしれません。アダプターを抜いて差し直してください。</translation>
    </message>
    <message>
        <source>Find the program (%1), close it, then unplug the adapter and plug it in again.</source>
        <translation>そのプログラムを探して (%1) 閉じ、アダプターを抜いて差し直してください。</translation>
    </message>
    <message>
        <source>The %1 driver took the %2 adapter %3, but no serial port appeared.</source>
        <translation>%1 ドライバーが %2 アダプター %3 を認識しましたが、シリアルポートが現れませんでした。</translation>
    </message>
    <message>
        <source>Unplug the adapter and plug it in again; the kernel says why in:</source>
        <translation>アダプターを抜いて差し直してください。理由はカーネルのメッセージでわかります：</translation>
    </message>
    <message>
        <source>The adapter %1 is on USB, but no driver took it, so it has no serial port.</source>
        <translation>アダプター %1 は USB につながっていますが、どのドライバーも認識しなかったため、シリアルポートがありません。</translation>
    </message>
    <message>
        <source>See what the kernel says of it:</source>
        <translation>カーネルのメッセージを確かめてください：</translation>
    </message>
    <message>
        <source>No driver for the %1 chip is loaded (%2), so no serial port was made.</source>
        <translation>%1 チップのドライバー (%2) が読み込まれていないため、シリアルポートが作られませんでした。</translation>
    </message>
    <message>
        <source>The %1 driver is loaded but made no serial port for this %2 adapter: it refused the chip.</source>
        <translation>%1 ドライバーは読み込まれていますが、この %2 アダプターのシリアルポートを作りませんでした。チップを受け付けていません。</translation>
    </message>
    <message>
        <source>The %1 driver is loaded but made no serial port for this %2 adapter: it refused the chip. Many cheap PL2303 cables carry counterfeit or discontinued chips (PL2303HXA, PL2303X) that the driver refuses.</source>
        <translation>%1 ドライバーは読み込まれていますが、この %2 アダプターのシリアルポートを作りませんでした。チップを受け付けていません。安価な PL2303 ケーブルの多くは、このドライバーが受け付けない偽造品や製造終了のチップ (PL2303HXA、PL2303X) を使っています。</translation>
    </message>
    <message>
        <source>See what the driver says:</source>
        <translation>ドライバーのメッセージを確かめてください：</translation>
    </message>
    <message>
        <source>Use an adapter with a genuine chip (FTDI, CP210x, CH340, or a current PL2303).</source>
        <translation>正規のチップ (FTDI、CP210x、CH340、または現行の PL2303) のアダプターを使ってください。</translation>
    </message>
    <message>
        <source>Try another cable or adapter.</source>
        <translation>別のケーブルかアダプターを試してください。</translation>
    </message>
    <message>
        <source>Load the driver:</source>
        <translation>ドライバーを読み込んでください：</translation>
    </message>
    <message>
        <source>If that fails, this kernel lacks it: install your distribution&apos;s extra kernel modules (on Ubuntu: %1).</source>
        <translation>それが失敗するなら、このカーネルにはドライバーがありません。ディストリビューションの追加カーネルモジュールをインストールしてください (Ubuntu では %1)。</translation>
    </message>
    <message>
        <source>This user may not read and write %1.</source>
        <translation>このユーザーは %1 を読み書きできません。</translation>
    </message>
    <message>
        <source>Ask the computer&apos;s administrator for access to it.</source>
        <translation>このコンピューターの管理者にアクセス権を頼んでください。</translation>
    </message>
    <message>
        <source>Windows&apos; driver refuses this adapter&apos;s chip (code %1; Device Manager calls it &quot;%2&quot;): it is an old PL2303HXA or PL2303X, or a counterfeit of one, which Prolific&apos;s current drivers no longer serve.</source>
        <translation>Windows のドライバーがこのアダプターのチップを受け付けていません (コード %1、デバイス マネージャーでの名前は「%2」)。古い PL2303HXA か PL2303X、またはその偽造品で、Prolific の現行ドライバーはもう対応していません。</translation>
    </message>
    <message>
        <source>Or install Prolific&apos;s older driver %1, which users report still serves these chips, and choose it for the port: Device Manager &gt; the port &gt; Properties &gt; Driver &gt; Update Driver &gt; Browse my computer &gt; Let me pick.</source>
        <translation>または、これらのチップでも動くと利用者が報告している Prolific の旧ドライバー %1 をインストールし、ポートに選んでください: デバイス マネージャー &gt; そのポート &gt; プロパティ &gt; ドライバー &gt; ドライバーの更新 &gt; コンピューターを参照 &gt; 一覧から選択。</translation>
    </message>
    <message>
        <source>Windows Update may put the newer driver back: turn off automatic driver downloads (System Properties &gt; Hardware &gt; Device Installation Settings &gt; No).</source>
        <translation>Windows Update が新しいドライバーを入れ直すことがあります。ドライバーの自動ダウンロードを止めてください (システムのプロパティ &gt; ハードウェア &gt; デバイスのインストール設定 &gt; いいえ)。</translation>
    </message>
    <message>
        <source>The %1 driver %2 installed for this adapter is known to close the port right after it opens, so no exchange gets through.</source>
        <translation>このアダプターに入っている %1 のドライバー %2 は、ポートを開いた直後に閉じてしまうことが知られており、やり取りが通りません。</translation>
    </message>
    <message>
        <source>Roll the driver back: Device Manager &gt; Ports (COM &amp; LPT) &gt; %1 &gt; Properties &gt; Driver &gt; Roll Back Driver.</source>
        <translation>ドライバーを元に戻してください: デバイス マネージャー &gt; ポート (COM と LPT) &gt; %1 &gt; プロパティ &gt; ドライバー &gt; ドライバーを元に戻す。</translation>
    </message>
    <message>
        <source>If Roll Back Driver is greyed out, install an earlier version of the chip maker&apos;s driver (users report that %1 works) and choose it for the port: Update Driver &gt; Browse my computer &gt; Let me pick.</source>
        <translation>「ドライバーを元に戻す」が押せないときは、チップメーカーのドライバーの以前の版 (利用者の報告では %1 が動きます) をインストールし、ポートに選んでください: ドライバーの更新 &gt; コンピューターを参照 &gt; 一覧から選択。</translation>
    </message>
    <message>
        <source>Windows has no driver installed for this %1 adapter %2 (code %3), so it has no port.</source>
        <translation>この %1 アダプター %2 には Windows のドライバーがインストールされていないため (コード %3)、ポートがありません。</translation>
    </message>
    <message>
        <source>Install the driver of the chip&apos;s maker (%1), then unplug the adapter and plug it in again.</source>
        <translation>チップメーカーのドライバー (%1) をインストールし、アダプターを抜いて挿し直してください。</translation>
    </message>
    <message>
        <source>Install the driver the adapter&apos;s maker offers for it, then unplug the adapter and plug it in again.</source>
        <translation>アダプターのメーカーが提供するドライバーをインストールし、アダプターを抜いて挿し直してください。</translation>
    </message>
    <message>
        <source>Or let Windows look for one: Device Manager &gt; the device &gt; Update Driver &gt; Search automatically for drivers.</source>
        <translation>または Windows に探させてください: デバイス マネージャー &gt; そのデバイス &gt; ドライバーの更新 &gt; ドライバーを自動的に検索。</translation>
    </message>
    <message>
        <source>Windows reports problem code %1 for %2: the device is not working.</source>
        <translation>Windows は %2 について問題コード %1 を報告しています。このデバイスは動作していません。</translation>
    </message>
    <message>
        <source>Device Manager says why: the device &gt; Properties &gt; General &gt; Device status. Unplugging the adapter and plugging it in again, or Driver &gt; Update Driver there, often helps.</source>
        <translation>理由はデバイス マネージャーに出ています: そのデバイス &gt; プロパティ &gt; 全般 &gt; デバイスの状態。アダプターの抜き挿しか、そこでのドライバー &gt; ドライバーの更新で直ることがよくあります。</translation>
    </message>
    <message>
        <source>Another program holds %1: Windows refused to open it (access denied).</source>
        <translation>別のプログラムが %1 を使用中です。Windows はこのポートを開くことを拒みました (アクセス拒否)。</translation>
    </message>
    <message>
        <source>The adapter&apos;s latency timer is %1 ms: the adapter holds the end of each reply until it runs out, so each of a full read&apos;s about 1,330 replies waits up to %1 ms, up to about %2 s in all.</source>
        <translation>アダプターの遅延タイマーは %1 ms です。アダプターはタイマーが切れるまで各応答の終わりを留めるため、全体読み込みの約 1,330 回の応答がそれぞれ最大 %1 ms 待ち、合計で最大約 %2 秒かかります。</translation>
    </message>
    <message>
        <source>Set it to 1 ms: Device Manager &gt; Ports (COM &amp; LPT) &gt; %1 &gt; Properties &gt; Port Settings &gt; Advanced &gt; Latency Timer (msec) = 1, then OK.</source>
        <translation>1 ms にしてください: デバイス マネージャー &gt; ポート (COM と LPT) &gt; %1 &gt; プロパティ &gt; ポートの設定 &gt; 詳細設定 (Advanced) &gt; Latency Timer (msec) = 1、そして OK。</translation>
    </message>
    <message>
        <source>Read back and compared: the receiver holds what was written (%n blocks).</source>
        <translation>読み戻して照合しました: 受信機は書き込んだとおりに保持しています (%n ブロック)。</translation>
    </message>
    <message>
        <source>Write Failed: read back, the receiver holds otherwise in %n places:</source>
        <translation>書き込み失敗: 読み戻すと、受信機は %n か所で書き込みと異なる内容を保持しています:</translation>
    </message>
    <message>
        <source>%1, %2: written %3, held %4</source>
        <translation>%1、%2: 書き込み %3、保持 %4</translation>
    </message>
    <message>
        <source>The write could not be checked: what it wrote could not be read back.</source>
        <translation>書き込みを確認できませんでした: 書き込んだ内容を読み戻せませんでした。</translation>
    </message>
    <message>
        <source>The write was not checked: reading it back was cancelled.</source>
        <translation>書き込みは確認されていません: 読み戻しが取り消されました。</translation>
    </message>
    <message>
        <source>%1 %2: mine %3, the receiver&apos;s %4</source>
        <translation>%1 %2: こちら %3、受信機 %4</translation>
    </message>
    <message>
        <source>Its header is none of the lists this program reads: %1.</source>
        <translation>見出しが、このプログラムの読めるリスト（%1）のどれでもありません。</translation>
    </message>
    <message>
        <source>%n channels imported, %1 skipped</source>
        <translation>%n チャンネルをインポートし、%1 件をスキップしました。</translation>
    </message>
    <message>
        <source>%n rows imported, %1 passed over</source>
        <translation>%n 行をインポートし、%1 行を読み飛ばしました。</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Export PDF</source>
        <translation>PDF にエクスポート</translation>
    </message>
</context>
<context>
    <name>Prompter</name>
    <message>
        <source>Copy Path</source>
        <translation>パスをコピー</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>The %1 replaces 1 used channel.</source>
        <translation>%1で使用中のチャンネル 1 個が置き換わります。</translation>
    </message>
    <message numerus="yes">
        <source>The %1 replaces %n used channels.</source>
        <translation>
            <numerusform>%1で使用中のチャンネル %n 個が置き換わります。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 OK</source>
        <translation>%1の確認</translation>
    </message>
    <message>
        <source>Are you sure that you want to %1?</source>
        <translation>%1を実行してもよろしいですか？</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>No file manager could open the folder. It is:</source>
        <translation>フォルダーを開けるファイル マネージャーがありません。フォルダーの場所:</translation>
    </message>
</context>
<context>
    <name>wrk7::AboutBox</name>
    <message>
        <source>About %1</source>
        <translation>%1 のバージョン情報</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Every completed read from the receiver is also kept as a clone file in:
%1
(the newest 20 are kept).</source>
        <translation>受信機からの読み出しが終わるたびに、その内容はクローンファイルとして次の場所にも保存されます：
%1
（新しいものから 20 個を残します。）</translation>
    </message>
    <message>
        <source>This program is provided as is, without warranty of any kind. Writing to a receiver replaces its memory; keep a backup of what it held before you write.</source>
        <translation>このプログラムは現状のまま提供され、いかなる保証もありません。受信機に書き込むとそのメモリーは置き換わります。書き込む前に、受信機の内容をバックアップしておいてください。</translation>
    </message>
</context>
<context>
    <name>wrk7::AppearanceMenu</name>
    <message>
        <source>System(&amp;S)</source>
        <translation>システム(&amp;S)</translation>
    </message>
    <message>
        <source>English(&amp;E)</source>
        <translation>English(&amp;E)</translation>
    </message>
    <message>
        <source>日本語 - Japanese(&amp;J)</source>
        <translation>日本語(&amp;J)</translation>
    </message>
    <message>
        <source>Light(&amp;L)</source>
        <translation>ライト(&amp;L)</translation>
    </message>
    <message>
        <source>Dark(&amp;D)</source>
        <translation>ダーク(&amp;D)</translation>
    </message>
    <message>
        <source>Theme(&amp;M)</source>
        <translation>テーマ(&amp;M)</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>言語(&amp;L)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>The language chosen applies from the next start.</source>
        <translation>選んだ言語は次回の起動から使われます。</translation>
    </message>
</context>
<context>
    <name>wrk7::BankPage</name>
    <message>
        <source>Read Bank</source>
        <translation>バンクの読み出し</translation>
    </message>
    <message>
        <source>Write Bank</source>
        <translation>バンクの書き込み</translation>
    </message>
    <message>
        <source>Read Group</source>
        <translation>グループの読み出し</translation>
    </message>
    <message>
        <source>Write Group</source>
        <translation>グループの書き込み</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>BANK %1 - %2</source>
        <translation>バンク %1 - %2</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>リンク</translation>
    </message>
    <message>
        <source>Link Bank %1</source>
        <translation>バンク %1 のリンク</translation>
    </message>
    <message>
        <source>Unlink Bank %1</source>
        <translation>バンク %1 のリンク解除</translation>
    </message>
    <message>
        <source>Add Bank %1 to %2</source>
        <translation>バンク %1 を %2 に追加</translation>
    </message>
    <message>
        <source>Remove Bank %1 from %2</source>
        <translation>バンク %1 を %2 から外す</translation>
    </message>
    <message>
        <source>Change Bank %1</source>
        <translation>バンク %1 の変更</translation>
    </message>
    <message>
        <source>Last group change</source>
        <translation>最後に変更したグループ</translation>
    </message>
    <message>
        <source>%1, bank %2</source>
        <translation>%1、バンク %2</translation>
    </message>
    <message numerus="yes">
        <source>%n from bank %1</source>
        <translation>
            <numerusform>バンク %1 から %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Raise bank %1 to %2 and take %3?</source>
        <translation>バンク %1 を %2 に増やし、%3 チャンネルを移しますか?</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>&amp;Take Them</source>
        <translation>移す(&amp;T)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>wrk7::CableTestDialog</name>
    <message>
        <source>Cable Test</source>
        <translation>ケーブルテスト</translation>
    </message>
    <message>
        <source>Port: %1</source>
        <translation>ポート: %1</translation>
    </message>
    <message>
        <source>Loopback</source>
        <translation>ループバック</translation>
    </message>
    <message>
        <source>Ask the receiver</source>
        <translation>受信機に問い合わせる</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Sends the identification of the %1 once and shows what answers it.</source>
        <translation>%1 の識別コマンドを1回送り、返ってきた応答を表示します。</translation>
    </message>
    <message>
        <source>Join transmit and receive (TX to RX) at the receiver end of the cable, with the receiver unplugged.</source>
        <translation>受信機を外し、ケーブルの受信機側で送信と受信 (TX と RX) をつないでください。</translation>
    </message>
    <message>
        <source>Testing...</source>
        <translation>テスト中...</translation>
    </message>
    <message>
        <source>Sent: %1 bytes, every value from 00 to FF and back</source>
        <translation>送信: %1 バイト (00 から FF までのすべての値を往復)</translation>
    </message>
    <message>
        <source>Sent: %1</source>
        <translation>送信: %1</translation>
    </message>
    <message>
        <source>Serial trace not saved: %1</source>
        <translation>シリアルトレースを保存できませんでした: %1</translation>
    </message>
    <message>
        <source>Serial trace: %1</source>
        <translation>シリアルトレース: %1</translation>
    </message>
    <message>
        <source>A loopback test was sent on this port before: a receiver on the cable may still hold part of it. Start the test again to ask once more.</source>
        <translation>このポートでは先にループバックテストを送りました。ケーブルにつないだ受信機がその一部をまだ保持しているかもしれません。もう一度開始して問い合わせ直してください。</translation>
    </message>
</context>
<context>
    <name>wrk7::ChangeChannelsDialog</name>
    <message>
        <source>Not skipped</source>
        <translation>スキップしない</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>スキップする</translation>
    </message>
    <message>
        <source>Change Channels</source>
        <translation>チャンネルの一括変更</translation>
    </message>
    <message>
        <source>Check the fields to change on all %1 channels.</source>
        <translation>%1 チャンネルすべてで変更する項目にチェックを付けてください。</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>シフト</translation>
    </message>
    <message>
        <source>Tuning Step</source>
        <translation>ステップ</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>トーン</translation>
    </message>
    <message>
        <source>Secret Code</source>
        <translation>秘話コード</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>キャリア</translation>
    </message>
    <message>
        <source>Offset Frequency</source>
        <translation>オフセット周波数</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>スキップ</translation>
    </message>
</context>
<context>
    <name>wrk7::ChannelEditor</name>
    <message>
        <source>Modify Memory</source>
        <translation>メモリーの変更</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>周波数</translation>
    </message>
    <message>
        <source>Offset Frequency</source>
        <translation>オフセット周波数</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>シフト</translation>
    </message>
    <message>
        <source>Tuning Step</source>
        <translation>ステップ</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>トーン</translation>
    </message>
    <message>
        <source>Secret Code</source>
        <translation>秘話コード</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>キャリア</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>保持</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Program Scan</source>
        <translation>プログラムスキャン</translation>
    </message>
    <message>
        <source>Search Pass</source>
        <translation>サーチパス</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>プライオリティ</translation>
    </message>
    <message>
        <source>Bank %1</source>
        <translation>バンク %1</translation>
    </message>
    <message>
        <source>%1Ch</source>
        <translation>%1 チャンネル</translation>
    </message>
    <message>
        <source>Modify VFO</source>
        <translation>VFO の変更</translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation>バンド %1</translation>
    </message>
    <message>
        <source>%1 is not taken. %2 The box holds %3 again.</source>
        <translation>%1 は設定できません。%2 元の %3 に戻しました。</translation>
    </message>
    <message>
        <source>An empty frequency</source>
        <translation>空の周波数</translation>
    </message>
    <message>
        <source>%1 MHz is off the %2 raster: the receiver keeps it and tunes from it in steps of %2. On the raster: %3 or %4 MHz.</source>
        <translation>%1 MHz は %2 ステップの刻みから外れています。受信機はこの周波数を保持し、そこから %2 ずつ同調します。刻みの上の周波数: %3 または %4 MHz。</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Train</source>
        <translation>トレイン</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>リバース</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>秘話</translation>
    </message>
</context>
<context>
    <name>wrk7::CloneDocument</name>
    <message>
        <source>Import %1</source>
        <translation>%1 のインポート</translation>
    </message>
</context>
<context>
    <name>wrk7::ComDialog</name>
    <message>
        <source>device missing</source>
        <translation>デバイスがありません</translation>
    </message>
    <message>
        <source>no permission: join group %1</source>
        <translation>権限がありません：グループ %1 に参加してください</translation>
    </message>
    <message>
        <source>busy: another program holds it</source>
        <translation>使用中：別のプログラムが使っています</translation>
    </message>
    <message>
        <source>(no device on this machine)</source>
        <translation>（このマシンにはデバイスがありません）</translation>
    </message>
    <message>
        <source>COM Port Setup</source>
        <translation>COM ポートセットアップ</translation>
    </message>
    <message>
        <source>Device path:</source>
        <translation>デバイスのパス:</translation>
    </message>
    <message>
        <source>Device path</source>
        <translation>デバイスのパス</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>This run uses: %1</source>
        <translation>今回使うポート: %1</translation>
    </message>
    <message>
        <source>Test Cable...</source>
        <translation>ケーブルテスト...</translation>
    </message>
    <message>
        <source>Check...</source>
        <translation>確認...</translation>
    </message>
    <message>
        <source>Why a port may not open, and what to do</source>
        <translation>ポートが開けない理由と対処方法</translation>
    </message>
    <message>
        <source>no serial number</source>
        <translation>シリアル番号なし</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>シリアル番号 %1</translation>
    </message>
    <message>
        <source>&amp;Keep this adapter: find it again when it gets another port</source>
        <translation>このアダプターを登録(&amp;K): 別のポートになっても見つける</translation>
    </message>
    <message>
        <source>The adapter is known by its USB ids and serial number, not by its port number</source>
        <translation>アダプターはポート番号ではなく、USB ID とシリアル番号で識別します</translation>
    </message>
    <message>
        <source>Only a USB adapter can be kept by what it is</source>
        <translation>登録できるのは USB アダプターだけです</translation>
    </message>
    <message>
        <source>Tests %1</source>
        <translation>%1 をテストします</translation>
    </message>
</context>
<context>
    <name>wrk7::Commands</name>
    <message>
        <source>Cut(&amp;T)</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>Copy(&amp;C)</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Paste(&amp;P)</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>Clear(&amp;L)</source>
        <translation>クリア(&amp;L)</translation>
    </message>
    <message>
        <source>Enable(&amp;E)</source>
        <translation>有効(&amp;E)</translation>
    </message>
    <message>
        <source>Disable(&amp;S)</source>
        <translation>無効(&amp;S)</translation>
    </message>
    <message>
        <source>Insert(&amp;I)</source>
        <translation>挿入(&amp;I)</translation>
    </message>
    <message>
        <source>Delete(&amp;D)</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Change Channels(&amp;H)...</source>
        <translation>チャンネルの一括変更(&amp;H)...</translation>
    </message>
    <message>
        <source>Pack(&amp;K)</source>
        <translation>詰める(&amp;K)</translation>
    </message>
    <message>
        <source>Move Up(&amp;A)</source>
        <translation>上へ移動(&amp;A)</translation>
    </message>
    <message>
        <source>Move Down(&amp;W)</source>
        <translation>下へ移動(&amp;W)</translation>
    </message>
    <message>
        <source>Find(&amp;F)...</source>
        <translation>検索(&amp;F)...</translation>
    </message>
    <message>
        <source>Find Next(&amp;N)</source>
        <translation>次を検索(&amp;N)</translation>
    </message>
    <message>
        <source>Find Previous(&amp;V)</source>
        <translation>前を検索(&amp;V)</translation>
    </message>
    <message>
        <source>Go To(&amp;G)...</source>
        <translation>移動(&amp;G)...</translation>
    </message>
    <message>
        <source>Find Duplicates(&amp;B)</source>
        <translation>重複を検索(&amp;B)</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>すべてクリア</translation>
    </message>
    <message>
        <source>Enable All</source>
        <translation>すべて有効</translation>
    </message>
    <message>
        <source>Disable All</source>
        <translation>すべて無効</translation>
    </message>
    <message>
        <source>Sort(&amp;O)</source>
        <translation>並べ替え(&amp;O)</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>周波数</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>ステップ</translation>
    </message>
    <message>
        <source>, Descending</source>
        <translation> 降順</translation>
    </message>
    <message>
        <source>, Ascending</source>
        <translation> 昇順</translation>
    </message>
    <message>
        <source>Read Bank</source>
        <translation>バンクの読み出し</translation>
    </message>
    <message>
        <source>Write Bank</source>
        <translation>バンクの書き込み</translation>
    </message>
    <message>
        <source>Read Group</source>
        <translation>グループの読み出し</translation>
    </message>
    <message>
        <source>Write Group</source>
        <translation>グループの書き込み</translation>
    </message>
    <message>
        <source>%1 Channels</source>
        <translation>%1 チャンネル</translation>
    </message>
    <message>
        <source>Modify %1</source>
        <translation>%1 の変更</translation>
    </message>
    <message>
        <source>Modify Band %1</source>
        <translation>バンド %1 の変更</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>%1 のクリア</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 の削除</translation>
    </message>
    <message>
        <source>Insert %1</source>
        <translation>%1 の挿入</translation>
    </message>
    <message>
        <source>Enable %1</source>
        <translation>%1 を有効に</translation>
    </message>
    <message>
        <source>Disable %1</source>
        <translation>%1 を無効に</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>%1 の変更</translation>
    </message>
    <message>
        <source>Sort %1</source>
        <translation>%1 の並べ替え</translation>
    </message>
    <message>
        <source>Pack %1</source>
        <translation>%1 を詰める</translation>
    </message>
    <message>
        <source>Move %1 Up</source>
        <translation>%1 を上へ移動</translation>
    </message>
    <message>
        <source>Move %1 Down</source>
        <translation>%1 を下へ移動</translation>
    </message>
    <message>
        <source>CLEAR OK</source>
        <translation>クリアの確認</translation>
    </message>
    <message>
        <source>DISABLE OK</source>
        <translation>無効化の確認</translation>
    </message>
    <message>
        <source>Edit &gt; Undo brings them back.</source>
        <translation>「編集」&gt;「元に戻す」で元に戻せます。</translation>
    </message>
    <message>
        <source>Disabling empties the channels; Edit &gt; Undo brings them back.</source>
        <translation>無効にするとチャンネルは空になります。「編集」&gt;「元に戻す」で元に戻せます。</translation>
    </message>
    <message numerus="yes">
        <source>%n rows are selected.</source>
        <translation>
            <numerusform>%n 行を選択しています。</numerusform>
        </translation>
    </message>
    <message>
        <source>Are you sure that you want to clear all memory?</source>
        <translation>すべてのメモリーをクリアしてもよろしいですか？</translation>
    </message>
    <message>
        <source>Are you sure that you want to do the clear?</source>
        <translation>クリアしてもよろしいですか？</translation>
    </message>
    <message>
        <source>DELETE OK</source>
        <translation>削除の確認</translation>
    </message>
    <message>
        <source>Edit &gt; Undo brings it back.</source>
        <translation>「編集」&gt;「元に戻す」で元に戻せます。</translation>
    </message>
    <message>
        <source>Are you sure that you want to do the delete?</source>
        <translation>削除してもよろしいですか？</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;</source>
        <translation>%1「%2」</translation>
    </message>
    <message>
        <source>INSERT OK</source>
        <translation>挿入の確認</translation>
    </message>
    <message>
        <source>Inserting pushes %1 past the first %2 channels, where it is lost; Edit &gt; Undo brings it back.</source>
        <translation>挿入すると %1 が先頭の %2 チャンネルからはみ出して失われます。「編集」&gt;「元に戻す」で元に戻せます。</translation>
    </message>
    <message>
        <source>Are you sure that you want to do the insert?</source>
        <translation>挿入してもよろしいですか？</translation>
    </message>
    <message>
        <source>Are you sure that you want to disable them?</source>
        <translation>無効にしてもよろしいですか？</translation>
    </message>
    <message>
        <source>Disabling empties the channel; Edit &gt; Undo brings it back.</source>
        <translation>無効にするとチャンネルは空になります。「編集」&gt;「元に戻す」で元に戻せます。</translation>
    </message>
    <message>
        <source>Are you sure that you want to disable it?</source>
        <translation>無効にしてもよろしいですか？</translation>
    </message>
    <message>
        <source>ENABLE OK</source>
        <translation>有効化の確認</translation>
    </message>
    <message>
        <source>Are you sure that you want to enable them?</source>
        <translation>有効にしてもよろしいですか？</translation>
    </message>
    <message>
        <source>Are you sure that you want to disable all memory?</source>
        <translation>すべてのメモリーを無効にしてもよろしいですか？</translation>
    </message>
    <message>
        <source>No duplicates: no two used rows hold the same frequency and mode.</source>
        <translation>重複はありません。周波数とモードが同じ使用中の行はありません。</translation>
    </message>
    <message>
        <source>1 group of duplicates (%1 rows) is selected.</source>
        <translation>重複 1 組（%1 行）を選択しました。</translation>
    </message>
    <message numerus="yes">
        <source>%n groups of duplicates (%1 rows) are selected.</source>
        <translation>
            <numerusform>重複 %n 組（%1 行）を選択しました。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>wrk7::CompareDialog</name>
    <message>
        <source>Compare With %1</source>
        <translation>%1 と比較</translation>
    </message>
    <message>
        <source>The images are the same.</source>
        <translation>内容は同じです。</translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation>相違点 %1 件</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>項目</translation>
    </message>
    <message>
        <source>This image</source>
        <translation>このイメージ</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>相違点</translation>
    </message>
</context>
<context>
    <name>wrk7::FileCommands</name>
    <message>
        <source>Save anyway</source>
        <translation>このまま保存</translation>
    </message>
    <message>
        <source>Compare With(&amp;C)...</source>
        <translation>比較(&amp;C)...</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>変更の保存</translation>
    </message>
    <message>
        <source>Save changes to settings?</source>
        <translation>設定の変更を保存しますか？</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
    <message>
        <source>Save the repairs made when the file was opened?</source>
        <translation>ファイルを開いたときの修復を保存しますか?</translation>
    </message>
    <message>
        <source>the channels</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>the bank table</source>
        <translation>バンク表</translation>
    </message>
    <message>
        <source>the scan groups</source>
        <translation>スキャングループ</translation>
    </message>
    <message>
        <source>the settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>変更を保存しますか?</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>%1 の変更を保存しますか?</translation>
    </message>
</context>
<context>
    <name>wrk7::FileDrops</name>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message numerus="yes">
        <source>%n files were dropped at once.</source>
        <translation>
            <numerusform>%n 個のファイルが一度にドロップされました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Drop one file at a time: a clone file opens, a channel list is imported.</source>
        <translation>ファイルは一つずつドロップしてください。クローンファイルは開かれ、チャンネルリストはインポートされます。</translation>
    </message>
</context>
<context>
    <name>wrk7::FindBar</name>
    <message>
        <source>Find:</source>
        <translation>検索:</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>前へ</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>閉じる (Esc)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Go to:</source>
        <translation>移動先:</translation>
    </message>
    <message>
        <source>145.5, 118-137 or a name or note</source>
        <translation>145.5、118-137、名前またはメモ</translation>
    </message>
    <message>
        <source>07-012, 0A, S5, Pr10 or slot 0-1299</source>
        <translation>07-012、0A、S5、Pr10 またはスロット 0-1299</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>移動</translation>
    </message>
    <message>
        <source>Duplicates:</source>
        <translation>重複:</translation>
    </message>
    <message>
        <source>No duplicates are left.</source>
        <translation>重複はもうありません。</translation>
    </message>
    <message>
        <source>No row matches &quot;%1&quot;.</source>
        <translation>「%1」に一致する行はありません。</translation>
    </message>
    <message>
        <source>There is no row &quot;%1&quot;.</source>
        <translation>行「%1」はありません。</translation>
    </message>
</context>
<context>
    <name>wrk7::GridClipboard</name>
    <message>
        <source>Cut %1</source>
        <translation>%1 の切り取り</translation>
    </message>
    <message>
        <source>Paste %1</source>
        <translation>%1 の貼り付け</translation>
    </message>
    <message numerus="yes">
        <source>%n VFO Bands</source>
        <translation>
            <numerusform>%n 個の VFO バンド</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>wrk7::GridHeading</name>
    <message>
        <source>Frequency</source>
        <translation>周波数</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>ステップ</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>キャリア</translation>
    </message>
    <message>
        <source>Scr</source>
        <translation>秘話</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>トーン</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>シフト</translation>
    </message>
    <message>
        <source>ShiftFreq.</source>
        <translation>シフト周波数</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
</context>
<context>
    <name>wrk7::HistoryActions</name>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
</context>
<context>
    <name>wrk7::ImportReportDialog</name>
    <message>
        <source>Channel</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>理由</translation>
    </message>
    <message>
        <source>Rows not taken whole</source>
        <translation>そのままでは取り込めなかった行</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>行</translation>
    </message>
</context>
<context>
    <name>wrk7::ListImportDialog</name>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2, %n rows</source>
        <translation>
            <numerusform>%1: %2、%n 行</numerusform>
        </translation>
    </message>
    <message>
        <source>Rows of the list</source>
        <translation>リストの行</translation>
    </message>
    <message>
        <source>Filter by</source>
        <translation>絞り込みの項目</translation>
    </message>
    <message>
        <source>Any text</source>
        <translation>すべてのテキスト</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>タグ</translation>
    </message>
    <message>
        <source>Agency</source>
        <translation>機関</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>グループ</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>County</source>
        <translation>郡</translation>
    </message>
    <message>
        <source>Filter text</source>
        <translation>絞り込みのテキスト</translation>
    </message>
    <message>
        <source>Show rows holding...</source>
        <translation>この文字を含む行を表示...</translation>
    </message>
    <message>
        <source>C&amp;hoose Shown</source>
        <translation>表示行を選択(&amp;H)</translation>
    </message>
    <message>
        <source>C&amp;lear Shown</source>
        <translation>表示行の選択を解除(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>絞り込み(&amp;F):</translation>
    </message>
    <message>
        <source>Place the chosen rows</source>
        <translation>選択した行の入れ先</translation>
    </message>
    <message>
        <source>In &amp;empty slots only, from row</source>
        <translation>空きスロットのみ、次の行から(&amp;E)</translation>
    </message>
    <message>
        <source>In &amp;consecutive slots from row</source>
        <translation>次の行から連続したスロットに(&amp;C)</translation>
    </message>
    <message>
        <source>Into &amp;bank</source>
        <translation>バンクに(&amp;B)</translation>
    </message>
    <message>
        <source>First row</source>
        <translation>最初の行</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>バンク</translation>
    </message>
    <message>
        <source>&amp;Grow it from the banks after it when the rows need more room</source>
        <translation>足りないときは後のバンクから増やす(&amp;G)</translation>
    </message>
    <message>
        <source>A row a used slot already holds</source>
        <translation>使用中のスロットに既にある行</translation>
    </message>
    <message>
        <source>Skip a row a used slot already holds</source>
        <translation>使用中のスロットに既にある行はスキップする</translation>
    </message>
    <message>
        <source>Replace the channel that holds it, in its slot</source>
        <translation>そのスロットのチャンネルを置き換える</translation>
    </message>
    <message>
        <source>At each row&apos;s &amp;own Location</source>
        <translation>各行の Location の位置(&amp;O)</translation>
    </message>
    <message>
        <source>Import it where the rows go, beside the channel that holds it</source>
        <translation>そのチャンネルとは別に、行の置き場所にインポートする</translation>
    </message>
    <message>
        <source>this program&apos;s CSV</source>
        <translation>このプログラムの CSV</translation>
    </message>
    <message>
        <source>CHIRP CSV</source>
        <translation>CHIRP CSV</translation>
    </message>
    <message>
        <source>frequency-database export</source>
        <translation>周波数データベースのエクスポート</translation>
    </message>
    <message>
        <source>repeater directory export</source>
        <translation>レピーター名簿のエクスポート</translation>
    </message>
    <message>
        <source>gqrx bookmarks</source>
        <translation>gqrx のブックマーク</translation>
    </message>
    <message>
        <source>SDR# frequency manager</source>
        <translation>SDR# の周波数マネージャー</translation>
    </message>
    <message>
        <source>SDR++ frequency manager</source>
        <translation>SDR++ の周波数マネージャー</translation>
    </message>
    <message>
        <source>Clear the filter</source>
        <translation>フィルターを消去</translation>
    </message>
</context>
<context>
    <name>wrk7::ListPreviewModel</name>
    <message>
        <source>Import</source>
        <translation>取込</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>行番号</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>周波数</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>トーン</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>元の値</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>no frequency</source>
        <translation>周波数なし</translation>
    </message>
    <message>
        <source>not chosen</source>
        <translation>選択なし</translation>
    </message>
</context>
<context>
    <name>wrk7::ListingPrint</name>
    <message>
        <source>Printer Error</source>
        <translation>プリンターエラー</translation>
    </message>
    <message>
        <source>Print Preview(&amp;V)...</source>
        <translation>印刷プレビュー(&amp;V)...</translation>
    </message>
    <message>
        <source>Export PDF(&amp;D)...</source>
        <translation>PDF にエクスポート(&amp;D)...</translation>
    </message>
</context>
<context>
    <name>wrk7::MainWindow</name>
    <message>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
    <message>
        <source>Listing written to %1</source>
        <translation>一覧を %1 に書き出しました</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>その他のツール</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>最近使ったファイル</translation>
    </message>
    <message>
        <source>%1 no longer exists.</source>
        <translation>%1 はもう存在しません。</translation>
    </message>
    <message>
        <source>It has been removed from the list.</source>
        <translation>一覧から削除しました。</translation>
    </message>
</context>
<context>
    <name>wrk7::MemoryPage</name>
    <message>
        <source>VFO bands</source>
        <translation>VFO バンド</translation>
    </message>
    <message>
        <source>Memory channels</source>
        <translation>メモリーチャンネル</translation>
    </message>
    <message>
        <source>Bank %1</source>
        <translation>バンク %1</translation>
    </message>
    <message>
        <source>Program Scan</source>
        <translation>プログラムスキャン</translation>
    </message>
    <message>
        <source>Seach Pass</source>
        <translation>サーチパス</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>プライオリティ</translation>
    </message>
    <message>
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>View</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>読み出し</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>書き込み</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>すべてクリア</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>挿入</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上へ</translation>
    </message>
    <message>
        <source>Enable All</source>
        <translation>すべて有効</translation>
    </message>
    <message>
        <source>Disable All</source>
        <translation>すべて無効</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下へ</translation>
    </message>
</context>
<context>
    <name>wrk7::MemoryRowBox</name>
    <message>
        <source>There is no memory row &quot;%1&quot;: give a row label such as 07-000, or a slot 0-999.</source>
        <translation>メモリーの行「%1」はありません。07-000 のような行ラベルか、スロット 0-999 を入れてください。</translation>
    </message>
</context>
<context>
    <name>wrk7::MergeDialog</name>
    <message>
        <source>Merge with Receiver</source>
        <translation>受信機と統合</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>項目</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>ウィンドウ</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>受信機</translation>
    </message>
    <message>
        <source>The read the window&apos;s image came from:</source>
        <translation>ウィンドウのイメージの元の読み出し:</translation>
    </message>
    <message>
        <source>from the receiver</source>
        <translation>受信機から</translation>
    </message>
    <message>
        <source>stays from the window</source>
        <translation>ウィンドウのまま</translation>
    </message>
    <message>
        <source>mine</source>
        <translation>こちら</translation>
    </message>
    <message>
        <source>the receiver&apos;s</source>
        <translation>受信機</translation>
    </message>
    <message>
        <source>Conflict: %1 %2</source>
        <translation>競合: %1 %2</translation>
    </message>
    <message>
        <source>No read to merge from: choose one above.</source>
        <translation>統合の元になる読み出しがありません。上で選んでください。</translation>
    </message>
    <message>
        <source>%1 from the receiver, %2 from the window, %3 conflicts (choose a side for each).</source>
        <translation>受信機から %1 件、ウィンドウから %2 件、競合 %3 件 (それぞれどちらを取るか選んでください)。</translation>
    </message>
</context>
<context>
    <name>wrk7::PortDoctorDialog</name>
    <message>
        <source>No permission:</source>
        <translation>権限がありません:</translation>
    </message>
    <message>
        <source>In use:</source>
        <translation>使用中:</translation>
    </message>
    <message>
        <source>Braille display service:</source>
        <translation>点字ディスプレイのサービス:</translation>
    </message>
    <message>
        <source>ModemManager:</source>
        <translation>ModemManager:</translation>
    </message>
    <message>
        <source>No port:</source>
        <translation>ポートがありません:</translation>
    </message>
    <message>
        <source>Port Check</source>
        <translation>ポートの確認</translation>
    </message>
    <message>
        <source>Serial devices and what stands in their way</source>
        <translation>シリアルデバイスと使えない理由</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Copy the whole report</source>
        <translation>報告全体をコピー</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>The system&apos;s list of serial devices could not be read.</source>
        <translation>システムのシリアルデバイス一覧を読み取れませんでした。</translation>
    </message>
    <message>
        <source>No serial device found.</source>
        <translation>シリアルデバイスが見つかりません。</translation>
    </message>
    <message>
        <source>USB %1: no serial port</source>
        <translation>USB %1: シリアルポートなし</translation>
    </message>
    <message>
        <source>By id:</source>
        <translation>By id:</translation>
    </message>
    <message>
        <source>USB:</source>
        <translation>USB:</translation>
    </message>
    <message>
        <source>Chip:</source>
        <translation>チップ:</translation>
    </message>
    <message>
        <source>Driver:</source>
        <translation>ドライバー:</translation>
    </message>
    <message>
        <source>What to do:</source>
        <translation>対処方法:</translation>
    </message>
    <message>
        <source>Nothing stands in its way.</source>
        <translation>問題は見つかりません。</translation>
    </message>
    <message>
        <source>Chip refused:</source>
        <translation>チップ拒否:</translation>
    </message>
    <message>
        <source>Faulty driver:</source>
        <translation>不具合のあるドライバー:</translation>
    </message>
    <message>
        <source>No driver:</source>
        <translation>ドライバーなし:</translation>
    </message>
    <message>
        <source>Device problem:</source>
        <translation>デバイスの問題:</translation>
    </message>
    <message>
        <source>Slow adapter:</source>
        <translation>遅いアダプター:</translation>
    </message>
    <message>
        <source>Passed over: %1</source>
        <translation>読み飛ばした行: %1</translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation>シリアル番号:</translation>
    </message>
    <message>
        <source>Driver package:</source>
        <translation>ドライバー パッケージ:</translation>
    </message>
    <message>
        <source>Problem code:</source>
        <translation>問題コード:</translation>
    </message>
    <message>
        <source>Latency timer:</source>
        <translation>遅延タイマー:</translation>
    </message>
    <message>
        <source>%1 ms (1 ms while this program has it open)</source>
        <translation>%1 ms (このプログラムが開いている間は 1 ms)</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
</context>
<context>
    <name>wrk7::PrintSelectionDialog</name>
    <message>
        <source>Print Selection</source>
        <translation>印刷する範囲</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>VFO Data</source>
        <translation>VFO データ</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>メモリー</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>wrk7::ProblemReportDialog</name>
    <message>
        <source>the program&apos;s log</source>
        <translation>プログラムのログ</translation>
    </message>
    <message>
        <source>a serial trace</source>
        <translation>シリアルトレース</translation>
    </message>
    <message>
        <source>a backup of the receiver</source>
        <translation>受信機のバックアップ</translation>
    </message>
    <message>
        <source>the backups&apos; models</source>
        <translation>バックアップの機種一覧</translation>
    </message>
    <message>
        <source>The program&apos;s version, the system and Qt</source>
        <translation>プログラムのバージョン、システムと Qt</translation>
    </message>
    <message>
        <source>The port doctor&apos;s report</source>
        <translation>ポート診断の報告</translation>
    </message>
    <message>
        <source>The port settings and the other choices kept</source>
        <translation>ポートの設定とその他の保存された選択</translation>
    </message>
    <message>
        <source>Report a Problem</source>
        <translation>問題の報告</translation>
    </message>
    <message>
        <source>A report puts what the program knows of a problem in one ZIP file, to send with a description of what happened. It holds:</source>
        <translation>報告は、問題についてプログラムが知っていることを 1 つの ZIP ファイルにまとめます。何が起きたかの説明と一緒に送ってください。含まれるもの:</translation>
    </message>
    <message>
        <source>What the report holds</source>
        <translation>報告に含まれるもの</translation>
    </message>
    <message>
        <source>&amp;Leave out the channels&apos; names and notes</source>
        <translation>チャンネルの名前とメモを含めない(&amp;L)</translation>
    </message>
    <message>
        <source>Blanked in every clone file and serial trace the report holds</source>
        <translation>報告に含まれるすべてのクローンファイルとシリアルトレースで空白にします</translation>
    </message>
    <message>
        <source>&amp;Save Report...</source>
        <translation>報告を保存(&amp;S)...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>報告を保存</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>ZIP ファイル (*.zip)</translation>
    </message>
    <message>
        <source>The report could not be saved.</source>
        <translation>報告を保存できませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>The report is saved, %n file(s) in all. Send it with a description of what happened.</source>
        <translation>
            <numerusform>報告を保存しました（全 %n ファイル）。何が起きたかの説明と一緒に送ってください。</numerusform>
        </translation>
    </message>
    <message>
        <source>Left out, as they could not be read: %1</source>
        <translation>読めなかったため含めなかったもの: %1</translation>
    </message>
</context>
<context>
    <name>wrk7::RecentFilesMenu</name>
    <message>
        <source>Recent Files(&amp;F)</source>
        <translation>最近使ったファイル(&amp;F)</translation>
    </message>
</context>
<context>
    <name>wrk7::RestoreDialog</name>
    <message>
        <source>Restore Receiver</source>
        <translation>受信機の復元</translation>
    </message>
    <message>
        <source>Backups in %1, newest first.</source>
        <translation>%1 にあるバックアップ（新しい順）</translation>
    </message>
    <message>
        <source>Restore writes the chosen backup whole to the receiver. The window&apos;s own image does not change.</source>
        <translation>復元は選んだバックアップをすべて受信機に書き込みます。ウィンドウで編集中のイメージは変わりません。</translation>
    </message>
    <message>
        <source>before a write</source>
        <translation>書き込みの前</translation>
    </message>
    <message>
        <source>after a read</source>
        <translation>読み出しの後</translation>
    </message>
    <message>
        <source>not recorded</source>
        <translation>記録なし</translation>
    </message>
    <message>
        <source>When</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>取得</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>機種</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>チャンネル数</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>バックアップ</translation>
    </message>
    <message>
        <source>cannot be loaded: %1</source>
        <translation>読み込めません: %1</translation>
    </message>
    <message>
        <source>There are no backups yet: %1 holds none.</source>
        <translation>バックアップはまだありません: %1 には何もありません。</translation>
    </message>
    <message>
        <source>There are no backups yet: %1 does not exist.</source>
        <translation>バックアップはまだありません: %1 がありません。</translation>
    </message>
    <message>
        <source>&amp;Compare With Window...</source>
        <translation>ウィンドウと比較(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Restore...</source>
        <translation>復元(&amp;R)...</translation>
    </message>
    <message>
        <source>The backup could not be loaded.</source>
        <translation>バックアップを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Write the backup of %1 (%2) to the receiver?</source>
        <translation>%1 のバックアップ（%2）を受信機に書き込みますか？</translation>
    </message>
    <message>
        <source>Everything the receiver holds is replaced: the settings, the VFO bands, every memory channel, the bank table and the scan groups. What it holds now is backed up first.</source>
        <translation>受信機の内容はすべて置き換わります: 設定、VFO バンド、すべてのメモリーチャンネル、バンク表、スキャングループ。いまの内容は先にバックアップします。</translation>
    </message>
    <message>
        <source>The backup does not record its model; it is written as a %1, the window&apos;s.</source>
        <translation>このバックアップには機種の記録がありません。ウィンドウの機種 %1 として書き込みます。</translation>
    </message>
    <message>
        <source>The backup is of a %1 and is written as one; the window holds a %2.</source>
        <translation>このバックアップは %1 のもので、%1 として書き込みます。ウィンドウの機種は %2 です。</translation>
    </message>
    <message>
        <source>The window&apos;s own image does not change.</source>
        <translation>ウィンドウで編集中のイメージは変わりません。</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>Write All</source>
        <translation>すべての書き込み</translation>
    </message>
    <message>
        <source>Write Settings</source>
        <translation>設定の書き込み</translation>
    </message>
    <message>
        <source>Write Memory</source>
        <translation>メモリーの書き込み</translation>
    </message>
    <message>
        <source>Write Bank</source>
        <translation>バンクの書き込み</translation>
    </message>
    <message>
        <source>Write Group</source>
        <translation>グループの書き込み</translation>
    </message>
    <message>
        <source>a restore</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>written</source>
        <translation>書き込み完了</translation>
    </message>
    <message>
        <source>written, not read back</source>
        <translation>書き込み完了、読み戻しなし</translation>
    </message>
    <message>
        <source>written, read back otherwise</source>
        <translation>書き込み完了、読み戻すと相違あり</translation>
    </message>
    <message>
        <source>stopped, the receiver partly written</source>
        <translation>中断、受信機は一部だけ書き込み済み</translation>
    </message>
    <message>
        <source>failed, nothing written</source>
        <translation>失敗、何も書き込まれていません</translation>
    </message>
    <message>
        <source>before %1: %2</source>
        <translation>%1 の前: %2</translation>
    </message>
</context>
<context>
    <name>wrk7::SettingsPages</name>
    <message>
        <source>Read Settings</source>
        <translation>設定の読み出し</translation>
    </message>
    <message>
        <source>Write Settings</source>
        <translation>設定の書き込み</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>機種</translation>
    </message>
    <message>
        <source>Band Plan Editor</source>
        <translation>バンドプランの編集</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>スイッチ</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>リスト</translation>
    </message>
    <message>
        <source>Lo Volume</source>
        <translation>低音量</translation>
    </message>
    <message>
        <source>Squelch level</source>
        <translation>スケルチレベル</translation>
    </message>
    <message>
        <source>AF volume level</source>
        <translation>音量レベル</translation>
    </message>
    <message>
        <source>Antenna</source>
        <translation>アンテナ</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>ランプ</translation>
    </message>
    <message>
        <source>Band Transition</source>
        <translation>バンドの移り方</translation>
    </message>
    <message>
        <source>Auto Power Off</source>
        <translation>オートパワーオフ</translation>
    </message>
    <message>
        <source>MONI key Function</source>
        <translation>MONI キーの動作</translation>
    </message>
    <message>
        <source>MONI key</source>
        <translation>MONI キー</translation>
    </message>
    <message>
        <source>Operating Mode</source>
        <translation>動作モード</translation>
    </message>
    <message>
        <source>Scan TYPE</source>
        <translation>スキャンの種類</translation>
    </message>
    <message>
        <source>Key Lock</source>
        <translation>キーロック</translation>
    </message>
    <message>
        <source>AF Tone</source>
        <translation>音質</translation>
    </message>
    <message>
        <source>VFO Scan Speed</source>
        <translation>VFO スキャン速度</translation>
    </message>
    <message>
        <source>Memory Scan Speed</source>
        <translation>メモリースキャン速度</translation>
    </message>
    <message>
        <source>Tone Burst</source>
        <translation>トーンバースト</translation>
    </message>
    <message>
        <source>Lock BUG</source>
        <translation>BUG のロック</translation>
    </message>
    <message>
        <source>Bug Sensitive Level</source>
        <translation>BUG 感度レベル</translation>
    </message>
    <message>
        <source>Bug Type</source>
        <translation>BUG の種類</translation>
    </message>
    <message>
        <source>Rec. Rate</source>
        <translation>録音レート</translation>
    </message>
    <message>
        <source>Attenuator</source>
        <translation>アッテネーター</translation>
    </message>
    <message>
        <source>AM bar antenna</source>
        <translation>AM バーアンテナ</translation>
    </message>
    <message>
        <source>SW bar antenna</source>
        <translation>SW バーアンテナ</translation>
    </message>
    <message>
        <source>Battery Save</source>
        <translation>バッテリーセーブ</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>ビープ音</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>ベル</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>充電</translation>
    </message>
    <message>
        <source>Auto Wave</source>
        <translation>オートモード</translation>
    </message>
    <message>
        <source>Auto Step</source>
        <translation>オートステップ</translation>
    </message>
    <message>
        <source>Auto Program</source>
        <translation>オートプログラム</translation>
    </message>
    <message>
        <source>TX Extension</source>
        <translation>送信拡張</translation>
    </message>
    <message>
        <source>Write Protect</source>
        <translation>書き込み禁止</translation>
    </message>
    <message>
        <source>DoReMi</source>
        <translation>ドレミ</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>スキャン</translation>
    </message>
    <message>
        <source>Time Pr</source>
        <translation>Pr 時間</translation>
    </message>
    <message>
        <source>Time Sp</source>
        <translation>Sp 時間</translation>
    </message>
    <message>
        <source>Charge Time</source>
        <translation>充電時間</translation>
    </message>
    <message>
        <source>Set Mode</source>
        <translation>セットモード</translation>
    </message>
    <message>
        <source>Wild Key</source>
        <translation>ワイルドキー</translation>
    </message>
    <message>
        <source>Remote Controller A</source>
        <translation>リモコン A</translation>
    </message>
    <message>
        <source>Remote Controller B</source>
        <translation>リモコン B</translation>
    </message>
    <message>
        <source>Remote Controller C</source>
        <translation>リモコン C</translation>
    </message>
    <message>
        <source>Remote Controller D</source>
        <translation>リモコン D</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>循環</translation>
    </message>
    <message>
        <source>Across</source>
        <translation>連続</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>押す</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>押し続ける</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>モニター</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>ミュート</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>プリセット</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>メモリー</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>%1 の変更</translation>
    </message>
</context>
<context>
    <name>wrk7::TransferActions</name>
    <message>
        <source>Quick Read(&amp;Q) (used channels only)</source>
        <translation>クイック読み出し(&amp;Q)(使用中のチャンネルのみ)</translation>
    </message>
    <message>
        <source>Open Last Serial Trace(&amp;T)</source>
        <translation>最新のシリアルトレースを開く(&amp;T)</translation>
    </message>
    <message>
        <source>Read cancelled; nothing changed.</source>
        <translation>読み出しを取り消しました。何も変わっていません。</translation>
    </message>
    <message>
        <source>CANCEL OK</source>
        <translation>取り消しの確認</translation>
    </message>
    <message>
        <source>A transfer with the receiver is running.</source>
        <translation>受信機との転送を実行中です。</translation>
    </message>
    <message>
        <source>Are you sure that you want to cancel it and close?</source>
        <translation>転送を取り消して閉じてもよろしいですか？</translation>
    </message>
    <message>
        <source>Restore Receiver(&amp;S)...</source>
        <translation>受信機の復元(&amp;S)...</translation>
    </message>
    <message>
        <source>Report a Problem(&amp;P)...</source>
        <translation>問題の報告(&amp;P)...</translation>
    </message>
    <message>
        <source>Verify After Writing(&amp;V)</source>
        <translation>書き込み後に照合(&amp;V)</translation>
    </message>
    <message numerus="yes">
        <source>Reads back what a write sent and compares it: about %n s more for a Write All of every channel</source>
        <translation>
            <numerusform>書き込んだ内容を読み戻して照合します: 全チャンネルの一括書き込みで約 %n 秒長くかかります</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge with Receiver(&amp;M)...</source>
        <translation>受信機と統合(&amp;M)...</translation>
    </message>
    <message>
        <source>Merge with Receiver</source>
        <translation>受信機と統合</translation>
    </message>
    <message>
        <source>No earlier read of this model is kept to merge from: the backups folder holds none.</source>
        <translation>統合の元になる、この機種の以前の読み出しが保存されていません。バックアップフォルダーにありません。</translation>
    </message>
    <message>
        <source>The receiver&apos;s image was kept as a read backup; the window&apos;s image is unchanged.</source>
        <translation>受信機のイメージは読み出しのバックアップとして保存しました。ウィンドウのイメージは変わっていません。</translation>
    </message>
</context>
<context>
    <name>wrk7::TransferController</name>
    <message>
        <source>Read All</source>
        <translation>すべて読み出し</translation>
    </message>
    <message>
        <source>Read Settings</source>
        <translation>設定の読み出し</translation>
    </message>
    <message>
        <source>Read Memory</source>
        <translation>メモリーの読み出し</translation>
    </message>
    <message>
        <source>Read Bank</source>
        <translation>バンクの読み出し</translation>
    </message>
    <message>
        <source>Read Group</source>
        <translation>グループの読み出し</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>読み出し</translation>
    </message>
    <message>
        <source>Backing up the receiver before the write...</source>
        <translation>書き込みの前に受信機の内容をバックアップしています...</translation>
    </message>
    <message>
        <source>Backup: %1</source>
        <translation>バックアップ: %1</translation>
    </message>
    <message>
        <source>Write cancelled; nothing was written.</source>
        <translation>書き込みを中止しました。何も書き込んでいません。</translation>
    </message>
    <message>
        <source>Backup not saved: %1</source>
        <translation>バックアップを保存できませんでした: %1</translation>
    </message>
    <message>
        <source>Serial Trace</source>
        <translation>シリアルトレース</translation>
    </message>
    <message>
        <source>No transfer has left a trace yet.</source>
        <translation>シリアルトレースを残した転送はまだありません。</translation>
    </message>
    <message>
        <source>No viewer could show the serial trace. It is kept here:</source>
        <translation>シリアルトレースを表示できるビューアーがありません。次の場所に保存されています：</translation>
    </message>
    <message>
        <source>The write stopped part of the way through: the receiver is partly written.</source>
        <translation>書き込みが途中で止まりました。受信機は一部だけ書き込まれた状態です。</translation>
    </message>
    <message>
        <source>Write again</source>
        <translation>もう一度書き込む</translation>
    </message>
    <message>
        <source>The backup taken before this write: %1</source>
        <translation>この書き込みの前に取ったバックアップ: %1</translation>
    </message>
    <message>
        <source>Restore the backup taken before this write</source>
        <translation>この書き込みの前のバックアップを復元</translation>
    </message>
    <message>
        <source>Leave it</source>
        <translation>このままにする</translation>
    </message>
    <message>
        <source>Receiver Partly Written</source>
        <translation>受信機は書き込み途中です</translation>
    </message>
    <message>
        <source>The backup could not be loaded.</source>
        <translation>バックアップを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Another Device</source>
        <translation>別のデバイス</translation>
    </message>
    <message>
        <source>What arrived before the failure is now in the window, in place of what was there: Edit &gt; Undo brings that back.</source>
        <translation>失敗する前に届いた内容が、元の内容に代わってウィンドウに入っています。編集 &gt; 元に戻す で元の内容に戻せます。</translation>
    </message>
</context>
<context>
    <name>wrk7::WindowPages</name>
    <message>
        <source>Settings 1</source>
        <translation>設定 1</translation>
    </message>
    <message>
        <source>Settings 2</source>
        <translation>設定 2</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>メモリー</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>バンク</translation>
    </message>
</context>
<context>
    <name>wrk7::WriteQuestion</name>
    <message>
        <source>Write</source>
        <translation>書き込み</translation>
    </message>
    <message>
        <source>The write replaces %1 on the receiver.</source>
        <translation>書き込むと受信機の%1が置き換わります。</translation>
    </message>
    <message>
        <source>&amp;Back up the receiver first</source>
        <translation>先に受信機の内容をバックアップする(&amp;B)</translation>
    </message>
    <message>
        <source>Reads what the receiver holds into the backups folder before the write</source>
        <translation>書き込みの前に受信機の内容をバックアップフォルダーに読み出します</translation>
    </message>
    <message>
        <source>&amp;Do not ask again</source>
        <translation>今後は確認しない(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>書き込む(&amp;W)</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Verify after writing (about %n s more)</source>
        <translation>
            <numerusform>書き込み後に照合する(約 %n 秒追加)(&amp;V)</numerusform>
        </translation>
    </message>
    <message>
        <source>Reads back what the write sent and compares it; a difference fails the write</source>
        <translation>書き込んだ内容を読み戻して照合します。違いがあれば書き込みは失敗となります</translation>
    </message>
</context>
</TS>
