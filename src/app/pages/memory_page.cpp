#include "app/pages/memory_page.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <optional>
#include <set>

#include "app/widgets/column_stretch.h"
#include "app/document/clone_document.h"
#include "app/pages/memory_table_model.h"
#include "app/widgets/prompter.h"
#include "edit/memory_ops.h"

namespace wrk7 {

namespace {

constexpr std::array<int, 12> kMemoryWidths{600, 1035, 480, 705, 555, 390, 675, 705, 540, 870, 1055, 1000};
constexpr std::array<int, 12> kVfoWidths{500, 1035, 480, 705, 555, 0, 675, 705, 540, 870, 1055, 0};

int TwipsToPixels(int twips, const QWidget* w) {
    return (twips * w->logicalDpiX() + 720) / 1440;
}

// The twip widths were chosen for a small 8-point font; with the system font
// here the widest value of a column would be cut, so each column grows to fit
// its heading and its widest value (the twip width stays the minimum).
constexpr std::array<const char*, 11> kWidestValues{
    "1300.000000", "WFM", "6.25KHz", "Train", "OFF", "1500Hz", "100.0Hz", "OFF", "55.000000", "", "WWWWWW"};

// Texts more than one question uses.
constexpr const char* kClearTitle = "CLEAR OK";
constexpr const char* kDisableTitle = "DISABLE OK";
constexpr const char* kUndoBringsBack = "Edit > Undo brings them back.";
QString RowsSelected(std::size_t rows) { return QStringLiteral("%1 rows are selected.").arg(rows); }

}  // namespace

void ApplyGridColumnWidths(QTableView* grid, bool vfo) {
    const auto& widths = vfo ? kVfoWidths : kMemoryWidths;
    QFont labelFont = grid->verticalHeader()->font();
    labelFont.setBold(true);  // the current row's label is drawn bold
    const int labelFit = QFontMetrics(labelFont).horizontalAdvance(vfo ? QStringLiteral("13") : QStringLiteral("00-000")) +
                         grid->fontMetrics().averageCharWidth() * 2;
    grid->verticalHeader()->setFixedWidth(std::max(TwipsToPixels(widths[0], grid), labelFit));
    for (int c = 1; c < 12; ++c) {
        const int w = TwipsToPixels(widths[static_cast<std::size_t>(c)], grid);
        if (w == 0) {
            grid->setColumnHidden(c - 1, true);
            continue;
        }
        const QString heading = grid->model()->headerData(c - 1, Qt::Horizontal).toString();
        const QString widest = QString::fromLatin1(kWidestValues[static_cast<std::size_t>(c - 1)]);
        const int padding = grid->fontMetrics().averageCharWidth() * 2;
        const int fit = std::max(grid->horizontalHeader()->fontMetrics().horizontalAdvance(heading),
                                 grid->fontMetrics().horizontalAdvance(widest)) + padding;
        grid->setColumnWidth(c - 1, std::max(w, fit));
    }
}

QTableView* MakeImageGrid(QAbstractItemModel* model, const char* objectName,
                          QAbstractItemView::SelectionMode selection, bool vfo) {
    auto* grid = new QTableView;
    grid->setObjectName(QString::fromLatin1(objectName));
    grid->setModel(model);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(selection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->setDefaultSectionSize(18);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->setWordWrap(false);
    // One Tab stop: the arrows move inside, Tab goes on to the next control.
    grid->setTabKeyNavigation(false);
    grid->setAccessibleName(vfo ? MemoryPage::tr("VFO bands") : MemoryPage::tr("Memory channels"));
    ApplyGridColumnWidths(grid, vfo);
    new ColumnStretcher(grid);
    return grid;
}

MemoryPage::MemoryPage(CloneDocument& document, Prompter& prompter, QWidget* parent)
    : QWidget(parent), document_(document), prompter_(prompter) {
    model_ = new MemoryTableModel(document_.Image(), this);
    grid_ = MakeImageGrid(model_, "MSFlexGrid1", QAbstractItemView::ExtendedSelection, false);
    grid_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    grid_->horizontalHeader()->setHighlightSections(false);
    connect(grid_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) emit editRequested(index.row() + 1);
    });

