#pragma once
#include <QObject>
#include <memory>

class QTabWidget;
class QTableView;
class QWidget;

namespace wrk7 {

class BankPage;
class CloneDocument;
class MemoryPage;
class PageSelection;
class PageSwitcher;
class Prompter;
class SettingsPages;
class VfoTableModel;

// The tab strip (TabStrip1) with the window's four pages, each following the
// document, switched by the page rules; the commands see them through
// Selection.
class WindowPages : public QObject {
    Q_OBJECT
public:
    WindowPages(CloneDocument& document, Prompter& prompter, QWidget* window);
    ~WindowPages() override;

    QTabWidget* Tabs() const { return tabs_; }
    SettingsPages& Settings() const { return *settings_; }
    MemoryPage& Memory() const { return *memory_; }
    BankPage& Bank() const { return *bank_; }
    QTableView* VfoGrid() const { return vfoGrid_; }
    PageSwitcher& Switcher() const { return *switcher_; }
    PageSelection& Selection() const { return *selection_; }
    // The grids' note font from the window's, and their first rows current.
    void ResetGrids();

private:
    QWidget* window_;
    QTabWidget* tabs_ = nullptr;
    VfoTableModel* vfoModel_ = nullptr;
    QTableView* vfoGrid_ = nullptr;
    SettingsPages* settings_ = nullptr;
    MemoryPage* memory_ = nullptr;
    BankPage* bank_ = nullptr;
    PageSwitcher* switcher_ = nullptr;
    std::unique_ptr<PageSelection> selection_;
};

}  // namespace wrk7
