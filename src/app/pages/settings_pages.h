#pragma once
#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <vector>

#include "app/document/clone_document.h"
#include "core/image.h"

class QBoxLayout;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSlider;
class QWidget;

namespace wrk7 {

class CloneDocument;

// The two settings pages bound to image.settings.values: every control writes its
// value into the settings as the user changes it, and Load puts the settings
// back into the controls (after a decode). Every change is a step of the
// document's history named after the control ("Change Beep"); the moves of
// one slider drag are one step.
class SettingsPages : public QObject {
    Q_OBJECT
public:
    // vfoGrid is placed on "Settings 1" under "Band Plan Editor".
    SettingsPages(CloneDocument& document, QWidget* vfoGrid, QObject* parent = nullptr);

    QWidget* Page1() const { return page1_; }
    QWidget* Page2() const { return page2_; }
    // How much taller than pageHeight Settings 2 must be to show all its
    // controls without scrolling (0 when it fits).
    int MissingHeight(int pageHeight) const;

    // Controls from image.settings.values, without marking anything.
    void Load();
    // The model buttons follow image.model; the frames that exist on
    // the WR-K7J only are shown for it alone.
    void ShowModel();
    // While false, no control of the pages can change the image: the option
    // and check boxes, lists, sliders and model buttons are disabled. The
    // transfer buttons are the window's to switch.
    void SetEditable(bool editable);

    QRadioButton* ModelButton(int model) const { return opbModel_[static_cast<std::size_t>(model)]; }
    // "Read Settings" and "Write Settings" of both pages.
    std::array<QPushButton*, 2> ReadButtons() const { return readButtons_; }
    std::array<QPushButton*, 2> WriteButtons() const { return writeButtons_; }
    // The WR-K7J-only frames, for the tests.
    std::vector<QGroupBox*> WrK7Frames() const { return wrk7Frames_; }

signals:
    void modelClicked(int model);

private:
    QGroupBox* Options(const char* name, const QString& caption, const QStringList& options,
                       int SetModeSettings::*member, int columns);
    QCheckBox* Check(const char* name, const QString& caption, bool SetModeSettings::*member);
    QComboBox* List(const char* name, const QString& caption, std::function<int&(SetModeSettings&)> member,
                    const QStringList& entries);
    // Stores a control's new value as the step "Change <caption>".
    void Change(const QString& caption, const std::function<void(SetModeSettings&)>& store,
                MergeKey mergeKey = MergeKey::kNone);
    QWidget* Labelled(const QString& caption, QWidget* field);
    void BuildPage1(QWidget* vfoGrid);
    void BuildPage2();
    void AddTransferButtons(QWidget* page, int which, QBoxLayout* layout);

    CloneDocument& document_;
    const CloneImage& image_;
    QWidget* page1_ = nullptr;
    QWidget* page2_ = nullptr;
    QScrollArea* page2Scroll_ = nullptr;
    bool loading_ = false;
    std::array<QRadioButton*, kModelCount> opbModel_{};
    QButtonGroup* modelGroup_ = nullptr;
    QSlider* volumeSlider_ = nullptr;
    QSlider* squelchSlider_ = nullptr;
    QLabel* lblVol_ = nullptr;
    QLabel* lblSql_ = nullptr;
    std::array<QPushButton*, 2> readButtons_{};
    std::array<QPushButton*, 2> writeButtons_{};
    std::vector<QGroupBox*> wrk7Frames_;
    std::vector<std::function<void()>> loaders_;
};

}  // namespace wrk7