    // The view selector stays at "All": every transfer and operation covers
    // the whole channel space.
    cmbView_ = new QComboBox(this);
    cmbView_->setObjectName(QStringLiteral("cmbView"));
    for (int b = 0; b < kBanks; ++b) cmbView_->addItem(tr("Bank %1").arg(b));
    cmbView_->addItems({tr("Program Scan"), tr("Seach Pass"), tr("Priority"), tr("All")});
    cmbView_->setCurrentIndex(53);
    cmbView_->setAccessibleName(tr("View"));
    cmbView_->view()->setAccessibleName(tr("View"));
    cmbView_->hide();

    auto* buttons = new QGridLayout;
    buttons->setSpacing(4);
    readButton_ = new QPushButton(tr("Read"));
    readButton_->setObjectName(QStringLiteral("cmbRead"));
    writeButton_ = new QPushButton(tr("Write"));
    writeButton_->setObjectName(QStringLiteral("cmbWrite"));
    connect(readButton_, &QPushButton::clicked, this, &MemoryPage::readClicked);
    connect(writeButton_, &QPushButton::clicked, this, &MemoryPage::writeClicked);
    const std::array<QPushButton*, 12> all{
        readButton_,
        AddButton("cmbClAll", tr("Clear All"), &MemoryPage::ClearAll),
        AddButton("cmbClear", tr("Clear"), &MemoryPage::Clear),
        AddButton("cmbDelete", tr("Delete"), &MemoryPage::Delete),
        AddButton("cmbInsert", tr("Insert"), &MemoryPage::Insert),
        AddButton("Command5", tr("Up"), &MemoryPage::Up),
        writeButton_,
        AddButton("cmbEnAll", tr("Enable All"), &MemoryPage::EnableAll),
        AddButton("cmbDisAll", tr("Disable All"), &MemoryPage::DisableAll),
        AddButton("cmbEnable", tr("Enable"), &MemoryPage::Enable),
        AddButton("cmbDisable", tr("Disable"), &MemoryPage::Disable),
        AddButton("Command4", tr("Down"), &MemoryPage::Down),
    };
    for (std::size_t i = 0; i < all.size(); ++i)
        buttons->addWidget(all[i], static_cast<int>(i) / 6, static_cast<int>(i) % 6);
    buttons_.append(readButton_);
    buttons_.append(writeButton_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);
}

QPushButton* MemoryPage::AddButton(const char* name, const QString& caption, void (MemoryPage::*slot)()) {
    auto* b = new QPushButton(caption);
    b->setObjectName(QString::fromLatin1(name));
    connect(b, &QPushButton::clicked, this, slot);
    // The button acted on the grid: the arrows go on working there.
    connect(b, &QPushButton::clicked, grid_, [this] { grid_->setFocus(Qt::OtherFocusReason); });
    buttons_.append(b);
    return b;
}

QPushButton* MemoryPage::Button(const char* objectName) const {
    for (QPushButton* b : buttons_)
        if (b->objectName() == QLatin1String(objectName)) return b;
    return nullptr;
}

int MemoryPage::CurrentRow() const {
    const QModelIndex current = grid_->currentIndex();
    return current.isValid() ? current.row() + 1 : 1;
}

