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
#include <set>

#include "app/support/column_stretch.h"
#include "app/pages/memory_table_model.h"
#include "app/document/clone_document.h"
#include "codecs/grid_text.h"

namespace wrk7 {

namespace {

constexpr std::array<int, 12> kMemoryWidths{600, 1035, 480, 705, 555, 390, 675, 705, 540, 870, 1055, 1000};
// 0 under the columns kVfoGridColumns leaves out.
constexpr std::array<int, 12> kVfoWidths{500, 1035, 480, 705, 555, 0, 675, 705, 540, 870, 1055, 0};

int TwipsToPixels(int twips, const QWidget* w) {
    return (twips * w->logicalDpiX() + 720) / 1440;
}

// The twip widths were chosen for a small 8-point font; with the system font
// here the widest value of a column would be cut, so each column grows to fit
// its heading and its widest value (the twip width stays the minimum).
constexpr std::array<const char*, 11> kWidestValues{
    "1300.000000", "WFM", "6.25KHz", "Train", "OFF", "1500Hz", "100.0Hz", "OFF", "55.000000", "", "WWWWWW"};

}  // namespace

void ApplyGridColumnWidths(QTableView* grid, GridKind kind) {
    const bool vfo = kind == GridKind::kVfo;
    const auto& widths = vfo ? kVfoWidths : kMemoryWidths;
    QFont labelFont = grid->verticalHeader()->font();
    labelFont.setBold(true);  // the current row's label is drawn bold
    const int labelFit = QFontMetrics(labelFont).horizontalAdvance(vfo ? QStringLiteral("13") : QStringLiteral("00-000")) +
                         grid->fontMetrics().averageCharWidth() * 2;
    grid->verticalHeader()->setFixedWidth(std::max(TwipsToPixels(widths[0], grid), labelFit));
    for (int c = 1; c < 12; ++c) {
        // The VFO grid's columns are also those its copied text carries.
        if (vfo && std::find(kVfoGridColumns.begin(), kVfoGridColumns.end(), c - 1) == kVfoGridColumns.end()) {
            grid->setColumnHidden(c - 1, true);
            continue;
        }
        const int w = TwipsToPixels(widths[static_cast<std::size_t>(c)], grid);
        const QString heading = grid->model()->headerData(c - 1, Qt::Horizontal).toString();
        const QString widest = QString::fromLatin1(kWidestValues[static_cast<std::size_t>(c - 1)]);
        const int padding = grid->fontMetrics().averageCharWidth() * 2;
        const int fit = std::max(grid->horizontalHeader()->fontMetrics().horizontalAdvance(heading),
                                 grid->fontMetrics().horizontalAdvance(widest)) + padding;
        grid->setColumnWidth(c - 1, std::max(w, fit));
    }
}

QTableView* MakeImageGrid(QAbstractItemModel* model, const char* objectName,
                          QAbstractItemView::SelectionMode selection, GridKind kind) {
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
    grid->setAccessibleName(kind == GridKind::kVfo ? MemoryPage::tr("VFO bands") : MemoryPage::tr("Memory channels"));
    ApplyGridColumnWidths(grid, kind);
    new ColumnStretcher(grid);
    return grid;
}

void MemoryPage::Follow(const CloneDocument& document) {
    connect(&document, &CloneDocument::changed, this, &MemoryPage::Show);
}

void MemoryPage::Show(const EditedParts& parts) {
    if (parts.model) model_->RefreshHeadings();
    if (parts.Has(ImagePart::kBanks)) model_->RebuildRowLabels();
    if (parts.memory.Empty()) return;
    model_->RefreshSlots(parts.memory);
    if (parts.memory.first > 0 || parts.memory.last < kSlotCount - 1)
        grid_->scrollTo(model_->index(parts.memory.first, 0));
}

MemoryPage::MemoryPage(const CloneImage& image, QWidget* parent) : QWidget(parent) {
    model_ = new MemoryTableModel(image, this);
    grid_ = MakeImageGrid(model_, "MSFlexGrid1", QAbstractItemView::ExtendedSelection, GridKind::kMemory);
    grid_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    grid_->horizontalHeader()->setHighlightSections(false);

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
    buttons_ << readButton_ << writeButton_;
    QPushButton* up = AddButton("Command5", tr("Up"));
    QPushButton* down = AddButton("Command4", tr("Down"));
    connect(up, &QPushButton::clicked, this, &MemoryPage::Up);
    connect(down, &QPushButton::clicked, this, &MemoryPage::Down);
    const std::array<QPushButton*, 12> all{
        readButton_,
        AddButton("cmbClAll", tr("Clear All")),
        AddButton("cmbClear", tr("Clear")),
        AddButton("cmbDelete", tr("Delete")),
        AddButton("cmbInsert", tr("Insert")),
        up,
        writeButton_,
        AddButton("cmbEnAll", tr("Enable All")),
        AddButton("cmbDisAll", tr("Disable All")),
        AddButton("cmbEnable", tr("Enable")),
        AddButton("cmbDisable", tr("Disable")),
        down,
    };
    for (std::size_t i = 0; i < all.size(); ++i)
        buttons->addWidget(all[i], static_cast<int>(i) / 6, static_cast<int>(i) % 6);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);
}

QPushButton* MemoryPage::AddButton(const char* name, const QString& caption) {
    auto* b = new QPushButton(caption);
    b->setObjectName(QString::fromLatin1(name));
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

int MemoryPage::MissingWidth(int pageWidth) const {
    const QMargins margins = layout()->contentsMargins();
    return ColumnStretcher::NaturalGridWidth(grid_) + margins.left() + margins.right() - pageWidth;
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

std::vector<int> SelectedGridRows(const QTableView* grid) {
    // By ranges, not cells: a thousand selected rows are eleven thousand cells.
    std::set<int> rows;
    for (const QItemSelectionRange& range : grid->selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row) rows.insert(row);
    if (rows.empty()) rows.insert(std::max(grid->currentIndex().row(), 0));
    return {rows.begin(), rows.end()};
}

}  // namespace wrk7
