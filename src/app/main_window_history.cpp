// Edit > Undo and Redo, and bringing the pages up to date after a step is
// taken back or done again.
#include <QAction>
#include <QLineEdit>
#include <QTableView>

#include "app/bank_page.h"
#include "app/image_history.h"
#include "app/main_window.h"
#include "app/memory_page.h"
#include "app/memory_table_model.h"
#include "app/settings_pages.h"
#include "app/undo_keys.h"
#include "app/vfo_table_model.h"
#include "edit/page_rules.h"

namespace wrk7 {

void MainWindow::BuildHistoryActions() {
    actUndo_ = new QAction(this);
    actUndo_->setObjectName(QStringLiteral("mnuUndo"));
    actUndo_->setShortcut(QKeySequence::Undo);
    connect(actUndo_, &QAction::triggered, this, &MainWindow::Undo);
    actRedo_ = new QAction(this);
    actRedo_->setObjectName(QStringLiteral("mnuRedo"));
    actRedo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(actRedo_, &QAction::triggered, this, &MainWindow::Redo);
    auto* keys = new UndoKeysToWindow(this);
    for (QWidget* page : {static_cast<QWidget*>(bankPage_), settingsPages_->Page1(), settingsPages_->Page2()})
        for (QLineEdit* box : page->findChildren<QLineEdit*>()) box->installEventFilter(keys);
    UpdateHistoryActions();
}

void MainWindow::UpdateHistoryActions() {
    if (!actUndo_) return;
    // "&Undo Clear 3 Channels": the step the command takes back.
    auto caption = [](const QString& verb, const QString& step) {
        return step.isEmpty() ? verb : verb + QLatin1Char(' ') + step;
    };
    actUndo_->setText(caption(QStringLiteral("&Undo"), history_->UndoName()));
    actRedo_->setText(caption(QStringLiteral("&Redo"), history_->RedoName()));
    actUndo_->setEnabled(imageEditable_ && history_->CanUndo());
    actRedo_->setEnabled(imageEditable_ && history_->CanRedo());
}

void MainWindow::Undo() {
    if (!imageEditable_) return;
    // An entry still being typed into a count box is a step of its own,
    // and the one taken back.
    bankPage_->CommitPendingEntry();
    history_->Undo();
}

void MainWindow::Redo() {
    if (!imageEditable_) return;
    bankPage_->CommitPendingEntry();
    history_->Redo();
}

void MainWindow::OnRestored(const EditedParts& parts) {
    // Repaint only: a refresh would wipe slots and change the image the
    // step has just put back.
    if (parts.settings) settingsPages_->Load();
    if (parts.vfo) vfoModel_->Refresh();
    if (parts.groups) bankPage_->ShowGroups();
    if (parts.banks) {
        bankPage_->ShowBankCounts();
        memoryPage_->Model()->RebuildRowLabels();
        // The other pages need the thousand channels a bank step may have
        // taken back.
        if (!CanLeaveBankPage(image_) && CurrentPage() != Page::kBank) {
            SelectPageDirect(Page::kBank);
            actModify_->setEnabled(PageAllowsModify(Page::kBank));
        }
    }
    if (!parts.memory.Empty()) {
        memoryPage_->Model()->RefreshSlots(parts.memory);
        // The first row the step changed comes into view; the selection stays.
        memoryPage_->Grid()->scrollTo(memoryPage_->Model()->index(parts.memory.first, 0));
    }
}

}  // namespace wrk7
