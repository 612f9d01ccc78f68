#include "app/widgets/message_catalog.h"

namespace wrk7 {

// The first entry that matches a caption wins: the fixed names before the
// patterns that would take them too.
const std::vector<CatalogEntry>& CaptionCatalogEntries() {
    static const std::vector<CatalogEntry> entries{
        // The undo steps, as Edit > Undo and Redo name them.
        {"Clear All", "すべてクリア"},
        {"Enable All", "すべて有効"},
        {"Disable All", "すべて無効"},
        {"Read All", "すべて読み出し"},
        {"Read Settings", "設定の読み出し"},
        {"Read Memory", "メモリーの読み出し"},
        {"Read Bank", "バンクの読み出し"},
        {"Read Group", "グループの読み出し"},
        {"Modify Band %1", "バンド %1 の変更"},
        {"Change Bank %1", "バンク %1 の変更"},
        {"Link Bank %1", "バンク %1 のリンク"},
        {"Unlink Bank %1", "バンク %1 のリンク解除"},
        {"Move %1 Up", "%1 を上へ移動"},
        {"Move %1 Down", "%1 を下へ移動"},
        {"Clear %1", "%1 のクリア"},
        {"Delete %1", "%1 の削除"},
        {"Insert %1", "%1 の挿入"},
        {"Enable %1", "%1 を有効に"},
        {"Disable %1", "%1 を無効に"},
        {"Cut %1", "%1 の切り取り"},
        {"Paste %1", "%1 の貼り付け"},
        {"Change %1", "%1 の変更"},
        {"Modify %1", "%1 の変更"},
        {"Import %1", "%1 のインポート"},
        {"Sort %1", "%1 の並べ替え"},
        {"Pack %1", "%1 を詰める"},
        {"%1 Channels", "%1 チャンネル"},
    };
    return entries;
}

}  // namespace wrk7
