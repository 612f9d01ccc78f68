#include "app/window/row_commands.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QTableView>
#include <algorithm>

#include "app/dialogs/change_channels_dialog.h"
#include "app/document/clone_document.h"
#include "app/pages/find_bar.h"
#include "app/pages/grid_selection.h"
#include "app/pages/memory_page.h"
#include "app/pages/memory_table_model.h"
#include "app/widgets/prompter.h"
#include "app/window/menu_commands.h"
#include "edit/channel_paste.h"

namespace wrk7 {

namespace {

const MenuCommand kCommands[] = {
    {"mnuChangeChannels", "Change Channels(&H)...", "チャンネルの一括変更(&H)...", {}},
    {"mnuPack", "Pack(&K)", "詰める(&K)", {}},
    {"mnuMoveUp", "Move Up(&A)", "上へ移動(&A)", QKeySequence(Qt::ALT | Qt::Key_Up)},
    {"mnuMoveDown", "Move Down(&W)", "下へ移動(&W)", QKeySequence(Qt::ALT | Qt::Key_Down)},
    {"mnuFindDuplicates", "Find Duplicates(&B)", "重複を検索(&B)", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D)},
};

struct SortCommand {
    SortKey key;
    const char* name;
    const char* english;
    const char* japanese;
    char ascendingKey, descendingKey;  // the items' mnemonics, one each in the menu
};
const SortCommand kSortKeys[] = {
    {SortKey::kFrequency, "Frequency", "Frequency", "周波数", 'F', 'R'},
    {SortKey::kName, "Name", "Name", "名前", 'N', 'A'},
    {SortKey::kNote, "Note", "Note", "メモ", 'T', 'O'},
    {SortKey::kMode, "Mode", "Mode", "モード", 'M', 'D'},
    {SortKey::kStep, "Step", "Step", "ステップ", 'S', 'E'},
};

std::vector<int> Rows(const std::vector<int>& chosen) {
    std::vector<int> rows;
    for (const int s : chosen) rows.push_back(s + 1);
    return rows;
}

}  // namespace

RowCommands::RowCommands(QMainWindow* window, CloneDocument& document, Prompter& prompter, MemoryPage* memory,
                         FindBar* findBar, bool japanese)
    : QObject(window), window_(window), document_(document), prompter_(prompter), memory_(memory), findBar_(findBar) {
    auto caption = [japanese](const char* english, const char* japanese_) {
        return QString::fromUtf8(japanese ? japanese_ : english);
    };
    AddMenuCommands(window, kCommands, japanese);
    connect(Action("mnuChangeChannels"), &QAction::triggered, this, &RowCommands::ChangeChannels);
    connect(Action("mnuPack"), &QAction::triggered, this, &RowCommands::Pack);
    connect(Action("mnuMoveUp"), &QAction::triggered, this, [this] { Move(-1); });
    connect(Action("mnuMoveDown"), &QAction::triggered, this, [this] { Move(1); });
    connect(Action("mnuFindDuplicates"), &QAction::triggered, this, &RowCommands::FindDuplicates);

    sortMenu_ = new QMenu(caption("Sort(&O)", "並べ替え(&O)"), window);
    sortMenu_->setObjectName(QStringLiteral("mnuSort"));
    sortMenu_->menuAction()->setObjectName(QStringLiteral("mnuSort"));
    for (const bool descending : {false, true}) {
        if (descending) sortMenu_->addSeparator();
        for (const SortCommand& k : kSortKeys) {
            const QString order = caption(descending ? ", Descending" : ", Ascending", descending ? " 降順" : " 昇順");
            const QString key = QStringLiteral("(&%1)").arg(QLatin1Char(descending ? k.descendingKey : k.ascendingKey));
            QAction* a = sortMenu_->addAction(caption(k.english, k.japanese) + order + key);
            a->setObjectName(QStringLiteral("mnuSort") + QString::fromLatin1(k.name) +
                             (descending ? QStringLiteral("Descending") : QString()));
            connect(a, &QAction::triggered, this, [this, key = k.key, descending] { Sort(key, descending); });
        }
    }
}

QAction* RowCommands::Action(const char* name) const {
    return window_->findChild<QAction*>(QString::fromLatin1(name));
}

void RowCommands::AddToMenu(QMenu* edit) {
    edit->addAction(Action("mnuChangeChannels"));
    edit->addMenu(sortMenu_);
    edit->addActions({Action("mnuPack"), Action("mnuMoveUp"), Action("mnuMoveDown")});
}

void RowCommands::AddToGridMenu(QMenu* menu) {
    AddToMenu(menu);
    menu->addAction(FindDuplicatesAction());
}

std::vector<int> RowCommands::SelectedSlots() const { return SelectedGridRows(memory_->Grid()); }

