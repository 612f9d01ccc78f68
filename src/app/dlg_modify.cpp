#include "app/dlg_modify.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

#include "app/frequency_filter.h"
#include "app/prompter.h"
#include "codecs/grid_text.h"
#include "core/hex.h"
#include "edit/bank.h"

namespace wrk7 {

namespace {

constexpr int kStepButtons = 18;
constexpr int kStep1KHz = 16;
constexpr int kStep9KHz = 17;
constexpr int kStep10KHz = 3;
constexpr int kStep12_5KHz = 4;
constexpr int kStep20KHz = 6;
constexpr int kOptionNone = 0;
constexpr int kOptionTrain = 1;
constexpr int kOptionSecret = 4;
constexpr int kDefaultSecret = 11;
constexpr int kDefaultTone = 8;
constexpr double kLowestFrequency = 0.1;
constexpr double kHighestFrequency = 1299.995;
constexpr double kOffsetLimit = 100;
const char* const kDefaultFrequency = "145.000000";
const char* const kDefaultOffset = "0.600000";

const QString kCellularTitle = QStringLiteral("Frequency of the cellular phone");
const QStringList kCellularLines{QStringLiteral("It is a frequency of the cellular phone."),
                                 QStringLiteral("It is not possible to set it.")};
const QStringList kSearchPassLines{
    QStringLiteral("The same frequency as other channels cannot be set in Search Pass bank.")};

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

double BoxValue(const QLineEdit* box) {
    // An empty box or a lone "." reads as 0, which every range check refuses.
    return ParseDecimal(box->text().toStdString());
}

long long Hz(double mhz) { return std::llround(mhz * 1'000'000.0); }

// A stored code as a button or list index, -1 when it is not a whole number
// in 0..count-1 (a value from a file may be anything).
int Code(double value, int count) {
    if (!std::isfinite(value) || value < 0 || value >= count) return -1;
    const double whole = std::floor(value);
    return whole == value ? static_cast<int>(whole) : -1;
}

void Select(QButtonGroup* group, int id) {
    if (QAbstractButton* b = id >= 0 ? group->button(id) : nullptr) {
        b->setChecked(true);
        return;
    }
    // No button for the code: show none, so OK leaves the field alone.
    group->setExclusive(false);
    for (QAbstractButton* each : group->buttons()) each->setChecked(false);
    group->setExclusive(true);
}

void EnableAll(QButtonGroup* group, bool on) {
    for (QAbstractButton* b : group->buttons()) b->setEnabled(on);
}

QRadioButton* AddRadio(QButtonGroup* group, QLayout* layout, const QString& name, int id,
                       const QString& caption) {
    auto* b = new QRadioButton(caption);
    b->setObjectName(name + QString::number(id));
    group->addButton(b, id);
    layout->addWidget(b);
    return b;
}

}  // namespace

DlgModify::DlgModify(QWidget* parent, Prompter* prompter) : QDialog(parent), prompter_(prompter) {
    setObjectName(QStringLiteral("dlgModify"));
    setWindowTitle(QStringLiteral("Modify Memory"));
    BuildControls();
    // The first "Hold" has nothing to hold yet: start from the empty-row values.
    LoadDefaults();
}

DlgModify::~DlgModify() = default;

void DlgModify::SetPrompter(Prompter* prompter) { prompter_ = prompter; }

Prompter& DlgModify::Prompts() { return prompter_ ? *prompter_ : DefaultPrompter(); }

void DlgModify::BuildControls() {
    auto* top = new QVBoxLayout(this);
    // The dialog follows its contents: the VFO editor hides the name row,
    // the skip and hold boxes, and must not keep the memory editor's height.
    top->setSizeConstraint(QLayout::SetFixedSize);

    auto* header = new QHBoxLayout;
    lblMode_ = new QLabel;
    lblMode_->setObjectName(QStringLiteral("lblMode"));
    lblCH_ = new QLabel;
    lblCH_->setObjectName(QStringLiteral("lblCH"));
    lblMHz_ = new QLabel;
    lblMHz_->setObjectName(QStringLiteral("lblMHz"));
    QFont bold = lblMode_->font();
    bold.setBold(true);
    lblMode_->setFont(bold);
    lblCH_->setFont(bold);
    header->addWidget(lblMode_);
    header->addSpacing(12);
    header->addWidget(lblCH_);
    header->addStretch();
    header->addWidget(lblMHz_);
    top->addLayout(header);

    // Frequency and offset.
    auto* boxes = new QGridLayout;
    txtFreq_ = new QLineEdit;
    txtFreq_->setObjectName(QStringLiteral("txtFreq"));
    txtFreq_->setMaxLength(11);
    txtFreq_->setValidator(new KeyFilter(KeyFilter::Kind::kDecimal, txtFreq_));
    txtShift_ = new QLineEdit;
    txtShift_->setObjectName(QStringLiteral("txtShift"));
    txtShift_->setMaxLength(9);
    txtShift_->setValidator(new KeyFilter(KeyFilter::Kind::kDecimal, txtShift_));
    const int boxWidth = txtFreq_->fontMetrics().horizontalAdvance(QStringLiteral("00000.0000000"));
    txtFreq_->setMinimumWidth(boxWidth);
    txtShift_->setMinimumWidth(boxWidth);
    boxes->addWidget(new QLabel(QStringLiteral("Frequency")), 0, 0);
    boxes->addWidget(txtFreq_, 0, 1);
    boxes->addWidget(new QLabel(QStringLiteral("MHz")), 0, 2);
    boxes->setColumnMinimumWidth(3, 16);
    boxes->addWidget(new QLabel(QStringLiteral("Offset Frequency")), 0, 4);
    boxes->addWidget(txtShift_, 0, 5);
    boxes->addWidget(new QLabel(QStringLiteral("MHz")), 0, 6);
    boxes->setColumnStretch(7, 1);
    top->addLayout(boxes);
    txtFreq_->installEventFilter(this);
    txtShift_->installEventFilter(this);

    // Mode and shift side by side.
    auto* row2 = new QHBoxLayout;
    auto* modeFrame = new QGroupBox(QStringLiteral("Mode"));
    auto* modeLayout = new QHBoxLayout(modeFrame);
    opbWave_ = new QButtonGroup(this);
    opbWave_->setObjectName(QStringLiteral("opbWave"));
    const QStringList modes{QStringLiteral("FM"), QStringLiteral("AM"), QStringLiteral("WFM")};
    for (int i = 0; i < modes.size(); ++i) AddRadio(opbWave_, modeLayout, QStringLiteral("opbWave"), i, modes[i]);
    row2->addWidget(modeFrame);
    auto* shiftFrame = new QGroupBox(QStringLiteral("Shift"));
    auto* shiftLayout = new QHBoxLayout(shiftFrame);
    opbSift_ = new QButtonGroup(this);
    opbSift_->setObjectName(QStringLiteral("opbSift"));
    const QStringList shifts{QStringLiteral("OFF"), QStringLiteral("+"), QStringLiteral("-")};
    for (int i = 0; i < shifts.size(); ++i) AddRadio(opbSift_, shiftLayout, QStringLiteral("opbSift"), i, shifts[i]);
    row2->addWidget(shiftFrame);
    top->addLayout(row2);

    // Steps, six to a row, in code order.
    auto* stepFrame = new QGroupBox(QStringLiteral("Tuning Step"));
    auto* stepLayout = new QGridLayout(stepFrame);
    opbStep_ = new QButtonGroup(this);
    opbStep_->setObjectName(QStringLiteral("opbStep"));
    for (int i = 0; i < kStepButtons; ++i) {
        auto* b = new QRadioButton(Q(StepName[i]));
        b->setObjectName(QStringLiteral("opbStep") + QString::number(i));
        opbStep_->addButton(b, i);
        stepLayout->addWidget(b, i / 6, i % 6);
    }
    top->addWidget(stepFrame);

    auto* optionFrame = new QGroupBox(QStringLiteral("Option"));
    auto* optionLayout = new QHBoxLayout(optionFrame);
    opbTone_ = new QButtonGroup(this);
    opbTone_->setObjectName(QStringLiteral("opbTone"));
    const QStringList options{QStringLiteral("None"), QStringLiteral("Train"), QStringLiteral("Tone"),
                              QStringLiteral("Reverse"), QStringLiteral("Secret")};
    for (int i = 0; i < options.size(); ++i)
        AddRadio(opbTone_, optionLayout, QStringLiteral("opbTone"), i, options[i]);
    top->addWidget(optionFrame);

    // The three lists.
    auto* lists = new QGridLayout;
    cbbTxTone_ = new QComboBox;
    cbbTxTone_->setObjectName(QStringLiteral("cbbTxTone"));
    for (std::string_view t : ToneName) cbbTxTone_->addItem(Q(t));
    cbbTxTone_->setCurrentIndex(0);
    cbbSec_ = new QComboBox;
    cbbSec_->setObjectName(QStringLiteral("cbbSec"));
    for (int i = 0; i <= 28; ++i) cbbSec_->addItem(QString::number(i));
    cbbAir_ = new QComboBox;
    cbbAir_->setObjectName(QStringLiteral("cbbAir"));
    for (int i = 0; i <= kCarrierJR; ++i) cbbAir_->addItem(Q(CarrierName(i)));
    cbbTxTone_->setMaxVisibleItems(12);
    cbbAir_->setMaxVisibleItems(12);
    cbbSec_->setMaxVisibleItems(12);
    lists->addWidget(new QLabel(QStringLiteral("Tone")), 0, 0);
    lists->addWidget(cbbTxTone_, 1, 0);
    lists->addWidget(new QLabel(QStringLiteral("Secret Code")), 0, 1);
    lists->addWidget(cbbSec_, 1, 1);
    lists->addWidget(new QLabel(QStringLiteral("Carrier")), 0, 2);
    lists->addWidget(cbbAir_, 1, 2);
    top->addLayout(lists);

    // Name and note.
    auto* texts = new QGridLayout;
    lblName_ = new QLabel(QStringLiteral("NAME"));
    lblName_->setObjectName(QStringLiteral("lblName"));
    txtName_ = new QLineEdit;
    txtName_->setObjectName(QStringLiteral("txtName"));
    txtName_->setMaxLength(6);
    txtName_->setValidator(new KeyFilter(KeyFilter::Kind::kPrintableAscii, txtName_));
    txtName_->setMinimumWidth(txtName_->fontMetrics().horizontalAdvance(QStringLiteral("WWWWWWW")));
    txtNote_ = new QLineEdit;
    txtNote_->setObjectName(QStringLiteral("txtNote"));
    txtNote_->setMaxLength(30);
    // Note first: the VFO editor hides the name row, and nothing is left
    // dangling beside the note.
    texts->addWidget(new QLabel(QStringLiteral("Note")), 0, 0);
    texts->addWidget(txtNote_, 0, 1, 1, 2);
    texts->addWidget(lblName_, 1, 0);
    texts->addWidget(txtName_, 1, 1);
    texts->setColumnStretch(2, 1);
    top->addLayout(texts);

    auto* bottom = new QHBoxLayout;
    chkSkip_ = new QCheckBox(QStringLiteral("Skip"));
    chkSkip_->setObjectName(QStringLiteral("chkSkip"));
    chkHold_ = new QCheckBox(QStringLiteral("Hold"));
    chkHold_->setObjectName(QStringLiteral("chkHold"));
    chkEnable_ = new QCheckBox(QStringLiteral("Enable"));
    chkEnable_->setObjectName(QStringLiteral("chkEnable"));
    chkEnable_->hide();
    cmdOK_ = new QPushButton(QStringLiteral("OK"));
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel_ = new QPushButton(QStringLiteral("Cancel"));
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    // The buttons do not take the focus from a clicked box: OK runs the box's
    // check itself first, and Cancel has nothing to check.
    cmdOK_->setFocusPolicy(Qt::TabFocus);
    cmdCancel_->setFocusPolicy(Qt::TabFocus);
    cmdOK_->setDefault(true);  // Enter anywhere in the dialog
    bottom->addWidget(chkSkip_);
    bottom->addWidget(chkHold_);
    bottom->addWidget(chkEnable_);
    bottom->addStretch();
    bottom->addWidget(cmdOK_);
    bottom->addWidget(cmdCancel_);
    top->addLayout(bottom);

    connect(cmdOK_, &QPushButton::clicked, this, &DlgModify::OnOk);
    connect(cmdCancel_, &QPushButton::clicked, this, &DlgModify::reject);
}

void DlgModify::LoadDefaults() {
    SetFreqText(QString::fromLatin1(kDefaultFrequency));
    Select(opbWave_, 0);
    Select(opbStep_, kStep20KHz);
    Select(opbTone_, kOptionNone);
    cbbTxTone_->setCurrentIndex(kDefaultTone);
    Select(opbSift_, 0);
    txtShift_->setText(QString::fromLatin1(kDefaultOffset));
    chkEnable_->setChecked(true);
    txtNote_->clear();
    txtName_->clear();
    chkSkip_->setChecked(false);
    if (cbbAir_->isEnabled()) cbbAir_->setCurrentIndex(kCarrierJR);
    if (cbbSec_->isEnabled()) cbbSec_->setCurrentIndex(kDefaultSecret);
}

void DlgModify::SetFreqText(const QString& text) { txtFreq_->setText(text); }

bool DlgModify::PrepareMemory(CloneImage& image, int row) {
    if (row < 1 || row > kSlotCount) return false;
    const int slot = row - 1;
    image_ = &image;
    target_ = Target::kMemory;
    row_ = row;
    region_ = image.RegionIndex;
    freqPending_ = offsetPending_ = false;
    setWindowTitle(QStringLiteral("Modify Memory"));

    if (slot < kChannelCount) {
        const QString label = Q(BuildRowLabels(image)[slot]);
        lblMode_->setText(QStringLiteral("Bank ") + label.left(2));
        lblCH_->setText(label.right(3) + QStringLiteral("Ch"));
    } else if (slot < kFirstSearchPassSlot) {
        const int pair = (row - 1001) / 2;
        lblMode_->setText(QStringLiteral("Program Scan"));
        lblCH_->setText(QString::number(pair) + (row % 2 == 1 ? QStringLiteral(" - A") : QStringLiteral(" - B")));
    } else if (slot < kFirstPrioritySlot) {
        lblMode_->setText(QStringLiteral("Search Pass"));
        lblCH_->setText(QString::number(row - 1101) + QStringLiteral("Ch"));
    } else {
        lblMode_->setText(QStringLiteral("Priority"));
        lblCH_->setText(QString::number(row - 1201) + QStringLiteral("Ch"));
    }

    lblMHz_->clear();
    chkEnable_->hide();
    chkSkip_->show();
    chkHold_->show();
    txtName_->show();
    lblName_->show();
    EnableAll(opbWave_, true);
    EnableAll(opbStep_, true);
    EnableAll(opbTone_, true);

    const bool carrier = region_ == 0;
    const bool secret = region_ == 1;
    opbTone_->button(kOptionSecret)->setEnabled(region_ == 1);
    opbTone_->button(kOptionTrain)->setEnabled(region_ == 0);
    cbbAir_->setEnabled(carrier);
    cbbSec_->setEnabled(secret);
    if (!carrier) cbbAir_->setCurrentIndex(-1);
    if (!secret) cbbSec_->setCurrentIndex(-1);

    const SlotFields& m = image.Mem[slot];
    if (m.IsEmpty()) {
        if (!chkHold_->isChecked()) LoadDefaults();
        fullNote_ = txtNote_->text();
        fullName_ = txtName_->text();
    } else {
        SetFreqText(Q(m.Text(kFreq)));
        fullNote_ = Q(m.Text(kNote));
        fullName_ = Q(m.Text(kName));
        txtNote_->setText(fullNote_);
        txtName_->setText(fullName_);
        Select(opbWave_, Code(m.Value(kMode), 3));
        Select(opbStep_, Code(m.Value(kStep), kStepButtons));
        Select(opbTone_, Code(m.Value(kOption), 5));
        Select(opbSift_, Code(m.Value(kShift), 3));
        chkSkip_->setChecked(m.Value(kSkip) == 1);
        if (secret) cbbSec_->setCurrentIndex(Code(m.Value(kSecret), cbbSec_->count()));
        if (carrier) cbbAir_->setCurrentIndex(Code(m.Value(kCarrier), cbbAir_->count()));
        cbbTxTone_->setCurrentIndex(Code(m.Value(kTone), cbbTxTone_->count()));
        txtShift_->setText(Q(m.Text(kOffset)));
        chkEnable_->setChecked(image.ChannelEnable[slot]);
    }
    txtNote_->setModified(false);
    txtName_->setModified(false);
    txtFreq_->setFocus(Qt::OtherFocusReason);
    txtFreq_->selectAll();
    return true;
}

bool DlgModify::PrepareVfo(CloneImage& image, int row) {
    if (row < 1 || row > kBandCount) return false;
    const int region = image.RegionIndex;
    if (row > VfoBandCount(region)) return false;  // WR-K70T/K have eight bands
    const int band = row - 1;
    image_ = &image;
    target_ = Target::kVfo;
    row_ = row;
    region_ = region;
    freqPending_ = offsetPending_ = false;

    setWindowTitle(QStringLiteral("Modify VFO"));
    lblMode_->setText(QStringLiteral("VFO"));
    lblCH_->setText(QStringLiteral("Band ") + QString::number(band));
    const SlotFields& v = image.Vfo[band];
    SetFreqText(Q(VfoGridRow(image, band)[kFreq]));
    lblMHz_->setText(Q(BandLabel(region, band)));
    chkEnable_->hide();
    chkSkip_->hide();
    chkHold_->hide();
    txtName_->hide();
    lblName_->hide();

    EnableAll(opbWave_, true);
    Select(opbWave_, Code(v.Value(kMode), 3));

    const int stored = Code(v.Value(kStep), kStepButtons);
    const bool wide = region == 2 || region == 3;
    if (band == 0 || (band == 1 && !wide)) {
        // These bands tune in one step only.
        const int only = band == 0 ? kStep1KHz : kStep9KHz;
        EnableAll(opbStep_, false);
        opbStep_->button(only)->setEnabled(true);
        Select(opbStep_, only);
    } else {
        EnableAll(opbStep_, true);
        opbStep_->button(kStep1KHz)->setEnabled(false);
        opbStep_->button(kStep9KHz)->setEnabled(false);
        const int replacement = band == 1 ? kStep10KHz : kStep12_5KHz;
        Select(opbStep_, stored == kStep1KHz || stored == kStep9KHz ? replacement : stored);
    }

    EnableAll(opbTone_, true);
    opbTone_->button(kOptionSecret)->setEnabled(region == 1);
    opbTone_->button(kOptionTrain)->setEnabled(region == 0);
    int option = Code(v.Value(kOption), 5);
    if (option >= 0 && !opbTone_->button(option)->isEnabled()) option = kOptionNone;
    Select(opbTone_, option);

    cbbSec_->setEnabled(region == 1);
    cbbSec_->setCurrentIndex(region == 1 ? Code(v.Value(kSecret), cbbSec_->count()) : -1);
    cbbAir_->setEnabled(region == 0);
    cbbAir_->setCurrentIndex(region == 0 ? Code(v.Value(kCarrier), cbbAir_->count()) : -1);
    cbbTxTone_->setCurrentIndex(Code(v.Value(kTone), cbbTxTone_->count()));
    Select(opbSift_, Code(v.Value(kShift), 3));
    txtShift_->setText(Q(v.Text(kOffset)));
    fullNote_ = Q(v.Text(kNote));
    fullName_ = Q(v.Text(kName));
    txtNote_->setText(fullNote_);
    txtName_->setText(fullName_);
    txtNote_->setModified(false);
    txtName_->setModified(false);
    txtFreq_->setFocus(Qt::OtherFocusReason);
    txtFreq_->selectAll();
    return true;
}

void DlgModify::PlaceBeside(QWidget* anchor) {
    layout()->activate();
    adjustSize();
    if (!anchor) return;
    const QRect a(anchor->mapToGlobal(QPoint(0, 0)), anchor->size());
    QScreen* screen = anchor->screen() ? anchor->screen() : QGuiApplication::primaryScreen();
    const QRect avail = screen ? screen->availableGeometry() : QRect(a.topLeft(), QSize(4096, 4096));
    const QSize size = frameGeometry().size().expandedTo(sizeHint());
    constexpr int kGap = 8;
    int x = a.right() + kGap;
    if (x + size.width() > avail.right()) x = a.left() - kGap - size.width();
    if (x < avail.left()) x = avail.right() - size.width();  // no room either side: overlap at the edge
    int y = a.top();
    y = std::min(y, avail.bottom() - size.height());
    move(std::max(x, avail.left()), std::max(y, avail.top()));
}

bool DlgModify::RunModal() { return exec() == QDialog::Accepted; }

bool DlgModify::OpenMemoryEditor(CloneImage& image, int row, QWidget* anchor) {
    if (!PrepareMemory(image, row)) return false;
    PlaceBeside(anchor);
    return RunModal();
}

bool DlgModify::OpenVfoEditor(CloneImage& image, int row, QWidget* anchor) {
    if (!PrepareVfo(image, row)) return false;
    PlaceBeside(anchor);
    return RunModal();
}

bool DlgModify::BeginMemoryEdit(CloneImage& image, int row, QWidget* anchor) {
    if (!PrepareMemory(image, row)) return false;
    PlaceBeside(anchor);
    setResult(QDialog::Rejected);
    show();
    activateWindow();
    return true;
}

bool DlgModify::BeginVfoEdit(CloneImage& image, int row, QWidget* anchor) {
    if (!PrepareVfo(image, row)) return false;
    PlaceBeside(anchor);
    setResult(QDialog::Rejected);
    show();
    activateWindow();
    return true;
}

bool DlgModify::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && (watched == txtFreq_ || watched == txtShift_)) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Switching windows (a message box, another program) or opening a
        // context menu is not leaving the box.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && isVisible() &&
            !checking_) {
            (watched == txtFreq_ ? freqPending_ : offsetPending_) = true;
            // Run after the event that moved the focus is done, so a message
            // box never opens in the middle of a mouse click.
            QTimer::singleShot(0, this, [this] { RunPendingChecks(); });
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool DlgModify::RunPendingChecks() {
    if (!image_ || checking_) return true;
    bool accepted = true;
    if (freqPending_) {
        freqPending_ = false;
        accepted = CheckFrequency() && accepted;
    }
    if (offsetPending_) {
        offsetPending_ = false;
        accepted = CheckOffset() && accepted;
    }
    return accepted;
}

bool DlgModify::IsCellular(double mhz) const {
    for (int band : {8, 9})
        if (mhz >= BandEdge(2, band, 0) && mhz <= BandEdge(2, band, 1)) return true;
    return false;
}

bool DlgModify::CheckFrequency() {
    checking_ = true;
    const double f = BoxValue(txtFreq_);
    bool accepted = true;
    if (target_ == Target::kMemory) {
        const int slot = row_ - 1;
        if (f < kLowestFrequency || f > kHighestFrequency) {
            accepted = false;
        } else if (region_ == 2 && IsCellular(f)) {
            Prompts().Error(this, kCellularTitle, kCellularLines);
            accepted = false;
        } else if (slot >= kFirstSearchPassSlot && slot < kFirstPrioritySlot) {
            // Compared in whole hertz, as the receiver holds them.
            for (int other = kFirstSearchPassSlot; other < kFirstPrioritySlot; ++other) {
                if (other == slot || !image_->ChannelEnable[other]) continue;
                const SlotFields& o = image_->Mem[other];
                if (o.IsEmpty() || Hz(o.Value(kFreq)) != Hz(f)) continue;
                Prompts().Error(this, QStringLiteral("ERROR"), kSearchPassLines);
                accepted = false;
                break;
            }
        }
        if (accepted) {
            SetFreqText(Q(FormatFrequency(f)));
        } else {
            const SlotFields& m = image_->Mem[slot];
            SetFreqText(m.Value(kFreq) != 0 && !m.Text(kFreq).empty() ? Q(m.Text(kFreq))
                                                                      : QString::fromLatin1(kDefaultFrequency));
        }
    } else {
        const int band = row_ - 1;
        const double low = BandEdge(region_, band, 0);
        const double high = BandEdge(region_, band, 1);
        if (f < low || f > high) {
            accepted = false;
        } else if (region_ == 2 && band == 6 && IsCellular(f)) {
            Prompts().Error(this, kCellularTitle, kCellularLines);
            accepted = false;
        }
        double shown = f;
        if (!accepted) {
            // Back to the band's own frequency; a band that holds none (or one
            // outside its range, from a file) gets its lower edge instead, so
            // OK never stores a frequency the band cannot tune.
            const double stored = image_->Vfo[band].Value(kFreq);
            shown = stored >= low && stored <= high && !(region_ == 2 && band == 6 && IsCellular(stored))
                        ? stored
                        : low;
        }
        SetFreqText(Q(FormatFrequency(shown)));
    }
    checking_ = false;
    return accepted;
}

bool DlgModify::CheckOffset() {
    const double value = BoxValue(txtShift_);
    if (value >= kOffsetLimit || value < 0) {
        const SlotFields& s = target_ == Target::kMemory ? image_->Mem[row_ - 1] : image_->Vfo[row_ - 1];
        double restored = s.Value(kOffset);
        if (!(restored >= 0 && restored < kOffsetLimit)) restored = 0;
        txtShift_->setText(Q(FormatOffset(restored)));
        return false;
    }
    txtShift_->setText(Q(FormatOffset(value)));
    return true;
}

void DlgModify::OnOk() {
    if (!image_ || !isVisible()) return;
    // A box that still has the focus has not been checked yet: check it now,
    // before anything is stored.
    QWidget* focus = focusWidget();
    if (focus == txtFreq_) freqPending_ = true;
    if (focus == txtShift_) offsetPending_ = true;
    if (!RunPendingChecks()) {
        // The entry was refused and the box restored: let the user see what
        // it holds now instead of storing it unseen.
        if (focus == txtFreq_ || focus == txtShift_) {
            focus->setFocus(Qt::OtherFocusReason);
            static_cast<QLineEdit*>(focus)->selectAll();
        }
        return;
    }
    image_->MarkModified();
    if (target_ == Target::kMemory)
        StoreMemory();
    else
        StoreVfo();
    const int target = static_cast<int>(target_);
    const int row = row_;
    image_ = nullptr;
    accept();
    emit entryStored(target, row);
}

void DlgModify::reject() {
    freqPending_ = offsetPending_ = false;
    image_ = nullptr;
    QDialog::reject();
    emit entryCancelled();
}

void DlgModify::StoreMemory() {
    const int slot = row_ - 1;
    SlotFields& m = image_->Mem[slot];
    m.Set(kFreq, BoxValue(txtFreq_));
    if (opbWave_->checkedId() >= 0) m.Set(kMode, opbWave_->checkedId());
    if (opbStep_->checkedId() >= 0) m.Set(kStep, opbStep_->checkedId());
    if (opbTone_->checkedId() >= 0) m.Set(kOption, opbTone_->checkedId());
    m.Set(kSecret, cbbSec_->currentIndex() >= 0 ? cbbSec_->currentIndex() : kDefaultSecret);
    m.Set(kCarrier, cbbAir_->currentIndex() >= 0 ? cbbAir_->currentIndex() : kCarrierJR);
    if (cbbTxTone_->currentIndex() >= 0) m.Set(kTone, cbbTxTone_->currentIndex());
    if (opbSift_->checkedId() >= 0) m.Set(kShift, opbSift_->checkedId());
    m.Set(kOffset, BoxValue(txtShift_));
    m.SetText(kNote, (txtNote_->isModified() ? txtNote_->text() : fullNote_).toStdString());
    m.SetText(kName, (txtName_->isModified() ? txtName_->text() : fullName_).toStdString());
    m.Set(kSkip, chkSkip_->isChecked() ? 1 : 0);
    // The enable box is never shown, so nobody can mean to store a channel
    // disabled: the next grid refresh would wipe what OK just stored.
    image_->ChannelEnable[slot] = chkEnable_->isChecked() || !m.IsEmpty();
}

void DlgModify::StoreVfo() {
    SlotFields& v = image_->Vfo[row_ - 1];
    v.Set(kFreq, BoxValue(txtFreq_));
    if (opbWave_->checkedId() >= 0) v.Set(kMode, opbWave_->checkedId());
    if (opbStep_->checkedId() >= 0) v.Set(kStep, opbStep_->checkedId());
    if (opbTone_->checkedId() >= 0) v.Set(kOption, opbTone_->checkedId());
    v.Set(kSecret, cbbSec_->currentIndex() >= 0 ? cbbSec_->currentIndex() : kDefaultSecret);
    v.Set(kCarrier, cbbAir_->currentIndex() >= 0 ? cbbAir_->currentIndex() : kCarrierJR);
    if (cbbTxTone_->currentIndex() >= 0) v.Set(kTone, cbbTxTone_->currentIndex());
    if (opbSift_->checkedId() >= 0) v.Set(kShift, opbSift_->checkedId());
    v.Set(kOffset, BoxValue(txtShift_));
    v.SetText(kNote, (txtNote_->isModified() ? txtNote_->text() : fullNote_).toStdString());
    v.SetText(kName, (txtName_->isModified() ? txtName_->text() : fullName_).toStdString());
}

}  // namespace wrk7
