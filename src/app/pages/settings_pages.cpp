#include "app/pages/settings_pages.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <algorithm>
#include <QSlider>
#include <QVBoxLayout>

#include "app/document/clone_document.h"
#include "app/support/accessible_names.h"
#include "core/set_mode_catalogue.h"
#include "core/tables.h"
#include "edit/page_rules.h"

namespace wrk7 {

namespace {

// The catalogue's captions and the option texts that are words, for lupdate:
// the pages show them in the window's language, while the history's step
// names and the listing keep the catalogue's English.
[[maybe_unused]] constexpr const char* kShownTexts[] = {
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Lo Volume"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Squelch level"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "AF volume level"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Antenna"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Lamp"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Band Transition"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Auto Power Off"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "MONI key Function"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "MONI key"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Operating Mode"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Scan TYPE"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Key Lock"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "AF Tone"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "VFO Scan Speed"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Memory Scan Speed"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Tone Burst"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Lock BUG"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Bug Sensitive Level"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Bug Type"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Rec. Rate"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Attenuator"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "AM bar antenna"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "SW bar antenna"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Battery Save"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Beep"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Bell"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Charge"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Auto Wave"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Auto Step"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Auto Program"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "TX Extension"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Write Protect"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "DoReMi"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "None"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Scan"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Time Pr"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Time Sp"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Charge Time"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Set Mode"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Wild Key"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Remote Controller A"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Remote Controller B"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Remote Controller C"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Remote Controller D"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Rotate"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Across"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Off"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Push"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Hold"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Monitor"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Mute"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Preset"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Memory"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "Low"),
    QT_TRANSLATE_NOOP("wrk7::SettingsPages", "High"),
};

QString Shown(const QString& text) {
    return QCoreApplication::translate("wrk7::SettingsPages", text.toUtf8().constData());
}

// A setting's caption and its option or entry texts, from the catalogue.
QString Caption(const SetModeSetting& setting) {
    return QString::fromUtf8(setting.caption.data(), static_cast<qsizetype>(setting.caption.size()));
}

QStringList Entries(const SetModeSetting& setting) {
    QStringList out;
    for (std::string_view e : setting.texts) out << Shown(QString::fromUtf8(e.data(), static_cast<qsizetype>(e.size())));
    return out;
}

void SelectOption(QButtonGroup* group, int index) {
    QAbstractButton* button = group->button(index);
    if (button) {
        button->setChecked(true);
        return;
    }
    // No valid option: show none selected.
    group->setExclusive(false);
    for (QAbstractButton* b : group->buttons()) b->setChecked(false);
    group->setExclusive(true);
}

}  // namespace

SettingsPages::SettingsPages(CloneDocument& document, QWidget* vfoGrid, QObject* parent)
    : QObject(parent), document_(document), image_(document.Image()) {
    page1_ = new QWidget;
    page1_->setObjectName(QStringLiteral("Frame1_0"));
    page2_ = new QWidget;
    page2_->setObjectName(QStringLiteral("Frame1_1"));
    BuildPage1(vfoGrid);
    BuildPage2();
    Load();
    ShowModel();
    connect(&document_, &CloneDocument::changed, this, [this](const EditedParts& parts) {
        if (parts.model) ShowModel();
        if (parts.Has(ImagePart::kSettings)) Load();
    });
    connect(&document_, &CloneDocument::readOnlyChanged, this, [this](bool readOnly) { SetEditable(!readOnly); });
}

void SettingsPages::Change(const QString& caption, const std::function<void(SetModeSettings&)>& store,
                           MergeKey mergeKey) {
    if (loading_) return;
    // Every control marks the document modified through its step: a
    // change that left no mark would be lost at the close.
    document_.Edit(tr("Change %1").arg(caption), [&](CloneImage& image) { store(image.settings.values); }, mergeKey);
}

QGroupBox* SettingsPages::Options(const char* name, const QString& caption, const QStringList& options,
                                  int SetModeSettings::*member, int columns) {
    auto* box = new QGroupBox(Shown(caption));
    box->setObjectName(QString::fromLatin1(name));
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 2, 6, 2);
    grid->setVerticalSpacing(0);
    auto* group = new QButtonGroup(box);
    for (int i = 0; i < options.size(); ++i) {
        auto* radio = new QRadioButton(options[i]);
        radio->setObjectName(QStringLiteral("%1%2").arg(QString::fromLatin1(name)).arg(i));
        group->addButton(radio, i);
        grid->addWidget(radio, i / columns, i % columns);
    }
    connect(group, &QButtonGroup::idClicked, this, [this, caption, member](int id) {
        Change(caption, [member, id](SetModeSettings& s) { s.*member = id; });
    });
    loaders_.push_back([this, group, member] { SelectOption(group, image_.settings.values.*member); });
    return box;
}