void MemoryPage::SelectRow(int row) {
    row = std::clamp(row, 1, kSlotCount);
    grid_->setCurrentIndex(model_->index(row - 1, 0));
    grid_->selectionModel()->select(model_->index(row - 1, 0),
                                    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

int MemoryPage::MissingWidth() const {
    const QMargins margins = layout()->contentsMargins();
    return ColumnStretcher::NaturalGridWidth(grid_) + margins.left() + margins.right() - width();
}

int MemoryPage::TopRow() const { return grid_->verticalScrollBar()->value() + 1; }

void MemoryPage::SetTopRow(int row) { grid_->verticalScrollBar()->setValue(row - 1); }

void MemoryPage::SelectRows(int first, int last) {
    first = std::clamp(first, 1, kSlotCount);
    last = std::clamp(last, first, kSlotCount);
    grid_->setCurrentIndex(model_->index(first - 1, 0));
    grid_->selectionModel()->select(QItemSelection(model_->index(first - 1, 0), model_->index(last - 1, 0)),
                                    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void MemoryPage::SelectOnly(const std::vector<int>& rows) {
    QItemSelection selection;
    for (const int row : rows) selection.select(model_->index(row - 1, 0), model_->index(row - 1, 0));
    SelectRow(rows.front());
    grid_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    grid_->scrollTo(grid_->currentIndex());
}

std::vector<int> MemoryPage::SelectedRows() const {
    std::vector<int> rows = SelectedGridRows(grid_);
    for (int& row : rows) ++row;
    return rows;
}

QString MemoryPage::RowsName(const std::vector<int>& rows) const {
    if (rows.size() == 1) return QString::fromStdString(model_->RowLabel(rows.front() - 1));
    return QStringLiteral("%1 Channels").arg(rows.size());
}

void MemoryPage::Apply(const QString& name, const std::function<void(CloneImage&)>& operation) {
    // The document repaints the rows the operation changed.
    document_.Edit(name, operation);
}

void MemoryPage::ClearAll() {
    if (prompter_.Confirm(this, QString::fromLatin1(kClearTitle),
                          {QString::fromLatin1(kUndoBringsBack),
                           QStringLiteral("Are you sure that you want to clear all memory?")}) !=
        Prompter::Answer::kOk)
        return;
    Apply(QStringLiteral("Clear All"), [&](CloneImage& image) { ClearAllSlots(image); });
}

void MemoryPage::Clear() {
    const std::vector<int> rows = SelectedRows();
    QStringList lines{QString::fromLatin1(kUndoBringsBack),
                      QStringLiteral("Are you sure that you want to do the clear?")};
    if (rows.size() > 1) lines << RowsSelected(rows.size());
    if (prompter_.Confirm(this, QString::fromLatin1(kClearTitle), lines) != Prompter::Answer::kOk) return;
    Apply(QStringLiteral("Clear ") + RowsName(rows), [&](CloneImage& image) { ClearRows(image, rows); });
}

void MemoryPage::Delete() {
    const int row = CurrentRow();
    if (row > kEditWindowRows) return;  // outside the window: not even asked
    if (prompter_.Confirm(this, QStringLiteral("DELETE OK"),
                          {QStringLiteral("Edit > Undo brings it back."),
                           QStringLiteral("Are you sure that you want to do the delete?")}) !=
        Prompter::Answer::kOk)
        return;
    Apply(QStringLiteral("Delete ") + RowsName({row}), [&](CloneImage& image) { DeleteRow(image, row); });
    SelectRow(row);
}

void MemoryPage::Insert() {
    const int row = CurrentRow();
    // The channel at the end of the window has nowhere to go: say which one
    // before it is gone from sight.
    if (const std::optional<int> lost = SlotLostByInsert(document_.Image(), row)) {
        const QString label = QString::fromStdString(model_->RowLabel(*lost));
        const QString name = QString::fromStdString(document_.Image().memory.slot[*lost].Text(kName));
        const QString what = name.isEmpty() ? label : QStringLiteral("%1 \"%2\"").arg(label, name);
        if (prompter_.Confirm(this, QStringLiteral("INSERT OK"),
                              {QStringLiteral("Inserting pushes %1 past the first %2 channels, where it is lost; "
                                              "Edit > Undo brings it back.")
                                   .arg(what)
                                   .arg(kEditWindowRows),
                               QStringLiteral("Are you sure that you want to do the insert?")}) !=
            Prompter::Answer::kOk)
            return;
    }
    Apply(QStringLiteral("Insert ") + RowsName({row}), [&](CloneImage& image) { InsertRow(image, row); });
    SelectRow(row);
}

bool MemoryPage::ConfirmSeveral(const std::vector<int>& rows, const QString& title, const QString& verb,
                                const QString& consequence) {
    // One row goes without a question, as the buttons always did.
    if (rows.size() <= 1) return true;
    QStringList lines{RowsSelected(rows.size())};
    if (!consequence.isEmpty()) lines << consequence;
    lines << QStringLiteral("Are you sure that you want to %1 them?").arg(verb);
    return prompter_.Confirm(this, title, lines) == Prompter::Answer::kOk;
}

bool MemoryPage::ConfirmDisable(const std::vector<int>& rows) {
    if (rows.size() > 1)
        return ConfirmSeveral(rows, QString::fromLatin1(kDisableTitle), QStringLiteral("disable"),
                              QStringLiteral("Disabling empties the channels; Edit > Undo brings them back."));
    // An empty row loses nothing, so there is nothing to ask.
    const int slot = rows.front() - 1;
    if (document_.Image().memory.slot[slot].IsEmpty()) return true;
    return prompter_.Confirm(this, QString::fromLatin1(kDisableTitle),
                             {QStringLiteral("Disabling empties the channel; Edit > Undo brings it back."),
                              QStringLiteral("Are you sure that you want to disable it?")}) == Prompter::Answer::kOk;
}

void MemoryPage::Enable() {
    const std::vector<int> rows = SelectedRows();
    if (!ConfirmSeveral(rows, QStringLiteral("ENABLE OK"), QStringLiteral("enable"))) return;
    Apply(QStringLiteral("Enable ") + RowsName(rows), [&](CloneImage& image) { EnableRows(image, rows); });
}

void MemoryPage::Disable() {
    const std::vector<int> rows = SelectedRows();
    // A disabled slot holds nothing, so the channels go with the flag.
    if (!ConfirmDisable(rows)) return;
    Apply(QStringLiteral("Disable ") + RowsName(rows), [&](CloneImage& image) { DisableRows(image, rows); });
}

void MemoryPage::EnableAll() {
    const int row = CurrentRow();
    Apply(QStringLiteral("Enable All"), [&](CloneImage& image) { EnableAllSlots(image); });
    SelectRow(row);
}

void MemoryPage::DisableAll() {
    const int row = CurrentRow();
    // It empties every slot, as Clear All does, so it asks as Clear All does.
    if (prompter_.Confirm(this, QString::fromLatin1(kDisableTitle),
                          {QStringLiteral("Disabling empties the channels; Edit > Undo brings them back."),
                           QStringLiteral("Are you sure that you want to disable all memory?")}) !=
        Prompter::Answer::kOk)
        return;
    Apply(QStringLiteral("Disable All"), [&](CloneImage& image) { DisableAllSlots(image); });
    SelectRow(row);
}

void MemoryPage::Up() {
    int row = CurrentRow();
    if (row > 1) SelectRow(--row);
    const int top = TopRow();
    if (row < top) {
        SetTopRow(row);
    } else if (row - top >= kScrollWindowRows) {
        SetTopRow(row - (kScrollWindowRows - 1));
    }
}

void MemoryPage::Down() {
    int row = CurrentRow();
    if (row < kSlotCount) SelectRow(++row);
    const int top = TopRow();
    const bool visible = row >= top && row < top + kScrollWindowRows;
    if (!visible) {
        SetTopRow(row < top ? row : row - (kScrollWindowRows - 1));
    } else if (row == kSlotCount) {
        SetTopRow(kSlotCount - (kScrollWindowRows - 1));
    }
}

void MemoryPage::SetEditable(bool editable) {
    for (const char* name : {"cmbClAll", "cmbClear", "cmbDelete", "cmbInsert", "cmbEnAll", "cmbDisAll", "cmbEnable",
                             "cmbDisable"})
        Button(name)->setEnabled(editable);
}

std::vector<int> SelectedGridRows(const QTableView* grid) {
    // By ranges, not cells: a thousand selected rows are eleven thousand cells.
    std::set<int> rows;
    for (const QItemSelectionRange& range : grid->selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row) rows.insert(row);
    if (rows.empty()) rows.insert(std::max(grid->currentIndex().row(), 0));
    return {rows.begin(), rows.end()};
}

}  // namespace wrk7
