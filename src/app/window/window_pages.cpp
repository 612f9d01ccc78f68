#include "app/window/window_pages.h"

#include <QTabWidget>
#include <QTableView>

#include "app/document/clone_document.h"
#include "app/pages/bank_page.h"
#include "app/pages/memory_page.h"
#include "app/pages/memory_table_model.h"
#include "app/pages/settings_pages.h"
#include "app/pages/vfo_table_model.h"
#include "app/translation/string_table.h"
#include "app/window/page_selection.h"
#include "app/window/page_switcher.h"

namespace wrk7 {

WindowPages::WindowPages(CloneDocument& document, Prompter& prompter, QWidget* window)
    : QObject(window), window_(window) {
    tabs_ = new QTabWidget(window);
    tabs_->setObjectName(QStringLiteral("TabStrip1"));
    vfoModel_ = new VfoTableModel(document.Image(), window);
    vfoModel_->Follow(document);
    vfoGrid_ = MakeImageGrid(vfoModel_, "MSFlexGrid2", QAbstractItemView::SingleSelection, GridKind::kVfo);
    settings_ = new SettingsPages(document, vfoGrid_, window);
    memory_ = new MemoryPage(document.Image());
    memory_->setObjectName(QStringLiteral("Frame1_2"));
    memory_->Follow(document);
    bank_ = new BankPage(document, prompter);
    bank_->setObjectName(QStringLiteral("Frame1_3"));
    tabs_->addTab(settings_->Page1(), tr("Settings 1"));
    tabs_->addTab(settings_->Page2(), tr("Settings 2"));
    tabs_->addTab(memory_, tr("Memory"));
    tabs_->addTab(bank_, tr("Bank"));
    switcher_ = new PageSwitcher(tabs_, document, prompter, window);
    selection_ = std::make_unique<PageSelection>(*switcher_, memory_, vfoGrid_);
    connect(switcher_, &PageSwitcher::memoryGridStale, this, [this] {
        memory_->Model()->RebuildRowLabels();
        ResetGrids();
        memory_->Model()->Refresh();
    });
}

WindowPages::~WindowPages() = default;

void WindowPages::ResetGrids() {
    const QFont note = NoteColumnFont(window_->font());
    vfoModel_->SetNoteFont(note);
    memory_->Model()->SetNoteFont(note);
    vfoGrid_->setCurrentIndex(vfoModel_->index(0, 0));
    vfoGrid_->selectRow(0);
    memory_->SelectRow(1);
}

}  // namespace wrk7
