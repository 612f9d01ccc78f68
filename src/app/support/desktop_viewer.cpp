#include "app/support/desktop_viewer.h"

#include <QDesktopServices>
#include <QProcess>
#include <QTimer>
#include <QUrl>

namespace wrk7 {

void ShowInDesktopViewer(const QString& path, QObject* context, std::function<void()> failed) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // QDesktopServices hands the file to xdg-open and reports success as soon
    // as that starts; its exit status is the only word on whether a viewer
    // took the file.
    auto* opener = new QProcess(context);
    QObject::connect(opener, &QProcess::finished, context,
                     [opener, failed](int code, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || code != 0) failed();
                         opener->deleteLater();
                     });
    QObject::connect(opener, &QProcess::errorOccurred, context, [opener, failed](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return;
        failed();
        opener->deleteLater();
    });
    opener->start(QStringLiteral("xdg-open"), {path});
#else
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) QTimer::singleShot(0, context, std::move(failed));
#endif
}

}  // namespace wrk7
