#include "app/dialogs/change_channels_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

#include "app/translation/said.h"
#include "app/support/focus_rule.h"
#include "app/widgets/character_validator.h"
#include "app/support/prompter.h"
#include "core/channel_limits.h"
#include "core/channel_options.h"
#include "core/hex.h"
#include "core/models.h"
#include "edit/channel_rules.h"

namespace wrk7 {

namespace {

// The fields in the editor's order, with its captions; the object names are
// "chk" and "cbb" or "txt" before the name.
struct FieldRow {
    int field;
    const char* caption;
    const char* name;
};
constexpr FieldRow kRows[] = {
    {kMode, QT_TRANSLATE_NOOP("wrk7::ChangeChannelsDialog", "Mode"), "Mode"},
    {kShift, QT_TRANSLATE_NOOP("wrk7::ChangeChannelsDialog", "Shift"), "Shift"},
    {kStep, QT_TRANSLATE_NOOP("wrk7::ChangeChannelsDialog", "Tuning Step"), "Step"},
    {kOption, QT_TRANSLATE_NOOP("wrk7::ChangeChannelsDialog", "Option"), "Option"},
    {kTone, QT_TRANSLATE_NOOP("wrk7::ChangeChannelsDialog", "Tone"), "Tone"},
    {kSecret, QT_TRANSLATE_NOOP("wrk7::ChangeChannelsDialog", "Secret Code"), "Secret"},
    {kCarrier, QT_TRANSLATE_NOOP("wrk7::ChangeChannelsDialog", "Carrier"), "Carrier"},
    {kOffset, QT_TRANSLATE_NOOP("wrk7::ChangeChannelsDialog", "Offset Frequency"), "Offset"},
    {kNote, QT_TRANSLATE_NOOP("wrk7::ChangeChannelsDialog", "Note"), "Note"},
    {kName, QT_TRANSLATE_NOOP("wrk7::ChangeChannelsDialog", "Name"), "Name"},
    {kSkip, QT_TRANSLATE_NOOP("wrk7::ChangeChannelsDialog", "Skip"), "Skip"},
};

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

template <std::size_t N>
QStringList Captions(const std::array<std::string_view, N>& names, int count = N) {
    QStringList out;
    for (int i = 0; i < count; ++i) out << Q(names[static_cast<std::size_t>(i)]);
    return out;
}

// The values each coded field offers, by code.
QStringList Choices(int field) {
    QStringList out;
    switch (field) {
        case kMode: return Captions(ModeName);
        case kShift: return {QStringLiteral("OFF"), QStringLiteral("+"), QStringLiteral("-")};
        case kStep: return Captions(StepName, kStepChoices);
        case kOption: return Captions(OptionCaption);
        case kTone: return Captions(ToneName);
        case kSecret:
            for (int i = 0; i <= 28; ++i) out << QString::number(i);
            return out;
        case kCarrier:
            for (int i = 0; i <= kCarrierJR; ++i) out << Q(CarrierName(i));
            return out;
        case kSkip: return {ChangeChannelsDialog::tr("Not skipped"), ChangeChannelsDialog::tr("Skipped")};
    }
    return out;
}

bool IsText(int field) { return field == kOffset || field == kNote || field == kName; }

}  // namespace

ChangeChannelsDialog::ChangeChannelsDialog(QWidget* parent, int model, const SlotFields& start, int rows,
                                           Prompter* prompter)
    : QDialog(parent), model_(model), prompter_(prompter) {
    setObjectName(QStringLiteral("dlgChangeChannels"));
    setWindowTitle(tr("Change Channels"));
    auto* top = new QVBoxLayout(this);
    auto* heading = new QLabel(tr("Check the fields to change on all %1 channels.").arg(rows));
    heading->setObjectName(QStringLiteral("lblChangeRows"));
    top->addWidget(heading);
    auto* grid = new QGridLayout;
    top->addLayout(grid);
    const ModelInfo& info = Model(model);
    for (const FieldRow& r : kRows) {
        auto* check = new QCheckBox(tr(r.caption));
        check->setObjectName(QStringLiteral("chk") + QString::fromLatin1(r.name));
        QWidget* control = MakeControl(r.field, model, start);
        control->setObjectName((IsText(r.field) ? QStringLiteral("txt") : QStringLiteral("cbb")) +
                               QString::fromLatin1(r.name));
        control->setEnabled(false);
        control->setAccessibleName(check->text());
        if (IsText(r.field)) control->installEventFilter(this);
        // A list the model does not use stays locked, as in the editor.
        check->setEnabled(!(r.field == kSecret && !info.secretList) && !(r.field == kCarrier && !info.carrierList));
        const int row = grid->rowCount();
        grid->addWidget(check, row, 0);
        grid->addWidget(control, row, 1);
        connect(check, &QCheckBox::toggled, this, [this, control](bool on) {
            control->setEnabled(on);
            ok_->setEnabled(std::any_of(entries_.begin(), entries_.end(),
                                        [](const Entry& e) { return e.check->isChecked(); }));
        });
        entries_.push_back({r.field, check, control});
    }
    grid->setColumnStretch(1, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setObjectName(QStringLiteral("cmdOK"));
    ok_->setEnabled(false);
    cancel_ = buttons->button(QDialogButtonBox::Cancel);
    cancel_->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ChangeChannelsDialog::OnOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    top->addWidget(buttons);
}

QWidget* ChangeChannelsDialog::MakeControl(int field, int model, const SlotFields& start) {
    if (IsText(field)) {
        auto* box = new QLineEdit(Q(start.Text(field)));
        if (field == kOffset) {
            box->setMaxLength(9);
            box->setValidator(new CharacterValidator(CharacterValidator::Kind::kDecimal, box));
        } else if (field == kName) {
            box->setMaxLength(kNameLength);
            box->setValidator(new CharacterValidator(CharacterValidator::Kind::kPrintableAscii, box));
        } else {
            box->setMaxLength(kNoteLength);
        }
        return box;
    }
    auto* list = new QComboBox;
    list->setMaxVisibleItems(12);
    const QStringList choices = Choices(field);
    list->addItems(choices);
    if (field == kOption) {
        // An option the model lacks is shown but cannot be picked.
        const auto offered = OfferedOptions(model);
        auto* items = static_cast<QStandardItemModel*>(list->model());
        for (int i = 0; i < kOptionChoices; ++i) items->item(i)->setEnabled(offered[static_cast<std::size_t>(i)]);
    }
    const int code = ChoiceIndex(start.Value(field), static_cast<int>(choices.size()));
    list->setCurrentIndex(field == kOption && code >= 0 && !OfferedOptions(model)[static_cast<std::size_t>(code)]
                              ? static_cast<int>(ChannelOption::kOff)
                              : std::max(code, 0));
    return list;
}

bool ChangeChannelsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && !checking_ && isVisible() &&
        MovesWithinWindow(*static_cast<QFocusEvent*>(event))) {
        left_ = static_cast<QWidget*>(watched);
        // After the event that moved the focus, so no box opens mid-click.
        QTimer::singleShot(0, this, &ChangeChannelsDialog::CheckLeftBox);
    }
    return QDialog::eventFilter(watched, event);
}