QCheckBox* SettingsPages::Check(const char* name, const QString& caption, bool SetModeSettings::*member) {
    auto* box = new QCheckBox(Shown(caption));
    box->setObjectName(QString::fromLatin1(name));
    connect(box, &QCheckBox::toggled, this, [this, caption, member](bool on) {
        Change(caption, [member, on](SetModeSettings& s) { s.*member = on; });
    });
    loaders_.push_back([this, box, member] { box->setChecked(image_.settings.values.*member); });
    return box;
}

QComboBox* SettingsPages::List(const char* name, const QString& caption,
                               std::function<int&(SetModeSettings&)> member, const QStringList& entries) {
    auto* list = new QComboBox;
    list->setObjectName(QString::fromLatin1(name));
    list->view()->setAccessibleName(Shown(caption));
    list->addItems(entries);
    list->setMaxVisibleItems(12);
    connect(list, &QComboBox::currentIndexChanged, this, [this, caption, member](int index) {
        Change(caption, [&member, index](SetModeSettings& s) { member(s) = index; });
    });
    loaders_.push_back([this, list, member] {
        SetModeSettings settings = image_.settings.values;
        const int v = member(settings);
        list->setCurrentIndex(v >= 0 && v < list->count() ? v : -1);
    });
    return list;
}

QWidget* SettingsPages::Labelled(const QString& caption, QWidget* field) {
    auto* w = new QWidget;
    auto* row = new QHBoxLayout(w);
    row->setContentsMargins(0, 0, 0, 0);
    // The caption names the field for screen readers: a list would announce
    // only its value.
    auto* label = LabelFor(new QLabel(Shown(caption)), field);
    label->setMinimumWidth(60);
    row->addWidget(label);
    row->addWidget(field, 1);
    return w;
}

void SettingsPages::AddTransferButtons(QWidget* page, int which, QBoxLayout* layout) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    auto* read = new QPushButton(tr("Read Settings"), page);
    read->setObjectName(QStringLiteral("cmbReadSet%1").arg(which));
    auto* write = new QPushButton(tr("Write Settings"), page);
    write->setObjectName(QStringLiteral("cmbWriteSet%1").arg(which));
    row->addWidget(read);
    row->addWidget(write);
    layout->addLayout(row);
    readButtons_[static_cast<std::size_t>(which)] = read;
    writeButtons_[static_cast<std::size_t>(which)] = write;
}

