// Filling the channel editor from a memory slot or a VFO band.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

#include "app/dialogs/channel_editor.h"
#include "app/dialogs/channel_editor_controls.h"
#include "codecs/grid_text.h"
#include "core/models.h"
#include "core/slot_areas.h"
#include "edit/bank.h"
#include "edit/channel_rules.h"

namespace wrk7 {

using channel_editor::EnableAll;
using channel_editor::Q;
using channel_editor::Select;

namespace {

// The areas' headings as the listing names them, for lupdate: the editor
// shows them in the window's language.
[[maybe_unused]] constexpr const char* kAreaTitles[] = {QT_TRANSLATE_NOOP("wrk7::ChannelEditor", "Program Scan"),
                                                        QT_TRANSLATE_NOOP("wrk7::ChannelEditor", "Search Pass"),
                                                        QT_TRANSLATE_NOOP("wrk7::ChannelEditor", "Priority")};

QString AreaTitle(const SlotArea& area) { return ChannelEditor::tr(std::string(area.title).c_str()); }

// Which entry of the channel space a memory row is.
std::pair<QString, QString> MemoryCaptions(const CloneImage& image, int row) {
    const int slot = row - 1;
    const SlotArea& area = SlotAreaOf(slot);
    if (area.id == SlotAreaId::kChannels) {
        const QString label = Q(BuildRowLabels(image)[slot]);
        return {ChannelEditor::tr("Bank %1").arg(label.left(2)), ChannelEditor::tr("%1Ch").arg(label.right(3))};
    }
    const int entry = slot - area.first;
    if (area.pairs)
        return {AreaTitle(area), QStringLiteral("%1 - %2").arg(PairOf(entry)).arg(QChar(EdgeOf(entry)))};
    return {AreaTitle(area), ChannelEditor::tr("%1Ch").arg(entry)};
}

}  // namespace

void ChannelEditor::StartEdit(const CloneImage& image, Target target, int row) {
    image_ = &image;
    entry_.reset();
    target_ = target;
    row_ = row;
    region_ = image.model;
    freqPending_ = offsetPending_ = false;
}

bool ChannelEditor::PrepareMemory(const CloneImage& image, int row) {
    if (row < 1 || row > kSlotCount) return false;
    StartEdit(image, Target::kMemory, row);
    setWindowTitle(tr("Modify Memory"));
    const auto [mode, ch] = MemoryCaptions(image, row);
    lblMode_->setText(mode);
    lblCH_->setText(ch);
    // What the frequency box accepts; an entry outside it is put back.
    lblMHz_->setText(Q(MemoryFrequencyRange()));
    ShowMemoryOnlyControls(true);
    EnableAll(waveGroup_, true);
    EnableAll(opbStep_, true);
    OfferModelCodes();
    const SlotFields& m = image.memory.slot[row - 1];
    if (!m.IsEmpty()) {
        LoadMemoryFields(m, image.memory.enabled[row - 1]);
    } else {
        // "Hold" keeps whatever the previous entry left in the controls.
        if (!chkHold_->isChecked()) LoadMemoryFields(EmptyRowDefaults(), true);
        fullNote_ = txtNote_->text();
        fullName_ = txtName_->text();
    }
    FocusFrequency();
    ShowStepNote();
    return true;
}

void ChannelEditor::ShowMemoryOnlyControls(bool memory) {
    chkEnable_->hide();  // never shown: OK keeps a stored channel enabled
    chkSkip_->setVisible(memory);
    chkHold_->setVisible(memory);
    txtName_->setVisible(memory);
    lblName_->setVisible(memory);
}

// Options and code lists as the model offers them; a list the model does not
// use shows no selection.
void ChannelEditor::OfferModelCodes() {
    const auto offered = OfferedOptions(region_);
    for (int i = 0; i < kOptionChoices; ++i) opbTone_->button(i)->setEnabled(offered[static_cast<std::size_t>(i)]);
    const ModelInfo& model = Model(region_);
    carrierList_->setEnabled(model.carrierList);
    secretList_->setEnabled(model.secretList);
    if (!model.carrierList) carrierList_->setCurrentIndex(-1);
    if (!model.secretList) secretList_->setCurrentIndex(-1);
}

void ChannelEditor::LoadMemoryFields(const SlotFields& m, bool enabled) {
    SetFreqText(Q(m.Text(kFreq)));
    Select(waveGroup_, ChoiceIndex(m.Value(kMode), kModeChoices));
    Select(opbStep_, ChoiceIndex(m.Value(kStep), kStepChoices));
    Select(opbTone_, ChoiceIndex(m.Value(kOption), kOptionChoices));
    Select(shiftButtons_, ChoiceIndex(m.Value(kShift), kShiftChoices));
    chkSkip_->setChecked(m.Value(kSkip) == 1);
    LoadCodeLists(m);
    txtShift_->setText(Q(m.Text(kOffset)));
    chkEnable_->setChecked(enabled);
    LoadNoteAndName(m);
}

// Tone always; the secret code and the carrier only into a list the model uses.
void ChannelEditor::LoadCodeLists(const SlotFields& fields) {
    if (secretList_->isEnabled()) secretList_->setCurrentIndex(ChoiceIndex(fields.Value(kSecret), secretList_->count()));
    if (carrierList_->isEnabled()) carrierList_->setCurrentIndex(ChoiceIndex(fields.Value(kCarrier), carrierList_->count()));
    toneList_->setCurrentIndex(ChoiceIndex(fields.Value(kTone), toneList_->count()));
}

void ChannelEditor::LoadNoteAndName(const SlotFields& fields) {
    fullNote_ = Q(fields.Text(kNote));
    fullName_ = Q(fields.Text(kName));
    txtNote_->setText(fullNote_);
    txtName_->setText(fullName_);
}

void ChannelEditor::FocusFrequency() {
    txtNote_->setModified(false);
    txtName_->setModified(false);
    txtFreq_->setFocus(Qt::OtherFocusReason);
    txtFreq_->selectAll();
}

bool ChannelEditor::PrepareVfo(const CloneImage& image, int row) {
    if (row < 1 || row > kBandCount) return false;
    if (row > VfoBandCount(image.model)) return false;  // WR-K70T/K have eight bands
    const int band = row - 1;
    StartEdit(image, Target::kVfo, row);
    setWindowTitle(tr("Modify VFO"));
    lblMode_->setText(QStringLiteral("VFO"));
    lblCH_->setText(tr("Band %1").arg(band));
    SetFreqText(Q(VfoGridRow(image, band)[kFreq]));
    lblMHz_->setText(Q(BandLabel(region_, band)));
    ShowMemoryOnlyControls(false);
    LoadVfoFields(image.vfo.bands[band], band);
    FocusFrequency();
    ShowStepNote();
    return true;
}

void ChannelEditor::LoadVfoFields(const SlotFields& v, int band) {
    EnableAll(waveGroup_, true);
    Select(waveGroup_, ChoiceIndex(v.Value(kMode), kModeChoices));
    const StepOffer steps = VfoStepOffer(region_, band, v.Value(kStep));
    for (int i = 0; i < kStepChoices; ++i) opbStep_->button(i)->setEnabled(steps.enabled[static_cast<std::size_t>(i)]);
    Select(opbStep_, steps.selected);
    OfferModelCodes();
    Select(opbTone_, VfoOptionChoice(region_, v.Value(kOption)));
    LoadCodeLists(v);
    Select(shiftButtons_, ChoiceIndex(v.Value(kShift), kShiftChoices));
    txtShift_->setText(Q(v.Text(kOffset)));
    LoadNoteAndName(v);
}

}  // namespace wrk7
