#include "app/dialogs/list_import_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/dialogs/list_preview_model.h"
#include "app/widgets/memory_row_box.h"
#include "app/translation/said.h"
#include "app/support/screen_fit.h"
#include "edit/bank.h"

namespace wrk7 {

QString ListImportDialog::ListTitle(ListFileType type) {
    switch (type) {
        case ListFileType::kOwnCsv: return tr("this program's CSV");
        case ListFileType::kChirpCsv: return tr("CHIRP CSV");
        case ListFileType::kRadioReference: return tr("frequency-database export");
        case ListFileType::kRepeaterBook: return tr("repeater directory export");
        case ListFileType::kGqrx: return tr("gqrx bookmarks");
        case ListFileType::kSdrSharp: return tr("SDR# frequency manager");
        case ListFileType::kSdrPlusPlus: return tr("SDR++ frequency manager");
    }
    return {};
}

ListImportDialog::ListImportDialog(const CloneImage& image, ChannelList list, const QString& fileName,
                                   int offeredSlot, QWidget* parent)
    : QDialog(parent), image_(std::make_unique<CloneImage>(image)) {
    setObjectName(QStringLiteral("dlgListImport"));
    setWindowTitle(tr("Import"));
    setAttribute(Qt::WA_DeleteOnClose);
    const ListFormat format = list.format;
    const auto rowCount = static_cast<int>(list.rows.size());
    // A CHIRP list goes to its own Locations unless told otherwise.
    mappedAtLocations_ = format == ListFormat::kChirp;
    std::vector<ListMapping> rows = MapChannelList(list, *image_, mappedAtLocations_);
    model_ = new ListPreviewModel(std::move(list), std::move(rows), BuildRowLabels(*image_), this);
    filter_ = new ListPreviewFilter(this);
    filter_->setSourceModel(model_);

    auto* heading = new QLabel(tr("%1: %2, %n rows", nullptr, rowCount).arg(ListTitle(InfoOf(format).type), fileName));
    heading->setObjectName(QStringLiteral("lblListHeading"));
    table_ = new QTableView;
    table_->setObjectName(QStringLiteral("tblListPreview"));
    table_->setAccessibleName(tr("Rows of the list"));
    table_->setModel(filter_);
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    // The outcome is as wide as its longest reason (SizeOutcomeColumn): a
    // stretched last column would cut it at the dialog's edge.
    table_->horizontalHeader()->setStretchLastSection(false);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    SizeColumns();

    summary_ = new QLabel;
    summary_->setObjectName(QStringLiteral("lblImportSummary"));
    summary_->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    importButton_ = buttons->addButton(tr("Import"), QDialogButtonBox::AcceptRole);
    importButton_->setObjectName(QStringLiteral("btnImport"));
    importButton_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(BuildFilterBar());
    layout->addWidget(table_, 1);
    layout->addWidget(BuildTarget(offeredSlot, format == ListFormat::kChirp));
    layout->addWidget(summary_);
    layout->addWidget(buttons);
    connect(model_, &ListPreviewModel::choiceChanged, this, &ListImportDialog::Replan);
    // Wide enough for the reasons in the last column; never beyond the screen.
    resize(1100, 640);
    FitOnScreen(this);
    Replan();
}

void ListImportDialog::SizeColumns() {
    // From the widest text each column is likely to hold, not from the rows:
    // measuring thousands of rows would hold the dialog up.
    const QFontMetrics metrics = table_->fontMetrics();
    const QString widest[] = {
        {},                        // kUse: its heading
        QStringLiteral("00000"),   // kLine
        QStringLiteral("00-000"),  // kSlot
        QStringLiteral("0000.000000"),
        QStringLiteral("WFM (stereo)"),
        QStringLiteral("000.0 PL"),
        QStringLiteral("MMMMMM"),
        QString(18, QLatin1Char('M')),  // kNote: most of a 30-character note
        QString(12, QLatin1Char('M')),  // kSource
    };
    const int padding = 2 * metrics.averageCharWidth() + 8;
    for (int column = 0; column < ListPreviewModel::kOutcome; ++column) {
        const QString heading = model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        const int width = std::max(metrics.horizontalAdvance(widest[column]), metrics.horizontalAdvance(heading));
        table_->setColumnWidth(column, width + padding);
    }
}

ListImportDialog::~ListImportDialog() = default;

const std::vector<ListMapping>& ListImportDialog::Rows() const { return model_->Rows(); }

QWidget* ListImportDialog::BuildFilterBar() {
    auto* bar = new QWidget;
    filterField_ = new QComboBox;
    filterField_->setObjectName(QStringLiteral("cbbFilterField"));
    filterField_->setAccessibleName(tr("Filter by"));
    using Field = ListPreviewFilter::Field;
    const std::pair<QString, Field> fields[] = {{tr("Any text"), Field::kAny}, {tr("Tag"), Field::kTag},
                                                {tr("Agency"), Field::kAgency}, {tr("Group"), Field::kGroup},
                                                {tr("Mode"), Field::kMode},     {tr("County"), Field::kCounty}};
    for (const auto& [caption, field] : fields) filterField_->addItem(caption, static_cast<int>(field));
    filterText_ = new QLineEdit;
    filterText_->setObjectName(QStringLiteral("txtFilter"));
    filterText_->setAccessibleName(tr("Filter text"));
    filterText_->setPlaceholderText(tr("Show rows holding..."));
    filterText_->setClearButtonEnabled(true);
    // Qt's clear button comes without a name a screen reader could say.
    for (QToolButton* clear : filterText_->findChildren<QToolButton*>()) clear->setAccessibleName(tr("Clear the filter"));
    if (auto* action = filterText_->findChild<QAction*>(QStringLiteral("_q_qlineeditclearaction")))
        action->setText(tr("Clear the filter"));
    auto refilter = [this] {
        filter_->SetFilter(static_cast<ListPreviewFilter::Field>(filterField_->currentData().toInt()), filterText_->text());
    };
    connect(filterText_, &QLineEdit::textChanged, this, refilter);
    connect(filterField_, &QComboBox::currentIndexChanged, this, refilter);
    auto* chooseShown = new QPushButton(tr("C&hoose Shown"));
    chooseShown->setObjectName(QStringLiteral("btnChooseShown"));
    auto* clearShown = new QPushButton(tr("C&lear Shown"));
    clearShown->setObjectName(QStringLiteral("btnClearShown"));
    connect(chooseShown, &QPushButton::clicked, this, [this] { model_->SetChosen(filter_->ShownRows(), true); });
    connect(clearShown, &QPushButton::clicked, this, [this] { model_->SetChosen(filter_->ShownRows(), false); });
    auto* caption = new QLabel(tr("&Filter:"));
    caption->setBuddy(filterText_);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(caption);
    row->addWidget(filterField_);
    row->addWidget(filterText_, 1);
    row->addWidget(chooseShown);
    row->addWidget(clearShown);
    return bar;
}

QWidget* ListImportDialog::BuildTarget(int offeredSlot, bool ownLocations) {
    auto* frame = new QGroupBox(tr("Place the chosen rows"));
    emptySlots_ = new QRadioButton(tr("In &empty slots only, from row"));
    emptySlots_->setObjectName(QStringLiteral("opbTarget0"));
    emptySlots_->setChecked(!ownLocations);
    fromRow_ = new QRadioButton(tr("In &consecutive slots from row"));
    fromRow_->setObjectName(QStringLiteral("opbTarget1"));
    intoBank_ = new QRadioButton(tr("Into &bank"));
    intoBank_->setObjectName(QStringLiteral("opbTarget2"));
    atLocations_ = new QRadioButton(tr("At each row's &own Location"));
    atLocations_->setObjectName(QStringLiteral("opbTarget3"));
    atLocations_->setVisible(ownLocations);
    atLocations_->setChecked(ownLocations);
    firstRow_ = new MemoryRowBox(*image_, offeredSlot);
    firstRow_->setObjectName(QStringLiteral("cbbFirstRow"));
    firstRow_->setAccessibleName(tr("First row"));
    bank_ = new QSpinBox;
    bank_->setObjectName(QStringLiteral("spnBank"));
    bank_->setAccessibleName(tr("Bank"));
    bank_->setRange(0, kBanks - 1);
    if (const auto position = ChannelToBank(*image_, firstRow_->Slot().value_or(0))) bank_->setValue(position->bank);
    growBank_ = new QCheckBox(tr("&Grow it from the banks after it when the rows need more room"));
    growBank_->setObjectName(QStringLiteral("chkGrowBank"));
    duplicates_ = new QComboBox;
    duplicates_->setObjectName(QStringLiteral("cbbDuplicates"));
    duplicates_->setAccessibleName(tr("A row a used slot already holds"));
    duplicates_->addItem(tr("Skip a row a used slot already holds"), static_cast<int>(DuplicateRule::kSkip));
    duplicates_->addItem(tr("Replace the channel that holds it, in its slot"), static_cast<int>(DuplicateRule::kReplace));
    duplicates_->addItem(tr("Import it where the rows go, beside the channel that holds it"),
                         static_cast<int>(DuplicateRule::kKeep));
    // A CHIRP list names its slots: what it holds goes there, as it always has.
    if (ownLocations) duplicates_->setCurrentIndex(duplicates_->findData(static_cast<int>(DuplicateRule::kKeep)));

    auto sync = [this] {
        firstRow_->setEnabled(!intoBank_->isChecked() && !atLocations_->isChecked());
        if (atLocations_->isChecked() != mappedAtLocations_) {
            mappedAtLocations_ = atLocations_->isChecked();
            model_->SetRows(MapChannelList(model_->List(), *image_, mappedAtLocations_));
        }
        bank_->setEnabled(intoBank_->isChecked());
        growBank_->setEnabled(intoBank_->isChecked());
        Replan();
    };
    for (QRadioButton* b : {emptySlots_, fromRow_, intoBank_, atLocations_})
        connect(b, &QRadioButton::toggled, this, sync);
    connect(firstRow_, &QLineEdit::textChanged, this, &ListImportDialog::Replan);
    connect(bank_, &QSpinBox::valueChanged, this, &ListImportDialog::Replan);
    connect(growBank_, &QCheckBox::toggled, this, &ListImportDialog::Replan);
    connect(duplicates_, &QComboBox::currentIndexChanged, this, &ListImportDialog::Replan);
    bank_->setEnabled(false);
    growBank_->setEnabled(false);
    firstRow_->setEnabled(!ownLocations);

    auto* grid = new QGridLayout(frame);
    grid->addWidget(atLocations_, 0, 0);
    grid->addWidget(emptySlots_, 1, 0);
    grid->addWidget(fromRow_, 2, 0);
    grid->addWidget(firstRow_, 1, 1, 2, 1);
    grid->addWidget(intoBank_, 3, 0);
    grid->addWidget(bank_, 3, 1);
    grid->addWidget(growBank_, 4, 0, 1, 3);
    grid->addWidget(duplicates_, 5, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    return frame;
}

ListImportChoice ListImportDialog::Choice() const {
    ListImportChoice choice;
    choice.target = atLocations_->isChecked() ? ListTarget::kOwnLocations
                    : intoBank_->isChecked()  ? ListTarget::kIntoBank
                    : fromRow_->isChecked()   ? ListTarget::kFromSlot
                                              : ListTarget::kEmptySlots;
    choice.firstSlot = firstRow_->Slot().value_or(0);
    choice.bank = bank_->value();
    choice.growBank = growBank_->isChecked();
    choice.duplicates = static_cast<DuplicateRule>(duplicates_->currentData().toInt());
    choice.chosen = model_->Chosen();
    return choice;
}

void ListImportDialog::Replan() {
    // Built before every control exists: the last one built replans.
    if (!duplicates_ || !summary_) return;
    // A row the box does not name places nothing; the summary says why.
    if (!intoBank_->isChecked() && !atLocations_->isChecked() && !firstRow_->Slot()) {
        plan_ = {};
        summary_->setText(firstRow_->Refusal());
        importButton_->setEnabled(false);
        return;
    }
    plan_ = PlanListImport(*image_, model_->Rows(), Choice());
    model_->ShowPlan(plan_);
    summary_->setText(Said(plan_.summary));
    importButton_->setEnabled(!plan_.placed.empty());
    MeasureOutcomes();
    SizeOutcomeColumn();
}

void ListImportDialog::MeasureOutcomes() {
    const QFontMetrics metrics = table_->fontMetrics();
    int widest = metrics.horizontalAdvance(model_->headerData(ListPreviewModel::kOutcome, Qt::Horizontal,
                                                              Qt::DisplayRole).toString());
    for (int row = 0; row < model_->rowCount(); ++row)
        widest = std::max(widest, metrics.horizontalAdvance(
                                      model_->index(row, ListPreviewModel::kOutcome).data().toString()));
    outcomeWidth_ = widest + 2 * metrics.averageCharWidth() + 8;
}

void ListImportDialog::SizeOutcomeColumn() {
    int others = 0;
    for (int column = 0; column < ListPreviewModel::kOutcome; ++column) others += table_->columnWidth(column);
    // At least the room left beside the other columns, so the table ends flush.
    const int room = table_->viewport()->width() - others;
    table_->setColumnWidth(ListPreviewModel::kOutcome, std::max(outcomeWidth_, room));
}

void ListImportDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (table_) SizeOutcomeColumn();
}

}  // namespace wrk7
