#include "app/pages/find_bar.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QToolButton>

#include "app/pages/memory_page.h"
#include "app/pages/memory_table_model.h"
#include "edit/channel_find.h"
#include "edit/row_lookup.h"
#include "edit/row_order.h"

namespace wrk7 {

FindBar::FindBar(const CloneImage& image, MemoryPage* page, QWidget* parent)
    : QWidget(parent), image_(image), page_(page) {
    setObjectName(QStringLiteral("fraFind"));
    lblFind_ = new QLabel(tr("Find:"));
    lblFind_->setObjectName(QStringLiteral("lblFind"));
    txtFind_ = new QLineEdit;
    txtFind_->setObjectName(QStringLiteral("txtFind"));
    txtFind_->setClearButtonEnabled(true);
    txtFind_->installEventFilter(this);
    // The label ("Find:" or "Go to:") names the box for screen readers.
    lblFind_->setBuddy(txtFind_);
    for (QToolButton* clear : txtFind_->findChildren<QToolButton*>()) clear->setAccessibleName(tr("Clear"));
    cmdPrevious_ = new QPushButton(tr("Previous"));
    cmdPrevious_->setObjectName(QStringLiteral("cmdFindPrevious"));
    cmdNext_ = new QPushButton(tr("Next"));
    cmdNext_->setObjectName(QStringLiteral("cmdFindNext"));
    lblResult_ = new QLabel;
    lblResult_->setObjectName(QStringLiteral("lblFindResult"));
    auto* close = close_ = new QToolButton;
    close->setObjectName(QStringLiteral("cmdFindClose"));
    close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    close->setAutoRaise(true);
    close->setToolTip(tr("Close (Esc)"));
    close->setAccessibleName(tr("Close"));
    for (QPushButton* b : {cmdPrevious_, cmdNext_}) b->setAutoDefault(false);
    connect(cmdPrevious_, &QPushButton::clicked, this, &FindBar::FindPrevious);
    connect(cmdNext_, &QPushButton::clicked, this, [this] { mode_ == Mode::kGoTo ? GoTo() : FindNext(); });
    connect(close, &QToolButton::clicked, this, &FindBar::Close);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(lblFind_);
    row->addWidget(txtFind_, 1);
    row->addWidget(cmdPrevious_);
    row->addWidget(cmdNext_);
    row->addWidget(lblResult_, 1);
    row->addWidget(close);
    hide();

    // Over the grid, in the page's own layout.
    QTableView* grid = page_->Grid();
    if (auto* box = qobject_cast<QBoxLayout*>(grid->parentWidget()->layout())) box->insertWidget(box->indexOf(grid), this);
}

void FindBar::Open(Mode mode) {
    if (isVisible() && mode_ == Mode::kFind) findText_ = txtFind_->text();
    if (isVisible() && mode_ == Mode::kGoTo) goToText_ = txtFind_->text();
    mode_ = mode;
    const bool find = mode == Mode::kFind;
    lblFind_->setText(find ? tr("Find:") : tr("Go to:"));
    txtFind_->setPlaceholderText(find ? tr("145.5, 118-137 or a name or note")
                                      : tr("07-012, 0A, S5, Pr10 or slot 0-1299"));
    txtFind_->setText(find ? findText_ : goToText_);
    txtFind_->show();
    cmdPrevious_->setVisible(find);
    cmdNext_->setText(find ? tr("Next") : tr("Go"));
    lblResult_->clear();
    show();
    txtFind_->setFocus();
    txtFind_->selectAll();
}

void FindBar::OpenDuplicates(const QString& summary) {
    if (isVisible() && mode_ == Mode::kFind) findText_ = txtFind_->text();
    mode_ = Mode::kDuplicates;
    lblFind_->setText(tr("Duplicates:"));
    txtFind_->hide();
    cmdPrevious_->show();
    cmdNext_->setText(tr("Next"));
    ShowResult(summary);
    show();
    page_->Grid()->setFocus();
}

void FindBar::ShowResult(const QString& answer) { lblResult_->setText(answer); }

void FindBar::StepThroughDuplicates(bool forward) {
    const auto slot = NextListedSlot(FindDuplicates(image_).members, page_->CurrentRow() - 1, forward);
    if (!slot) {
        ShowResult(tr("No duplicates are left."));
        return;
    }
    const QModelIndex index = page_->Model()->index(*slot, 0);
    page_->Grid()->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    page_->Grid()->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void FindBar::Find(bool forward) {
    if (mode_ == Mode::kDuplicates) {
        StepThroughDuplicates(forward);
        return;
    }
    if (isVisible() && mode_ == Mode::kFind) findText_ = txtFind_->text();
    const FindQuery query = ParseFindQuery(findText_.toStdString());
    if (query.kind == FindQuery::Kind::kNone) {
        Open(Mode::kFind);
        return;
    }
    const auto slot = FindSlot(image_, query, page_->CurrentRow() - 1, forward);
    if (!slot) {
        ShowResult(tr("No row matches \"%1\".").arg(findText_.trimmed()));
        return;
    }
    lblResult_->clear();
    Show(*slot);
}

void FindBar::GoTo() {
    goToText_ = txtFind_->text();
    const auto slot = SlotForRowText(image_, goToText_.toStdString());
    if (!slot) {
        ShowResult(tr("There is no row \"%1\".").arg(goToText_.trimmed()));
        return;
    }
    lblResult_->clear();
    Show(*slot);
    // Gone there: the next Enter edits the row rather than going again.
    Close();
}

void FindBar::Show(int slot) {
    page_->SelectRow(slot + 1);
    page_->Grid()->scrollTo(page_->Model()->index(slot, 0), QAbstractItemView::PositionAtCenter);
}

void FindBar::Close() {
    if (mode_ == Mode::kFind) findText_ = txtFind_->text();
    // F3 finds the find text again once the duplicates are put away.
    if (mode_ == Mode::kDuplicates) mode_ = Mode::kFind;
    hide();
    page_->Grid()->setFocus();
}

void FindBar::Dismiss() {
    if (isVisible() && mode_ == Mode::kFind) findText_ = txtFind_->text();
    if (mode_ == Mode::kDuplicates) mode_ = Mode::kFind;
    lblResult_->clear();
    hide();
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtFind_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            Close();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (mode_ == Mode::kGoTo) {
                GoTo();
            } else {
                Find(!(key->modifiers() & Qt::ShiftModifier));
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace wrk7
