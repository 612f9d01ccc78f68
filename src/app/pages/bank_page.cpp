#include "app/pages/bank_page.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

#include "app/support/focus_rule.h"
#include "app/document/clone_document.h"
#include "app/translation/said.h"
#include "app/support/prompter.h"
#include "core/hex.h"
#include "edit/bank.h"
#include "edit/bank_entry.h"

namespace wrk7 {

namespace {

QString GroupCaption(int group) {
    return group == 10 ? QStringLiteral("GRP-B") : QStringLiteral("GRP%1").arg(group);
}

}  // namespace

BankPage::BankPage(CloneDocument& document, Prompter& prompter, QWidget* parent)
    : QWidget(parent), document_(document), image_(document.Image()), prompter_(prompter) {
    document_.AddPendingEntry([this] { CommitPendingEntry(); });
    auto* top = new QHBoxLayout;
    cmdReadBank_ = new QPushButton(tr("Read Bank"));
    cmdReadBank_->setObjectName(QStringLiteral("cmbReadBank"));
    cmdWriteBank_ = new QPushButton(tr("Write Bank"));
    cmdWriteBank_->setObjectName(QStringLiteral("cmbWriteBank"));
    cmdReadGroup_ = new QPushButton(tr("Read Group"));
    cmdReadGroup_->setObjectName(QStringLiteral("cmbReadGroup"));
    cmdWriteGroup_ = new QPushButton(tr("Write Group"));
    cmdWriteGroup_->setObjectName(QStringLiteral("cmbWriteGroup"));
    for (QPushButton* b : {cmdReadBank_, cmdWriteBank_, cmdReadGroup_, cmdWriteGroup_}) top->addWidget(b);
    top->addStretch();
    top->addWidget(new QLabel(tr("Total")));
    lblAll_ = new QLabel(QStringLiteral("1000"));
    lblAll_->setObjectName(QStringLiteral("lblAll"));
    lblAll_->setMinimumWidth(40);
    lblAll_->setFrameShape(QFrame::Panel);
    lblAll_->setFrameShadow(QFrame::Sunken);
    lblAll_->setAlignment(Qt::AlignCenter);
    top->addWidget(lblAll_);
    // The scan-group box clicked last, by its group and bank: a column of
    // 500 alike boxes needs a word on which one a click just changed.
    auto* lastGroup = new QLabel(tr("Last group change"));
    groupIndexBox_ = new QLineEdit;
    groupIndexBox_->setObjectName(QStringLiteral("Text4"));
    groupIndexBox_->setAccessibleName(lastGroup->text());
    lastGroup->setBuddy(groupIndexBox_);
    groupIndexBox_->setReadOnly(true);
    groupIndexBox_->setFocusPolicy(Qt::NoFocus);
    const QFontMetrics metrics(groupIndexBox_->font());
    groupIndexBox_->setFixedWidth(metrics.horizontalAdvance(GroupBoxText(kGroups - 1, kBanks - 1)) +
                                  metrics.averageCharWidth() * 3);
    top->addSpacing(metrics.averageCharWidth() * 2);
    top->addWidget(lastGroup);
    top->addWidget(groupIndexBox_);

    auto* frames = new QWidget;
    auto* framesLayout = new QVBoxLayout(frames);
    framesLayout->setContentsMargins(2, 2, 2, 2);
    framesLayout->setSpacing(4);
    for (int first = 0; first < kBanks; first += 10) framesLayout->addWidget(BuildBankFrame(first));
    framesLayout->addStretch();
    auto* scroll = new QScrollArea;
    scroll->setWidget(frames);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    // Tab goes straight to the first control: a stop on the area itself would show no focus.
    scroll->setFocusPolicy(Qt::NoFocus);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(top);
    layout->addWidget(scroll, 1);

    ShowBankCounts();
    ShowGroups();
    connect(&document_, &CloneDocument::changed, this, [this](const EditedParts& parts) {
        if (parts.Has(ImagePart::kGroups)) ShowGroups();
        if (parts.Has(ImagePart::kBanks)) ShowBankCounts();
    });
    connect(&document_, &CloneDocument::readOnlyChanged, this, [this](bool readOnly) { SetEditable(!readOnly); });
}

QWidget* BankPage::BuildBankFrame(int firstBank) {
    auto* frame = new QGroupBox(tr("BANK %1 - %2").arg(firstBank).arg(firstBank + 9));
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(0);
    auto* digitsValidator = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), frame);
    grid->addWidget(new QLabel(tr("Link")), 2, 0);
    for (int g = 1; g < kGroups; ++g) grid->addWidget(new QLabel(GroupCaption(g)), 2 + g, 0);
    for (int d = 0; d < 10; ++d) {
        const int bank = firstBank + d;
        auto* digit = new QLabel(QString::number(d));
        digit->setAlignment(Qt::AlignCenter);
        grid->addWidget(digit, 0, 1 + d);

        auto* box = new QLineEdit;
        box->setObjectName(QStringLiteral("txtBank%1").arg(bank));
        box->setMaxLength(4);
        box->setValidator(digitsValidator);
        box->setAlignment(Qt::AlignCenter);
        box->setFixedWidth(40);
        box->setAcceptDrops(false);  // a file dropped here goes to the window
        box->installEventFilter(this);
        txtBank_[static_cast<std::size_t>(bank)] = box;
        grid->addWidget(box, 1, 1 + d, Qt::AlignCenter);

        auto* link = new QCheckBox;
        link->setObjectName(QStringLiteral("chkLink%1").arg(bank));
        chkLink_[static_cast<std::size_t>(bank)] = link;
        grid->addWidget(link, 2, 1 + d, Qt::AlignCenter);
        connect(link, &QCheckBox::clicked, this, [this, bank] { ClickLink(bank); });

        for (int g = 0; g < kGroups; ++g) {
            const int index = kBanks * g + bank;
            auto* box2 = new QCheckBox(frame);
            box2->setObjectName(QStringLiteral("chkGrp%1").arg(index));
            chkGrp_[static_cast<std::size_t>(index)] = box2;
            if (g == 0) {
                box2->hide();  // group 0 exists in the block only
            } else {
                grid->addWidget(box2, 2 + g, 1 + d, Qt::AlignCenter);
            }
            connect(box2, &QCheckBox::clicked, this, [this, index] { ClickGroup(index); });
        }
    }
    return frame;
}

