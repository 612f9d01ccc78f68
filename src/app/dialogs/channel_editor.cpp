#include "app/dialogs/channel_editor.h"

#include <QGuiApplication>
#include <QLayout>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "app/dialogs/channel_editor_controls.h"
#include "app/translation/said.h"
#include "app/support/focus_rule.h"
#include "app/support/prompter.h"
#include "core/channel_limits.h"
#include "core/hex.h"
#include "core/tables.h"
#include "edit/channel_rules.h"

namespace wrk7 {

using channel_editor::BoxValue;
using channel_editor::Q;

ChannelEditor::ChannelEditor(QWidget* parent, Prompter* prompter) : QDialog(parent), prompter_(prompter) {
    setObjectName(QStringLiteral("dlgModify"));
    setWindowTitle(tr("Modify Memory"));
    BuildControls();
    // The first "Hold" has nothing to hold yet: start from the empty-row values.
    LoadMemoryFields(EmptyRowDefaults(), true);
}

ChannelEditor::~ChannelEditor() = default;

void ChannelEditor::SetPrompter(Prompter* prompter) { prompter_ = prompter; }

Prompter& ChannelEditor::Prompts() { return prompter_ ? *prompter_ : DefaultPrompter(); }

void ChannelEditor::SetFreqText(const QString& text) { txtFreq_->setText(text); }

void ChannelEditor::PlaceBeside(QWidget* anchor) {
    layout()->activate();
    adjustSize();
    if (!anchor) return;
    const QRect a(anchor->mapToGlobal(QPoint(0, 0)), anchor->size());
    QScreen* screen = anchor->screen() ? anchor->screen() : QGuiApplication::primaryScreen();
    const QRect avail = screen ? screen->availableGeometry() : QRect(a.topLeft(), QSize(4096, 4096));
    // The frame the window system adds: frameGeometry() knows it only after
    // the first show, the platform window as soon as it exists.
    if (!windowHandle()) create();
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const QSize size = this->size().expandedTo(sizeHint()).grownBy(frame);
    constexpr int kGap = 8;
    int x = a.right() + kGap;
    if (x + size.width() > avail.right()) x = a.left() - kGap - size.width();
    int y = a.top();
    if (x < avail.left()) {
        // No room either side: over the middle of the window the user is
        // looking at, not at the screen's edge over the columns being edited.
        const QRect window = anchor->window()->frameGeometry();
        x = window.center().x() - size.width() / 2;
        y = window.center().y() - size.height() / 2;
    }
    x = std::min(x, avail.right() + 1 - size.width());
    y = std::min(y, avail.bottom() + 1 - size.height());
    move(std::max(x, avail.left()), std::max(y, avail.top()));
}

std::optional<ChannelEntry> ChannelEditor::RunModal(QWidget* anchor) {
    PlaceBeside(anchor);
    if (exec() != QDialog::Accepted) return std::nullopt;
    return entry_;
}

bool ChannelEditor::ShowModeless(QWidget* anchor) {
    PlaceBeside(anchor);
    setResult(QDialog::Rejected);
    show();
    activateWindow();
    return true;
}

std::optional<ChannelEntry> ChannelEditor::OpenMemoryEditor(const CloneImage& image, int row, QWidget* anchor) {
    if (!PrepareMemory(image, row)) return std::nullopt;
    return RunModal(anchor);
}

std::optional<ChannelEntry> ChannelEditor::OpenVfoEditor(const CloneImage& image, int row, QWidget* anchor) {
    if (!PrepareVfo(image, row)) return std::nullopt;
    return RunModal(anchor);
}

bool ChannelEditor::BeginMemoryEdit(const CloneImage& image, int row, QWidget* anchor) {
    return PrepareMemory(image, row) && ShowModeless(anchor);
}

bool ChannelEditor::BeginVfoEdit(const CloneImage& image, int row, QWidget* anchor) {
    return PrepareVfo(image, row) && ShowModeless(anchor);
}

bool ChannelEditor::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && (watched == txtFreq_ || watched == txtShift_)) {
        // Switching windows (a message box, another program) or opening a
        // context menu is not leaving the box.
        if (MovesWithinWindow(*static_cast<QFocusEvent*>(event)) && isVisible() && !checking_) {
            (watched == txtFreq_ ? freqPending_ : offsetPending_) = true;
            // Run after the event that moved the focus is done, so a message
            // box never opens in the middle of a mouse click.
            QTimer::singleShot(0, this, [this] { RunPendingChecks(); });
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool ChannelEditor::RunPendingChecks() {
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

// Puts the verdict's text into the box and tells the user about a refusal.
bool ChannelEditor::Apply(const Verdict& verdict, QLineEdit* box) {
    if (verdict.kind == Verdict::Kind::kRefused) Prompts().Error(this, Said(verdict.title), Said(verdict.lines));
    box->setText(Q(verdict.text));
    return verdict.Accepted();
}

bool ChannelEditor::CheckFrequency() {
    checking_ = true;  // focus changes while a message shows are no new leave of the box
    const QString typed = txtFreq_->text();
    const double f = BoxValue(txtFreq_);
    const Verdict verdict =
        target_ == Target::kMemory ? CheckMemoryFrequency(*image_, row_ - 1, f) : CheckVfoFrequency(*image_, row_ - 1, f);
    const bool accepted = Apply(verdict, txtFreq_);
    checking_ = false;
    // The original puts a frequency out of range back without a word; the
    // line under the boxes says why the box changed.
    if (verdict.kind == Verdict::Kind::kRestored) {
        TellRestoredFrequency(typed);
    } else {
        ShowStepNote();
    }
    return accepted;
}

void ChannelEditor::TellRestoredFrequency(const QString& typed) {
    double low = kLowestChannelMHz, high = kHighestChannelMHz;
    if (target_ == Target::kVfo) {
        const Band& band = BandPlan(region_, row_ - 1);
        low = band.low;
        high = band.high;
    }
    lblCheck_->setText(tr("%1 is not taken. %2 The box holds %3 again.")
                           .arg(typed.trimmed().isEmpty() ? tr("An empty frequency") : typed.trimmed(),
                                Said(Say(MessageId::kFrequencyBetween, FormatFrequency(low), FormatFrequency(high))),
                                txtFreq_->text()));
}

void ChannelEditor::ShowStepNote() {
    const int step = opbStep_->checkedId();
    const auto off = OffStepRaster(BoxValue(txtFreq_), step);
    if (!off) return lblCheck_->clear();
    const QString stepName = Q(StepName[static_cast<std::size_t>(step)]);
    lblCheck_->setText(tr("%1 MHz is off the %2 raster: the receiver keeps it and tunes from it in steps of %2. "
                          "On the raster: %3 or %4 MHz.")
                           .arg(txtFreq_->text(), stepName, Q(FormatFrequency(off->belowHz / 1e6)),
                                Q(FormatFrequency(off->aboveHz / 1e6))));
}

bool ChannelEditor::CheckOffset() {
    const SlotFields& stored = target_ == Target::kMemory ? image_->memory.slot[row_ - 1] : image_->vfo.bands[row_ - 1];
    return Apply(wrk7::CheckOffset(stored, BoxValue(txtShift_)), txtShift_);
}

void ChannelEditor::OnOk() {
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
    entry_ = target_ == Target::kMemory ? StoreMemory() : StoreVfo();
    const int target = static_cast<int>(target_);
    const int row = row_;
    image_ = nullptr;
    accept();
    emit entryStored(target, row);
}

void ChannelEditor::reject() {
    freqPending_ = offsetPending_ = false;
    image_ = nullptr;
    QDialog::reject();
    emit entryCancelled();
}

}  // namespace wrk7
