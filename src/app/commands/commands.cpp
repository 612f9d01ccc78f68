#include "app/commands/commands.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "app/support/named_action.h"
#include "app/commands/selection.h"
#include "app/document/clone_document.h"
#include "app/translation/said.h"
#include "app/support/prompter.h"
#include "core/tables.h"
#include "edit/bank.h"
#include "edit/command_availability.h"
#include "edit/channel_paste.h"
#include "edit/memory_ops.h"
#include "edit/page_rules.h"

namespace wrk7 {

namespace {

// Texts more than one question uses.
QString ClearTitle() { return Commands::tr("CLEAR OK"); }
QString DisableTitle() { return Commands::tr("DISABLE OK"); }
QString UndoBringsThemBack() { return Commands::tr("Edit > Undo brings them back."); }
QString DisablingEmptiesThem() { return Commands::tr("Disabling empties the channels; Edit > Undo brings them back."); }
// Only ever asked of several rows, so the English has no singular.
QString RowsSelected(std::size_t rows) {
    return Commands::tr("%n rows are selected.", nullptr, static_cast<int>(rows));
}

std::vector<int> ZeroBased(const std::vector<int>& rows) {
    std::vector<int> indices;
    for (const int row : rows) indices.push_back(row - 1);
    return indices;
}

std::vector<int> OneBased(const std::vector<int>& indices) {
    std::vector<int> rows;
    for (const int slot : indices) rows.push_back(slot + 1);
    return rows;
}

}  // namespace

Commands::Commands(CloneDocument& document, Selection& selection, Prompter& prompter, UiLanguage language,
                   QWidget* window)
    : QObject(window), document_(document), selection_(selection), prompter_(prompter), window_(window) {
    const StringTable table(language);
    modify = Make("mnuModify", table.Text(1009), QKeySequence(Qt::Key_F2));
    cut = Make("mnuCut", tr("Cut(&T)"), QKeySequence(Qt::CTRL | Qt::Key_X));
    copy = Make("mnuCopy", tr("Copy(&C)"), QKeySequence(Qt::CTRL | Qt::Key_C));
    paste = Make("mnuPaste", tr("Paste(&P)"), QKeySequence(Qt::CTRL | Qt::Key_V));
    clear = Make("mnuClear", tr("Clear(&L)"), QKeySequence(Qt::Key_Delete));
    enable = Make("mnuEnable", tr("Enable(&E)"));
    disable = Make("mnuDisable", tr("Disable(&S)"));
    insert = Make("mnuInsert", tr("Insert(&I)"));
    remove = Make("mnuDelete", tr("Delete(&D)"));
    changeChannels = Make("mnuChangeChannels", tr("Change Channels(&H)..."));
    pack = Make("mnuPack", tr("Pack(&K)"));
    moveUp = Make("mnuMoveUp", tr("Move Up(&A)"), QKeySequence(Qt::ALT | Qt::Key_Up));
    moveDown = Make("mnuMoveDown", tr("Move Down(&W)"), QKeySequence(Qt::ALT | Qt::Key_Down));
    find = Make("mnuFind", tr("Find(&F)..."), QKeySequence(Qt::CTRL | Qt::Key_F));
    findNext = Make("mnuFindNext", tr("Find Next(&N)"), QKeySequence(Qt::Key_F3));
    findPrevious = Make("mnuFindPrevious", tr("Find Previous(&V)"), QKeySequence(Qt::SHIFT | Qt::Key_F3));
    goTo = Make("mnuGoTo", tr("Go To(&G)..."), QKeySequence(Qt::CTRL | Qt::Key_G));
    findDuplicates =
        Make("mnuFindDuplicates", tr("Find Duplicates(&B)"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    clearAll = Make("actClearAll", tr("Clear All"));
    enableAll = Make("actEnableAll", tr("Enable All"));
    disableAll = Make("actDisableAll", tr("Disable All"));

    connect(modify, &QAction::triggered, this, &Commands::Modify);
    connect(cut, &QAction::triggered, this, [this] { if (cutRows) cutRows(); });
    connect(copy, &QAction::triggered, this, [this] {
        if (copyRows) copyRows(CurrentGrid());
    });
    connect(paste, &QAction::triggered, this, [this] {
        if (pasteRows) pasteRows(CurrentGrid());
    });
    connect(clear, &QAction::triggered, this, &Commands::Clear);
    connect(enable, &QAction::triggered, this, &Commands::Enable);
    connect(disable, &QAction::triggered, this, &Commands::Disable);
    connect(insert, &QAction::triggered, this, &Commands::Insert);
    connect(remove, &QAction::triggered, this, &Commands::Delete);
    connect(clearAll, &QAction::triggered, this, &Commands::ClearAll);
    connect(enableAll, &QAction::triggered, this, &Commands::EnableAll);
    connect(disableAll, &QAction::triggered, this, &Commands::DisableAll);
    connect(changeChannels, &QAction::triggered, this, &Commands::ChangeChannels);
    connect(pack, &QAction::triggered, this, &Commands::Pack);
    connect(moveUp, &QAction::triggered, this, [this] { Move(Direction::kUp); });
    connect(moveDown, &QAction::triggered, this, [this] { Move(Direction::kDown); });
    connect(findDuplicates, &QAction::triggered, this, &Commands::FindDuplicates);
    connect(find, &QAction::triggered, this, [this] { if (openFindBar) openFindBar(false); });
    connect(goTo, &QAction::triggered, this, [this] { if (openFindBar) openFindBar(true); });
    connect(findNext, &QAction::triggered, this, [this] { if (findAgain) findAgain(true); });
    connect(findPrevious, &QAction::triggered, this, [this] { if (findAgain) findAgain(false); });

    sortMenu = new QMenu(tr("Sort(&O)"), window);
    sortMenu->setObjectName(QStringLiteral("mnuSort"));
    sortMenu->menuAction()->setObjectName(QStringLiteral("mnuSort"));
    struct SortItem {
        SortKey key;
        const char* name;
        QString caption;
        char ascendingKey, descendingKey;  // the items' mnemonics, one each in the menu
    };
    const SortItem items[] = {
        {SortKey::kFrequency, "Frequency", tr("Frequency"), 'F', 'R'},
        {SortKey::kName, "Name", tr("Name"), 'N', 'A'},
        {SortKey::kNote, "Note", tr("Note"), 'T', 'O'},
        {SortKey::kMode, "Mode", tr("Mode"), 'M', 'D'},
        {SortKey::kStep, "Step", tr("Step"), 'S', 'E'},
    };
    for (const bool descending : {false, true}) {
        if (descending) sortMenu->addSeparator();
        for (const SortItem& k : items) {
            const QString order = descending ? tr(", Descending") : tr(", Ascending");
            const QString key = QStringLiteral("(&%1)").arg(QLatin1Char(descending ? k.descendingKey : k.ascendingKey));
            QAction* a = sortMenu->addAction(k.caption + order + key);
            a->setObjectName(QStringLiteral("mnuSort") + QString::fromLatin1(k.name) +
                             (descending ? QStringLiteral("Descending") : QString()));
            connect(a, &QAction::triggered, this, [this, key = k.key, descending] { Sort(key, descending); });
        }
    }

    using P = TransferPart;
    using D = TransferDirection;
    const struct {
        QAction** action;
        const char* name;
        QString caption;
        D direction;
        P part;
    } transfers[] = {
        {&readSettings, "mnuReadSettings", table.Text(1205), D::kRead, P::kSettings},
        {&readMemory, "mnuReadMemory", table.Text(1206), D::kRead, P::kMemory},
        {&readAll, "mnuReadAll", table.Text(1207), D::kRead, P::kAll},
        {&writeSettings, "mnuWriteSettings", table.Text(1205), D::kWrite, P::kSettings},
        {&writeMemory, "mnuWriteMemory", table.Text(1206), D::kWrite, P::kMemory},
        {&writeAll, "mnuWriteAll", table.Text(1207), D::kWrite, P::kAll},
        {&readBank, "actReadBank", tr("Read Bank"), D::kRead, P::kBank},
        {&writeBank, "actWriteBank", tr("Write Bank"), D::kWrite, P::kBank},
        {&readGroups, "actReadGroup", tr("Read Group"), D::kRead, P::kGroups},
        {&writeGroups, "actWriteGroup", tr("Write Group"), D::kWrite, P::kGroups},
    };
    for (const auto& t : transfers) {
        *t.action = Make(t.name, t.caption);
        transfers_ << *t.action;
        connect(*t.action, &QAction::triggered, this, [this, d = t.direction, p = t.part] {
            if (startTransfer && !transferRunning_) startTransfer(d, p);
        });
    }
    connect(&document_, &CloneDocument::changed, this, &Commands::RequestUpdate);
    QCoreApplication::instance()->installEventFilter(this);
    connect(&document_, &CloneDocument::readOnlyChanged, this, &Commands::RequestUpdate);
    Update();
}

QAction* Commands::Make(const char* name, const QString& caption, QKeySequence key) {
    QAction* a = NamedAction(this, name, caption, key);
    // The keys work with the menus closed, wherever the focus is in the window.
    if (window_) window_->addAction(a);
    return a;
}

void Commands::RequestUpdate() {
    // A read, a page switch or a selection drag changes many things in one
    // turn of the event loop: the rules run once, after them all.
    if (updatePending_) return;
    updatePending_ = true;
    QTimer::singleShot(0, this, [this] {
        if (updatePending_) Update();
    });
}

bool Commands::eventFilter(QObject* watched, QEvent* event) {
    // A key or a click already waiting when the rules were asked for meets
    // them taken, so it works the command it would have worked at once.
    switch (event->type()) {
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::ContextMenu:
            if (updatePending_) Update();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

CommandState Commands::State() const {
    CommandState state;
    state.page = selection_.CurrentPage();
    state.readOnly = document_.IsReadOnly();
    state.transferRunning = transferRunning_;
    const bool memory = state.page == Page::kMemory;
    const bool vfo = state.page == Page::kSettings1;
    if (memory) state.rows = selection_.SelectedRows();
    DescribeRows(state, document_.Image());
    state.bandCopyable = vfo && selection_.CurrentBand() - 1 < VfoBandCount(document_.Image().model);
    // The clipboard is asked only where a paste could go.
    state.pasteReady = !state.readOnly && (memory || vfo) && canPaste && canPaste();
    return state;
}

void Commands::Update() {
    updatePending_ = false;
    const CommandAvailability a = AvailableCommands(State());
    const std::pair<QAction*, bool> rules[] = {
        {modify, a.modify},     {cut, a.cut},         {copy, a.copy},
        {paste, a.paste},       {clear, a.clear},     {enable, a.enable},
        {disable, a.disable},   {insert, a.insert},   {remove, a.remove},
        {clearAll, a.wholeList}, {enableAll, a.wholeList}, {disableAll, a.wholeList},
        {find, a.find},         {findNext, a.find},   {findPrevious, a.find},
        {goTo, a.find},         {changeChannels, a.changeChannels}, {pack, a.pack},
        {moveUp, a.moveUp},     {moveDown, a.moveDown}, {findDuplicates, a.findDuplicates},
        {sortMenu->menuAction(), a.sort},
    };
    for (const auto& [action, enabled] : rules) action->setEnabled(enabled);
    for (QAction* item : sortMenu->actions()) item->setEnabled(a.sort);
    for (QAction* t : transfers_) t->setEnabled(a.transfers);
}

void Commands::SetTransferRunning(bool running) {
    transferRunning_ = running;
    RequestUpdate();
}

void Commands::AddEditItems(QMenu* menu) const {
    menu->addAction(modify);
    menu->addSeparator();
    menu->addActions({cut, copy, paste, clear});
    menu->addSeparator();
}

void Commands::AddRowItems(QMenu* menu) const {
    menu->addAction(changeChannels);
    menu->addMenu(sortMenu);
    menu->addActions({pack, moveUp, moveDown});
}

GridKind Commands::CurrentGrid() const {
    return selection_.CurrentPage() == Page::kMemory ? GridKind::kMemory : GridKind::kVfo;
}

QMenu* Commands::GridMenu(GridKind grid, QWidget* parent) {
    Update();
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("mnuGridContext"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(modify);
    menu->addSeparator();
    if (grid == GridKind::kVfo) {
        menu->addActions({copy, paste});
        return menu;
    }
    menu->addActions({cut, copy, paste, clear});
    menu->addSeparator();
    menu->addActions({enable, disable, insert, remove});
    menu->addSeparator();
    AddRowItems(menu);
    menu->addAction(findDuplicates);
    return menu;
}

QString Commands::Label(int slot) const { return QString::fromStdString(BuildRowLabels(document_.Image())[slot]); }

QString RowsName(const CloneImage& image, const std::vector<int>& rows) {
    if (rows.size() == 1)
        return QString::fromStdString(BuildRowLabels(image)[static_cast<std::size_t>(rows.front() - 1)]);
    return Commands::tr("%1 Channels").arg(rows.size());
}

QString Commands::RowsName(const std::vector<int>& rows) const { return wrk7::RowsName(document_.Image(), rows); }

bool Commands::Confirm(const QString& title, const QStringList& lines) {
    return prompter_.Confirm(window_, title, lines) == Prompter::Answer::kOk;
}

void Commands::Modify() {
    if (selection_.CurrentPage() == Page::kSettings1) {
        EditVfoRow(selection_.CurrentBand());
    } else if (selection_.CurrentPage() == Page::kMemory) {
        EditMemoryRow(selection_.CurrentRow());
    }
}

void Commands::StoreEntry(const QString& name, const std::optional<ChannelEntry>& entry) {
    if (!entry) return;
    document_.Edit(name, [&](CloneImage& image) { StoreChannelEntry(image, *entry); });
    if (entry->target == ChannelEntry::Target::kMemory)
        selection_.SelectRows({entry->row}, entry->row);
    else
        selection_.SelectBand(entry->row);
}

void Commands::EditMemoryRow(int row) {
    if (document_.IsReadOnly() || row < 1 || row > kSlotCount || !editEntry) return;
    StoreEntry(tr("Modify %1").arg(Label(row - 1)), editEntry(document_.Image(), ChannelEntry::Target::kMemory, row));
}

void Commands::EditVfoRow(int row) {
    if (document_.IsReadOnly() || row < 1 || row > kBandCount || !editEntry) return;
    StoreEntry(tr("Modify Band %1").arg(row - 1), editEntry(document_.Image(), ChannelEntry::Target::kVfo, row));
}

void Commands::ClearAll() {
    if (!Confirm(ClearTitle(), {UndoBringsThemBack(), tr("Are you sure that you want to clear all memory?")}))
        return;
    document_.Edit(tr("Clear All"), [](CloneImage& image) { ClearAllSlots(image); });
}

void Commands::Clear() {
    Update();  // the rule as the rows are now
    if (!clear->isEnabled()) return;
    const std::vector<int> rows = selection_.SelectedRows();
    QStringList lines{UndoBringsThemBack(), tr("Are you sure that you want to do the clear?")};
    if (rows.size() > 1) lines << RowsSelected(rows.size());
    if (!Confirm(ClearTitle(), lines)) return;
    document_.Edit(tr("Clear %1").arg(RowsName(rows)), [&](CloneImage& image) { ClearRows(image, rows); });
}

void Commands::Delete() {
    Update();  // the rule as the rows are now
    if (!remove->isEnabled()) return;
    const int row = selection_.CurrentRow();
    if (!Confirm(tr("DELETE OK"),
                 {tr("Edit > Undo brings it back."), tr("Are you sure that you want to do the delete?")}))
        return;
    document_.Edit(tr("Delete %1").arg(RowsName({row})), [&](CloneImage& image) { DeleteRow(image, row); });
    selection_.SelectRows({row}, row);
}

void Commands::Insert() {
    Update();  // the rule as the rows are now
    if (!insert->isEnabled()) return;
    const int row = selection_.CurrentRow();
    // The channel at the end of the window has nowhere to go: say which one
    // before it is gone from sight.
    if (const std::optional<int> lost = SlotLostByInsert(document_.Image(), row)) {
        const QString label = Label(*lost);
        const QString name = QString::fromStdString(document_.Image().memory.slot[*lost].Text(kName));
        const QString what = name.isEmpty() ? label : tr("%1 \"%2\"").arg(label, name);
        if (!Confirm(tr("INSERT OK"),
                     {tr("Inserting pushes %1 past the first %2 channels, where it is lost; "
                         "Edit > Undo brings it back.")
                          .arg(what)
                          .arg(kEditWindowRows),
                      tr("Are you sure that you want to do the insert?")}))
            return;
    }
    document_.Edit(tr("Insert %1").arg(RowsName({row})), [&](CloneImage& image) { InsertRow(image, row); });
    selection_.SelectRows({row}, row);
}

bool Commands::ConfirmSeveral(const std::vector<int>& rows, const QString& title, const QString& question,
                              const QString& consequence) {
    // One row goes without a question, as the buttons always did.
    if (rows.size() <= 1) return true;
    QStringList lines{RowsSelected(rows.size())};
    if (!consequence.isEmpty()) lines << consequence;
    lines << question;
    return Confirm(title, lines);
}

bool Commands::ConfirmDisable(const std::vector<int>& rows) {
    if (rows.size() > 1)
        return ConfirmSeveral(rows, DisableTitle(), tr("Are you sure that you want to disable them?"),
                              DisablingEmptiesThem());
    // An empty row loses nothing, so there is nothing to ask.
    if (document_.Image().memory.slot[rows.front() - 1].IsEmpty()) return true;
    return Confirm(DisableTitle(), {tr("Disabling empties the channel; Edit > Undo brings it back."),
                                    tr("Are you sure that you want to disable it?")});
}

void Commands::Enable() {
    Update();  // the rule as the rows are now
    if (!enable->isEnabled()) return;
    const std::vector<int> rows = selection_.SelectedRows();
    if (!ConfirmSeveral(rows, tr("ENABLE OK"), tr("Are you sure that you want to enable them?"))) return;
    document_.Edit(tr("Enable %1").arg(RowsName(rows)), [&](CloneImage& image) { EnableRows(image, rows); });
}

void Commands::Disable() {
    Update();  // the rule as the rows are now
    if (!disable->isEnabled()) return;
    const std::vector<int> rows = selection_.SelectedRows();
    // A disabled slot holds nothing, so the channels go with the flag.
    if (!ConfirmDisable(rows)) return;
    document_.Edit(tr("Disable %1").arg(RowsName(rows)), [&](CloneImage& image) { DisableRows(image, rows); });
}

void Commands::EnableAll() {
    const int row = selection_.CurrentRow();
    document_.Edit(tr("Enable All"), [](CloneImage& image) { EnableAllSlots(image); });
    selection_.SelectRows({row}, row);
}

void Commands::DisableAll() {
    const int row = selection_.CurrentRow();
    // It empties every slot, as Clear All does, so it asks as Clear All does.
    if (!Confirm(DisableTitle(), {DisablingEmptiesThem(), tr("Are you sure that you want to disable all memory?")}))
        return;
    document_.Edit(tr("Disable All"), [](CloneImage& image) { DisableAllSlots(image); });
    selection_.SelectRows({row}, row);
}

void Commands::ChangeChannels() {
    if (document_.IsReadOnly() || !askChange) return;
    std::vector<int> used = selection_.SelectedRows();
    std::erase_if(used, [this](int r) { return document_.Image().memory.slot[r - 1].IsEmpty(); });
    if (used.empty()) return;
    const std::optional<ChannelChange> change =
        askChange(document_.Image().memory.slot[used.front() - 1], static_cast<int>(used.size()));
    if (change) ApplyChange(*change);
}

void Commands::ApplyChange(const ChannelChange& change) {
    const std::vector<int> chosen = ZeroBased(selection_.SelectedRows());
    std::vector<int> used;
    for (const int s : chosen)
        if (!document_.Image().memory.slot[s].IsEmpty()) used.push_back(s + 1);
    if (used.empty()) return;
    ChannelChangeResult result;
    document_.Edit(tr("Change %1").arg(RowsName(used)),
                   [&](CloneImage& image) { result = wrk7::ChangeChannels(image, chosen, change); });
    if (result.refused.empty()) return;
    const auto labels = BuildRowLabels(document_.Image());
    prompter_.Error(window_, ErrorTitle(),
                    Said(RefusalLines(result.refused, result.rows, MessageId::kRowsNotChanged,
                                      {labels.begin(), labels.end()})));
}

RowOrderResult Commands::Reorder(const QString& name,
                                 const std::function<RowOrderResult(CloneImage&, const std::vector<int>&)>& order) {
    const std::vector<int> chosen = ZeroBased(selection_.SelectedRows());
    RowOrderResult result;
    if (document_.IsReadOnly()) return result;
    document_.Edit(name, [&](CloneImage& image) { result = order(image, chosen); });
    if (result.refusal) prompter_.Error(window_, ErrorTitle(), {Said(*result.refusal)});
    return result;
}

void Commands::Sort(SortKey key, bool descending) {
    // The step counts the channels it orders, not the empty rows it passes.
    const std::vector<int> selected = selection_.SelectedRows();
    std::vector<int> held;
    for (const int row : selected)
        if (row >= 1 && row <= kSlotCount && !document_.Image().memory.slot[static_cast<std::size_t>(row - 1)].IsEmpty())
            held.push_back(row);
    Reorder(tr("Sort %1").arg(RowsName(held.size() >= 2 ? held : selected)),
            [key, descending](CloneImage& image, const std::vector<int>& chosen) {
                return SortSlots(image, chosen, key, descending);
            });
}

void Commands::Pack() { Reorder(tr("Pack %1").arg(RowsName(selection_.SelectedRows())), PackSlots); }

void Commands::Move(Direction direction) {
    const int current = selection_.CurrentRow() - 1;
    const QString rows = RowsName(selection_.SelectedRows());
    const RowOrderResult result =
        Reorder(direction == Direction::kUp ? tr("Move %1 Up").arg(rows) : tr("Move %1 Down").arg(rows),
                [direction](CloneImage& image, const std::vector<int>& chosen) { return MoveSlots(image, chosen, direction); });
    if (result.selection.empty()) return;
    // The selection and the current row go with the block.
    const int next = std::clamp(current + static_cast<int>(direction), result.selection.front(), result.selection.back());
    selection_.SelectRows(OneBased(result.selection), next + 1);
}

void Commands::FindDuplicates() {
    if (document_.IsReadOnly()) return;
    const Duplicates found = wrk7::FindDuplicates(document_.Image());
    if (found.members.empty()) {
        emit statusMessage(tr("No duplicates: no two used rows hold the same frequency and mode."));
        return;
    }
    // A group is two rows or more, so only the groups can be one.
    const auto rows = static_cast<qulonglong>(found.members.size());
    const QString summary =
        found.groups == 1 ? tr("1 group of duplicates (%1 rows) is selected.").arg(rows)
                          : tr("%n groups of duplicates (%1 rows) are selected.", nullptr, found.groups).arg(rows);
    selection_.SelectRows(OneBased(found.members), found.members.front() + 1);
    if (showDuplicates) showDuplicates(summary);
    emit statusMessage(summary);
}

void BindButton(QPushButton* button, QAction* action) {
    button->setEnabled(action->isEnabled());
    QObject::connect(action, &QAction::changed, button, [button, action] { button->setEnabled(action->isEnabled()); });
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
}

}  // namespace wrk7