void BankPage::ClickLink(int bank) {
    QCheckBox* link = chkLink_[static_cast<std::size_t>(bank)];
    const bool on = LinkAfterClick(txtBank_[static_cast<std::size_t>(bank)]->text().toStdString(), link->isChecked());
    // A refused link clears the box again and marks nothing.
    link->setChecked(on);
    const QString name = (on ? tr("Link Bank %1") : tr("Unlink Bank %1")).arg(bank);
    document_.Edit(name, [&](CloneImage& image) { image.banks.links[static_cast<std::size_t>(bank)] = on; });
}

void BankPage::ClickGroup(int index) {
    const bool on = chkGrp_[static_cast<std::size_t>(index)]->isChecked();
    const int group = index / kBanks;
    const int bank = index % kBanks;
    const QString caption = GroupCaption(group);
    const QString name = on ? tr("Add Bank %1 to %2").arg(bank).arg(caption)
                            : tr("Remove Bank %1 from %2").arg(bank).arg(caption);
    document_.Edit(name, [&](CloneImage& image) {
        image.groups.members[static_cast<std::size_t>(group)][static_cast<std::size_t>(bank)] = on;
    });
    groupIndexBox_->setText(GroupBoxText(group, bank));
}

QString BankPage::GroupBoxText(int group, int bank) {
    return tr("%1, bank %2").arg(GroupCaption(group)).arg(bank);
}

void BankPage::ShowBankCounts() {
    for (int b = 0; b < kBanks; ++b) {
        txtBank_[static_cast<std::size_t>(b)]->setText(QString::fromStdString(image_.BankText(b)));
        chkLink_[static_cast<std::size_t>(b)]->setChecked(image_.banks.links[static_cast<std::size_t>(b)]);
    }
    lblAll_->setText(QString::number(BankTotal(image_)));
}

void BankPage::ShowGroups() {
    for (int i = kBanks; i < kBanks * kGroups; ++i)
        chkGrp_[static_cast<std::size_t>(i)]->setChecked(
            image_.groups.members[static_cast<std::size_t>(i / kBanks)][static_cast<std::size_t>(i % kBanks)]);
}

int BankPage::BoxIndex(QObject* object) const {
    for (int b = 0; b < kBanks; ++b)
        if (txtBank_[static_cast<std::size_t>(b)] == object) return b;
    return -1;
}

