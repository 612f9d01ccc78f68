#include "app/widgets/message_catalog.h"

namespace wrk7 {

const std::vector<CatalogEntry>& MessageCatalogEntries() {
    static const std::vector<CatalogEntry> entries{
        // The bank table.
        {"The bank table adds up to %1; the receiver takes only 1000.",
         "バンク表の合計は %1 です。受信機が受け付けるのは 1000 までです。"},
        // The write and its backup.
        {"The receiver could not be backed up; nothing was written.",
         "受信機の内容をバックアップできませんでした。何も書き込んでいません。"},
        {"Write cancelled; nothing was written.", "書き込みを取り消しました。何も書き込んでいません。"},
        // The find bar.
        {"No duplicates are left.", "重複はもうありません。"},
        {"No row matches \"%1\".", "「%1」に一致する行はありません。"},
        {"There is no row \"%1\".", "行「%1」はありません。"},
        // The status bar.
        {"Read cancelled; nothing changed.", "読み出しを取り消しました。何も変わっていません。"},
        {"Listing written to %1", "一覧を %1 に書き出しました"},
    };
    return entries;
}

}  // namespace wrk7
