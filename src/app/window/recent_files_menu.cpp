#include "app/window/recent_files_menu.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include "files/recent_files.h"

namespace wrk7 {

RecentFilesMenu::RecentFilesMenu(QMenu* file, Store store, QObject* parent)
    : QObject(parent), store_(std::move(store)) {
    menu_ = file->addMenu(tr("Recent Files(&F)"));
    menu_->setObjectName(QStringLiteral("mnuRecent"));
    files_ = LoadRecentFiles(*store_());
    Show();
}

void RecentFilesMenu::Show() {
    menu_->clear();
    for (int i = 0; i < files_.size(); ++i) {
        const QString path = files_[i];
        // "&1 list.WK7  (/home/user/radio)": the number is the key.
        const QFileInfo info(path);
        QAction* a = menu_->addAction(
            QStringLiteral("&%1 %2  (%3)").arg(i + 1).arg(info.fileName(), QDir::toNativeSeparators(info.path())));
        a->setObjectName(QStringLiteral("mnuRecent%1").arg(i + 1));
        a->setData(path);
        connect(a, &QAction::triggered, this, [this, path] { Choose(path); });
    }
    menu_->setEnabled(available_ && !files_.isEmpty());
}

void RecentFilesMenu::SetAvailable(bool available) {
    available_ = available;
    menu_->setEnabled(available_ && !files_.isEmpty());
}

void RecentFilesMenu::Remember(const QString& path) {
    files_ = AddRecentFile(files_, path);
    SaveRecentFiles(*store_(), files_);
    Show();
}

void RecentFilesMenu::Choose(const QString& path) {
    if (QFileInfo(path).isFile()) {
        emit openRequested(path);
        return;
    }
    files_ = RemoveRecentFile(files_, path);
    SaveRecentFiles(*store_(), files_);
    Show();
    emit missing(path);
}

}  // namespace wrk7
