// The window's link choices kept in the settings store (a typed device path,
// Quick Read) and its serial traces.
#include <QAction>
#include <QDesktopServices>
#include <QSettings>
#include <QUrl>

#include "app/main_window.h"
#include "app/serial_traces.h"

namespace wrk7 {

void MainWindow::LoadLinkChoices() {
    const std::unique_ptr<QSettings> store = SettingsStore();
    devicePath_ = store->value(SettingsKey(kDevicePathKey)).toString().trimmed();
    // The full read stays the reference: quick only when the user chose it.
    actQuickRead_->setChecked(store->value(SettingsKey(kQuickReadKey), false).toBool());
}

void MainWindow::SaveLinkChoices(QSettings& store) const {
    store.setValue(SettingsKey(kDevicePathKey), devicePath_);
    store.setValue(SettingsKey(kQuickReadKey), QuickRead());
}

bool MainWindow::QuickRead() const { return actQuickRead_->isChecked(); }

void MainWindow::OpenLastTrace() {
    const QString path = LastSerialTrace(options_.traceFolder);
    if (path.isEmpty()) {
        prompter_->Inform(this, QStringLiteral("Serial Trace"), {QStringLiteral("No transfer has left a trace yet.")});
        return;
    }
    const bool opened = openFile ? openFile(path) : QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    if (!opened) prompter_->Error(this, ErrorTitle(), {QStringLiteral("Cannot open %1").arg(path)});
}

void MainWindow::KeepTrace() {
    if (runner_->TraceText().empty()) return;  // no port, nothing passed
    QString error;
    if (SaveSerialTrace(runner_->TraceText(), options_.traceFolder, QDateTime::currentDateTime(), &error).isEmpty())
        qWarning("serial trace not saved: %s", qPrintable(error));
}

}  // namespace wrk7
