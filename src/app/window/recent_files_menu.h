#pragma once
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QMenu;
class QSettings;

namespace wrk7 {

// File > Recent Files: the last clone files opened or saved, kept in the
// settings store; a file that has gone since is taken off when chosen.
class RecentFilesMenu : public QObject {
    Q_OBJECT
public:
    using Store = std::function<std::unique_ptr<QSettings>()>;
    RecentFilesMenu(QMenu* file, Store store, QObject* parent);

    QMenu* Menu() const { return menu_; }
    const QStringList& Files() const { return files_; }
    void Remember(const QString& path);
    // Opening one replaces the image, so the menu waits while it cannot.
    void SetAvailable(bool available);

signals:
    void openRequested(const QString& path);
    // A chosen file that no longer exists (already taken off the list).
    void missing(const QString& path);

private:
    void Show();
    void Choose(const QString& path);

    Store store_;
    QMenu* menu_;
    QStringList files_;
    bool available_ = true;
};

}  // namespace wrk7
