#pragma once
#include <QDialog>
#include <array>
#include <optional>

#include "edit/channel_entry.h"
#include "core/image.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace wrk7 {

class Prompter;
struct Verdict;

// The channel editor. The main window creates it once and keeps it: it is
// only hidden between uses, so its controls keep their contents, which "Hold"
// relies on to carry the previous entry into an empty row.
//
// OpenMemoryEditor / OpenVfoEditor fill the controls from the row of image
// and run the dialog modally. They hand back the entry OK took (the row and
// its fields), nothing on Cancel; the image is only read, so the caller
// stores the entry as one step of its own. A row that may not be edited
// (VFO rows 9..14 under WR-K70T/WR-K70K, row numbers out of range) gives
// nothing without showing anything.
//
// BeginMemoryEdit / BeginVfoEdit do the same preparation but show the dialog
// without a modal loop and return at once (true when it opened); OK or
// Cancel then hide it and emit entryStored (Entry() holds it) or
// entryCancelled. Tests drive the dialog this way; the image must outlive
// the edit.
//
// The frequency and offset boxes are checked when they lose the focus, by
// the rules of edit/channel_rules.h, which also decide the steps, options and
// lists offered and the values of an empty row; the dialog only binds its
// controls to them. Building the controls, loading a row and storing it live
// in channel_editor_build.cpp, channel_editor_load.cpp and channel_editor_store.cpp. OK
// and Cancel do not take the focus, so OK checks the box that still has it
// before storing; when that check refuses the entry the box is restored and
// the dialog stays open, so nothing is stored that the user has not seen.
// Enter is OK, Escape and the close button are Cancel.
//
// anchor: when given, the dialog is placed beside that widget (usually the
// grid the row was picked from) instead of the middle of the parent.
class ChannelEditor : public QDialog {
    Q_OBJECT
public:
    using Target = ChannelEntry::Target;

    // prompter: where the error boxes go; nullptr means real message boxes.
    explicit ChannelEditor(QWidget* parent = nullptr, Prompter* prompter = nullptr);
    ~ChannelEditor() override;

    // row 1..1300
    std::optional<ChannelEntry> OpenMemoryEditor(const CloneImage& image, int row, QWidget* anchor = nullptr);
    // row 1..14
    std::optional<ChannelEntry> OpenVfoEditor(const CloneImage& image, int row, QWidget* anchor = nullptr);

    bool BeginMemoryEdit(const CloneImage& image, int row, QWidget* anchor = nullptr);
    bool BeginVfoEdit(const CloneImage& image, int row, QWidget* anchor = nullptr);
    // The entry the last OK took; nothing after Cancel.
    const std::optional<ChannelEntry>& Entry() const { return entry_; }

    void SetPrompter(Prompter* prompter);

    Target EditTarget() const { return target_; }
    int EditRow() const { return row_; }

signals:
    void entryStored(int editTarget, int row);  // editTarget: 1 memory, 0 VFO
    void entryCancelled();

public slots:
    void reject() override;  // Cancel, Escape and the window's close button

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // channel_editor_build.cpp
    void BuildControls();
    QLayout* BuildHeader();
    QLayout* BuildBoxes();
    QLayout* BuildModeAndShift();
    QWidget* BuildSteps();
    QLayout* BuildLists();
    QLayout* BuildTexts();
    QLayout* BuildButtons();

    // channel_editor_load.cpp
    void StartEdit(const CloneImage& image, Target target, int row);
    bool PrepareMemory(const CloneImage& image, int row);
    bool PrepareVfo(const CloneImage& image, int row);
    void ShowMemoryOnlyControls(bool memory);
    void OfferModelCodes();
    void LoadMemoryFields(const SlotFields& m, bool enabled);
    void LoadVfoFields(const SlotFields& v, int band);
    void LoadCodeLists(const SlotFields& fields);
    void LoadNoteAndName(const SlotFields& fields);
    void FocusFrequency();

    // channel_editor_store.cpp
    void StoreSharedFields(SlotFields& fields) const;
    ChannelEntry StoreMemory() const;
    ChannelEntry StoreVfo() const;

    void PlaceBeside(QWidget* anchor);
    std::optional<ChannelEntry> RunModal(QWidget* anchor);
    bool ShowModeless(QWidget* anchor);
    bool Apply(const Verdict& verdict, QLineEdit* box);
    bool CheckFrequency();
    // The line under the boxes: why a frequency was put back, or that it is
    // off its step's raster.
    void TellRestoredFrequency(const QString& typed);
    void ShowStepNote();
    bool CheckOffset();
    bool RunPendingChecks();
    void SetFreqText(const QString& text);
    void OnOk();
    Prompter& Prompts();

    Prompter* prompter_ = nullptr;
    const CloneImage* image_ = nullptr;
    std::optional<ChannelEntry> entry_;
    Target target_ = Target::kMemory;
    int row_ = 0;
    int region_ = 0;
    bool freqPending_ = false;    // the box lost the focus; its check is queued
    bool offsetPending_ = false;
    bool checking_ = false;
    QString fullNote_;  // note and name as loaded, kept unless the user edits
    QString fullName_;

    QLabel* lblMode_ = nullptr;
    QLabel* lblCH_ = nullptr;
    QLabel* lblMHz_ = nullptr;
    QLabel* lblName_ = nullptr;
    QLabel* lblCheck_ = nullptr;
    QLineEdit* txtFreq_ = nullptr;
    QLineEdit* txtShift_ = nullptr;
    QLineEdit* txtNote_ = nullptr;
    QLineEdit* txtName_ = nullptr;
    QButtonGroup* waveGroup_ = nullptr;
    QButtonGroup* opbStep_ = nullptr;
    QButtonGroup* opbTone_ = nullptr;
    QButtonGroup* shiftButtons_ = nullptr;
    QComboBox* secretList_ = nullptr;
    QComboBox* carrierList_ = nullptr;
    QComboBox* toneList_ = nullptr;
    QCheckBox* chkSkip_ = nullptr;
    QCheckBox* chkHold_ = nullptr;
    QCheckBox* chkEnable_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
};

}  // namespace wrk7
