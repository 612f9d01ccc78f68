<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
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
</context>
<context>
    <name>wrk7::FileCommands</name>
    <message>
        <source>Save anyway</source>
        <translation>このまま保存</translation>
    </message>
</context>
<context>
    <name>wrk7::FindBar</name>
    <message>
        <source>Find:</source>
        <translation>検索:</translation>
    </message>
    <message>
        <source>Go to:</source>
        <translation>移動先:</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
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
        <source>Previous</source>
        <translation>前へ</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>閉じる (Esc)</translation>
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
</context>
<context>
    <name>wrk7::MainWindow</name>
    <message>
        <source>Compare With(&amp;C)...</source>
        <translation>比較(&amp;C)...</translation>
    </message>
    <message>
        <source>Print Preview(&amp;V)...</source>
        <translation>印刷プレビュー(&amp;V)...</translation>
    </message>
    <message>
        <source>Export PDF(&amp;D)...</source>
        <translation>PDF にエクスポート(&amp;D)...</translation>
    </message>
    <message>
        <source>Quick Read(&amp;Q) (used channels only)</source>
        <translation>クイック読み出し(&amp;Q)(使用中のチャンネルのみ)</translation>
    </message>
    <message>
        <source>Open Last Serial Trace(&amp;T)</source>
        <translation>最新のシリアルトレースを開く(&amp;T)</translation>
    </message>
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
    <name>wrk7::MemoryPage</name>
    <message>
        <source>Read</source>
        <translation>読み出し</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>書き込み</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上へ</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下へ</translation>
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
</context>
<context>
    <name>wrk7::RecentFilesMenu</name>
    <message>
        <source>Recent Files(&amp;F)</source>
        <translation>最近使ったファイル(&amp;F)</translation>
    </message>
</context>
</TS>
