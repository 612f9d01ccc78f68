#include "app/window/page_switcher.h"

#include <QApplication>
#include <QTabWidget>
#include <algorithm>

#include "app/document/clone_document.h"
#include "app/support/keyboard_focus.h"
#include "app/support/prompter.h"
#include "app/translation/said.h"
#include "edit/bank.h"

namespace wrk7 {

namespace {

// The four tabs are the four pages, in order.
Page PageOfTab(int index) { return static_cast<Page>(std::clamp(index, 0, 3) + 1); }
int TabOfPage(Page page) { return static_cast<int>(page) - 1; }

}  // namespace

PageSwitcher::PageSwitcher(QTabWidget* tabs, CloneDocument& document, Prompter& prompter, QWidget* window)
    : QObject(window), tabs_(tabs), document_(document), prompter_(prompter), window_(window) {
    connect(tabs_, &QTabWidget::currentChanged, this, &PageSwitcher::OnCurrentChanged);
    // A click on the tab already in front emits no change, but the total
    // rule still applies to it.
    connect(tabs_, &QTabWidget::tabBarClicked, this, [this](int index) {
        if (index >= 0 && index == tabs_->currentIndex()) SwitchTo(PageOfTab(index));
    });
    // The other pages need the thousand channels a bank step may have taken back.
    connect(&document_, &CloneDocument::changed, this, [this](const EditedParts& parts) {
        if (parts.Has(ImagePart::kBanks) && !CanLeaveBankPage(document_.Image()) && CurrentPage() != Page::kBank)
            SelectDirect(Page::kBank);
    });
}

Page PageSwitcher::CurrentPage() const { return static_cast<Page>(tabs_->currentIndex() + 1); }

void PageSwitcher::ClickTab(Page page) {
    if (TabOfPage(page) == tabs_->currentIndex()) {
        SwitchTo(page);
    } else {
        tabs_->setCurrentIndex(TabOfPage(page));
    }
}

void PageSwitcher::OnCurrentChanged(int index) {
    if (tabStripFlag_ || index < 0) return;
    SwitchTo(PageOfTab(index));
}

void PageSwitcher::SwitchTo(Page page) {
    // A count box still being edited counts as left.
    document_.CommitPendingEntries();
    const PageSwitch s = SwitchPage(document_.Image(), page, tabStripFlag_);
    // Back on the bank page before the message: it is about the counts there,
    // not about a page that cannot be shown.
    SelectDirect(s.page);
    if (s.showTotalError) prompter_.Error(window_, ErrorTitle(), QStringList{Said(kTotalMustBe1000Message)});
    if (s.rebuildMemoryGrid) emit memoryGridStale();
    emit switched();
}

void PageSwitcher::SelectDirect(Page page) {
    const int index = TabOfPage(page);
    if (tabs_->currentIndex() != index) {
        tabStripFlag_ = true;
        tabs_->setCurrentIndex(index);
        tabStripFlag_ = false;
    }
    for (int i = 0; i < tabs_->count(); ++i) tabs_->widget(i)->setEnabled(i == index);
    // The page that came to the front takes the keys at once, visibly.
    QWidget* current = tabs_->currentWidget();
    if (window_->isVisible() && !current->isAncestorOf(QApplication::focusWidget())) FocusFirstControl(current);
}

}  // namespace wrk7
