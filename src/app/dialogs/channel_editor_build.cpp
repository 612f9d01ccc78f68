// The channel editor's controls and their layout, built once.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/dialogs/channel_editor.h"
#include "app/support/accessible_names.h"
#include "app/dialogs/channel_editor_controls.h"
#include "app/widgets/character_validator.h"
#include "core/channel_limits.h"
#include "core/channel_options.h"
#include "edit/channel_rules.h"

namespace wrk7 {

using channel_editor::Q;

namespace {

template <typename W>
W* Named(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QRadioButton* AddRadio(QButtonGroup* group, const QString& name, int id, const QString& caption) {
    auto* b = new QRadioButton(caption);
    b->setObjectName(name + QString::number(id));
    group->addButton(b, id);
    return b;
}

// A frame holding one option group, its buttons in a row in code order.
QGroupBox* RadioRow(QObject* owner, QButtonGroup*& group, const QString& title, const QString& name,
                    const QStringList& captions) {
    auto* frame = new QGroupBox(title);
    auto* layout = new QHBoxLayout(frame);
    group = new QButtonGroup(owner);
    group->setObjectName(name);
    for (int i = 0; i < captions.size(); ++i) layout->addWidget(AddRadio(group, name, i, captions[i]));
    return frame;
}

// The option captions (OptionCaption), for lupdate: the editor shows them in
// the window's language.
[[maybe_unused]] constexpr const char* kOptionCaptions[] = {
    QT_TRANSLATE_NOOP("wrk7::ChannelEditor", "None"), QT_TRANSLATE_NOOP("wrk7::ChannelEditor", "Train"),
    QT_TRANSLATE_NOOP("wrk7::ChannelEditor", "Tone"), QT_TRANSLATE_NOOP("wrk7::ChannelEditor", "Reverse"),
    QT_TRANSLATE_NOOP("wrk7::ChannelEditor", "Secret")};

QLineEdit* NumberBox(const char* name, int maxLength) {
    auto* box = Named(new QLineEdit, name);
    box->setMaxLength(maxLength);
    box->setValidator(new CharacterValidator(CharacterValidator::Kind::kDecimal, box));
    return box;
}

QComboBox* List(const char* name) {
    auto* list = Named(new QComboBox, name);
    list->setMaxVisibleItems(12);
    return list;
}

}  // namespace

void ChannelEditor::BuildControls() {
    auto* top = new QVBoxLayout(this);
    // The dialog follows its contents: the VFO editor hides the name row,
    // the skip and hold boxes, and must not keep the memory editor's height.
    top->setSizeConstraint(QLayout::SetFixedSize);
    top->addLayout(BuildHeader());
    top->addLayout(BuildBoxes());
    lblCheck_ = Named(new QLabel, "lblCheck");
    lblCheck_->setWordWrap(true);
    // As wide as the dialog is anyway: a long note wraps instead of widening it.
    lblCheck_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    top->addWidget(lblCheck_);
    top->addLayout(BuildModeAndShift());
    top->addWidget(BuildSteps());
    QStringList options;
    for (std::string_view caption : OptionCaption) options << tr(std::string(caption).c_str());
    top->addWidget(RadioRow(this, opbTone_, tr("Option"), QStringLiteral("opbTone"), options));
    top->addLayout(BuildLists());
    top->addLayout(BuildTexts());
    top->addLayout(BuildButtons());
}

QLayout* ChannelEditor::BuildHeader() {
    auto* header = new QHBoxLayout;
    lblMode_ = Named(new QLabel, "lblMode");
    lblCH_ = Named(new QLabel, "lblCH");
    lblMHz_ = Named(new QLabel, "lblMHz");
    QFont bold = lblMode_->font();
    bold.setBold(true);
    lblMode_->setFont(bold);
    lblCH_->setFont(bold);
    header->addWidget(lblMode_);
    header->addSpacing(12);
    header->addWidget(lblCH_);
    header->addStretch();
    header->addWidget(lblMHz_);
    return header;
}

QLayout* ChannelEditor::BuildBoxes() {
    auto* boxes = new QGridLayout;
    txtFreq_ = NumberBox("txtFreq", 11);
    txtShift_ = NumberBox("txtShift", 9);
    const int boxWidth = txtFreq_->fontMetrics().horizontalAdvance(QStringLiteral("00000.0000000"));
    txtFreq_->setMinimumWidth(boxWidth);
    txtShift_->setMinimumWidth(boxWidth);
    boxes->addWidget(LabelFor(new QLabel(tr("Frequency")), txtFreq_), 0, 0);
    boxes->addWidget(txtFreq_, 0, 1);
    boxes->addWidget(new QLabel(QStringLiteral("MHz")), 0, 2);
    boxes->setColumnMinimumWidth(3, 16);
    boxes->addWidget(LabelFor(new QLabel(tr("Offset Frequency")), txtShift_), 0, 4);
    boxes->addWidget(txtShift_, 0, 5);
    boxes->addWidget(new QLabel(QStringLiteral("MHz")), 0, 6);
    boxes->setColumnStretch(7, 1);
    // Both boxes are checked when they lose the focus (eventFilter).
    txtFreq_->installEventFilter(this);
    txtShift_->installEventFilter(this);
    return boxes;
}

QLayout* ChannelEditor::BuildModeAndShift() {
    auto* row = new QHBoxLayout;
    row->addWidget(RadioRow(this, waveGroup_, tr("Mode"), QStringLiteral("opbWave"),
                            {QStringLiteral("FM"), QStringLiteral("AM"), QStringLiteral("WFM")}));
    row->addWidget(RadioRow(this, shiftButtons_, tr("Shift"), QStringLiteral("opbSift"),
                            {QStringLiteral("OFF"), QStringLiteral("+"), QStringLiteral("-")}));
    return row;
}

QWidget* ChannelEditor::BuildSteps() {
    // Six to a row, in code order.
    auto* stepFrame = new QGroupBox(tr("Tuning Step"));
    auto* stepLayout = new QGridLayout(stepFrame);
    opbStep_ = new QButtonGroup(this);
    opbStep_->setObjectName(QStringLiteral("opbStep"));
    for (int i = 0; i < kStepChoices; ++i)
        stepLayout->addWidget(AddRadio(opbStep_, QStringLiteral("opbStep"), i, Q(StepName[i])), i / 6, i % 6);
    connect(opbStep_, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on) ShowStepNote();
    });
    return stepFrame;
}

