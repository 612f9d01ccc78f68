#include "app/window/file_drops.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QWidget>

#include "app/document/clone_document.h"
#include "app/commands/file_commands.h"

namespace wrk7 {

namespace {

bool HasSuffix(const QString& path, const char* suffix) {
    return QFileInfo(path).suffix().compare(QLatin1String(suffix), Qt::CaseInsensitive) == 0;
}

// The one local clone file or channel list (CSV, or an SDR program's XML or
// JSON bookmarks) of a drop; empty for anything else.
QString DroppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1) return {};
    const QUrl url = data->urls().front();
    if (!url.isLocalFile()) return {};
    const QString path = url.toLocalFile();
    for (const char* suffix : {"wk7", "csv", "xml", "json"})
        if (HasSuffix(path, suffix)) return path;
    return {};
}

}  // namespace

FileDrops::FileDrops(QWidget* window, const CloneDocument& document, FileCommands& files)
    : QObject(window), document_(document), files_(files) {
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
        if (TakesDrops() && !DroppedFile(enter->mimeData()).isEmpty()) enter->acceptProposedAction();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = DroppedFile(drop->mimeData());
        if (path.isEmpty() || !TakesDrops()) return true;
        drop->acceptProposedAction();
        if (HasSuffix(path, "wk7")) {
            files_.OpenFile(path);
        } else {
            files_.ImportFile(path);
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace wrk7
