#pragma once
#include <QString>
#include <memory>
#include <optional>

#include "files/preferences.h"

class QSettings;
class QWidget;

namespace wrk7 {

class TransferController;

// The per-user settings store (a file of the tests' choosing) and what the
// window keeps between runs in it and in the port file: where the window
// was and how large, the port and the link choices.
class WindowStore {
public:
    WindowStore(QString settingsFile, std::optional<PortFileDirs> portDirs)
        : settingsFile_(std::move(settingsFile)), portDirs_(std::move(portDirs)) {}

    std::unique_ptr<QSettings> Open() const;
    // The port file's number and the store's link choices.
    void LoadChoices(TransferController& transfers) const;
    // Puts window where the store says it was, within the screen it lands
    // on; false (the size stays) when the store holds no placement.
    bool RestorePlacement(QWidget* window) const;
    // At the close: the port file, the placement and the link choices.
    void Save(const QWidget* window, const TransferController& transfers) const;

private:
    QString settingsFile_;
    std::optional<PortFileDirs> portDirs_;  // default: beside the program
};

}  // namespace wrk7
