#include "app/window/file_drops.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QWidget>

#include "app/document/clone_document.h"
#include "app/commands/file_commands.h"
#include "app/support/prompter.h"

namespace wrk7 {

namespace {

bool HasSuffix(const QString& path, const char* suffix) {
    return QFileInfo(path).suffix().compare(QLatin1String(suffix), Qt::CaseInsensitive) == 0;
}

bool Takeable(const QUrl& url) {
    if (!url.isLocalFile()) return false;
    const QString path = url.toLocalFile();
    for (const char* suffix : {"wk7", "csv", "xml", "json"})
        if (HasSuffix(path, suffix)) return true;
    return false;
}

// The local clone files and channel lists (CSV, or an SDR program's XML or
// JSON bookmarks) of a drop; the drop is taken only when it is one of them.
QStringList DroppedFiles(const QMimeData* data) {
    QStringList paths;
    if (!data || !data->hasUrls()) return paths;
    for (const QUrl& url : data->urls())
        if (Takeable(url)) paths << url.toLocalFile();
    return paths;
}

}  // namespace

FileDrops::FileDrops(QWidget* window, const CloneDocument& document, FileCommands& files, Prompter& prompter)
    : QObject(window), window_(window), document_(document), files_(files), prompter_(prompter) {
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

bool FileDrops::TakesDrops() const {
    // A dialog open over the window (the editor, a question, the import's
    // placement) works on the image as it is: a file opened under it would
    // take what the dialog stores next.
    return !document_.IsReadOnly() && !QApplication::activeModalWidget();
}

bool FileDrops::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::DragEnter) {
        auto* enter = static_cast<QDragEnterEvent*>(event);
        // Several files are let in, so that their drop can say why it is refused.
        if (TakesDrops() && !DroppedFiles(enter->mimeData()).isEmpty()) enter->acceptProposedAction();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        const QStringList paths = DroppedFiles(drop->mimeData());
        if (paths.isEmpty() || !TakesDrops()) return true;
        // Several files are not taken: the drag source sees them refused.
        if (paths.size() > 1) {
            drop->ignore();
        } else {
            drop->acceptProposedAction();
        }
        // Queued: the drop ends (and the source is answered) before any box opens.
        QMetaObject::invokeMethod(
            this, [this, paths] { paths.size() > 1 ? RefuseMany(static_cast<int>(paths.size())) : Take(paths.front()); },
            Qt::QueuedConnection);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void FileDrops::Take(const QString& path) {
    // The window may have changed while the drop ended.
    if (!TakesDrops()) return;
    if (HasSuffix(path, "wk7")) {
        files_.OpenFile(path);
    } else {
        files_.ImportFile(path);
    }
}

void FileDrops::RefuseMany(int count) {
    prompter_.Inform(window_, tr("Open"),
                     {tr("%n files were dropped at once.", nullptr, count),
                      tr("Drop one file at a time: a clone file opens, a channel list is imported.")});
}

}  // namespace wrk7
