// File > Recent Files, files dropped on the window, and the first size of the
// window.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QLayout>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QTableView>
#include <QTabWidget>

#include "app/column_stretch.h"
#include "app/main_window.h"
#include "app/memory_page.h"
#include "files/recent_files.h"

namespace wrk7 {

namespace {

enum class DroppedKind { kNone, kCloneFile, kCsv };

DroppedKind KindOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(QStringLiteral("wk7"), Qt::CaseInsensitive) == 0) return DroppedKind::kCloneFile;
    if (suffix.compare(QStringLiteral("csv"), Qt::CaseInsensitive) == 0) return DroppedKind::kCsv;
    return DroppedKind::kNone;
}

// The one local file of a drop that the window takes; empty for anything else.
QString DroppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1) return {};
    const QUrl url = data->urls().front();
    if (!url.isLocalFile()) return {};
    const QString path = url.toLocalFile();
    return KindOf(path) == DroppedKind::kNone ? QString() : path;
}

}  // namespace

void MainWindow::BuildRecentMenu(QMenu* file) {
    recentMenu_ = file->addMenu(QStringLiteral("Recent &Files"));
    recentMenu_->setObjectName(QStringLiteral("mnuRecent"));
    recentFiles_ = LoadRecentFiles(*SettingsStore());
    ShowRecentFiles();
}

void MainWindow::ShowRecentFiles() {
    recentMenu_->clear();
    for (int i = 0; i < recentFiles_.size(); ++i) {
        const QString path = recentFiles_[i];
        // "&1 list.WK7  (/home/user/radio)": the number is the key.
        const QFileInfo info(path);
        QAction* a = recentMenu_->addAction(QStringLiteral("&%1 %2  (%3)")
                                                .arg(i + 1)
                                                .arg(info.fileName(), QDir::toNativeSeparators(info.path())));
        a->setObjectName(QStringLiteral("mnuRecent%1").arg(i + 1));
        a->setData(path);
        connect(a, &QAction::triggered, this, [this, path] { OpenRecentFile(path); });
    }
    // Opening one replaces the image, which a transfer keeps read-only.
    recentMenu_->setEnabled(imageEditable_ && !recentFiles_.isEmpty());
}

void MainWindow::RememberFile(const QString& path) {
    recentFiles_ = AddRecentFile(recentFiles_, path);
    SaveRecentFiles(*SettingsStore(), recentFiles_);
    ShowRecentFiles();
}

void MainWindow::OpenRecentFile(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        recentFiles_ = RemoveRecentFile(recentFiles_, path);
        SaveRecentFiles(*SettingsStore(), recentFiles_);
        ShowRecentFiles();
        prompter_->Inform(this, QStringLiteral("Recent Files"),
                          {QStringLiteral("%1 no longer exists.").arg(QDir::toNativeSeparators(path)),
                           QStringLiteral("It has been removed from the list.")});
        return;
    }
    OpenFile(path);
}

bool MainWindow::TakesDrops() const {
    // A dialog open over the window (the editor, a question, the import's
    // placement) works on the image as it is: a file opened under it would
    // take what the dialog stores next.
    return !runner_->IsRunning() && !QApplication::activeModalWidget();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (TakesDrops() && !DroppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = DroppedFile(event->mimeData());
    if (path.isEmpty() || !TakesDrops()) return;
    event->acceptProposedAction();
    if (KindOf(path) == DroppedKind::kCloneFile) {
        OpenFile(path);
    } else {
        ImportFile(path);
    }
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!firstShow_) return;
    firstShow_ = false;
    FitMemoryGridColumns();
}

void MainWindow::FitMemoryGridColumns() {
    // Wide enough that the memory grid shows every column without scrolling
    // sideways, as far as the screen allows. The page is laid out by now,
    // even while another page is in front.
    QTableView* grid = memoryPage_->Grid();
    const QMargins margins = memoryPage_->layout()->contentsMargins();
    const int wanted = ColumnStretcher::NaturalGridWidth(grid) + margins.left() + margins.right();
    const int missing = wanted - memoryPage_->width();
    if (missing <= 0) return;
    int width = this->width() + missing;
    if (const QScreen* s = screen()) width = std::min(width, s->availableGeometry().width());
    resize(std::max(width, this->width()), height());
}

}  // namespace wrk7
