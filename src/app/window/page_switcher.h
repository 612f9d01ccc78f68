#pragma once
#include <QObject>

#include "edit/page_rules.h"

class QTabWidget;
class QWidget;

namespace wrk7 {

class CloneDocument;
class Prompter;

// The tab strip's four pages, switched by the page rules (SwitchPage): the
// bank page holds the others while the bank counts do not make a thousand,
// says so once, and brings itself back to the front when a step takes the
// thousand away. Only the page in front is enabled.
class PageSwitcher : public QObject {
    Q_OBJECT
public:
    // window: the questions' parent, and whose visibility decides whether a
    // page that comes to the front takes the keys.
    PageSwitcher(QTabWidget* tabs, CloneDocument& document, Prompter& prompter, QWidget* window);

    Page CurrentPage() const;
    // A tab click on page, as the user does it.
    void ClickTab(Page page);
    // The page rules for a click on page (the one in front included).
    void SwitchTo(Page page);

signals:
    // A page came to the front (or stayed there after a click).
    void switched();
    // The memory grid needs its row labels, font and rows again.
    void memoryGridStale();

private:
    void OnCurrentChanged(int index);
    void SelectDirect(Page page);

    QTabWidget* tabs_;
    CloneDocument& document_;
    Prompter& prompter_;
    QWidget* window_;
    // Set while the switcher itself puts a page in front, so the tab event
    // that causes is no click.
    bool tabStripFlag_ = false;
};

}  // namespace wrk7