void ChangeChannelsDialog::CheckLeftBox() {
    QWidget* left = std::exchange(left_, nullptr);
    if (!left || !isVisible() || checking_) return;
    for (const Entry& e : entries_) {
        // Leaving for Cancel or for the entry's own check box gives the
        // value up: nothing to say about it.
        if (e.control != left || focusWidget() == cancel_ || focusWidget() == e.check) continue;
        Check(e);
    }
}

bool ChangeChannelsDialog::Check(const Entry& e) {
    if (!e.check->isChecked()) return true;
    const std::optional<Message> why = ChangeFieldRefusal(model_, Change(), e.field);
    if (!why) {
        if (e.field == kOffset) {
            auto* box = static_cast<QLineEdit*>(e.control);
            box->setText(Q(FormatOffset(ParseDecimal(box->text().toStdString()))));
        }
        return true;
    }
    checking_ = true;
    (prompter_ ? *prompter_ : DefaultPrompter()).Error(this, ErrorTitle(), {Said(*why)});
    checking_ = false;
    e.control->setFocus(Qt::OtherFocusReason);
    if (auto* box = qobject_cast<QLineEdit*>(e.control)) box->selectAll();
    return false;
}

void ChangeChannelsDialog::OnOk() {
    left_ = nullptr;  // every entry is checked now, the one just left too
    for (const Entry& e : entries_)
        if (!Check(e)) return;
    accept();
}

ChannelChange ChangeChannelsDialog::Change() const {
    ChannelChange change;
    for (const Entry& e : entries_) {
        if (!e.check->isChecked()) continue;
        if (auto* box = qobject_cast<QLineEdit*>(e.control)) {
            if (e.field == kOffset) {
                change.Set(kOffset, ParseDecimal(box->text().toStdString()));
            } else {
                change.SetText(e.field, box->text().toStdString());
            }
        } else {
            change.Set(e.field, static_cast<QComboBox*>(e.control)->currentIndex());
        }
    }
    return change;
}

}  // namespace wrk7