void SettingsPages::BuildPage1(QWidget* vfoGrid) {
    auto* layout = new QVBoxLayout(page1_);
    layout->setContentsMargins(6, 6, 6, 6);

    auto* top = new QHBoxLayout;
    auto* model = new QGroupBox(tr("Model"));
    model->setObjectName(QStringLiteral("fraModel"));
    auto* modelLayout = new QHBoxLayout(model);
    modelGroup_ = new QButtonGroup(model);
    for (int m = 0; m < kModelCount; ++m) {
        auto* radio = new QRadioButton(QString::fromUtf8(ModelName[static_cast<std::size_t>(m)].data()));
        radio->setObjectName(QStringLiteral("opbModel%1").arg(m));
        modelGroup_->addButton(radio, m);
        modelLayout->addWidget(radio);
        opbModel_[static_cast<std::size_t>(m)] = radio;
    }
    connect(modelGroup_, &QButtonGroup::idClicked, this, &SettingsPages::modelClicked);
    top->addWidget(model);
    auto* lo = Check("chkLoVolume", Caption(SettingOf(&SetModeSettings::chkLoVolume)), &SetModeSettings::chkLoVolume);
    top->addWidget(lo);
    top->addStretch();
    layout->addLayout(top);

    auto slider = [this](const char* name, const char* labelName, int SetModeSettings::*member, QSlider*& out,
                         QLabel*& label) {
        const SetModeSetting& setting = SettingOf(member);
        const QString caption = Caption(setting);
        auto* box = new QGroupBox(Shown(caption));
        auto* row = new QHBoxLayout(box);
        out = new QSlider(Qt::Horizontal);
        out->setObjectName(QString::fromLatin1(name));
        out->setAccessibleName(Shown(caption));
        out->setRange(0, setting.Count() - 1);
        out->setTickPosition(QSlider::TicksBelow);
        label = new QLabel(QStringLiteral("0"));
        label->setObjectName(QString::fromLatin1(labelName));
        label->setFixedWidth(28);
        label->setAlignment(Qt::AlignCenter);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        row->addWidget(out, 1);
        row->addWidget(label);
        QSlider* s = out;
        QLabel* l = label;
        // One key per slider: the moves of one drag merge into one step.
        const MergeKey mergeKey = &out == &volumeSlider_ ? MergeKey::kVolumeDrag : MergeKey::kSquelchDrag;
        connect(s, &QSlider::valueChanged, this, [this, l, caption, member, mergeKey](int v) {
            l->setText(QString::number(v));
            Change(caption, [member, v](SetModeSettings& settings) { settings.*member = v; }, mergeKey);
        });
        loaders_.push_back([this, s, l, member] {
            s->setValue(image_.settings.values.*member);
            l->setText(QString::number(image_.settings.values.*member));
        });
        return box;
    };
    auto* sliders = new QHBoxLayout;
    sliders->addWidget(slider("Slider2", "lblSql", &SetModeSettings::squelchLevel, squelchSlider_, lblSql_));
    sliders->addWidget(slider("Slider1", "lblVol", &SetModeSettings::afVolume, volumeSlider_, lblVol_));
    layout->addLayout(sliders);

    auto* plan = new QGroupBox(tr("Band Plan Editor"));
    auto* planLayout = new QVBoxLayout(plan);
    planLayout->setContentsMargins(4, 4, 4, 4);
    planLayout->addWidget(vfoGrid);
    layout->addWidget(plan, 1);
    AddTransferButtons(page1_, 0, layout);
}

