// Storing the channel editor's controls into a memory slot or a VFO band.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "app/dialogs/channel_editor.h"
#include "app/dialogs/channel_editor_controls.h"
#include "edit/channel_rules.h"

namespace wrk7 {

using channel_editor::BoxValue;

namespace {

// A group with no button checked leaves its field as it was.
void StoreChoice(SlotFields& fields, int field, const QButtonGroup* group) {
    if (group->checkedId() >= 0) fields.Set(field, group->checkedId());
}

// A list with nothing selected stores its unset code.
int ListCode(const QComboBox* list, int unset) { return list->currentIndex() >= 0 ? list->currentIndex() : unset; }

}  // namespace

// Fields 0..10, which a memory slot and a VFO band share.
void ChannelEditor::StoreSharedFields(SlotFields& fields) const {
    fields.Set(kFreq, BoxValue(txtFreq_));
    StoreChoice(fields, kMode, waveGroup_);
    StoreChoice(fields, kStep, opbStep_);
    StoreChoice(fields, kOption, opbTone_);
    fields.Set(kSecret, ListCode(secretList_, kUnsetSecretCode));
    fields.Set(kCarrier, ListCode(carrierList_, kUnsetCarrierCode));
    if (toneList_->currentIndex() >= 0) fields.Set(kTone, toneList_->currentIndex());
    StoreChoice(fields, kShift, shiftButtons_);
    fields.Set(kOffset, BoxValue(txtShift_));
    // Note and name as loaded unless the user edited them: the boxes may cut
    // a longer text from a file.
    fields.SetText(kNote, (txtNote_->isModified() ? txtNote_->text() : fullNote_).toStdString());
    fields.SetText(kName, (txtName_->isModified() ? txtName_->text() : fullName_).toStdString());
}

ChannelEntry ChannelEditor::StoreMemory() const {
    ChannelEntry entry{Target::kMemory, row_, image_->memory.slot[row_ - 1], false};
    StoreSharedFields(entry.fields);
    entry.fields.Set(kSkip, chkSkip_->isChecked() ? 1 : 0);
    entry.enabled = EntryEnabled(chkEnable_->isChecked(), entry.fields);
    return entry;
}

ChannelEntry ChannelEditor::StoreVfo() const {
    ChannelEntry entry{Target::kVfo, row_, image_->vfo.bands[row_ - 1], false};
    StoreSharedFields(entry.fields);
    return entry;
}

}  // namespace wrk7
