<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
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
        <source>its first line is not "%1"</source>
        <translation>1 行目が「%1」ではありません</translation>
    </message>
    <message>
        <source>its last line is not "%1"</source>
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
        <source>Its header is neither this program's nor CHIRP's.</source>
        <translation>見出しがこのプログラムのものでも CHIRP のものでもありません。</translation>
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
        <source>%1 channels imported, %2 skipped</source>
        <translation>%1 チャンネルをインポートし、%2 件をスキップしました。</translation>
    </message>
    <message>
        <source>%1 rows imported, %2 passed over</source>
        <translation>%1 行をインポートし、%2 行を読み飛ばしました。</translation>
    </message>
    <message>
        <source>model "%1" is not %2</source>
        <translation>機種「%1」は %2 ではありません</translation>
    </message>
    <message>
        <source>bank "%1" is not %2, %3, %4, %5 or %6</source>
        <translation>バンク「%1」は %2、%3、%4、%5、%6 のどれでもありません</translation>
    </message>
    <message>
        <source>%1 has no channel "%2"</source>
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
        <source>step "%1" is not available</source>
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
        <source>Location "%1" is not a number</source>
        <translation>Location「%1」は数値ではありません</translation>
    </message>
    <message>
        <source>names "%1" (line %2) and "%3" became the same: "%4"</source>
        <translation>名前「%1」（%2 行目）と「%3」が同じ「%4」になりました</translation>
    </message>
    <message>
        <source>replaced by line %1</source>
        <translation>%1 行目で置き換えられました</translation>
    </message>
    <message>
        <source>mode "%1" is not available</source>
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
        <source>frequency "%1" is outside %2 MHz</source>
        <translation>周波数「%1」は %2 MHz の範囲外です</translation>
    </message>
    <message>
        <source>frequency "%1" is negative</source>
        <translation>周波数「%1」は負の数です</translation>
    </message>
    <message>
        <source>frequency "%1" has more than %2 decimals</source>
        <translation>周波数「%1」は小数部が %2 桁を超えています</translation>
    </message>
    <message>
        <source>frequency "%1" is not a number</source>
        <translation>周波数「%1」は数値ではありません</translation>
    </message>
    <message>
        <source>tone is missing</source>
        <translation>トーンがありません</translation>
    </message>
    <message>
        <source>tone "%1" is negative</source>
        <translation>トーン「%1」は負の数です</translation>
    </message>
    <message>
        <source>tone "%1" has more than %2 decimals</source>
        <translation>トーン「%1」は小数部が %2 桁を超えています</translation>
    </message>
    <message>
        <source>tone "%1" is not a number</source>
        <translation>トーン「%1」は数値ではありません</translation>
    </message>
    <message>
        <source>offset is missing</source>
        <translation>オフセットがありません</translation>
    </message>
    <message>
        <source>offset "%1" is negative</source>
        <translation>オフセット「%1」は負の数です</translation>
    </message>
    <message>
        <source>offset "%1" has more than %2 decimals</source>
        <translation>オフセット「%1」は小数部が %2 桁を超えています</translation>
    </message>
    <message>
        <source>offset "%1" is not a number</source>
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
        <source>tone "%1" is not in the tone list</source>
        <translation>トーン「%1」はトーンの一覧にありません</translation>
    </message>
    <message>
        <source>"%1" squelch</source>
        <translation>スケルチ「%1」</translation>
    </message>
    <message>
        <source>offset "%1" is not below 100 MHz</source>
        <translation>オフセット「%1」は 100 MHz 未満ではありません</translation>
    </message>
    <message>
        <source>name "%1" shortened to "%2"</source>
        <translation>名前「%1」を「%2」に短縮しました</translation>
    </message>
    <message>
        <source>name "%1" stored as "%2"</source>
        <translation>名前「%1」を「%2」として保存しました</translation>
    </message>
    <message>
        <source>note "%1" shortened to "%2"</source>
        <translation>メモ「%1」を「%2」に短縮しました</translation>
    </message>
</context>
</TS>