void SettingsPages::BuildPage2() {
    auto* content = new QWidget;
    auto* grid = new QGridLayout(content);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setSpacing(4);
    using S = SetModeSettings;
    struct Spec {
        const char* name;
        int S::*member;
        int columns;
    };
    const std::vector<Spec> specs{
        {"optAntenna", &S::optAntenna, 2},      {"optLamp", &S::optLamp, 2},
        {"optBand", &S::optBand, 2},            {"opbAPO", &S::opbAPO, 4},
        {"opbKeyFunc", &S::opbKeyFunc, 2},       {"opbMONI", &S::opbMONI, 2},
        {"opbOpMode", &S::opbOpMode, 3},         {"optSkip", &S::optSkip, 2},
        {"opbKeyLock", &S::opbKeyLock, 2},      {"optAfTone", &S::optAfTone, 2},
        {"optVscanSpeed", &S::optVscanSpeed, 3}, {"optMscanSpeed", &S::optMscanSpeed, 3},
        {"opbBurst", &S::opbBurst, 2},           {"optLockBug", &S::optLockBug, 2},
        {"opbBug", &S::opbBug, 3},               {"optBugType", &S::optBugType, 2},
        {"optRecRate", &S::optRecRate, 2},
    };
    const int columns = 3;
    int cell = 0;
    for (const Spec& s : specs) {
        const SetModeSetting& setting = SettingOf(s.member);
        QGroupBox* box = Options(s.name, Caption(setting), Entries(setting), s.member, s.columns);
        if (setting.wrK7FramesOnly) wrk7Frames_.push_back(box);
        grid->addWidget(box, cell / columns, cell % columns);
        ++cell;
    }
    int row = (cell + columns - 1) / columns;

    auto* checks = new QGroupBox(tr("Switches"));
    auto* checkGrid = new QGridLayout(checks);
    checkGrid->setContentsMargins(6, 2, 6, 2);
    checkGrid->setVerticalSpacing(0);
    struct CheckSpec {
        const char* name;
        bool S::*member;
    };
    const std::vector<CheckSpec> checkSpecs{
        {"chkATT", &S::chkATT},           {"chkBarAM", &S::chkBarAM},
        {"chkBarSW", &S::chkBarSW},       {"chkBS", &S::chkBS},
        {"chkBeep", &S::chkBeep},         {"chkBell", &S::chkBell},
        {"chkCharge", &S::chkCharge},    {"chkAutoWave", &S::chkAutoWave},
        {"chkAutoStep", &S::chkAutoStep}, {"chkAutoProg", &S::chkAutoProg},
        {"chkTxEx", &S::chkTxEx},         {"chkWP", &S::chkWP},
        {"chkFlg1_0", &S::chkFlg1DoReMi}, {"chkFlg1_1", &S::chkFlg1None},
    };
    for (std::size_t i = 0; i < checkSpecs.size(); ++i) {
        const CheckSpec& c = checkSpecs[i];
        checkGrid->addWidget(Check(c.name, Caption(SettingOf(c.member)), c.member),
                             static_cast<int>(i) / 4, static_cast<int>(i) % 4);
    }
    grid->addWidget(checks, row++, 0, 1, columns);

    auto* lists = new QGroupBox(tr("Lists"));
    auto* listGrid = new QGridLayout(lists);
    listGrid->setContentsMargins(6, 2, 6, 2);
    listGrid->setVerticalSpacing(2);
    auto labelledList = [this](const char* name, const SetModeSetting& setting,
                               std::function<int&(SetModeSettings&)> member) {
        return Labelled(Caption(setting), List(name, Caption(setting), std::move(member), Entries(setting)));
    };
    std::vector<QWidget*> listWidgets{
        labelledList("cbbScan", SettingOf(&S::cbbScan), [](S& s) -> int& { return s.cbbScan; }),
        labelledList("cbbTimePr", SettingOf(&S::cbbTimePr), [](S& s) -> int& { return s.cbbTimePr; }),
        labelledList("cbbTimeSp", SettingOf(&S::cbbTimeSp), [](S& s) -> int& { return s.cbbTimeSp; }),
        labelledList("cbbChargeTime", SettingOf(&S::cbbChargeTime), [](S& s) -> int& { return s.cbbChargeTime; }),
        labelledList("cbbSetMode", SettingOf(&S::cbbSetMode), [](S& s) -> int& { return s.cbbSetMode; }),
        labelledList("cbbWildKey", SettingOf(&S::cbbWildKey), [](S& s) -> int& { return s.cbbWildKey; }),
    };
    const char* remoconNames[] = {"cbbRemocon0", "cbbRemocon1", "cbbRemocon2", "cbbRemocon3"};
    for (int r = 0; r < 4; ++r) {
        listWidgets.push_back(labelledList(remoconNames[r], RemoteKeySetting(r), [r](S& s) -> int& {
            return s.cbbRemocon[static_cast<std::size_t>(r)];
        }));
    }
    for (std::size_t i = 0; i < listWidgets.size(); ++i)
        listGrid->addWidget(listWidgets[i], static_cast<int>(i) / 3,
                            static_cast<int>(i) % 3);
    grid->addWidget(lists, row++, 0, 1, columns);
    grid->setRowStretch(row, 1);

    auto* scroll = new QScrollArea;
    page2Scroll_ = scroll;
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    // Tab goes straight to the first control: a stop on the area itself would show no focus.
    scroll->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(page2_);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(scroll, 1);
    AddTransferButtons(page2_, 1, layout);
}

int SettingsPages::MissingHeight(int pageHeight) const {
    // The page's own rows (margins, the transfer buttons) around the area,
    // plus everything the area holds.
    const int around = page2_->layout()->sizeHint().height() - page2Scroll_->sizeHint().height();
    return std::max(0, page2Scroll_->widget()->sizeHint().height() + around - pageHeight);
}

void SettingsPages::Load() {
    loading_ = true;
    for (auto& load : loaders_) load();
    loading_ = false;
}

void SettingsPages::ShowModel() {
    if (QAbstractButton* b = modelGroup_->button(image_.model)) b->setChecked(true);
    const bool wrk7 = ShowsWrK7Frames(image_.model);
    for (QGroupBox* frame : wrk7Frames_) frame->setVisible(wrk7);
}

void SettingsPages::SetEditable(bool editable) {
    for (QWidget* page : {page1_, page2_}) {
        for (QWidget* w : page->findChildren<QWidget*>()) {
            if (qobject_cast<QRadioButton*>(w) || qobject_cast<QCheckBox*>(w) || qobject_cast<QComboBox*>(w) ||
                qobject_cast<QSlider*>(w))
                w->setEnabled(editable);
        }
    }
}

}  // namespace wrk7