void BankPage::FocusCountBox(int bank) {
    txtBank_[static_cast<std::size_t>((bank + kBanks) % kBanks)]->setFocus(Qt::OtherFocusReason);
}

void BankPage::LeaveCountBox(int bank) {
    if (applying_) return;
    applying_ = true;
    std::array<std::string, kBanks> texts;
    for (int b = 0; b < kBanks; ++b) texts[static_cast<std::size_t>(b)] = txtBank_[static_cast<std::size_t>(b)]->text().toStdString();
    CountEntryResult result;
    // The Link box and the total follow the step (ShowBankCounts); the box
    // itself shows the text the entry left, changed or not.
    document_.Edit(tr("Change Bank %1").arg(bank),
                   [&](CloneImage& image) { result = wrk7::LeaveCountBox(image, bank, texts); });
    QLineEdit* box = txtBank_[static_cast<std::size_t>(bank)];
    if (result.outcome == CountEntryOutcome::kRefused) {
        OfferMove(bank, texts[static_cast<std::size_t>(bank)], result);
    } else if (!result.message.empty()) {
        prompter_.Error(this, ErrorTitle(), Said(result.message));
    }
    box->setText(QString::fromStdString(result.boxText));
    applying_ = false;
}

void BankPage::OfferMove(int bank, const std::string& typed, CountEntryResult& result) {
    // The original's refusal, and beside it the way to move channels from
    // the last banks that hold them in the same step.
    bool number = false;
    const int wanted = QString::fromStdString(typed).trimmed().toInt(&number);
    const auto move = number ? MoveCounts(image_.banks, bank, wanted) : std::nullopt;
    if (!move) return prompter_.Error(this, ErrorTitle(), Said(result.message));
    QStringList from;
    for (const auto& [other, taken] : move->takenFrom) from << tr("%n from bank %1", nullptr, taken).arg(other);
    QStringList lines = Said(result.message);
    lines << tr("Raise bank %1 to %2 and take %3?").arg(bank).arg(wanted).arg(from.join(tr(", ")));
    if (prompter_.Choose(this, ErrorTitle(), lines, {tr("&Take Them"), tr("Cancel")}, 1) != 0) return;
    document_.Edit(tr("Change Bank %1").arg(bank), [&](CloneImage& image) {
        for (int b = 0; b < kBanks; ++b) image.banks.counts[static_cast<std::size_t>(b)] = move->counts[static_cast<std::size_t>(b)];
        UpdateBankTotal(image);
    });
    result.boxText = image_.BankText(bank);
}

void BankPage::CommitPendingEntry() {
    for (int b = 0; b < kBanks; ++b) {
        QLineEdit* box = txtBank_[static_cast<std::size_t>(b)];
        // The window's focus box, even while a menu is open or another
        // program is in front.
        if (box == window()->focusWidget() && box->text().toStdString() != image_.BankText(b)) LeaveCountBox(b);
    }
}

void BankPage::SetEditable(bool editable) {
    // Disabling the box that has the focus moves the focus on; that is not
    // the user leaving the box.
    const QScopedValueRollback<bool> quiet(applying_, true);
    for (QLineEdit* box : txtBank_) box->setEnabled(editable);
    for (QCheckBox* box : chkLink_) box->setEnabled(editable);
    for (QCheckBox* box : chkGrp_) box->setEnabled(editable);
}

bool BankPage::eventFilter(QObject* watched, QEvent* event) {
    const int bank = BoxIndex(watched);
    if (bank < 0) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::FocusIn: {
            if (!MovesWithinWindow(*static_cast<QFocusEvent*>(event))) break;
            QLineEdit* box = txtBank_[static_cast<std::size_t>(bank)];
            // After the click that gave the focus has placed the cursor.
            QTimer::singleShot(0, box, [box] { if (box->hasFocus()) box->selectAll(); });
            break;
        }
        case QEvent::FocusOut:
            if (MovesWithinWindow(*static_cast<QFocusEvent*>(event))) LeaveCountBox(bank);
            break;
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            const bool plain = (key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == 0;
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                FocusCountBox(bank + 1);
                return true;
            }
            if (plain && key->key() == Qt::Key_Up) {
                FocusCountBox(bank - 1);
                return true;
            }
            if (plain && key->key() == Qt::Key_Down) {
                FocusCountBox(bank + 1);
                return true;
            }
            break;
        }
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace wrk7