void RowCommands::Update(bool memoryPage) {
    const bool change = memoryPage && !document_.IsReadOnly();
    const std::vector<int> chosen = change ? SelectedSlots() : std::vector<int>{};
    const CloneImage& image = document_.Image();
    const auto used =
        std::count_if(chosen.begin(), chosen.end(), [&image](int s) { return !image.memory.slot[s].IsEmpty(); });
    Action("mnuChangeChannels")->setEnabled(change && used >= 2);
    for (QAction* sort : sortMenu_->actions()) sort->setEnabled(change && chosen.size() >= 2);
    sortMenu_->menuAction()->setEnabled(change && chosen.size() >= 2);
    Action("mnuPack")->setEnabled(change && chosen.size() >= 2);
    Action("mnuMoveUp")->setEnabled(change && MoveRefusal(chosen, -1).empty());
    Action("mnuMoveDown")->setEnabled(change && MoveRefusal(chosen, 1).empty());
    Action("mnuFindDuplicates")->setEnabled(change);
}

void RowCommands::ChangeChannels() {
    if (document_.IsReadOnly()) return;
    std::vector<int> used = SelectedSlots();
    std::erase_if(used, [this](int s) { return document_.Image().memory.slot[s].IsEmpty(); });
    if (used.empty()) return;
    ChangeChannelsDialog dialog(window_, document_.Model(), document_.Image().memory.slot[used.front()],
                                static_cast<int>(used.size()), &prompter_);
    if (dialog.exec() == QDialog::Accepted) ApplyChange(dialog.Change());
}

void RowCommands::ApplyChange(const ChannelChange& change) {
    const std::vector<int> chosen = SelectedSlots();
    ChannelChangeResult result;
    std::vector<int> used;
    for (const int s : chosen)
        if (!document_.Image().memory.slot[s].IsEmpty()) used.push_back(s + 1);
    if (used.empty()) return;
    document_.Edit(QStringLiteral("Change ") + memory_->RowsName(used),
                   [&](CloneImage& image) { result = wrk7::ChangeChannels(image, chosen, change); });
    if (result.refused.empty()) return;
    std::vector<std::string> labels;
    for (int s = 0; s < kSlotCount; ++s) labels.push_back(memory_->Model()->RowLabel(s));
    prompter_.Error(window_, ErrorTitle(), MessageLines(RefusalLines(result.refused, result.rows, "changed", labels)));
}

RowOrderResult RowCommands::Reorder(const QString& verb, const QString& direction,
                                    const std::function<RowOrderResult(CloneImage&, const std::vector<int>&)>& order) {
    const std::vector<int> chosen = SelectedSlots();
    RowOrderResult result;
    document_.Edit(verb + QLatin1Char(' ') + memory_->RowsName(Rows(chosen)) + direction,
                   [&](CloneImage& image) { result = order(image, chosen); });
    if (!result.refusal.empty()) prompter_.Error(window_, ErrorTitle(), {QString::fromStdString(result.refusal)});
    return result;
}

void RowCommands::Sort(SortKey key, bool descending) {
    Reorder(QStringLiteral("Sort"), {}, [key, descending](CloneImage& image, const std::vector<int>& chosen) {
        return SortSlots(image, chosen, key, descending);
    });
}

void RowCommands::Pack() { Reorder(QStringLiteral("Pack"), {}, PackSlots); }

void RowCommands::Move(int by) {
    const int current = memory_->CurrentRow() - 1;
    const RowOrderResult result =
        Reorder(QStringLiteral("Move"), by < 0 ? QStringLiteral(" Up") : QStringLiteral(" Down"),
                [by](CloneImage& image, const std::vector<int>& chosen) { return MoveSlots(image, chosen, by); });
    if (result.selection.empty()) return;
    // The selection and the current row go with the block.
    const int next = std::clamp(current + (by < 0 ? -1 : 1), result.selection.front(), result.selection.back());
    SelectGridRows(memory_->Grid(), result.selection, next);
    memory_->Grid()->scrollTo(memory_->Grid()->currentIndex());
}

void RowCommands::FindDuplicates() {
    if (document_.IsReadOnly()) return;
    const Duplicates found = wrk7::FindDuplicates(document_.Image());
    if (found.members.empty()) {
        emit statusMessage(QStringLiteral("No duplicates: no two used rows hold the same frequency and mode."));
        return;
    }
    const QString summary = (found.groups == 1 ? QStringLiteral("%1 group of duplicates (%2 rows) is selected.")
                                               : QStringLiteral("%1 groups of duplicates (%2 rows) are selected."))
                                .arg(found.groups)
                                .arg(found.members.size());
    SelectGridRows(memory_->Grid(), found.members, found.members.front());
    memory_->Grid()->scrollTo(memory_->Grid()->currentIndex());
    findBar_->OpenDuplicates(summary);
    emit statusMessage(summary);
}

}  // namespace wrk7