QLayout* ChannelEditor::BuildLists() {
    auto* lists = new QGridLayout;
    toneList_ = List("cbbTxTone");
    for (std::string_view t : ToneName) toneList_->addItem(Q(t));
    toneList_->setCurrentIndex(0);
    secretList_ = List("cbbSec");
    for (int i = 0; i <= 28; ++i) secretList_->addItem(QString::number(i));
    carrierList_ = List("cbbAir");
    for (int i = 0; i <= kCarrierJR; ++i) carrierList_->addItem(Q(CarrierName(i)));
    lists->addWidget(LabelFor(new QLabel(tr("Tone")), toneList_), 0, 0);
    lists->addWidget(toneList_, 1, 0);
    lists->addWidget(LabelFor(new QLabel(tr("Secret Code")), secretList_), 0, 1);
    lists->addWidget(secretList_, 1, 1);
    lists->addWidget(LabelFor(new QLabel(tr("Carrier")), carrierList_), 0, 2);
    lists->addWidget(carrierList_, 1, 2);
    return lists;
}

QLayout* ChannelEditor::BuildTexts() {
    auto* texts = new QGridLayout;
    lblName_ = Named(new QLabel(tr("NAME")), "lblName");
    txtName_ = Named(new QLineEdit, "txtName");
    txtName_->setMaxLength(kNameLength);
    txtName_->setValidator(new CharacterValidator(CharacterValidator::Kind::kPrintableAscii, txtName_));
    txtName_->setMinimumWidth(txtName_->fontMetrics().horizontalAdvance(QStringLiteral("WWWWWWW")));
    txtNote_ = Named(new QLineEdit, "txtNote");
    txtNote_->setMaxLength(kNoteLength);
    // Note first: the VFO editor hides the name row, and nothing is left
    // dangling beside the note.
    texts->addWidget(LabelFor(new QLabel(tr("Note")), txtNote_), 0, 0);
    texts->addWidget(txtNote_, 0, 1, 1, 2);
    texts->addWidget(LabelFor(lblName_, txtName_), 1, 0);
    texts->addWidget(txtName_, 1, 1);
    texts->setColumnStretch(2, 1);
    return texts;
}

QLayout* ChannelEditor::BuildButtons() {
    auto* bottom = new QHBoxLayout;
    chkSkip_ = Named(new QCheckBox(tr("Skip")), "chkSkip");
    chkHold_ = Named(new QCheckBox(tr("Hold")), "chkHold");
    chkEnable_ = Named(new QCheckBox(tr("Enable")), "chkEnable");
    chkEnable_->hide();
    cmdOK_ = Named(new QPushButton(tr("OK")), "cmdOK");
    cmdCancel_ = Named(new QPushButton(tr("Cancel")), "cmdCancel");
    // The buttons do not take the focus from a clicked box: OK runs the box's
    // check itself first, and Cancel has nothing to check.
    cmdOK_->setFocusPolicy(Qt::TabFocus);
    cmdCancel_->setFocusPolicy(Qt::TabFocus);
    cmdOK_->setDefault(true);  // Enter anywhere in the dialog
    for (QWidget* w : std::initializer_list<QWidget*>{chkSkip_, chkHold_, chkEnable_}) bottom->addWidget(w);
    bottom->addStretch();
    bottom->addWidget(cmdOK_);
    bottom->addWidget(cmdCancel_);
    connect(cmdOK_, &QPushButton::clicked, this, &ChannelEditor::OnOk);
    connect(cmdCancel_, &QPushButton::clicked, this, &ChannelEditor::reject);
    return bottom;
}

}  // namespace wrk7
