#include "app/window/window_store.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include "app/support/screen_fit.h"
#include "app/transfer/transfer_controller.h"

namespace wrk7 {

namespace {

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

std::unique_ptr<QSettings> WindowStore::Open() const {
    if (settingsFile_.isEmpty())
        return std::make_unique<QSettings>(FromView(kSettingsOrganisation), FromView(kSettingsApplication));
    return std::make_unique<QSettings>(settingsFile_, QSettings::IniFormat);
}

void WindowStore::LoadChoices(TransferController& transfers) const {
    const int port = portDirs_ ? ReadPortFile(*portDirs_) : ReadPortFile();
    transfers.LoadChoices(port, *Open());
}

bool WindowStore::RestorePlacement(QWidget* window) const {
    // Read at the resolution Save wrote it with.
    const std::optional<WindowPlacement> kept = LoadPlacement(*Open(), window->logicalDpiX());
    if (!kept) return false;
    QList<QRect> available;
    for (const QScreen* screen : QGuiApplication::screens()) available << screen->availableGeometry();
    const int primary = static_cast<int>(QGuiApplication::screens().indexOf(QGuiApplication::primaryScreen()));
    const QSize minimum = window->minimumSizeHint().expandedTo(window->minimumSize());
    window->setGeometry(PlaceOnScreens(QRect(kept->left, kept->top, kept->width, kept->height), available, primary,
                                       FrameOf(window), minimum));
    // Once the window system has framed it, its real title bar is fitted too.
    FitOnScreen(window);
    return true;
}

void WindowStore::Save(const QWidget* window, const TransferController& transfers) const {
    const int port = transfers.PortNumber();
    const FileResult written = portDirs_ ? WritePortFile(*portDirs_, port) : WritePortFile(port);
    (void)written;  // the program is ending; there is nobody left to tell
    const QRect at = window->geometry();
    const WindowPlacement placement{at.x(), at.y(), at.width(), at.height()};
    const std::unique_ptr<QSettings> store = Open();
    SavePlacement(*store, placement, window->logicalDpiX(), window->isMinimized());
    transfers.SaveChoices(*store);
}

}  // namespace wrk7
